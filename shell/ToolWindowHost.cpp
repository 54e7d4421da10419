#include "ToolWindowHost.h"

#include "LegendeDialog.h"
#include "LoesungDialog.h"
#include "StopuhrDialog.h"
#include "ToolWindowHomes.h"
#include "WordRiddle.h"
#include "ZahlenDialog.h"

#include <QMdiArea>

namespace {
QRect FrameOf(const QWidget* W) {
    return W && W->isVisible() ? W->geometry() : QRect();
}

TCommandView ViewOf(const TLegendButton& B) {
    return {B.Visible, B.Enabled, B.Down};
}

// A tool window appears among the riddle's windows without taking the keys from the grid. It gets
// its caption once it is shown: a sub-window measures its caption anew for every part of its frame
// it works out while it is added and shown, which took a good part of the start-up.
template <class TWindow> TWindow* Show(QMdiSubWindow* Riddle, TWindow* Window) {
    const QString title = Window->windowTitle();
    Window->setWindowTitle(QString());
    if (QMdiArea* area = Riddle->mdiArea())
        area->addSubWindow(Window);
    Window->show();
    Window->setWindowTitle(title);
    return Window;
}

// Closing frees the window; the host forgets it.
template <class TWindow> void Close(QPointer<TWindow>& Window) {
    if (Window)
        Window->close();
    Window = nullptr;
}
} // namespace

TToolWindowHost::TToolWindowHost(QMdiSubWindow* Riddle, TWordRiddle* WordGrid)
    : QObject(Riddle), riddle_(Riddle), wordGrid_(WordGrid) {}

TLegendForm* TToolWindowHost::Legend() const {
    return legend_;
}

TNumLegendForm* TToolWindowHost::NumLegend() const {
    return numLegend_;
}

TLoesungForm* TToolWindowHost::Solution() const {
    return solution_;
}

TStopuhrForm* TToolWindowHost::Stopwatch() const {
    return stopwatch_;
}

QRect TToolWindowHost::Home() const {
    return riddle_->geometry();
}

void TToolWindowHost::UpdateLegendWindow(bool Place) {
    if (wordGrid_->Riddle().RiddleType() == rtNumbers) {
        // A number riddle has its number legend instead.
        Close(legend_);
        UpdateNumLegendWindow(Place);
        return;
    }
    Close(numLegend_);
    if (!legend_) {
        // The tool windows go with the riddle window that owns them.
        legend_ = Show(riddle_, new TLegendForm(riddle_, wordGrid_));
        connect(legend_, &TLegendForm::GridFocusWanted, this, &TToolWindowHost::GridFocusWanted);
    }
    legend_->FormShow();
    if (Place) {
        PlaceLegend();
        // A solution word wider than the riddle window goes below the legend, placed only now.
        PlaceSolution();
    }
    legend_->FollowCurrentWord();
}

void TToolWindowHost::UpdateNumLegendWindow(bool Place) {
    if (!numLegend_)
        numLegend_ = Show(riddle_, new TNumLegendForm(riddle_, wordGrid_));
    numLegend_->FormShow();
    if (Place)
        PlaceNumLegend();
}

void TToolWindowHost::UpdateSolutionWindow(bool Place) {
    if (!wordGrid_->Riddle().RiddleOptions().Contains(roHasKeyword)) {
        Close(solution_);
        return;
    }
    if (!solution_)
        solution_ = Show(riddle_, new TLoesungForm(riddle_, wordGrid_));
    solution_->FormShow();
    if (Place)
        PlaceSolution();
}

void TToolWindowHost::UpdateStopwatch(TGridRiddle* Shown, bool Place) {
    if (!Shown || !Shown->Riddle().RiddleOptions().Contains(roCountTime)) {
        Close(stopwatch_);
        return;
    }
    if (!stopwatch_)
        stopwatch_ = Show(riddle_, new TStopuhrForm(riddle_, Shown));
    stopwatch_->FormShow();
    if (Place)
        PlaceStopwatch();
}

void TToolWindowHost::PlaceLegend() {
    if (legend_)
        legend_->setGeometry(LegendHome(Home()));
}

void TToolWindowHost::PlaceNumLegend() {
    if (numLegend_)
        numLegend_->move(Home().left() + Home().width(), Home().top());
}

