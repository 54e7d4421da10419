// How the solver types into a word riddle and moves through it.

#include "RiddleMessages.h"
#include "RiddleText.h"
#include "WordRiddle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

bool TWordRiddle::FindWordStart(int ACol, int ARow, TWordDirection Direction, int& StartCol,
                                int& StartRow) const {
    StartCol = ACol;
    StartRow = ARow;
    const int dc = StepCol(Direction), dr = StepRow(Direction);
    if (dc == 0 && dr == 0)
        return false;
    while (!data_.IsBlocked(StartCol - dc, StartRow - dr)) {
        StartCol -= dc;
        StartRow -= dr;
    }
    if (data_.RiddleType() == rtAmerican)
        return true;
    const TWordGridCell* cell = data_.CellAt(StartCol, StartRow);
    return cell && cell->Has(Direction == wdHorizontal ? cfStartAcross : cfStartDown);
}

bool TWordRiddle::FindClueStart(int32_t ClueNumber, TWordDirection Direction, int& StartCol,
                                int& StartRow) const {
    const uint8_t clueBit = Direction == wdHorizontal ? kClueAcross : kClueDown;
    const uint16_t startFlag = Direction == wdHorizontal ? cfStartAcross : cfStartDown;
    for (int c = 1; c <= data_.RiddleCols(); ++c)
        for (int r = 1; r <= data_.RiddleRows(); ++r) {
            const TWordGridCell& cell = data_.Cell(c, r);
            if (cell.ClueNumber() == ClueNumber && (cell.ClueFlags() & clueBit) && cell.Has(startFlag)) {
                StartCol = c;
                StartRow = r;
                return true;
            }
        }
    return false;
}

void TWordRiddle::GotoClue(int32_t ClueNumber, TWordDirection Direction) {
    int c = 0, r = 0;
    if (!FindClueStart(ClueNumber, Direction, c, r))
        return;
    // One move, so that a grid without a current cell yet does not refuse the first half of it.
    MoveCurrent(c, r, false);
    SetInputDirection(Direction);
}

TGridWordData TWordRiddle::GetWordData(int ACol, int ARow, bool ReverseIfNeeded,
                                       TWordDirection Direction) const {
    TGridWordData word;
    int c = 0, r = 0;
    if (Direction == wdNone || !FindWordStart(ACol, ARow, Direction, c, r))
        return word;
    word.Col = c;
    word.Row = r;
    word.ClueNumber = data_.Cell(c, r).ClueNumber();
    word.ClueIndex = data_.FindClueIndex(word.ClueNumber, Direction);
    word.Direction = Direction;
    const bool findWords = data_.RiddleType() == rtFindWords;
    const uint8_t crossingBit = Direction == wdHorizontal ? kClueDown : kClueAcross;
    auto letter = [](uint8_t B) { return B ? QChar(B) : QLatin1Char(' '); };
    for (; !data_.IsBlocked(c, r); c += StepCol(Direction), r += StepRow(Direction)) {
        const TWordGridCell& cell = data_.Cell(c, r);
        word.Solution += letter(cell.Solution());
        word.Entered += letter(cell.Entry());
        if (findWords)
            word.Shown += letter(cell.Marked() ? cell.Solution() : 0);
        else
            word.Shown += letter(cell.Entry() ? cell.Entry() : (cell.Revealed() ? cell.Solution() : 0));
        const bool ownKeyword = cell.Has(cfKeyword) && !(cell.ClueFlags() & crossingBit);
        word.KeywordLetters += letter(ownKeyword ? cell.Solution() : 0);
    }
    word.Length = int(word.Solution.size());
    if (findWords)
        word.Entered = word.Shown;
    if (word.ClueIndex >= 0) {
        const TWordLegendData& clue = data_.Clue(word.ClueIndex);
        word.Reversed = clue.Reversed();
        word.ClueText = clue.ClueText();
    }
    if (ReverseIfNeeded && word.Reversed) {
        word.Solution = ReverseText(word.Solution);
        word.Entered = ReverseText(word.Entered);
        word.Shown = ReverseText(word.Shown);
    }
    return word;
}

void TWordRiddle::RepaintRun(int ACol, int ARow, TWordDirection Direction) {
    const int dc = StepCol(Direction), dr = StepRow(Direction);
    if (dc == 0 && dr == 0)
        return;
    for (int c = ACol, r = ARow; !data_.IsBlocked(c, r); c += dc, r += dr)
        InvalidateCell(c, r);
    for (int c = ACol - dc, r = ARow - dr; !data_.IsBlocked(c, r); c -= dc, r -= dr)
        InvalidateCell(c, r);
}

