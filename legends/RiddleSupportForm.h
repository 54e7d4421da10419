#pragma once

// The base of every tool window beside the grid (clue legend, number legend, solution word,
// stopwatch). It is created with the grid it serves and keeps that grid for its life; it holds
// no riddle data of its own. What it needs of the grid's events it connects with Listen, and it
// hears them only while it is open.

#include "GridRiddle.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <vector>

// The kinds of child windows of the main window, as FindToolWindow looks for them.
enum TToolWindowKind {
    twNone = 0,
    twRiddle = 1,
    twSolution = 2,
    twLegend = 3,
    twNumLegend = 4,
    twStopwatch = 5
};

// Where a window with the frame Frame goes so that it lies inside an area of the size Area: a
// window that starts left of (above) the area or reaches past its right (bottom) edge moves to
// 20 pixels from the left (top).
QPoint KeptInside(const QRect& Frame, const QSize& Area);

class TRiddleSupportForm : public QMdiSubWindow {
    Q_OBJECT
public:
    // The window is freed when it is closed, and at the latest with its Owner.
    TRiddleSupportForm(QObject* Owner, TGridRiddle* Grid);
    ~TRiddleSupportForm() override;

    // The grid this window serves; null once the grid is gone.
    TGridRiddle* Grid() const { return grid_; }
    // Which kind of tool window this is; twNone for a pop-up that is none of them.
    virtual TToolWindowKind ToolKind() const { return twNone; }

protected:
    // Connects Signal of Source to Handler until the window closes.
    template <class Source, class Signal, class Handler>
    void Listen(const Source* Sender, Signal Event, Handler Slot) {
        connections_.push_back(connect(Sender, Event, this, Slot));
    }
    void closeEvent(QCloseEvent* Event) override;
    // Moves the window back inside the main window's client area (KeptInside).
    void KeepInsideMainWindow();

private:
    void StopListening();

    QPointer<TGridRiddle> grid_;
    std::vector<QMetaObject::Connection> connections_;
};
