#include "RiddleSupportForm.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace {
constexpr int kInsideOffset = 20;
} // namespace

QPoint KeptInside(const QRect& Frame, const QSize& Area) {
    QPoint at = Frame.topLeft();
    if (Frame.left() < 0 || Frame.left() + Frame.width() > Area.width())
        at.setX(kInsideOffset);
    if (Frame.top() < 0 || Frame.top() + Frame.height() > Area.height())
        at.setY(kInsideOffset);
    return at;
}

TRiddleSupportForm::TRiddleSupportForm(QObject* Owner, TGridRiddle* Grid) : grid_(Grid) {
    setAttribute(Qt::WA_DeleteOnClose);
    if (Owner)
        connect(Owner, &QObject::destroyed, this, [this] { delete this; });
}

TRiddleSupportForm::~TRiddleSupportForm() {
    StopListening();
}

void TRiddleSupportForm::closeEvent(QCloseEvent* Event) {
    QMdiSubWindow::closeEvent(Event);
    // A closed window is only waiting to be freed; it must not act on the grid's events meanwhile.
    if (Event->isAccepted())
        StopListening();
}

void TRiddleSupportForm::StopListening() {
    for (const QMetaObject::Connection& c : connections_)
        disconnect(c);
    connections_.clear();
}

void TRiddleSupportForm::KeepInsideMainWindow() {
    if (const QMdiArea* area = mdiArea())
        move(KeptInside(geometry(), area->viewport()->size()));
}
