#include "SudokuRiddleData.h"

#include <array>
#include <bit>

namespace {
// The value of a shown symbol, or 0 for an empty cell and for a character that is no symbol of
// this sudoku (a lower-case letter from a file included: symbols are compared as stored).
int ValueOf(uint8_t Shown, int Symbols) {
    const int v = SymbolValue(Shown);
    return v >= 1 && v <= Symbols && SymbolOf(v) == Shown ? v : 0;
}

// Boxes are numbered from 0, row of boxes by row of boxes.
int BoxNumber(const TSudokuRiddleData& S, int ACol, int ARow) {
    return (ARow - 1) / S.BoxHeight() * (S.Symbols() / S.BoxWidth()) + (ACol - 1) / S.BoxWidth();
}

// How often each value shows: [row][value], [column][value] and [box number][value].
struct TSymbolCounts {
    using TTable = std::array<std::array<uint8_t, TSudokuRiddleData::kMaxSymbols + 1>,
                              TSudokuRiddleData::kMaxSymbols + 1>;
    TTable Row{}, Col{}, Box{};
};

TSymbolCounts CountSymbols(const TSudokuRiddleData& S) {
    TSymbolCounts counts;
    for (int c = 1; c <= S.Symbols(); ++c)
        for (int r = 1; r <= S.Symbols(); ++r)
            if (const int v = ValueOf(S.Cell(c, r).ShownSymbol(), S.Symbols())) {
                ++counts.Row[r][v];
                ++counts.Col[c][v];
                ++counts.Box[BoxNumber(S, c, r)][v];
            }
    return counts;
}
} // namespace

TSudokuRiddleData::TSudokuRiddleData()
    : TRiddleData(rtSudoku), cells_([this](TSudokuGridCell& Cell, int ACol, int ARow) {
          Cell.Attach(this);
          Cell.Place(ACol, ARow);
      }) {
    ApplySize();
}

TSudokuRiddleData::~TSudokuRiddleData() = default;

TSudokuGridCell* TSudokuRiddleData::CellAt(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= kTableSize || ARow >= kTableSize)
        return nullptr;
    return &Cell(ACol, ARow);
}

const TSudokuGridCell* TSudokuRiddleData::CellAt(int ACol, int ARow) const {
    return const_cast<TSudokuRiddleData*>(this)->CellAt(ACol, ARow);
}

void TSudokuRiddleData::SetSize(TSudokuSize Value) {
    if (Value >= kSudokuSizeCount)
        return;
    if (Value != size_) {
        Announce(kChangeDefinition, ChangeText::EditRiddle);
        size_ = Value;
        SetModified(true);
    }
    ApplySize();
    // Other rows, columns and boxes: the candidates change with them.
    RecomputePossible();
}

void TSudokuRiddleData::ApplySize() {
    symbols_ = 3 * size_ + 6;
    boxWidth_ = symbols_ < 9 ? symbols_ / 2 : symbols_ / 3;
    boxHeight_ = symbols_ / boxWidth_;
    SetDimensionsField(symbols_, symbols_);
    emit GeometryChanged();
    emit Invalidated();
}

void TSudokuRiddleData::SetSkill(TSudokuSkill Value) {
    if (Value == skill_)
        return;
    skill_ = Value;
    SetModified(true);
}

void TSudokuRiddleData::SetMarkedSymbol(uint8_t Value) {
    if (Value == markedSymbol_)
        return;
    markedSymbol_ = Value;
    UpdateMarkedCells();
}

QRect TSudokuRiddleData::BoxOf(int ACol, int ARow) const {
    if (boxWidth_ == 0 || boxHeight_ == 0)
        return QRect();
    return QRect(boxWidth_ * ((ACol - 1) / boxWidth_) + 1, boxHeight_ * ((ARow - 1) / boxHeight_) + 1,
                 boxWidth_, boxHeight_);
}

bool TSudokuRiddleData::IsPossible(int K, int ACol, int ARow) const {
    if (K < 1 || K > symbols_ || ACol < 1 || ARow < 1 || ACol > symbols_ || ARow > symbols_)
        return false;
    const uint8_t s = SymbolOf(K);
    for (int i = 1; i <= symbols_; ++i) {
        if (i != ACol && Cell(i, ARow).ShownSymbol() == s)
            return false;
        if (i != ARow && Cell(ACol, i).ShownSymbol() == s)
            return false;
    }
    const QRect box = BoxOf(ACol, ARow);
    for (int c = box.left(); c <= box.right(); ++c)
        for (int r = box.top(); r <= box.bottom(); ++r)
            if ((c != ACol || r != ARow) && Cell(c, r).ShownSymbol() == s)
                return false;
    return true;
}

int TSudokuRiddleData::PossibleCount(int ACol, int ARow) const {
    int count = 0;
    for (int k = 1; k <= symbols_; ++k)
        if (IsPossible(k, ACol, ARow))
            ++count;
    return count;
}

