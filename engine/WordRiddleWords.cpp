// Whole words, word-search marking and the solved marks of clues and lines.

#include "RiddleText.h"
#include "WordRiddle.h"

#include <QMouseEvent>
#include <algorithm>

namespace {} // namespace

bool TWordRiddle::EnterWord(const QString& Text, int ACol, int ARow, TWordDirection Direction) {
    if (data_.State() >= stReady)
        data_.AnnounceAlways(kChangeProgress, ChangeText::EnterWord);
    data_.BeginUpdate();
    bool right = true;
    int c = ACol, r = ARow;
    FindWordStart(ACol, ARow, Direction, c, r);
    const int startCol = c, startRow = r;
    for (qsizetype i = 0; i < Text.size() && !data_.IsBlocked(c, r);
         ++i, c += StepCol(Direction), r += StepRow(Direction)) {
        const QChar ch = Text[i].toUpper();
        TWordGridCell& cell = data_.Cell(c, r);
        cell.SetEntry(ch == QLatin1Char(' ') ? 0 : uint8_t(ch.toLatin1()));
        if (cell.Solution() != cell.Entry())
            right = false;
    }
    data_.SetModified(true);
    data_.EndUpdate();
    currentWord_ = GetWordData(startCol, startRow, true, Direction);
    if (data_.AutoMarkLegend())
        UpdateSolvedMarks(startCol, startRow);
    data_.EvaluateState();
    InvalidateGrid();
    return right;
}

void TWordRiddle::ClearWord(int ACol, int ARow, bool Force, TWordDirection Direction) {
    int c = ACol, r = ARow;
    FindWordStart(ACol, ARow, Direction, c, r);
    const uint8_t crossing = Direction == wdHorizontal ? kClueDown : kClueAcross;
    data_.BeginUpdate();
    for (; !data_.IsBlocked(c, r); c += StepCol(Direction), r += StepRow(Direction))
        if (Force || !(data_.Cell(c, r).ClueFlags() & crossing))
            data_.Cell(c, r).SetEntry(0);
    data_.EndUpdate();
    InvalidateGrid();
}

QString TWordRiddle::SolutionRun(int ACol, int ARow, TWordDirection Direction) const {
    const int dc = StepCol(Direction), dr = StepRow(Direction);
    if ((dc == 0 && dr == 0) || data_.IsBlocked(ACol, ARow))
        return QString();
    while (!data_.IsBlocked(ACol - dc, ARow - dr)) {
        ACol -= dc;
        ARow -= dr;
    }
    QString run;
    for (; !data_.IsBlocked(ACol, ARow); ACol += dc, ARow += dr)
        run += QChar(data_.Cell(ACol, ARow).Solution() ? data_.Cell(ACol, ARow).Solution() : ' ');
    return run;
}

int TWordRiddle::RunLength(int ACol, int ARow, TWordDirection Direction) const {
    return int(SolutionRun(ACol, ARow, Direction).size());
}

void TWordRiddle::EnterLegendLetter(uint8_t Letter) {
    if (TCharLegendData* entry = data_.FindLetter(Letter); entry && Letter != 0)
        entry->SetEntry(Letter);
}

int TWordRiddle::CountFlag(int Line, TWordDirection Direction, bool Mode, int Bit) const {
    if (Bit < 0 || Bit > 15)
        return 0;
    const uint16_t flag = uint16_t(1u << Bit);
    const int count = Direction == wdHorizontal ? data_.RiddleCols() : data_.RiddleRows();
    int found = 0;
    for (int i = 1; i <= count; ++i) {
        const TWordGridCell* cell = Direction == wdHorizontal ? data_.CellAt(i, Line) : data_.CellAt(Line, i);
        if (!cell)
            continue;
        if (Mode ? (cell->Flags() & ~flag) == 0 && (cell->Flags() & flag) : (cell->Flags() & flag) != 0)
            ++found;
    }
    return found;
}

