// The clue legend's commands and its answers to the grid: solved marks, selection in both
// directions, word entry and the start of a drag.

#include "DragState.h"
#include "LegendeDialog.h"
#include "RiddleText.h"
#include "WordEditDialog.h"
#include "WordRiddle.h"

#include <QAction>
#include <QMenu>

namespace {
void Show(QAction* A, const TLegendButton& State) {
    A->setVisible(State.Visible);
    A->setEnabled(State.Enabled);
    A->setChecked(State.Down);
}
} // namespace

void TLegendForm::SetRowMark(const TLegendRowRef& Row, bool Solved, bool Changed) {
    Row.List->Model()->SetSolved(Row.Row, Solved);
    if (options_.HideSolved && Changed)
        Row.List->setRowHidden(Row.Row, QModelIndex(), Solved);
}

void TLegendForm::SetRowSolved(const TLegendRowRef& Row, bool Solved) {
    TWordRiddle* grid = WordGrid();
    if (!grid || !Row)
        return;
    const int clue = Row.List->Model()->Rows()[size_t(Row.Row)].Data.ClueIndex;
    if (clue < 0 || clue >= grid->Riddle().ClueCount()) {
        Row.List->Model()->SetSolved(Row.Row, Solved);
        return;
    }
    TWordLegendData& entry = grid->Riddle().Clue(clue);
    const bool was = entry.Solved();
    // The entry's setter records the step for undo and reports the change back to this window.
    entry.SetSolved(Solved);
    SetRowMark(Row, Solved, entry.Solved() != was);
}

void TLegendForm::SetLineRowSolved(const TLegendRowRef& Row, bool Solved) {
    if (!Row)
        return;
    const bool was = Row.List->Model()->Rows()[size_t(Row.Row)].Solved;
    SetRowMark(Row, Solved, Solved != was);
}

TLegendRowRef TLegendForm::SelectRow(const TLegendRowRef& Row) {
    VTWaagerecht->clearSelection();
    VTSenkrecht->clearSelection();
    if (Row) {
        gridSync_ = false;
        Row.List->FocusRow(Row.Row);
        activeList_ = Row.List;
        gridSync_ = true;
    }
    return Row;
}

TLegendRowRef TLegendForm::SelectClue(int ClueIndex) {
    return SelectRow(FindClueRow(ClueIndex));
}

TLegendRowRef TLegendForm::SelectLine(int LineNumber, TWordDirection Direction) {
    return SelectRow(FindLineRow(LineNumber, Direction));
}

void TLegendForm::ClueStateChanged(TObject* Sender) {
    const auto* entry = dynamic_cast<const TWordLegendData*>(Sender);
    if (!entry)
        return;
    SetRowSolved(FindNumberRow(entry->ClueNumber(), entry->Direction()), entry->Solved());
}

void TLegendForm::LineStateChanged(int ACol, int ARow, TWordDirection ADir) {
    const TWordRiddle* grid = WordGrid();
    if (!grid)
        return;
    const TWordRiddleData& r = grid->Riddle();
    if (r.RiddleType() != rtFrench && r.RiddleType() != rtAmerican)
        return;
    const bool across = ADir == wdHorizontal;
    const bool solved = (across ? r.RowState(ARow) : r.ColumnState(ACol)) != 0;
    SetLineRowSolved(FindLineRow(across ? ARow : ACol, ADir), solved);
}

void TLegendForm::FollowCurrentWord() {
    const TWordRiddle* grid = WordGrid();
    if (!grid)
        return;
    const TLegendTarget t = LegendTargetFor(grid->Riddle().RiddleType(), grid->CurrentWord(), grid->Col(),
                                            grid->Row(), grid->Riddle().InputDirection());
    if (t.Line)
        SelectLine(t.LineNumber, t.Direction);
    else
        SelectClue(t.ClueIndex);
}

void TLegendForm::ListFocusChanged(TLegendList* List) {
    activeList_ = List;
    TWordRiddle* grid = WordGrid();
    const int row = List->FocusedRow();
    if (!gridSync_ || !grid || row < 0 || grid->Riddle().RiddleType() != rtSwedish)
        return;
    const int32_t number = List->Model()->Rows()[size_t(row)].Data.ClueNumber;
    if (number > 0)
        grid->GotoClue(number, List->Upper() ? wdHorizontal : wdVertical);
}

