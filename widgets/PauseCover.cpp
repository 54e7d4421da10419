#include "PauseCover.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int kMargin = 6;
} // namespace

TPauseCover::TPauseCover(QWidget* Covered, const QString& Text) : QWidget(Covered), text_(Text) {
    setObjectName(QStringLiteral("PauseCover"));
    setAccessibleName(Text);
    // Every key comes here, Tab included, so that the grid beneath never gets one.
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(Covered->rect());
    Covered->installEventFilter(this);
    raise();
    show();
    setFocus(Qt::OtherFocusReason);
}

bool TPauseCover::event(QEvent* Event) {
    if (Event->type() == QEvent::KeyPress || Event->type() == QEvent::MouseButtonPress) {
        Event->accept();
        emit Resumed();
        return true;
    }
    return QWidget::event(Event);
}

bool TPauseCover::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == parent() && Event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(Watched, Event);
}

void TPauseCover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::AlignCenter | Qt::TextWordWrap,
               text_);
}
