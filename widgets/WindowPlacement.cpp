#include "WindowPlacement.h"

#include <QWidget>

QMargins FrameMargins(const QWidget* Window) {
    const QRect frame = Window->frameGeometry(), inner = Window->geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom());
}

QPoint CentredOn(const QRect& OwnerFrame, const QSize& Size, const QMargins& Frame) {
    const QSize frame = Size.grownBy(Frame);
    return QPoint(OwnerFrame.left() + (OwnerFrame.width() - frame.width()) / 2 + Frame.left(),
                  OwnerFrame.top() + (OwnerFrame.height() - frame.height()) / 2 + Frame.top());
}
