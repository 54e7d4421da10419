#include "GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

TGradientPanel::TGradientPanel(QWidget* parent) : QWidget(parent) {}

void TGradientPanel::SetStartColor(const QColor& c) {
    start_ = c;
    update();
}

void TGradientPanel::SetEndColor(const QColor& c) {
    end_ = c;
    update();
}

void TGradientPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, start_);
    g.setColorAt(1, end_);
    p.fillRect(rect(), g);
}
