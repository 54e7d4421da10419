// The riddle window's tool windows besides the clue legend: the number legend of a number riddle,
// the solution word window and the stopwatch. They are created, refreshed and moved to their
// places beside and below the riddle window here.

#include "LegendeDialog.h"
#include "LoesungDialog.h"
#include "RaetselFormular.h"
#include "StopuhrDialog.h"
#include "StopwatchRules.h"
#include "ToolWindowHomes.h"
#include "WordRiddle.h"
#include "ZahlenDialog.h"

#include <QMdiArea>

namespace {
TCommandView ViewOf(bool Visible, bool Enabled, bool Down) {
    return {Visible, Enabled, Down};
}

QRect FrameOf(const QWidget* W) {
    return W && W->isVisible() ? W->geometry() : QRect();
}

// A tool window appears among the riddle's windows without taking the keys from the grid.
void AddToolWindow(QMdiArea* Area, TRiddleSupportForm* Window) {
    if (Area)
        Area->addSubWindow(Window);
    Window->show();
}
} // namespace

void TRiddleForm::UpdateNumLegendWindow(bool Place) {
    if (!NumLegendWindow) {
        NumLegendWindow = new TNumLegendForm(this, WordGrid);
        AddToolWindow(mdiArea(), NumLegendWindow);
    }
    NumLegendWindow->FormShow();
    if (Place)
        PlaceNumLegendWindow();
}

void TRiddleForm::CloseNumLegendWindow() {
    if (NumLegendWindow)
        NumLegendWindow->close();
    NumLegendWindow = nullptr;
}

void TRiddleForm::PlaceNumLegendWindow() {
    if (NumLegendWindow)
        NumLegendWindow->move(geometry().left() + geometry().width(), geometry().top());
}

void TRiddleForm::UpdateSolutionWindow(bool Place) {
    if (!WordGrid->Riddle().RiddleOptions().Contains(roHasKeyword)) {
        if (SolutionWindow)
            SolutionWindow->close();
        SolutionWindow = nullptr;
        return;
    }
    if (!SolutionWindow) {
        SolutionWindow = new TLoesungForm(this, WordGrid);
        AddToolWindow(mdiArea(), SolutionWindow);
    }
    SolutionWindow->FormShow();
    if (Place)
        PlaceSolutionWindow();
}

void TRiddleForm::PlaceSolutionWindow() {
    if (SolutionWindow)
        SolutionWindow->move(SolutionHome(geometry(), FrameOf(LegendWindow), SolutionWindow->width()));
}

void TRiddleForm::UpdateStopwatch(bool Place) {
    if (!ShownGrid || !ShownGrid->Riddle().RiddleOptions().Contains(roCountTime)) {
        if (StopwatchWindow)
            StopwatchWindow->close();
        StopwatchWindow = nullptr;
        return;
    }
    if (!StopwatchWindow) {
        StopwatchWindow = new TStopuhrForm(this, ShownGrid);
        AddToolWindow(mdiArea(), StopwatchWindow);
    }
    StopwatchWindow->FormShow();
    if (Place)
        PlaceStopwatchWindow();
}

void TRiddleForm::PlaceStopwatchWindow() {
    if (!StopwatchWindow)
        return;
    const QRect legend = LegendWindow ? FrameOf(LegendWindow) : FrameOf(NumLegendWindow);
    StopwatchWindow->move(StopwatchHome(geometry(), legend, FrameOf(SolutionWindow)));
}

void TRiddleForm::PlaceToolWindows() {
    PlaceLegendWindow();
    PlaceSolutionWindow();
    PlaceNumLegendWindow();
    PlaceStopwatchWindow();
}

void TRiddleForm::RepaintLetterGrids() {
    if (NumLegendWindow)
        NumLegendWindow->RepaintLetters();
    if (SolutionWindow)
        SolutionWindow->RepaintBoxes();
}

void TRiddleForm::LayoutLetterGrids() {
    if (SolutionWindow)
        SolutionWindow->LayoutBoxes();
    if (NumLegendWindow)
        NumLegendWindow->LayoutGrid();
}

void TRiddleForm::AddNumLegendFacts(TLegendMenuFacts& Facts) const {
    if (!NumLegendWindow)
        return;
    const TNumLegendButtons b = NumLegendWindow->Buttons();
    Facts.NumLegendShown = NumLegendWindow->isVisible();
    Facts.AutoEintragen = ViewOf(b.Visible, true, NumLegendWindow->AutoEntry());
    Facts.LegendeEintragen = ViewOf(b.Visible, true, false);
    Facts.RaetselEintragen = ViewOf(b.Visible, b.RaetselEintragenEnabled, false);
}

void TRiddleForm::MItemLegendeAutomatischEintragenClick() {
    if (NumLegendWindow)
        NumLegendWindow->MItemLegendeAutomatischEintragenClick();
}

void TRiddleForm::MItemLegendeUebernehmenClick() {
    if (NumLegendWindow)
        NumLegendWindow->MItemLegendeUebernehmenClick();
}

void TRiddleForm::MItemLegendeEintragenClick() {
    if (NumLegendWindow)
        NumLegendWindow->MItemLegendeEintragenClick();
}
