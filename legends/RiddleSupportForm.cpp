#include "RiddleSupportForm.h"

#include <QCloseEvent>

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