void TSudokuRiddleData::RecomputePossible() {
    const TSymbolCounts counts = CountSymbols(*this);
    const bool hints = PaintOptions().Contains(poShowHintGrids);
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r) {
            TSudokuGridCell& cell = Cell(c, r);
            const int own = ValueOf(cell.ShownSymbol(), symbols_);
            const int box = BoxNumber(*this, c, r);
            uint16_t candidates = 0;
            for (int k = 1; k <= symbols_; ++k) {
                // The cell's own symbol is counted once in its row, its column and its box.
                const int elsewhere =
                    counts.Row[r][k] + counts.Col[c][k] + counts.Box[box][k] - (own == k ? 3 : 0);
                if (elsewhere == 0)
                    candidates |= uint16_t(1u << k);
            }
            if (candidates == cell.Candidates())
                continue;
            cell.SetCandidates(candidates);
            // Only the cells whose hint digits change are repainted: typing stays fast in a large grid.
            if (hints)
                emit CellInvalidated(c, r);
        }
    UpdateMarkedCells();
}

bool TSudokuRiddleData::MarksCell(const TSudokuGridCell& Cell) const {
    if (Cell.ShownSymbol() != 0)
        return false;
    if (markedSymbol_ >= 1 && markedSymbol_ <= symbols_)
        return Cell.IsCandidate(markedSymbol_);
    if (markedSymbol_ == kMarkFewCandidates) {
        const int n = std::popcount(Cell.Candidates());
        return n >= 1 && n <= 2;
    }
    return false;
}

void TSudokuRiddleData::UpdateMarkedCells() {
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r) {
            TSudokuGridCell& cell = Cell(c, r);
            const bool mark = MarksCell(cell);
            if (mark == cell.Highlighted())
                continue;
            cell.SetHighlighted(mark);
            emit CellInvalidated(c, r);
        }
}

TRiddleState TSudokuRiddleData::ContentState() const {
    bool complete = true, empty = true;
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r) {
            const uint8_t s = Cell(c, r).ShownSymbol();
            if (s == 0 || s == ' ')
                complete = false;
            else
                empty = false;
        }
    if (!complete)
        return empty ? stReady : stPartial;
    // Any complete grid that obeys the rule is solved, whatever solution the riddle stores.
    const TSymbolCounts counts = CountSymbols(*this);
    for (int line = 1; line <= symbols_; ++line)
        for (int k = 1; k <= symbols_; ++k)
            if (counts.Row[line][k] != 1 || counts.Col[line][k] != 1 || counts.Box[line - 1][k] != 1)
                return stWrongChars;
    return stSolved;
}

void TSudokuRiddleData::EvaluateSudoku() {
    const TRiddleState next = ContentState();
    if (next > State())
        SetState(next);
}

void TSudokuRiddleData::RederiveState() {
    // Only a riddle that is being solved has a progress for its state to follow.
    if (State() < stReady || State() == stEditing)
        return;
    const bool wasRunning = ClockRunning();
    SetState(ContentState());
    // Solving again (a wrong grid is still being solved), the clock counts on from the time
    // already taken, not from zero.
    const bool solving = State() != stSolved;
    if (solving && !wasRunning && RiddleOptions().Contains(roCountTime))
        StartClock(Now().addSecs(-qint64(Time())));
}

void TSudokuRiddleData::SetSymbol(int ACol, int ARow, uint8_t Ch) {
    if (ACol < 1 || ARow < 1 || ACol > symbols_ || ARow > symbols_)
        return;
    if (Ch >= 'a' && Ch <= 'z')
        Ch = uint8_t(Ch - 'a' + 'A');
    if (Ch == ' ')
        Ch = 0;
    if (Ch != 0 && ValueOf(Ch, symbols_) == 0)
        return;
    TSudokuGridCell& cell = Cell(ACol, ARow);
    if (DisplayMode() == dmEditing)
        cell.SetSolution(Ch);
    cell.SetEntry(Ch);
    if (Ch != 0)
        ClearNotesAround(ACol, ARow, ValueOf(Ch, symbols_));
}

void TSudokuRiddleData::ToggleNote(int ACol, int ARow, int Value) {
    if (ACol < 1 || ARow < 1 || ACol > symbols_ || ARow > symbols_ || Value < 1 || Value > symbols_)
        return;
    TSudokuGridCell& cell = Cell(ACol, ARow);
    if (cell.ShownSymbol() != 0)
        return;
    cell.SetNotes(uint16_t(cell.Notes() ^ (1u << Value)));
}

void TSudokuRiddleData::ClearNotesAround(int ACol, int ARow, int Value) {
    // The entered symbol can no longer stand anywhere in its row, column and box.
    const uint16_t bit = uint16_t(1u << Value);
    const QRect box = BoxOf(ACol, ARow);
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r) {
            if (c != ACol && r != ARow && !box.contains(c, r))
                continue;
            if (cells_.Made(c, r) && (Cell(c, r).Notes() & bit))
                Cell(c, r).SetNotes(uint16_t(Cell(c, r).Notes() & ~bit));
        }
}

void TSudokuRiddleData::FollowPart(TRiddlePart& Part, uint16_t Follow) {
    // Only cells ask for these steps.
    auto& cell = static_cast<TSudokuGridCell&>(Part);
    if ((Follow & fsRepaint) || ((Follow & fsSymbol) && EventsEnabled())) {
        if (Follow & fsSymbol)
            RecomputePossible();
        emit CellInvalidated(cell.Col(), cell.Row());
    }
}

