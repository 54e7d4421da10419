// The riddle window's answers to the events of its two grid controls.

#include "Hauptformular.h"
#include "RaetselFormular.h"
#include "SudokuRiddle.h"
#include "UndoKeeper.h"
#include "Variables.h"
#include "WordRiddle.h"

#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

void TRiddleForm::ConnectGridEvents() {
    for (TGridRiddle* grid : {static_cast<TGridRiddle*>(WordGrid), static_cast<TGridRiddle*>(Sudoku)}) {
        TRiddleData& data = grid->Riddle();
        data.OnChange = [this](TObject* s) { WordGridChange(s); };
        data.OnSizeChanged = [this](TObject* s) { WordGridSizeChanged(s); };
        data.OnStateChange = [this](TObject* s) { WordGridStateChange(s); };
        grid->OnSelectCell = [this](TObject* s, int c, int r, bool& can) {
            WordGridSelectCell(s, c, r, can);
        };
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& pos) { MenuRaetsel->popup(grid->viewport()->mapToGlobal(pos)); });
        // Mouse events reach a scrolling grid through its viewport.
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
    }
    // Only word riddles keep an undo backup; a sudoku has its snapshots instead.
    WordGrid->OnBeforeChange = [this](TObject* s, TRiddleChangeTypes change, const QString& text) {
        WordGridBeforeChange(s, change, text);
    };
    WordGrid->OnLegendStateChange = [this](TObject* s) { WordGridLegendStateChange(s); };
    WordGrid->OnRowOrColStateChange = [this](TObject* s, int c, int r, TWordDirection d) {
        WordGridRowOrColStateChange(s, c, r, d);
    };
}

TGridRiddle* TRiddleForm::GridOf(const TObject* Sender) const {
    if (Sender == static_cast<const TObject*>(&Sudoku->Riddle()))
        return Sudoku;
    return WordGrid;
}

bool TRiddleForm::eventFilter(QObject* watched, QEvent* event) {
    for (TGridRiddle* grid : {static_cast<TGridRiddle*>(WordGrid), static_cast<TGridRiddle*>(Sudoku)}) {
        TObject* sender = &grid->Riddle();
        if (watched == grid->viewport()) {
            if (event->type() == QEvent::MouseButtonRelease)
                WordGridMouseUp(sender);
            else if (event->type() == QEvent::MouseButtonDblClick)
                WordGridDblClick(sender);
        } else if (watched == grid && event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            WordGridKeyUp(sender, key->key(), key->modifiers());
        }
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void TRiddleForm::WordGridBeforeChange(TObject*, TRiddleChangeTypes AChange, const QString& MsgText) {
    if (CountDownUndo(UndoCountdown, AChange, MsgText))
        owner_->SaveUndoState(MsgText);
}

void TRiddleForm::WordGridChange(TObject* Sender) {
    TGridRiddle* grid = GridOf(Sender);
    UpdateRiddleToolbar(grid->Col(), grid->Row());
    // With the number legend window, its automatic filling takes the current cell's letter here.
}

void TRiddleForm::WordGridSelectCell(TObject*, int ACol, int ARow, bool& CanSelect) {
    CanSelect = ACol > 0 && ARow > 0;
    if (!CanSelect)
        return;
    UpdateRiddleToolbar(ACol, ARow);
    // While a riddle is edited, the commands depend on the cell.
    if (ShownGrid && ShownGrid->Riddle().DisplayMode() == 2)
        owner_->UpdateCommands();
}

void TRiddleForm::WordGridMouseUp(TObject*) {
    if (ShownGrid && ShownGrid->Riddle().DisplayMode() == 2)
        owner_->UpdateCommands();
}

void TRiddleForm::WordGridDblClick(TObject*) {
    if (!SBBuchstEintragen->isHidden() && SBBuchstEintragen->isEnabled())
        MItemPlayBuchstEintragenClick();
}

void TRiddleForm::WordGridKeyUp(TObject*, int, Qt::KeyboardModifiers Shift) {
    // The key that was let go may have been Ctrl: the next drop of a legend word follows it.
    if (WordGrid->RiddleOptions().Contains(roReverseWords))
        DragReversed = Shift.testFlag(Qt::ControlModifier);
    // With a clue legend window showing one combined list, Shift steers DragVertical here and
    // the legend updates its drag cursor.
}

void TRiddleForm::WordGridSizeChanged(TObject*) {
    FitToGrid();
}

void TRiddleForm::WordGridStateChange(TObject*) {
    if (ShownGrid && ShownGrid->Riddle().State() > stEditing)
        owner_->ShowStateMessage(ShownGrid);
}

void TRiddleForm::WordGridLegendStateChange(TObject*) {
    // Repaints the number legend's letter grid and marks the clue as solved in the clue legend,
    // once those windows exist.
}

void TRiddleForm::WordGridRowOrColStateChange(TObject*, int, int, TWordDirection) {
    // Marks the row or column as solved in the clue legend of French and American riddles, once
    // that window exists.
}

void TRiddleForm::WordGridSelectedWordChange(TObject*) {
    // Selects the current word's clue or line in the clue legend, once that window exists.
}
