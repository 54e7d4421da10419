// The riddle window's tool windows (the clue legend beside it, the hints pop-up) and what the
// mouse does over the word grid: tooltips, the cell description in the status line, and words
// dropped from the clue legend.

#include "HinweisDialog.h"
#include "LegendeDialog.h"
#include "RaetselFormular.h"
#include "RiddleText.h"
#include "ToolWindowHomes.h"
#include "Variables.h"
#include "WordRiddle.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDropEvent>
#include <QMdiArea>
#include <QStatusTipEvent>

namespace {

TCommandView ViewOf(const TLegendButton& B) {
    return {B.Visible, B.Enabled, B.Down};
}
} // namespace

void TRiddleForm::UpdateLegendWindow(bool Place) {
    if (ShownGrid != WordGrid)
        return;
    if (WordGrid->Riddle().RiddleType() == rtNumbers) {
        // A number riddle has its number legend instead.
        if (LegendWindow)
            LegendWindow->close();
        LegendWindow = nullptr;
        UpdateNumLegendWindow(Place);
        return;
    }
    CloseNumLegendWindow();
    if (!LegendWindow) {
        LegendWindow = new TLegendForm(this, WordGrid);
        connect(LegendWindow, &TLegendForm::GridFocusWanted, this, &TRiddleForm::FocusGrid);
        if (QMdiArea* area = mdiArea())
            area->addSubWindow(LegendWindow);
        LegendWindow->show();
    }
    LegendWindow->FormShow();
    if (Place) {
        PlaceLegendWindow();
        // A solution word wider than the riddle window goes below the legend, placed only now.
        PlaceSolutionWindow();
    }
    LegendWindow->FollowCurrentWord();
}

void TRiddleForm::PlaceLegendWindow() {
    if (!LegendWindow)
        return;
    LegendWindow->setGeometry(LegendHome(geometry()));
}

TLegendMenuFacts TRiddleForm::LegendMenuFacts() const {
    TLegendMenuFacts f;
    AddNumLegendFacts(f);
    if (!LegendWindow)
        return f;
    const TLegendToolbar t = LegendWindow->ToolbarState();
    f.ClueLegendShown = LegendWindow->isVisible();
    f.Ausblenden = ViewOf(t.Ausblenden);
    f.Markieren = ViewOf(t.Markieren);
    f.EineLegende = ViewOf(t.EineLegende);
    return f;
}

void TRiddleForm::MItemLegendeAusblendenClick() {
    if (LegendWindow)
        LegendWindow->MItemLegendeAusblendenClick();
}

void TRiddleForm::MItemLegendeMarkierenClick() {
    if (LegendWindow)
        LegendWindow->MItemLegendeMarkierenClick();
}

void TRiddleForm::MItemLegendeEineLegendeClick() {
    if (LegendWindow)
        LegendWindow->MItemLegendeEineLegendeClick();
}

bool TRiddleForm::LegendShowsOneList() const {
    return LegendWindow && !LegendWindow->TwoListsShown();
}

void TRiddleForm::UpdateDragCursor() {
    if (LegendWindow)
        LegendWindow->UpdateDragCursor();
}

void TRiddleForm::ShowHintWindow(int X, int Y, const std::function<void()>& Callback, int FontSize,
                                 bool WordWrap, const QString& Text) {
    THintForm::ShowHintPopup(this, ShownGrid, X, Y, FontSize, WordWrap, Text, Callback);
}

void TRiddleForm::MItemPlayHilfeClick() {
    if (!ShownGrid)
        return;
    // From the keyboard the mouse may be anywhere; the help then opens over the grid.
    QPoint at = QCursor::pos();
    if (!rect().contains(mapFromGlobal(at)))
        at = ShownGrid->mapToGlobal(QPoint(20, 20));
    at -= QPoint(10, 10);
    ShowHintWindow(at.x(), at.y(), nullptr, 0, true, HelpKey(ShownGrid->Riddle().RiddleType()));
}

void TRiddleForm::WordGridMouseMove(TObject*, Qt::KeyboardModifiers, int X, int Y) {
    int col = 0, row = 0;
    if (!WordGrid->MouseToCell(QPoint(X, Y), col, row))
        return;
    const TWordRiddleData& riddle = WordGrid->Riddle();
    if (col < 0 || row < 0 || col > riddle.RiddleCols() || row > riddle.RiddleRows() ||
        QPoint(col, row) == LastHintCell)
        return;
    THintForm::CloseCurrent();
    const TGridHint hint = GridHint(*WordGrid, col, row, TooltipsOn, WordGrid->statusTip());
    if (hint.Placement != hpNone) {
        QWidget* view = WordGrid->viewport();
        const QRect cell = WordGrid->CellRect(col, row);
        const THintSpot spot =
            HintSpot(hint.Placement, view->mapToGlobal(QPoint(X, Y)),
                     QRect(view->mapToGlobal(cell.topLeft()), cell.size()), riddle.GridSize());
        ShowHintWindow(spot.At.x(), spot.At.y(), nullptr, spot.FontSize, false, hint.Tooltip);
        if (THintForm* shown = THintForm::Current())
            shown->SetExplainedArea(QRect(view->mapToGlobal(cell.topLeft()), cell.size()));
    }
    if (hint.Status != WordGrid->statusTip()) {
        // The status line shows the grid's hint; it has to hear of a new one at once.
        WordGrid->setStatusTip(hint.Status);
        QStatusTipEvent tip(hint.Status);
        QCoreApplication::sendEvent(WordGrid, &tip);
    }
    LastHintCell = QPoint(col, row);
}