void TSudokuRiddleData::EvaluateContent() {
    EvaluateSudoku();
}

TSudokuRiddleData::TSnapshot TSudokuRiddleData::TakeSnapshot() const {
    TSnapshot table{std::vector<uint8_t>(size_t(kTableSize * kTableSize), 0),
                    std::vector<uint16_t>(size_t(kTableSize * kTableSize), 0)};
    for (int c = 0; c < kTableSize; ++c)
        for (int r = 0; r < kTableSize; ++r)
            if (const TSudokuGridCell* cell = cells_.Made(c, r)) {
                table.Entries[size_t(c * kTableSize + r)] = cell->Entry();
                table.Notes[size_t(c * kTableSize + r)] = cell->Notes();
            }
    return table;
}

void TSudokuRiddleData::RestoreSnapshot(const TSnapshot& Table) {
    const size_t size = size_t(kTableSize * kTableSize);
    if (Table.Entries.size() != size || Table.Notes.size() != size)
        return;
    // One step for undo: the entries themselves are set while events are held back.
    Announce(kChangeProgress, ChangeText::EditRiddle);
    BeginUpdate();
    // A cell that was never reached holds no entry, and setting an unchanged entry does nothing.
    for (int c = 0; c < kTableSize; ++c)
        for (int r = 0; r < kTableSize; ++r) {
            const uint8_t entry = Table.Entries[size_t(c * kTableSize + r)];
            const uint16_t notes = Table.Notes[size_t(c * kTableSize + r)];
            if (entry != 0 || notes != 0 || cells_.Made(c, r)) {
                Cell(c, r).SetEntry(entry);
                Cell(c, r).SetNotes(notes);
            }
        }
    RecomputePossible();
    MarkChanged();
    EndUpdate();
    RederiveState();
    emit Invalidated();
}

void TSudokuRiddleData::EndUpdate() {
    const bool closing = UpdateCount() == 1;
    TRiddleData::EndUpdate();
    if (closing)
        RecomputePossible();
}

void TSudokuRiddleData::Reset(bool All, bool AlsoGiven) {
    BeginUpdate();
    SetTime(0);
    const bool countTime = RiddleOptions().Contains(roCountTime);
    if (All) {
        for (int c = 1; c <= symbols_; ++c)
            for (int r = 1; r <= symbols_; ++r)
                Cell(c, r).Clear();
        SetHelpFlagsField(kDefaultHelpFlags);
        SetExtraCode(QString());
        SetBestTimeHolder(QString());
        SetRiddleOptionsField(kDefaultRiddleOptions);
        skill_ = skEasy;
        // The options no longer say roCountTime, so the state change alone would leave it running.
        StopClock();
        SetState(stNew);
    } else {
        for (int c = 1; c <= symbols_; ++c)
            for (int r = 1; r <= symbols_; ++r) {
                TSudokuGridCell& cell = Cell(c, r);
                cell.SetEntry(0);
                cell.SetNotes(0);
                cell.SetRevealed(!AlsoGiven && cell.Given());
            }
        // A restart starts the clock afresh, also when the riddle was still untouched.
        if (countTime)
            StopClock();
        if (State() == stReady && countTime)
            StartClock(Now());
        SetState(stReady);
    }
    RecomputePossible();
    MarkChanged();
    EndUpdate();
    // The cells were emptied while events were held back: none of them asked to be repainted.
    emit Invalidated();
}

void TSudokuRiddleData::Assign(const TRiddleData& Source, bool ContentOnly) {
    const auto* src = dynamic_cast<const TSudokuRiddleData*>(&Source);
    if (!src || src == this)
        return;
    Announce(ContentOnly ? kChangeProgress : kChangeBoth, ChangeText::EditRiddle);
    // One copy is one change: the cells it writes report nothing of their own.
    BeginUpdate();
    AssignCommon(*src, ContentOnly);
    // Taking over the size without its geometry would copy too few cells of a larger sudoku.
    size_ = src->size_;
    ApplySize();
    skill_ = src->skill_;
    if (!ContentOnly)
        markedSymbol_ = src->markedSymbol_;
    const int last = qMin(symbols_ + 1, kTableSize - 1);
    for (int c = 0; c <= last; ++c)
        for (int r = 0; r <= last; ++r)
            Cell(c, r).Assign(src->Cell(c, r));
    // The marks follow this sudoku's own MarkedSymbol, which a content copy leaves alone; they are
    // in place before the change is reported.
    RecomputePossible();
    SetModified(true);
    EndUpdate();
    emit Invalidated();
}

int TSudokuRiddleData::CountFlagAll(int Bit, bool Exact) const {
    if (Bit < 0 || Bit > 15)
        return 0;
    const uint16_t flag = uint16_t(1u << Bit);
    int count = 0;
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r) {
            const uint16_t f = Cell(c, r).Flags();
            if (Exact ? f == flag : (f & flag) != 0)
                ++count;
        }
    return count;
}
