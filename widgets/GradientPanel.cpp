#include "GradientPanel.h"

#include "ColorUtils.h"

#include <QLinearGradient>
#include <QPainter>

TGradientPanel::TGradientPanel(QWidget* Parent)
    : QWidget(Parent), end_(DarkenColor(palette().color(QPalette::Button), 0.7)) {}

void TGradientPanel::SetStartColor(const QColor& C) {
    start_ = C;
    update();
}

void TGradientPanel::SetEndColor(const QColor& C) {
    end_ = C;
    update();
}

void TGradientPanel::SetDiagonal(bool On) {
    diagonal_ = On;
    update();
}

void TGradientPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, diagonal_ ? width() : 0, height());
    g.setColorAt(0, start_);
    g.setColorAt(1, end_);
    p.fillRect(rect(), g);
}