void TToolWindowHost::PlaceSolution() {
    if (solution_)
        solution_->move(SolutionHome(Home(), FrameOf(legend_), solution_->width()));
}

void TToolWindowHost::PlaceStopwatch() {
    if (!stopwatch_)
        return;
    const QRect legend = legend_ ? FrameOf(legend_) : FrameOf(numLegend_);
    stopwatch_->move(StopwatchHome(Home(), legend, FrameOf(solution_)));
}

void TToolWindowHost::PlaceAll() {
    PlaceLegend();
    PlaceSolution();
    PlaceNumLegend();
    PlaceStopwatch();
}

void TToolWindowHost::RepaintLetterGrids() {
    if (numLegend_)
        numLegend_->RepaintLetters();
    if (solution_)
        solution_->RepaintBoxes();
}

void TToolWindowHost::LayoutLetterGrids() {
    if (solution_)
        solution_->LayoutBoxes();
    if (numLegend_)
        numLegend_->LayoutGrid();
}

TLegendMenuFacts TToolWindowHost::LegendMenuFacts() const {
    TLegendMenuFacts f;
    if (numLegend_) {
        const TNumLegendButtons b = numLegend_->Buttons();
        f.NumLegendShown = numLegend_->isVisible();
        f.AutoEintragen = {b.Visible, true, numLegend_->AutoEntry()};
        f.LegendeEintragen = {b.Visible, true, false};
        f.RaetselEintragen = {b.Visible, b.RaetselEintragenEnabled, false};
    }
    if (legend_) {
        const TLegendToolbar t = legend_->ToolbarState();
        f.ClueLegendShown = legend_->isVisible();
        f.Ausblenden = ViewOf(t.Ausblenden);
        f.Markieren = ViewOf(t.Markieren);
        f.EineLegende = ViewOf(t.EineLegende);
    }
    return f;
}

void TToolWindowHost::AddLegends(TPrintSource& Source) const {
    if (legend_)
        Source.ClueLegend = legend_->Renderer();
    Source.NumberLegend = !numLegend_.isNull();
}

void TToolWindowHost::FollowCurrentWord() {
    if (legend_)
        legend_->FollowCurrentWord();
}

void TToolWindowHost::ClueStateChanged(TObject* Clue) {
    if (legend_ && Clue)
        legend_->ClueStateChanged(Clue);
}

void TToolWindowHost::LineStateChanged(int ACol, int ARow, TWordDirection Direction) {
    if (legend_)
        legend_->LineStateChanged(ACol, ARow, Direction);
}

void TToolWindowHost::LettersChanged() {
    if (!numLegend_)
        return;
    numLegend_->RepaintLetters();
    numLegend_->UpdateButtons();
}

void TToolWindowHost::GridChanged() {
    if (numLegend_)
        numLegend_->GridChanged();
}

bool TToolWindowHost::OneList() const {
    return legend_ && !legend_->TwoListsShown();
}

void TToolWindowHost::UpdateDragCursor() {
    if (legend_)
        legend_->UpdateDragCursor();
}

void TToolWindowHost::UpdateLegendToolbar() {
    if (legend_ && legend_->isVisible())
        legend_->UpdateToolbar();
}

void TToolWindowHost::MItemLegendeAusblendenClick() {
    if (legend_)
        legend_->MItemLegendeAusblendenClick();
}

void TToolWindowHost::MItemLegendeMarkierenClick() {
    if (legend_)
        legend_->MItemLegendeMarkierenClick();
}

void TToolWindowHost::MItemLegendeEineLegendeClick() {
    if (legend_)
        legend_->MItemLegendeEineLegendeClick();
}

void TToolWindowHost::MItemLegendeAutomatischEintragenClick() {
    if (numLegend_)
        numLegend_->MItemLegendeAutomatischEintragenClick();
}

void TToolWindowHost::MItemLegendeUebernehmenClick() {
    if (numLegend_)
        numLegend_->MItemLegendeUebernehmenClick();
}

void TToolWindowHost::MItemLegendeEintragenClick() {
    if (numLegend_)
        numLegend_->MItemLegendeEintragenClick();
}