void TWordRiddle::UpdateInputDirection(int ACol, int ARow, bool Toggle) {
    if (data_.RiddleType() == rtFindWords || data_.IsBlocked(ACol, ARow)) {
        data_.SetInputDirectionField(wdNone);
        if (data_.RiddleType() != rtFindWords && data_.PaintOptions().Contains(poMarkCurrWord) &&
            previousWord_.Direction != wdNone) {
            const TGridWordData old = currentWord_;
            currentWord_ = TGridWordData();
            RepaintRun(old.Col, old.Row, old.Direction);
        }
        return;
    }
    TWordDirection d = data_.InputDirection();
    if (d == wdNone && !data_.IsBlocked(ACol + 1, ARow))
        d = wdHorizontal;
    if (d == wdNone && !data_.IsBlocked(ACol, ARow + 1))
        d = wdVertical;
    if (d != data_.InputDirection())
        SetInputDirection(d);
    if (Toggle) {
        if (data_.InputDirection() == wdHorizontal && !data_.IsBlocked(ACol, ARow + 1))
            SetInputDirection(wdVertical);
        else if (data_.InputDirection() == wdVertical && !data_.IsBlocked(ACol + 1, ARow))
            SetInputDirection(wdHorizontal);
    } else if (data_.InputDirection() == wdHorizontal && data_.IsBlocked(ACol - 1, ARow) &&
               data_.IsBlocked(ACol + 1, ARow)) {
        SetInputDirection(wdVertical);
    } else if (data_.InputDirection() == wdVertical && data_.IsBlocked(ACol, ARow - 1) &&
               data_.IsBlocked(ACol, ARow + 1)) {
        SetInputDirection(wdHorizontal);
    }
}

void TWordRiddle::SetInputDirection(TWordDirection Direction) {
    if (Direction == data_.InputDirection())
        return;
    data_.SetInputDirectionField(Direction);
    UpdateCurrentWord(Col(), Row());
    InvalidateGrid();
}

void TWordRiddle::UpdateCurrentWord(int ACol, int ARow) {
    previousWord_ = currentWord_;
    currentWord_ = data_.IsBlocked(ACol, ARow) ? TGridWordData()
                                               : GetWordData(ACol, ARow, false, data_.InputDirection());
    if (data_.PaintOptions().Contains(poMarkCurrWord) && data_.InputDirection() != previousWord_.Direction) {
        if (data_.IsBlocked(ACol, ARow))
            RepaintRun(previousWord_.Col, previousWord_.Row, previousWord_.Direction);
        else {
            RepaintRun(ACol, ARow, previousWord_.Direction);
            RepaintRun(ACol, ARow, data_.InputDirection());
        }
    }
    const bool moved = currentWord_.Col != previousWord_.Col || currentWord_.Row != previousWord_.Row ||
                       currentWord_.Direction != previousWord_.Direction;
    // Only another word repaints the whole control; within the same word its cells suffice.
    if (moved)
        InvalidateGrid();
    else
        RepaintRun(ACol, ARow, currentWord_.Direction);
    // Delivered after the keystroke is done, so the legend follows the finished move.
    if (data_.EventsEnabled() && moved)
        QCoreApplication::postEvent(this, new QEvent(RiddleEventType(kMsgWordChanged)));
}

bool TWordRiddle::event(QEvent* Event) {
    if (Event->type() == RiddleEventType(kMsgWordChanged)) {
        emit OnSelectedWordChange(nullptr);
        return true;
    }
    return TGridRiddle::event(Event);
}

bool TWordRiddle::SelectCell(int ACol, int ARow) {
    if (QPoint(ACol, ARow) != lastHandled_) {
        UpdateInputDirection(ACol, ARow, false);
        UpdateCurrentWord(ACol, ARow);
        lastHandled_ = QPoint(ACol, ARow);
    }
    return TGridRiddle::SelectCell(ACol, ARow);
}

void TWordRiddle::SelectFirstCell() {
    lastHandled_ = QPoint(Col(), Row());
    for (int r = 1; r <= data_.RiddleRows(); ++r)
        for (int c = 1; c <= data_.RiddleCols(); ++c)
            if (!data_.IsBlocked(c, r)) {
                SetCurrentSilently(c, r);
                SelectCell(c, r);
                return;
            }
}

