// The riddle window's answers to the events of its two grid controls.

#include "LegendeDialog.h"
#include "RaetselFormular.h"
#include "SudokuRiddle.h"
#include "ToolWindowHost.h"
#include "UndoKeeper.h"
#include "Variables.h"
#include "WordOrder.h"
#include "WordRiddle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QWheelEvent>

void TRiddleForm::ConnectGridEvents() {
    for (TGridRiddle* grid : {static_cast<TGridRiddle*>(wordGrid_), static_cast<TGridRiddle*>(sudoku_)}) {
        TRiddleData* riddle = &grid->Riddle();
        connect(riddle, &TRiddleData::OnChange, this, &TRiddleForm::WordGridChange);
        connect(riddle, &TRiddleData::OnStateChange, this, &TRiddleForm::WordGridStateChange);
        // Pausing is offered while the clock runs; a clock started anew (a reset) ends a pause.
        connect(riddle, &TRiddleData::ClockRunningChanged, this, [this](bool Running) {
            if (Running)
                RemovePauseCovers();
            emit CommandsChanged();
        });
        connect(grid, &TGridRiddle::OnSizeChanged, this, &TRiddleForm::WordGridSizeChanged);
        grid->OnSelectCell = [this](TObject* Sender, int ACol, int ARow, bool& CanSelect) {
            WordGridSelectCell(Sender, ACol, ARow, CanSelect);
        };
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& Pos) { menuRaetsel_->popup(grid->viewport()->mapToGlobal(Pos)); });
        // Mouse events reach a scrolling grid through its viewport.
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
    }
    // Only word riddles keep an undo backup; a sudoku has its snapshots instead.
    connect(&wordGrid_->Riddle(), &TRiddleData::OnBeforeChange, this, &TRiddleForm::WordGridBeforeChange);
    // The clue legend hears the clue, line and current word news itself; the handlers below
    // are for the riddle window's own commands, which change what no event reports.
    wordGrid_->viewport()->setMouseTracking(true);
    wordGrid_->viewport()->setAcceptDrops(true);
}

TGridRiddle* TRiddleForm::GridOf(const TObject* Sender) const {
    if (Sender == static_cast<const TObject*>(&sudoku_->Riddle()))
        return sudoku_;
    return wordGrid_;
}

bool TRiddleForm::eventFilter(QObject* Watched, QEvent* Event) {
    for (TGridRiddle* grid : {static_cast<TGridRiddle*>(wordGrid_), static_cast<TGridRiddle*>(sudoku_)}) {
        TObject* sender = &grid->Riddle();
        if (Watched == grid->viewport()) {
            if (Event->type() == QEvent::Wheel && WheelZoom(static_cast<QWheelEvent*>(Event)))
                return true;
            if (Event->type() == QEvent::MouseButtonRelease)
                WordGridMouseUp(sender);
            else if (Event->type() == QEvent::MouseButtonDblClick)
                WordGridDblClick(sender);
            else if (grid == wordGrid_ && Event->type() == QEvent::MouseMove) {
                const auto* move = static_cast<QMouseEvent*>(Event);
                const QPoint at = move->position().toPoint();
                WordGridMouseMove(sender, move->modifiers(), at.x(), at.y());
            } else if (grid == wordGrid_ && Event->type() == QEvent::Leave)
                WordGridMouseLeave();
            else if (grid == wordGrid_ &&
                     (Event->type() == QEvent::DragEnter || Event->type() == QEvent::DragMove ||
                      Event->type() == QEvent::Drop)) {
                WordGridDragEvent(Event);
                return true;
            }
        } else if (Watched == grid && Event->type() == QEvent::KeyPress &&
                   TabToWord(static_cast<QKeyEvent*>(Event))) {
            return true;
        } else if (Watched == grid && Event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(Event);
            WordGridKeyUp(sender, key->key(), key->modifiers());
        }
    }
    return QMdiSubWindow::eventFilter(Watched, Event);
}