void TLegendForm::SolvedMarkClicked(TLegendList* List, int Row) {
    const std::vector<TLegendRow>& rows = List->Model()->Rows();
    if (Row < 0 || Row >= int(rows.size()))
        return;
    SetRowSolved({List, Row}, !rows[size_t(Row)].Solved);
}

void TLegendForm::StartDrag(TLegendList* List, Qt::KeyboardModifiers Modifiers) {
    const TWordRiddle* grid = WordGrid();
    if (!grid)
        return;
    DragReversed =
        grid->Riddle().RiddleOptions().Contains(roReverseWords) && (Modifiers & Qt::ControlModifier);
    DragVertical = twoLists_ ? !List->Upper() : bool(Modifiers & Qt::ShiftModifier);
    UpdateDragCursor();
}

void TLegendForm::SBBegrNichtAusblendenClick() {
    RefreshLegend();
    UpdateToolbar();
}

void TLegendForm::SBBegrNichtMarkierenClick() {
    UpdateToolbar();
    VTWaagerecht->viewport()->update();
    VTSenkrecht->viewport()->update();
}

void TLegendForm::SBEineLegendeClick() {
    RefreshLegend();
    UpdateToolbar();
}

void TLegendForm::MItemLegendeAusblendenClick() {
    options_.HideSolved = !options_.HideSolved;
    RefreshLegend();
    UpdateToolbar();
}

void TLegendForm::MItemLegendeMarkierenClick() {
    TWordRiddle* grid = WordGrid();
    if (!grid)
        return;
    grid->Riddle().SetAutoMarkLegend(!grid->Riddle().AutoMarkLegend());
    SBBegrNichtMarkierenClick();
}

void TLegendForm::MItemLegendeEineLegendeClick() {
    options_.TwoLists = !options_.TwoLists;
    RefreshLegend();
    UpdateToolbar();
}

void TLegendForm::MenuLegendePopup() {
    const TWordRiddle* grid = WordGrid();
    if (!grid)
        return;
    const TWordRiddleData& r = grid->Riddle();
    const int row = activeList_ ? activeList_->FocusedRow() : -1;
    const bool solved = row >= 0 && activeList_->Model()->Rows()[size_t(row)].Solved;
    const TLegendPopup p =
        LegendPopup(r.RiddleType(), r.DisplayMode(), r.AutoMarkLegend(), options_, row >= 0, solved);
    Show(MItemLegendeBearbeitet, p.Bearbeitet);
    Show(MItemLegendeEingeben, p.Eingeben);
    MItemLegendeN1->setVisible(p.Separator.Visible);
    Show(MItemLegendeAusblenden, p.Ausblenden);
    Show(MItemLegendeMarkieren, p.Markieren);
    Show(MItemLegendeEineLegende, p.EineLegende);
}

void TLegendForm::MItemLegendeBearbeitetClick() {
    const int row = activeList_ ? activeList_->FocusedRow() : -1;
    if (row < 0)
        return;
    const bool solved = !activeList_->Model()->Rows()[size_t(row)].Solved;
    // Only the row changes; the clue's own flag, and so the next rebuild, stay as they were.
    SetRowMark({activeList_, row}, solved, true);
}

void TLegendForm::MItemLegendeEingebenClick() {
    TWordRiddle* grid = WordGrid();
    const int row = activeList_ ? activeList_->FocusedRow() : -1;
    if (!grid || row < 0 || grid->Riddle().RiddleType() != rtSwedish)
        return;
    TLegendList* list = activeList_;
    const TWordRiddleData& r = grid->Riddle();
    const std::optional<QString> text = TWordEditDlg::Execute(
        window(), QStringLiteral("Gesuchten Begriff eingeben"),
        list->Model()->Rows()[size_t(row)].Data.ClueText + QLatin1Char(':'), grid->CurrentWord().Shown,
        r.BackgroundColors(), r.TextColors(), TWordBoxLook::Of(*grid));
    if (text) {
        grid->EnterWord(NormalizeWord(*text, 30), grid->Col(), grid->Row(),
                        list == VTWaagerecht ? wdHorizontal : wdVertical);
        list->Model()->SetSolved(row, true);
    }
    emit GridFocusWanted();
}
