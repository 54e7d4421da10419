// How the solver types into a word riddle and moves through it.

#include "RiddleMessages.h"
#include "RiddleText.h"
#include "WordRiddle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
int StepCol(TWordDirection d) {
    return d == wdHorizontal ? 1 : 0;
}
int StepRow(TWordDirection d) {
    return d == wdVertical ? 1 : 0;
}
} // namespace

bool TWordRiddle::FindWordStart(int col, int row, TWordDirection direction, int& startCol,
                                int& startRow) const {
    startCol = col;
    startRow = row;
    const int dc = StepCol(direction), dr = StepRow(direction);
    if (dc == 0 && dr == 0)
        return false;
    while (!data_.IsBlocked(startCol - dc, startRow - dr)) {
        startCol -= dc;
        startRow -= dr;
    }
    if (data_.RiddleType() == rtAmerican)
        return true;
    const TWordGridCell* cell = data_.CellAt(startCol, startRow);
    return cell && cell->Has(direction == wdHorizontal ? cfStartAcross : cfStartDown);
}

bool TWordRiddle::FindClueStart(int32_t clueNumber, TWordDirection direction, int& startCol,
                                int& startRow) const {
    const uint8_t clueBit = direction == wdHorizontal ? kClueAcross : kClueDown;
    const uint16_t startFlag = direction == wdHorizontal ? cfStartAcross : cfStartDown;
    for (int c = 1; c <= data_.RiddleCols(); ++c)
        for (int r = 1; r <= data_.RiddleRows(); ++r) {
            const TWordGridCell& cell = data_.Cell(c, r);
            if (cell.ClueNumber() == clueNumber && (cell.ClueFlags() & clueBit) && cell.Has(startFlag)) {
                startCol = c;
                startRow = r;
                return true;
            }
        }
    return false;
}

void TWordRiddle::GotoClue(int32_t clueNumber, TWordDirection direction) {
    int c = 0, r = 0;
    if (!FindClueStart(clueNumber, direction, c, r))
        return;
    SetCol(c);
    SetRow(r);
    SetInputDirection(direction);
}

