#include "MainWindowFit.h"

#include <algorithm>

namespace {
QSize Without(const QSize& Size, const QMargins& Frame) {
    return QSize(Size.width() - Frame.left() - Frame.right(), Size.height() - Frame.top() - Frame.bottom());
}

// Moves the frame back onto the screen where it passes an edge; the top-left corner wins.
QPoint OnScreen(const QPoint& FrameTopLeft, const QSize& FrameSize, const QRect& Screen) {
    const int left = std::max(Screen.left(),
                              std::min(FrameTopLeft.x(), Screen.left() + Screen.width() - FrameSize.width()));
    const int top = std::max(Screen.top(),
                             std::min(FrameTopLeft.y(), Screen.top() + Screen.height() - FrameSize.height()));
    return QPoint(left, top);
}
} // namespace

QRect FittedGeometry(const TMainWindowFit& Fit) {
    const QPoint frameTopLeft = Fit.Geometry.topLeft() - QPoint(Fit.Frame.left(), Fit.Frame.top());
    const QSize most = Without(Fit.Screen.size(), Fit.Frame);
    const QSize room = Fit.MayMove ? most
                                   : Without(QSize(Fit.Screen.left() + Fit.Screen.width() - frameTopLeft.x(),
                                                   Fit.Screen.top() + Fit.Screen.height() - frameTopLeft.y()),
                                             Fit.Frame)
                                         .boundedTo(most);
    QSize need = Fit.Need;
    // Where the screen ends first, the client area scrolls, and its scroll bar takes room from the
    // other direction.
    if (need.height() > room.height())
        need.rwidth() += Fit.ScrollBar;
    else if (need.width() > room.width())
        need.rheight() += Fit.ScrollBar;
    const QSize size = Fit.Geometry.size().expandedTo(need).boundedTo(room);
    const QSize frameSize = size.grownBy(Fit.Frame);
    const QPoint at = Fit.MayMove ? OnScreen(frameTopLeft, frameSize, Fit.Screen) : frameTopLeft;
    return QRect(at + QPoint(Fit.Frame.left(), Fit.Frame.top()), size);
}

QRect StartGeometry(const QSize& Design, const QRect& Screen, const QMargins& Frame) {
    const QSize size = Design.boundedTo(Without(Screen.size(), Frame));
    const QSize frameSize = size.grownBy(Frame);
    const QPoint centred =
        Screen.center() - QPoint(frameSize.width() / 2, frameSize.height() / 2) + QPoint(1, 1);
    return QRect(OnScreen(centred, frameSize, Screen) + QPoint(Frame.left(), Frame.top()), size);
}
