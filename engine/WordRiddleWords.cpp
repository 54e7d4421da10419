// Whole words, word-search marking and the solved marks of clues and lines.

#include "RiddleText.h"
#include "WordRiddle.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace {
int StepCol(TWordDirection d) {
    return d == wdHorizontal ? 1 : 0;
}
int StepRow(TWordDirection d) {
    return d == wdVertical ? 1 : 0;
}

} // namespace

bool TWordRiddle::EnterWord(const QString& text, int col, int row, TWordDirection direction) {
    if (data_.State() >= stReady)
        data_.AnnounceAlways(kChangeProgress, ChangeText::EnterWord);
    data_.BeginUpdate();
    bool right = true;
    int c = col, r = row;
    FindWordStart(col, row, direction, c, r);
    const int startCol = c, startRow = r;
    for (qsizetype i = 0; i < text.size() && !data_.IsBlocked(c, r);
         ++i, c += StepCol(direction), r += StepRow(direction)) {
        const QChar ch = text[i].toUpper();
        TWordGridCell& cell = data_.Cell(c, r);
        cell.SetEntry(ch == QLatin1Char(' ') ? 0 : uint8_t(ch.toLatin1()));
        if (cell.Solution() != cell.Entry())
            right = false;
    }
    data_.SetModified(true);
    data_.EndUpdate();
    currentWord_ = GetWordData(startCol, startRow, true, direction);
    if (data_.AutoMarkLegend())
        UpdateSolvedMarks(startCol, startRow);
    data_.EvaluateState();
    InvalidateGrid();
    return right;
}

void TWordRiddle::ClearWord(int col, int row, bool Force, TWordDirection direction) {
    int c = col, r = row;
    FindWordStart(col, row, direction, c, r);
    const uint8_t crossing = direction == wdHorizontal ? kClueDown : kClueAcross;
    data_.BeginUpdate();
    for (; !data_.IsBlocked(c, r); c += StepCol(direction), r += StepRow(direction))
        if (Force || !(data_.Cell(c, r).ClueFlags() & crossing))
            data_.Cell(c, r).SetEntry(0);
    data_.EndUpdate();
    InvalidateGrid();
}

QString TWordRiddle::SolutionRun(int col, int row, TWordDirection direction) const {
    const int dc = StepCol(direction), dr = StepRow(direction);
    if ((dc == 0 && dr == 0) || data_.IsBlocked(col, row))
        return QString();
    while (!data_.IsBlocked(col - dc, row - dr)) {
        col -= dc;
        row -= dr;
    }
    QString run;
    for (; !data_.IsBlocked(col, row); col += dc, row += dr)
        run += QChar(data_.Cell(col, row).Solution() ? data_.Cell(col, row).Solution() : ' ');
    return run;
}

int TWordRiddle::RunLength(int col, int row, TWordDirection direction) const {
    return int(SolutionRun(col, row, direction).size());
}

void TWordRiddle::EnterLegendLetter(uint8_t letter) {
    if (TCharLegendData* entry = data_.FindLetter(letter); entry && letter != 0)
        entry->SetEntry(letter);
}

int TWordRiddle::CountFlag(int line, TWordDirection direction, bool Mode, int bit) const {
    if (bit < 0 || bit > 15)
        return 0;
    const uint16_t flag = uint16_t(1u << bit);
    const int count = direction == wdHorizontal ? data_.RiddleCols() : data_.RiddleRows();
    int found = 0;
    for (int i = 1; i <= count; ++i) {
        const TWordGridCell* cell = direction == wdHorizontal ? data_.CellAt(i, line) : data_.CellAt(line, i);
        if (!cell)
            continue;
        if (Mode ? (cell->Flags() & ~flag) == 0 && (cell->Flags() & flag) : (cell->Flags() & flag) != 0)
            ++found;
    }
    return found;
}

bool TWordRiddle::IsClueSolved(int index) const {
    if (index < 0 || index >= data_.ClueCount())
        return false;
    const TWordLegendData& clue = data_.Clue(index);
    int c = 0, r = 0;
    if (!FindClueStart(clue.ClueNumber(), clue.Direction(), c, r))
        return false;
    return GetWordData(c, r, true, clue.Direction()).Shown == clue.Word();
}