TGridWordData TWordRiddle::GetWordData(int col, int row, bool ReverseIfNeeded,
                                       TWordDirection direction) const {
    TGridWordData word;
    int c = 0, r = 0;
    if (direction == wdNone || !FindWordStart(col, row, direction, c, r))
        return word;
    word.Col = c;
    word.Row = r;
    word.ClueNumber = data_.Cell(c, r).ClueNumber();
    word.ClueIndex = data_.FindClueIndex(word.ClueNumber, direction);
    word.Direction = direction;
    const bool findWords = data_.RiddleType() == rtFindWords;
    const uint8_t crossingBit = direction == wdHorizontal ? kClueDown : kClueAcross;
    auto letter = [](uint8_t b) { return b ? QChar(b) : QLatin1Char(' '); };
    for (; !data_.IsBlocked(c, r); c += StepCol(direction), r += StepRow(direction)) {
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

void TWordRiddle::RepaintRun(int col, int row, TWordDirection direction) {
    const int dc = StepCol(direction), dr = StepRow(direction);
    if (dc == 0 && dr == 0)
        return;
    for (int c = col, r = row; !data_.IsBlocked(c, r); c += dc, r += dr)
        InvalidateCell(c, r);
    for (int c = col - dc, r = row - dr; !data_.IsBlocked(c, r); c -= dc, r -= dr)
        InvalidateCell(c, r);
}

void TWordRiddle::UpdateInputDirection(int col, int row, bool Toggle) {
    if (data_.RiddleType() == rtFindWords || data_.IsBlocked(col, row)) {
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
    if (d == wdNone && !data_.IsBlocked(col + 1, row))
        d = wdHorizontal;
    if (d == wdNone && !data_.IsBlocked(col, row + 1))
        d = wdVertical;
    if (d != data_.InputDirection())
        SetInputDirection(d);
    if (Toggle) {
        if (data_.InputDirection() == wdHorizontal && !data_.IsBlocked(col, row + 1))
            SetInputDirection(wdVertical);
        else if (data_.InputDirection() == wdVertical && !data_.IsBlocked(col + 1, row))
            SetInputDirection(wdHorizontal);
    } else if (data_.InputDirection() == wdHorizontal && data_.IsBlocked(col - 1, row) &&
               data_.IsBlocked(col + 1, row)) {
        SetInputDirection(wdVertical);
    } else if (data_.InputDirection() == wdVertical && data_.IsBlocked(col, row - 1) &&
               data_.IsBlocked(col, row + 1)) {
        SetInputDirection(wdHorizontal);
    }
}

void TWordRiddle::SetInputDirection(TWordDirection direction) {
    if (direction == data_.InputDirection())
        return;
    data_.SetInputDirectionField(direction);
    UpdateCurrentWord(Col(), Row());
    InvalidateGrid();
}

void TWordRiddle::UpdateCurrentWord(int col, int row) {
    previousWord_ = currentWord_;
    currentWord_ =
        data_.IsBlocked(col, row) ? TGridWordData() : GetWordData(col, row, false, data_.InputDirection());
    if (data_.PaintOptions().Contains(poMarkCurrWord) && data_.InputDirection() != previousWord_.Direction) {
        if (data_.IsBlocked(col, row))
            RepaintRun(previousWord_.Col, previousWord_.Row, previousWord_.Direction);
        else {
            RepaintRun(col, row, previousWord_.Direction);
            RepaintRun(col, row, data_.InputDirection());
        }
    }
    const bool moved = currentWord_.Col != previousWord_.Col || currentWord_.Row != previousWord_.Row ||
                       currentWord_.Direction != previousWord_.Direction;
    // Only another word repaints the whole control; within the same word its cells suffice.
    if (moved)
        InvalidateGrid();
    else
        RepaintRun(col, row, currentWord_.Direction);
    // Delivered after the keystroke is done, so the legend follows the finished move.
    if (data_.EventsEnabled() && moved)
        QCoreApplication::postEvent(this, new QEvent(RiddleEventType(kMsgWordChanged)));
}

bool TWordRiddle::event(QEvent* event) {
    if (event->type() == RiddleEventType(kMsgWordChanged)) {
        emit OnSelectedWordChange(nullptr);
        return true;
    }
    return TGridRiddle::event(event);
}

bool TWordRiddle::SelectCell(int col, int row) {
    if (QPoint(col, row) != lastHandled_) {
        UpdateInputDirection(col, row, false);
        UpdateCurrentWord(col, row);
        lastHandled_ = QPoint(col, row);
    }
    return TGridRiddle::SelectCell(col, row);
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

void TWordRiddle::EnterLetter(int col, int row, uint8_t letter) {
    if (letter == ' ')
        letter = 0;
    if (letter >= 'a' && letter <= 'z')
        letter = uint8_t(letter - 'a' + 'A');
    TWordGridCell& cell = data_.Cell(col, row);
    if (data_.DisplayMode() == dmEditing)
        cell.SetSolution(letter);
    cell.SetEntry(letter);
    if (data_.State() >= stReady)
        UpdateCurrentWord(col, row);
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

void TWordRiddle::HandleCharacter(const QString& text) {
    if (data_.IsBlocked(Col(), Row())) {
        InputError(ieNotPossible);
        return;
    }
    const QChar ch = text.at(0);
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

void TWordRiddle::keyPressEvent(QKeyEvent* event) {
    if (data_.RiddleType() == rtFindWords) {
        TGridRiddle::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        if (!data_.IsBlocked(Col(), Row())) {
            EnterLetter(Col(), Row(), 0);
            InvalidateCell(Col(), Row());
        } else {
            InputError(ieNotPossible);
        }
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        HandleBackspace();
        event->accept();
        return;
    }
    QString text = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        text = QStringLiteral("\r");
    const QChar ch = text.isEmpty() ? QChar() : text.at(0);
    if ((ch.isPrint() || ch == QLatin1Char('\r')) && !(event->modifiers() & Qt::ControlModifier)) {
        HandleCharacter(text);
        event->accept();
        return;
    }
    TGridRiddle::keyPressEvent(event);
}

void TWordRiddle::mousePressEvent(QMouseEvent* event) {
    int col = 0, row = 0;
    const bool onCell = MouseToCell(event->position().toPoint(), col, row);
    markingDrag_ = data_.RiddleType() == rtFindWords && event->button() == Qt::LeftButton && onCell &&
                   col > 0 && row > 0;
    if (onCell) {
        if (event->button() == Qt::LeftButton)
            UpdateInputDirection(col, row, QPoint(col, row) == lastHandled_);
        else if (event->button() == Qt::RightButton && data_.RiddleType() == rtAmerican && col > 0 &&
                 row > 0) {
            SetCol(col);
            SetRow(row);
        }
    }
    TGridRiddle::mousePressEvent(event);
}