void TRiddleForm::WordGridMouseLeave() {
    // A mouse that rests on the tooltip standing over its own cell has not left that cell.
    THintForm* shown = THintForm::Current();
    if (shown && shown->geometry().contains(QCursor::pos()))
        return;
    if (shown && shown->TopicKey.isEmpty())
        shown->close();
    LastHintCell = QPoint(-1, -1);
}

TLegendSource TRiddleForm::SourceOf(const QObject* Source) const {
    if (!LegendWindow || !Source)
        return lsNone;
    if (Source == LegendWindow->VTWaagerecht)
        return lsUpper;
    if (Source == LegendWindow->VTSenkrecht)
        return lsLower;
    return lsNone;
}

bool TRiddleForm::WordGridDragOver(TObject*, QObject* Source, int X, int Y, Qt::KeyboardModifiers Shift) {
    int col = 0, row = 0;
    if (!LegendWindow || !WordGrid->MouseToCell(QPoint(X, Y), col, row))
        return false;
    // The key hook does not see the keys while a drag runs; the drag's own modifiers stand in.
    const bool vertical = DragVertical, reversed = DragReversed;
    if (WordGrid->Riddle().RiddleOptions().Contains(roReverseWords))
        DragReversed = Shift.testFlag(Qt::ControlModifier);
    const bool twoLists = LegendWindow->TwoListsShown();
    const TWordDirection d = DragDirection(*WordGrid, col, row, twoLists, SourceOf(Source),
                                           Shift.testFlag(Qt::ShiftModifier), true, DragVertical);
    if (DragVertical != vertical || DragReversed != reversed)
        LegendWindow->UpdateDragCursor();
    int startCol = 0, startRow = 0;
    return DropAccepted(*WordGrid, col, row, d, twoLists, SourceOf(Source), startCol, startRow);
}

void TRiddleForm::WordGridDragDrop(TObject*, QObject* Source, int X, int Y, Qt::KeyboardModifiers Shift) {
    int col = 0, row = 0;
    if (!LegendWindow || !WordGrid->MouseToCell(QPoint(X, Y), col, row))
        return;
    if (WordGrid->Riddle().RiddleOptions().Contains(roReverseWords))
        DragReversed = Shift.testFlag(Qt::ControlModifier);
    const bool twoLists = LegendWindow->TwoListsShown();
    const TWordDirection d = DragDirection(*WordGrid, col, row, twoLists, SourceOf(Source),
                                           Shift.testFlag(Qt::ShiftModifier), false, DragVertical);
    int startCol = 0, startRow = 0;
    const TLegendRowData* dragged = LegendWindow->FocusedRowData(d);
    if (!dragged || !DropAccepted(*WordGrid, col, row, d, twoLists, SourceOf(Source), startCol, startRow))
        return;
    WordGrid->EnterWord(DragReversed ? ReverseText(dragged->Word) : dragged->Word, startCol, startRow, d);
    WordGrid->MoveCurrent(startCol, startRow, false);
    WordGrid->SetInputDirection(d);
    FocusGrid();
}

void TRiddleForm::WordGridDragEvent(QEvent* Event) {
    auto* drop = static_cast<QDropEvent*>(Event);
    const QPoint at = drop->position().toPoint();
    TObject* sender = &WordGrid->Riddle();
    if (Event->type() == QEvent::Drop) {
        WordGridDragDrop(sender, drop->source(), at.x(), at.y(), drop->modifiers());
        drop->acceptProposedAction();
        return;
    }
    const bool accept = WordGridDragOver(sender, drop->source(), at.x(), at.y(), drop->modifiers());
    if (Event->type() == QEvent::DragEnter && SourceOf(drop->source()) != lsNone) {
        // Only an accepted enter brings the moves that decide cell by cell.
        drop->acceptProposedAction();
        if (!accept)
            drop->setDropAction(Qt::IgnoreAction);
        return;
    }
    if (accept)
        drop->acceptProposedAction();
    else
        drop->ignore();
}
