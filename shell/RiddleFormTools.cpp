// What the mouse does over the word grid: tooltips and the help in the hints pop-up, the cell
// description in the status line, and words dropped from the clue legend.

#include "HinweisDialog.h"
#include "LegendeDialog.h"
#include "RaetselFormular.h"
#include "RiddleText.h"
#include "ToolWindowHost.h"
#include "Variables.h"
#include "WordRiddle.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDropEvent>
#include <QStatusTipEvent>

void TRiddleForm::ShowHintWindow(int X, int Y, const std::function<void()>& Callback, int FontSize,
                                 bool WordWrap, const QString& Text) {
    THintForm::ShowHintPopup(this, shownGrid_, X, Y, FontSize, WordWrap, Text, Callback);
}

void TRiddleForm::MItemPlayHilfeClick() {
    if (!shownGrid_)
        return;
    // From the keyboard the mouse may be anywhere; the help then opens over the grid.
    QPoint at = QCursor::pos();
    if (!rect().contains(mapFromGlobal(at)))
        at = shownGrid_->mapToGlobal(QPoint(20, 20));
    at -= QPoint(10, 10);
    ShowHintWindow(at.x(), at.y(), nullptr, 0, true, HelpKey(shownGrid_->Riddle().RiddleType()));
}

void TRiddleForm::WordGridMouseMove(TObject*, Qt::KeyboardModifiers, int X, int Y) {
    int col = 0, row = 0;
    if (!wordGrid_->MouseToCell(QPoint(X, Y), col, row))
        return;
    const TWordRiddleData& riddle = wordGrid_->Riddle();
    if (col < 0 || row < 0 || col > riddle.RiddleCols() || row > riddle.RiddleRows() ||
        QPoint(col, row) == lastHintCell_)
        return;
    THintForm::CloseCurrent();
    const TGridHint hint = GridHint(*wordGrid_, col, row, tooltipsOn_, wordGrid_->statusTip());
    if (hint.Placement != hpNone) {
        QWidget* view = wordGrid_->viewport();
        const QRect cell = wordGrid_->CellRect(col, row);
        const THintSpot spot =
            HintSpot(hint.Placement, view->mapToGlobal(QPoint(X, Y)),
                     QRect(view->mapToGlobal(cell.topLeft()), cell.size()), riddle.GridSize());
        ShowHintWindow(spot.At.x(), spot.At.y(), nullptr, spot.FontSize, false, hint.Tooltip);
        if (THintForm* shown = THintForm::Current())
            shown->SetExplainedArea(QRect(view->mapToGlobal(cell.topLeft()), cell.size()));
    }
    if (hint.Status != wordGrid_->statusTip()) {
        // The status line shows the grid's hint; it has to hear of a new one at once.
        wordGrid_->setStatusTip(hint.Status);
        QStatusTipEvent tip(hint.Status);
        QCoreApplication::sendEvent(wordGrid_, &tip);
    }
    lastHintCell_ = QPoint(col, row);
}

void TRiddleForm::WordGridMouseLeave() {
    // A mouse that rests on the tooltip standing over its own cell has not left that cell.
    THintForm* shown = THintForm::Current();
    if (shown && shown->geometry().contains(QCursor::pos()))
        return;
    if (shown && shown->TopicKey.isEmpty())
        shown->close();
    lastHintCell_ = QPoint(-1, -1);
}

TLegendSource TRiddleForm::SourceOf(const QObject* Source) const {
    const TLegendForm* legend = tools_->Legend();
    if (!legend || !Source)
        return lsNone;
    if (Source == legend->VTWaagerecht)
        return lsUpper;
    if (Source == legend->VTSenkrecht)
        return lsLower;
    return lsNone;
}

bool TRiddleForm::WordGridDragOver(TObject*, QObject* Source, int X, int Y, Qt::KeyboardModifiers Shift) {
    int col = 0, row = 0;
    if (!tools_->Legend() || !wordGrid_->MouseToCell(QPoint(X, Y), col, row))
        return false;
    // The key hook does not see the keys while a drag runs; the drag's own modifiers stand in.
    const bool vertical = DragVertical, reversed = DragReversed;
    if (wordGrid_->Riddle().RiddleOptions().Contains(roReverseWords))
        DragReversed = Shift.testFlag(Qt::ControlModifier);
    const bool twoLists = !tools_->OneList();
    const TWordDirection d = DragDirection(*wordGrid_, col, row, twoLists, SourceOf(Source),
                                           Shift.testFlag(Qt::ShiftModifier), true, DragVertical);
    if (DragVertical != vertical || DragReversed != reversed)
        tools_->UpdateDragCursor();
    int startCol = 0, startRow = 0;
    return DropAccepted(*wordGrid_, col, row, d, twoLists, SourceOf(Source), startCol, startRow);
}

void TRiddleForm::WordGridDragDrop(TObject*, QObject* Source, int X, int Y, Qt::KeyboardModifiers Shift) {
    int col = 0, row = 0;
    if (!tools_->Legend() || !wordGrid_->MouseToCell(QPoint(X, Y), col, row))
        return;
    if (wordGrid_->Riddle().RiddleOptions().Contains(roReverseWords))
        DragReversed = Shift.testFlag(Qt::ControlModifier);
    const bool twoLists = !tools_->OneList();
    const TWordDirection d = DragDirection(*wordGrid_, col, row, twoLists, SourceOf(Source),
                                           Shift.testFlag(Qt::ShiftModifier), false, DragVertical);
    int startCol = 0, startRow = 0;
    const TLegendRowData* dragged = tools_->Legend()->FocusedRowData(d);
    if (!dragged || !DropAccepted(*wordGrid_, col, row, d, twoLists, SourceOf(Source), startCol, startRow))
        return;
    wordGrid_->EnterWord(DragReversed ? ReverseText(dragged->Word) : dragged->Word, startCol, startRow, d);
    wordGrid_->MoveCurrent(startCol, startRow, false);
    wordGrid_->SetInputDirection(d);
    FocusGrid();
}

void TRiddleForm::WordGridDragEvent(QEvent* Event) {
    auto* drop = static_cast<QDropEvent*>(Event);
    const QPoint at = drop->position().toPoint();
    TObject* sender = &wordGrid_->Riddle();
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