bool TRiddleForm::TabToWord(const QKeyEvent* Key) {
    const bool tab = Key->key() == Qt::Key_Tab || Key->key() == Qt::Key_Backtab;
    if (!tab || (Key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || shownGrid_ != wordGrid_ ||
        wordGrid_->Riddle().RiddleType() == rtFindWords)
        return false;
    const bool forward = Key->key() == Qt::Key_Tab && !(Key->modifiers() & Qt::ShiftModifier);
    const TLegendForm* legend = tools_->Legend();
    if (const std::optional<TWordPlace> next =
            NextWordCell(*wordGrid_, legend && legend->TwoListsShown(), forward)) {
        wordGrid_->MoveCurrent(next->Col, next->Row, false);
        wordGrid_->SetInputDirection(next->Direction);
    }
    // Taken either way: Tab never moves the focus out of the grid.
    return true;
}

bool TRiddleForm::WheelZoom(const QWheelEvent* Event) {
    // Ctrl with the wheel zooms as the zoom buttons do; without Ctrl the wheel scrolls.
    const int delta = Event->angleDelta().y();
    if (!(Event->modifiers() & Qt::ControlModifier) || delta == 0)
        return false;
    MItemPlayZoomInClick(commands_.Item(delta > 0 ? "MItemPlayZoomIn" : "MItemPlayZoomOut"));
    return true;
}

void TRiddleForm::WordGridBeforeChange(TObject*, TRiddleChangeTypes AChange, const QString& MsgText) {
    if (CountDownUndo(undoCountdown_, AChange, MsgText))
        emit UndoBackupDue(MsgText);
}

void TRiddleForm::WordGridChange(TObject* Sender) {
    TGridRiddle* grid = GridOf(Sender);
    UpdateRiddleToolbar(grid->Col(), grid->Row());
    if (grid != wordGrid_)
        return;
    tools_->GridChanged();
    TellWhetherKeywordMissing();
}

void TRiddleForm::TellWhetherKeywordMissing() {
    const bool missing = wordGrid_->Riddle().AwaitsKeyword();
    if (missing && !toldKeywordMissing_) {
        // Said once when the grid fills up; the next status text replaces it.
        QStatusTipEvent tip(
            QStringLiteral("Das Rätselgitter ist ausgefüllt – es fehlt noch das Lösungswort."));
        QCoreApplication::sendEvent(this, &tip);
    }
    toldKeywordMissing_ = missing;
}

void TRiddleForm::WordGridSelectCell(TObject*, int ACol, int ARow, bool& CanSelect) {
    CanSelect = ACol > 0 && ARow > 0;
    if (!CanSelect)
        return;
    UpdateRiddleToolbar(ACol, ARow);
    // While a riddle is edited, the commands depend on the cell.
    if (shownGrid_ && shownGrid_->Riddle().DisplayMode() == dmEditing)
        emit CommandsChanged();
}

void TRiddleForm::WordGridMouseUp(TObject*) {
    if (shownGrid_ && shownGrid_->Riddle().DisplayMode() == dmEditing)
        emit CommandsChanged();
}

void TRiddleForm::WordGridDblClick(TObject*) {
    const TCommandView fill = CommandStates(Facts(), {}).FillLetter;
    if (fill.Visible && fill.Enabled)
        MItemPlayBuchstEintragenClick();
}

void TRiddleForm::WordGridKeyUp(TObject*, int, Qt::KeyboardModifiers Shift) {
    // The key that was let go may have been Ctrl or Shift: the next drop of a legend word follows it.
    if (wordGrid_->Riddle().RiddleOptions().Contains(roReverseWords))
        DragReversed = Shift.testFlag(Qt::ControlModifier);
    if (!tools_->Legend())
        return;
    if (tools_->OneList())
        DragVertical = Shift.testFlag(Qt::ShiftModifier);
    tools_->UpdateDragCursor();
}

void TRiddleForm::WordGridSizeChanged(TObject*) {
    FitToGrid();
}

void TRiddleForm::WordGridStateChange(TObject*) {
    if (shownGrid_ && shownGrid_->Riddle().State() > stEditing)
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

void TRiddleForm::WordGridLegendStateChange(TObject* Sender) {
    tools_->LettersChanged();
    tools_->ClueStateChanged(Sender);
}

void TRiddleForm::WordGridRowOrColStateChange(TObject*, int ACol, int ARow, TWordDirection ADir) {
    tools_->LineStateChanged(ACol, ARow, ADir);
}

void TRiddleForm::WordGridSelectedWordChange(TObject*) {
    tools_->FollowCurrentWord();
}