bool TWordRiddle::IsClueSolved(int Index) const {
    if (Index < 0 || Index >= data_.ClueCount())
        return false;
    const TWordLegendData& clue = data_.Clue(Index);
    int c = 0, r = 0;
    if (!FindClueStart(clue.ClueNumber(), clue.Direction(), c, r))
        return false;
    return GetWordData(c, r, true, clue.Direction()).Shown == clue.Word();
}

bool TWordRiddle::IsLineSolved(int Line, TWordDirection Direction) const {
    for (int i = 0; i < data_.ClueCount(); ++i) {
        const TWordLegendData& clue = data_.Clue(i);
        if (clue.Direction() != Direction)
            continue;
        int c = 0, r = 0;
        if (!FindClueStart(clue.ClueNumber(), Direction, c, r))
            continue;
        const bool onLine = Direction == wdHorizontal ? r == Line : c == Line;
        if (onLine && !IsClueSolved(i))
            return false;
    }
    if (data_.RiddleType() == rtAmerican) {
        const int blanks = CountFlag(Line, Direction, false, 0);
        const int userBlanks = CountFlag(Line, Direction, false, 3);
        if (blanks != userBlanks)
            return false;
    }
    return true;
}

void TWordRiddle::SetLineState(int Line, TWordDirection Direction, uint8_t Value) {
    if (Direction == wdHorizontal)
        data_.SetRowState(Line, Value);
    else
        data_.SetColumnState(Line, Value);
}

void TWordRiddle::UpdateSolvedMarks(int ACol, int ARow) {
    // Solved marks follow the letters; they are no step of their own.
    TRecordingPause pause(data_);
    if (data_.RiddleType() == rtFrench || data_.RiddleType() == rtAmerican) {
        SetLineState(ARow, wdHorizontal, IsLineSolved(ARow, wdHorizontal) ? 1 : 0);
        SetLineState(ACol, wdVertical, IsLineSolved(ACol, wdVertical) ? 1 : 0);
        return;
    }
    if (currentWord_.ClueIndex >= 0 && currentWord_.ClueIndex < data_.ClueCount())
        data_.Clue(currentWord_.ClueIndex).SetSolved(currentWord_.Solution == currentWord_.Shown);
}

void TWordRiddle::MarkDraggedLine(bool Unmark) {
    const QRect sel = Selection();
    const int left = sel.left(), top = sel.top(), right = sel.right(), bottom = sel.bottom();
    if (left < 1 || top < 1 || right > data_.RiddleCols() || bottom > data_.RiddleRows())
        return;
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
    std::vector<QPoint> changed;
    for (int c = left; c <= endCol; ++c)
        for (int r = top; r <= endRow; ++r) {
            bool keep = false;
            if (Unmark) {
                // A cell that a crossing marked line still needs keeps its mark.
                if (direction == wdHorizontal)
                    keep = (r > 1 && data_.Cell(c, r - 1).Marked()) ||
                           (r < data_.RiddleRows() && data_.Cell(c, r + 1).Marked());
                else
                    keep = (c > 1 && data_.Cell(c - 1, r).Marked()) ||
                           (c < data_.RiddleCols() && data_.Cell(c + 1, r).Marked());
            }
            if (!keep && data_.Cell(c, r).Marked() == Unmark)
                changed.emplace_back(c, r);
        }
    // The whole line is one step for undo; a drag over marks that are there already is none.
    if (!changed.empty()) {
        data_.Announce(kChangeProgress, ChangeText::ChangeMark);
        data_.BeginUpdate();
        for (const QPoint& cell : changed)
            data_.Cell(cell.x(), cell.y()).SetMarked(Unmark ? 0 : 1);
        data_.EndUpdate();
    }
    UpdateLineSolvedMarks(QPoint(left, top), direction, length, Unmark ? changed : std::vector<QPoint>());
    data_.EvaluateState();
    InvalidateGrid();
}

