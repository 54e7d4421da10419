// The riddle window's answers to the events of its two grid controls.

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
        TRiddleData* riddle = &grid->Riddle();
        connect(riddle, &TRiddleData::OnChange, this, &TRiddleForm::WordGridChange);
        connect(riddle, &TRiddleData::OnStateChange, this, &TRiddleForm::WordGridStateChange);
        connect(grid, &TGridRiddle::OnSizeChanged, this, &TRiddleForm::WordGridSizeChanged);
        grid->OnSelectCell = [this](TObject* Sender, int ACol, int ARow, bool& CanSelect) {
            WordGridSelectCell(Sender, ACol, ARow, CanSelect);
        };
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& Pos) { MenuRaetsel->popup(grid->viewport()->mapToGlobal(Pos)); });
        // Mouse events reach a scrolling grid through its viewport.
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
    }
    // Both kinds keep an undo backup; a sudoku has its snapshots besides.
    for (TRiddleData* riddle :
         {static_cast<TRiddleData*>(&WordGrid->Riddle()), static_cast<TRiddleData*>(&Sudoku->Riddle())})
        connect(riddle, &TRiddleData::OnBeforeChange, this, &TRiddleForm::WordGridBeforeChange);
    TWordRiddleData* word = &WordGrid->Riddle();
    connect(word, &TRiddleData::OnLegendStateChange, this, &TRiddleForm::WordGridLegendStateChange);
    connect(word, &TRiddleData::OnRowOrColStateChange, this, &TRiddleForm::WordGridRowOrColStateChange);
    connect(WordGrid, &TWordRiddle::OnSelectedWordChange, this, &TRiddleForm::WordGridSelectedWordChange);
}

TGridRiddle* TRiddleForm::GridOf(const TObject* Sender) const {
    if (Sender == static_cast<const TObject*>(&Sudoku->Riddle()))
        return Sudoku;
    return WordGrid;
}

bool TRiddleForm::eventFilter(QObject* Watched, QEvent* Event) {
    for (TGridRiddle* grid : {static_cast<TGridRiddle*>(WordGrid), static_cast<TGridRiddle*>(Sudoku)}) {
        TObject* sender = &grid->Riddle();
        if (Watched == grid->viewport()) {
            if (Event->type() == QEvent::MouseButtonRelease)
                WordGridMouseUp(sender);
            else if (Event->type() == QEvent::MouseButtonDblClick)
                WordGridDblClick(sender);
        } else if (Watched == grid && Event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(Event);
            WordGridKeyUp(sender, key->key(), key->modifiers());
        }
    }
    return QMdiSubWindow::eventFilter(Watched, Event);
}

void TRiddleForm::WordGridBeforeChange(TObject*, TRiddleChangeTypes AChange, const QString& MsgText) {
    if (CountDownUndo(UndoCountdown, AChange, MsgText))
        emit UndoBackupDue(MsgText);
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
    if (ShownGrid && ShownGrid->Riddle().DisplayMode() == dmEditing)
        emit CommandsChanged();
}

void TRiddleForm::WordGridMouseUp(TObject*) {
    if (ShownGrid && ShownGrid->Riddle().DisplayMode() == dmEditing)
        emit CommandsChanged();
}

void TRiddleForm::WordGridDblClick(TObject*) {
    const TCommandView fill = CommandStates(Facts(), {}).FillLetter;
    if (fill.Visible && fill.Enabled)
        MItemPlayBuchstEintragenClick();
}

void TRiddleForm::WordGridKeyUp(TObject*, int, Qt::KeyboardModifiers Shift) {
    // The key that was let go may have been Ctrl: the next drop of a legend word follows it.
    if (WordGrid->Riddle().RiddleOptions().Contains(roReverseWords))
        DragReversed = Shift.testFlag(Qt::ControlModifier);
    // With a clue legend window showing one combined list, Shift steers DragVertical here and
    // the legend updates its drag cursor.
}

void TRiddleForm::WordGridSizeChanged(TObject*) {
    FitToGrid();
}

void TRiddleForm::WordGridStateChange(TObject*) {
    if (ShownGrid && ShownGrid->Riddle().State() > stEditing)
        QueueStateMessage();
}

void TRiddleForm::QueueStateMessage() {
    // The message is modal: shown inside the key handler it would run a nested event loop in the
    // middle of the setter chain, before the cursor has moved on.
    if (stateMessageQueued_)
        return;
    stateMessageQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            stateMessageQueued_ = false;
            emit StateMessageDue();
        },
        Qt::QueuedConnection);
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