void TWordRiddle::EnterLetter(int ACol, int ARow, uint8_t Letter) {
    if (Letter == ' ')
        Letter = 0;
    if (Letter >= 'a' && Letter <= 'z')
        Letter = uint8_t(Letter - 'a' + 'A');
    TWordGridCell& cell = data_.Cell(ACol, ARow);
    if (data_.DisplayMode() == dmEditing)
        cell.SetSolution(Letter);
    cell.SetEntry(Letter);
    if (data_.State() >= stReady)
        UpdateCurrentWord(ACol, ARow);
}

void TWordRiddle::AdvanceCursor() {
    if (data_.InputDirection() == wdHorizontal && Col() < data_.RiddleCols() &&
        !data_.IsBlocked(Col() + 1, Row()))
        SetCol(Col() + 1);
    else if (data_.InputDirection() == wdVertical && Row() < data_.RiddleRows() &&
             !data_.IsBlocked(Col(), Row() + 1))
        SetRow(Row() + 1);
}

void TWordRiddle::InputError(TInputError ErrorType) {
    if (data_.EventsEnabled())
        emit OnInputError(&data_, ErrorType);
}

void TWordRiddle::HandleCharacter(const QString& Text) {
    if (data_.IsBlocked(Col(), Row())) {
        InputError(ieNotPossible);
        return;
    }
    const QChar ch = Text.at(0);
    const bool letter = (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) ||
                        (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) || ch == QLatin1Char(' ');
    if (!letter) {
        UpdateInputDirection(Col(), Row(), ch == QLatin1Char('\r'));
        return;
    }
    EnterLetter(Col(), Row(), uint8_t(ch.toLatin1()));
    const TWordGridCell& cell = data_.Cell(Col(), Row());
    if (data_.PaintOptions().Contains(poShowFail) && data_.DisplayMode() != dmEditing &&
        cell.Solution() != cell.Entry())
        InputError(ieWrongLetter);
    AdvanceCursor();
}

void TWordRiddle::HandleBackspace() {
    const TWordDirection d = data_.InputDirection();
    if ((d == wdNone || d == wdHorizontal) && Col() > 1 && !data_.IsBlocked(Col() - 1, Row())) {
        EnterLetter(Col() - 1, Row(), 0);
        SetCol(Col() - 1);
    } else if ((d == wdNone || d == wdVertical) && Row() > 1 && !data_.IsBlocked(Col(), Row() - 1)) {
        EnterLetter(Col(), Row() - 1, 0);
        SetRow(Row() - 1);
    } else {
        InputError(ieNotPossible);
    }
}

void TWordRiddle::keyPressEvent(QKeyEvent* Event) {
    // A key with Alt or Ctrl is a command; one that no enabled command took (Alt+Backspace with
    // nothing to undo) must not edit the grid. Ctrl+Home and the like still move the cursor.
    const bool command = Event->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    if (data_.RiddleType() == rtFindWords || command) {
        TGridRiddle::keyPressEvent(Event);
        return;
    }
    if (Event->key() == Qt::Key_Delete) {
        if (!data_.IsBlocked(Col(), Row())) {
            EnterLetter(Col(), Row(), 0);
            InvalidateCell(Col(), Row());
        } else {
            InputError(ieNotPossible);
        }
        Event->accept();
        return;
    }
    if (Event->key() == Qt::Key_Backspace) {
        HandleBackspace();
        Event->accept();
        return;
    }
    QString text = Event->text();
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter)
        text = QStringLiteral("\r");
    const QChar ch = text.isEmpty() ? QChar() : text.at(0);
    if (ch.isPrint() || ch == QLatin1Char('\r')) {
        HandleCharacter(text);
        Event->accept();
        return;
    }
    TGridRiddle::keyPressEvent(Event);
}

void TWordRiddle::mousePressEvent(QMouseEvent* Event) {
    int col = 0, row = 0;
    const bool onCell = MouseToCell(Event->position().toPoint(), col, row);
    markingDrag_ = data_.RiddleType() == rtFindWords && Event->button() == Qt::LeftButton && onCell &&
                   col > 0 && row > 0;
    if (onCell) {
        if (Event->button() == Qt::LeftButton)
            UpdateInputDirection(col, row, QPoint(col, row) == lastHandled_);
        else if (Event->button() == Qt::RightButton && data_.RiddleType() == rtAmerican && col > 0 &&
                 row > 0) {
            SetCol(col);
            SetRow(row);
        }
    }
    TGridRiddle::mousePressEvent(Event);
}