void TWordRiddle::UpdateLineSolvedMarks(const QPoint& Start, TWordDirection Direction, int Length,
                                        const std::vector<QPoint>& Unmarked) {
    // Solved marks follow the marking; they are no step of their own.
    TRecordingPause pause(data_);
    const int dc = StepCol(Direction), dr = StepRow(Direction);
    // A hidden word is numbered at its first cell. The run of letters through a cell is no word
    // in a word search (the grid is all letters), so the line itself says which word it is.
    const TWordGridCell& first = data_.Cell(Start.x(), Start.y());
    const bool starts = first.Has(Direction == wdHorizontal ? cfStartAcross : cfStartDown);
    const int clueIndex = starts ? data_.FindClueIndex(first.ClueNumber(), Direction) : -1;
    if (clueIndex >= 0) {
        TWordLegendData& clue = data_.Clue(clueIndex);
        QString solution;
        bool allMarked = true;
        for (int i = 0; i < Length; ++i) {
            const TWordGridCell& cell = data_.Cell(Start.x() + i * dc, Start.y() + i * dr);
            solution += QChar(cell.Solution() ? cell.Solution() : ' ');
            allMarked = allMarked && cell.Marked();
        }
        clue.SetSolved(allMarked && (clue.Reversed() ? ReverseText(solution) : solution) == clue.Word());
    }
    // A word that lost a mark is no longer found, wherever the line that unmarked it started.
    for (int i = 0; i < data_.ClueCount() && !Unmarked.empty(); ++i) {
        TWordLegendData& clue = data_.Clue(i);
        int c = 0, r = 0;
        if (i == clueIndex || !clue.Solved() || !FindClueStart(clue.ClueNumber(), clue.Direction(), c, r))
            continue;
        const QRect word(c, r, clue.Direction() == wdHorizontal ? int(clue.Word().size()) : 1,
                         clue.Direction() == wdHorizontal ? 1 : int(clue.Word().size()));
        if (std::any_of(Unmarked.begin(), Unmarked.end(), [&](const QPoint& P) { return word.contains(P); }))
            clue.SetSolved(false);
    }
}

QPoint TWordRiddle::NearestRiddleCell(const QPoint& Pos) const {
    const QRect first = CellRect(1, 1);
    const QRect last = CellRect(data_.RiddleCols(), data_.RiddleRows());
    int col = 0, row = 0;
    MouseToCell(
        QPoint(qBound(first.left(), Pos.x(), last.right()), qBound(first.top(), Pos.y(), last.bottom())), col,
        row);
    return QPoint(col, row);
}

void TWordRiddle::mouseMoveEvent(QMouseEvent* Event) {
    const QPoint pos = Event->position().toPoint();
    int col = 0, row = 0;
    if (data_.RiddleType() == rtFindWords && MouseToCell(pos, col, row) && QPoint(col, row) != hoverCell_) {
        InvalidateCell(hoverCell_.x(), hoverCell_.y());
        hoverCell_ = QPoint(col, row);
    }
    if (!markingDrag_) {
        TGridRiddle::mouseMoveEvent(Event);
        return;
    }
    // Beyond the riddle's edge the line keeps following the mouse along the edge.
    const QPoint end = NearestRiddleCell(pos);
    if (end != QPoint(Col(), Row()))
        MoveCurrent(end.x(), end.y(), true);
    Event->accept();
}

void TWordRiddle::mouseReleaseEvent(QMouseEvent* Event) {
    TGridRiddle::mouseReleaseEvent(Event);
    if (!markingDrag_ || Event->button() != Qt::LeftButton)
        return;
    markingDrag_ = false;
    const QPoint pos = Event->position().toPoint();
    // Let go beyond the edge, the line as shown runs up to the edge.
    const QPoint end = NearestRiddleCell(pos);
    if (end != QPoint(Col(), Row()))
        MoveCurrent(end.x(), end.y(), true);
    if (data_.DisplayMode() == dmSolving)
        MarkDraggedLine(Event->modifiers() & Qt::ControlModifier);
    // The drawn line is done with; its cells show their marks again, not the drag.
    int col = 0, row = 0;
    MouseToCell(pos, col, row);
    if (data_.DisplayMode() != dmEditing)
        SetCurrentSilently(col, row);
}
