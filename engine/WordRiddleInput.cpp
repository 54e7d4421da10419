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
    while (!IsBlocked(startCol - dc, startRow - dr)) {
        startCol -= dc;
        startRow -= dr;
    }
    if (RiddleType() == rtAmerican)
        return true;
    const TWordGridCell* cell = CellAt(startCol, startRow);
    return cell && cell->Has(direction == wdHorizontal ? cfStartAcross : cfStartDown);
}

bool TWordRiddle::FindClueStart(int32_t clueNumber, TWordDirection direction, int& startCol,
                                int& startRow) const {
    const uint8_t clueBit = direction == wdHorizontal ? kClueAcross : kClueDown;
    const uint16_t startFlag = direction == wdHorizontal ? cfStartAcross : cfStartDown;
    for (int c = 1; c <= RiddleCols(); ++c)
        for (int r = 1; r <= RiddleRows(); ++r) {
            const TWordGridCell& cell = Cell(c, r);
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
    word.ClueNumber = Cell(c, r).ClueNumber();
    word.ClueIndex = FindClueIndex(word.ClueNumber, direction);
    word.Direction = direction;
    const bool findWords = RiddleType() == rtFindWords;
    const uint8_t crossingBit = direction == wdHorizontal ? kClueDown : kClueAcross;
    auto letter = [](uint8_t b) { return b ? QChar(b) : QLatin1Char(' '); };
    for (; !IsBlocked(c, r); c += StepCol(direction), r += StepRow(direction)) {
        const TWordGridCell& cell = Cell(c, r);
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
        const TWordLegendData& clue = Clue(word.ClueIndex);
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
    for (int c = col, r = row; !IsBlocked(c, r); c += dc, r += dr)
        InvalidateCell(c, r);
    for (int c = col - dc, r = row - dr; !IsBlocked(c, r); c -= dc, r -= dr)
        InvalidateCell(c, r);
}

void TWordRiddle::UpdateInputDirection(int col, int row, bool Toggle) {
    if (RiddleType() == rtFindWords || IsBlocked(col, row)) {
        SetInputDirectionField(wdNone);
        if (RiddleType() != rtFindWords && PaintOptions().Contains(poMarkCurrWord) &&
            previousWord_.Direction != wdNone) {
            const TGridWordData old = currentWord_;
            currentWord_ = TGridWordData();
            RepaintRun(old.Col, old.Row, old.Direction);
        }
        return;
    }
    TWordDirection d = InputDirection();
    if (d == wdNone && !IsBlocked(col + 1, row))
        d = wdHorizontal;
    if (d == wdNone && !IsBlocked(col, row + 1))
        d = wdVertical;
    if (d != InputDirection())
        SetInputDirection(d);
    if (Toggle) {
        if (InputDirection() == wdHorizontal && !IsBlocked(col, row + 1))
            SetInputDirection(wdVertical);
        else if (InputDirection() == wdVertical && !IsBlocked(col + 1, row))
            SetInputDirection(wdHorizontal);
    } else if (InputDirection() == wdHorizontal && IsBlocked(col - 1, row) && IsBlocked(col + 1, row)) {
        SetInputDirection(wdVertical);
    } else if (InputDirection() == wdVertical && IsBlocked(col, row - 1) && IsBlocked(col, row + 1)) {
        SetInputDirection(wdHorizontal);
    }
}

void TWordRiddle::SetInputDirection(TWordDirection direction) {
    if (direction == InputDirection())
        return;
    SetInputDirectionField(direction);
    UpdateCurrentWord(Col(), Row());
    InvalidateGrid();
}

void TWordRiddle::UpdateCurrentWord(int col, int row) {
    previousWord_ = currentWord_;
    currentWord_ = IsBlocked(col, row) ? TGridWordData() : GetWordData(col, row, false, InputDirection());
    if (PaintOptions().Contains(poMarkCurrWord) && InputDirection() != previousWord_.Direction) {
        if (IsBlocked(col, row))
            RepaintRun(previousWord_.Col, previousWord_.Row, previousWord_.Direction);
        else {
            RepaintRun(col, row, previousWord_.Direction);
            RepaintRun(col, row, InputDirection());
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
    if (EventsEnabled() && moved)
        QCoreApplication::postEvent(this, new QEvent(RiddleEventType(kMsgWordChanged)));
}

bool TWordRiddle::event(QEvent* event) {
    if (event->type() == RiddleEventType(kMsgWordChanged)) {
        if (OnSelectedWordChange)
            OnSelectedWordChange(nullptr);
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
    for (int r = 1; r <= RiddleRows(); ++r)
        for (int c = 1; c <= RiddleCols(); ++c)
            if (!IsBlocked(c, r)) {
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
    TWordGridCell& cell = Cell(col, row);
    if (DisplayMode() == 2)
        cell.SetSolution(letter);
    cell.SetEntry(letter);
    if (State() >= stReady)
        UpdateCurrentWord(col, row);
}

void TWordRiddle::AdvanceCursor() {
    if (InputDirection() == wdHorizontal && Col() < RiddleCols() && !IsBlocked(Col() + 1, Row()))
        SetCol(Col() + 1);
    else if (InputDirection() == wdVertical && Row() < RiddleRows() && !IsBlocked(Col(), Row() + 1))
        SetRow(Row() + 1);
}

void TWordRiddle::HandleCharacter(const QString& text) {
    auto inputError = [this](TInputError kind) {
        if (EventsEnabled() && OnInputError)
            OnInputError(this, kind);
    };
    if (IsBlocked(Col(), Row())) {
        inputError(ieNotPossible);
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
    const TWordGridCell& cell = Cell(Col(), Row());
    if (PaintOptions().Contains(poShowFail) && DisplayMode() != 2 && cell.Solution() != cell.Entry())
        inputError(ieWrongLetter);
    AdvanceCursor();
}

void TWordRiddle::HandleBackspace() {
    const TWordDirection d = InputDirection();
    if ((d == wdNone || d == wdHorizontal) && Col() > 1 && !IsBlocked(Col() - 1, Row())) {
        EnterLetter(Col() - 1, Row(), 0);
        SetCol(Col() - 1);
    } else if ((d == wdNone || d == wdVertical) && Row() > 1 && !IsBlocked(Col(), Row() - 1)) {
        EnterLetter(Col(), Row() - 1, 0);
        SetRow(Row() - 1);
    } else if (EventsEnabled() && OnInputError) {
        OnInputError(this, ieNotPossible);
    }
}

void TWordRiddle::keyPressEvent(QKeyEvent* event) {
    if (RiddleType() == rtFindWords) {
        TGridRiddle::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        if (!IsBlocked(Col(), Row())) {
            EnterLetter(Col(), Row(), 0);
            InvalidateCell(Col(), Row());
        } else if (EventsEnabled() && OnInputError) {
            OnInputError(this, ieNotPossible);
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
    markingDrag_ =
        RiddleType() == rtFindWords && event->button() == Qt::LeftButton && onCell && col > 0 && row > 0;
    if (onCell) {
        if (event->button() == Qt::LeftButton)
            UpdateInputDirection(col, row, QPoint(col, row) == lastHandled_);
        else if (event->button() == Qt::RightButton && RiddleType() == rtAmerican && col > 0 && row > 0) {
            SetCol(col);
            SetRow(row);
        }
    }
    TGridRiddle::mousePressEvent(event);
}