bool TWordRiddle::IsLineSolved(int line, TWordDirection direction) const {
    for (int i = 0; i < data_.ClueCount(); ++i) {
        const TWordLegendData& clue = data_.Clue(i);
        if (clue.Direction() != direction)
            continue;
        int c = 0, r = 0;
        if (!FindClueStart(clue.ClueNumber(), direction, c, r))
            continue;
        const bool onLine = direction == wdHorizontal ? r == line : c == line;
        if (onLine && !IsClueSolved(i))
            return false;
    }
    if (data_.RiddleType() == rtAmerican) {
        const int blanks = CountFlag(line, direction, false, 0);
        const int userBlanks = CountFlag(line, direction, false, 3);
        if (blanks != userBlanks)
            return false;
    }
    return true;
}

void TWordRiddle::SetLineState(int line, TWordDirection direction, uint8_t value) {
    if (direction == wdHorizontal)
        data_.SetRowState(line, value);
    else
        data_.SetColumnState(line, value);
}

void TWordRiddle::UpdateSolvedMarks(int col, int row) {
    // Solved marks follow the letters; they are no step of their own.
    TRecordingPause pause(data_);
    if (data_.RiddleType() == rtFrench || data_.RiddleType() == rtAmerican) {
        SetLineState(row, wdHorizontal, IsLineSolved(row, wdHorizontal) ? 1 : 0);
        SetLineState(col, wdVertical, IsLineSolved(col, wdVertical) ? 1 : 0);
        return;
    }
    if (currentWord_.ClueIndex >= 0 && currentWord_.ClueIndex < data_.ClueCount())
        data_.Clue(currentWord_.ClueIndex).SetSolved(currentWord_.Solution == currentWord_.Shown);
}

void TWordRiddle::MarkDraggedLine(bool unmark) {
    const QRect sel = Selection();
    const int left = sel.left(), top = sel.top(), right = sel.right(), bottom = sel.bottom();
    if (left < 1 || top < 1 || right > data_.RiddleCols() || bottom > data_.RiddleRows())
        return; // a drag that starts or ends outside the riddle marks nothing
    int endCol = right, endRow = bottom;
    if (bottom - top > 0 && bottom - top < right - left)
        endRow = top;
    if (right - left > 0 && right - left < bottom - top)
        endCol = left;
    // Equal width and height goes across.
    if (right - left == bottom - top && right > left)
        endRow = top;
    const TWordDirection direction = left < endCol ? wdHorizontal : wdVertical;
    const int length = direction == wdHorizontal ? endCol - left + 1 : endRow - top + 1;
    if (length <= 1)
        return;
    data_.BeginUpdate();
    for (int c = left; c <= endCol; ++c)
        for (int r = top; r <= endRow; ++r) {
            bool keep = false;
            if (unmark) {
                // A cell that a crossing marked line still needs keeps its mark.
                if (direction == wdHorizontal)
                    keep = (r > 1 && data_.Cell(c, r - 1).Marked()) ||
                           (r < data_.RiddleRows() && data_.Cell(c, r + 1).Marked());
                else
                    keep = (c > 1 && data_.Cell(c - 1, r).Marked()) ||
                           (c < data_.RiddleCols() && data_.Cell(c + 1, r).Marked());
            }
            if (!keep)
                data_.Cell(c, r).SetMarked(unmark ? 0 : 1);
        }
    data_.EndUpdate();
    const TGridWordData word = GetWordData(left, top, true, direction);
    if (word.ClueIndex >= 0) {
        TRecordingPause pause(data_);
        data_.Clue(word.ClueIndex).SetSolved(word.Solution == word.Shown);
    }
    data_.EvaluateState();
    InvalidateGrid();
}

void TWordRiddle::mouseMoveEvent(QMouseEvent* event) {
    int col = 0, row = 0;
    if (data_.RiddleType() == rtFindWords && MouseToCell(event->position().toPoint(), col, row) &&
        QPoint(col, row) != hoverCell_) {
        InvalidateCell(hoverCell_.x(), hoverCell_.y());
        hoverCell_ = QPoint(col, row);
    }
    TGridRiddle::mouseMoveEvent(event);
}

void TWordRiddle::mouseReleaseEvent(QMouseEvent* event) {
    TGridRiddle::mouseReleaseEvent(event);
    if (!markingDrag_ || event->button() != Qt::LeftButton)
        return;
    markingDrag_ = false;
    int col = 0, row = 0;
    const bool onRiddle = MouseToCell(event->position().toPoint(), col, row) && col > 0 && row > 0;
    if (onRiddle && data_.DisplayMode() == dmSolving)
        MarkDraggedLine(event->modifiers() & Qt::ControlModifier);
    // The drawn line is done with; its cells show their marks again, not the drag.
    if (data_.DisplayMode() != dmEditing)
        SetCurrentSilently(col, row);
}
