#include "SudokuRiddleData.h"

#include <QBuffer>
#include <array>
#include <bit>

namespace {
constexpr int32_t kSudokuGlobalLength = 632;
constexpr int32_t kSudokuCellLength = 13;

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

uint8_t SymbolOf(int Value) {
    if (Value < 1 || Value > 15)
        return 0;
    return uint8_t(Value < 10 ? '0' + Value : 'A' + Value - 10);
}

int SymbolValue(uint8_t Symbol) {
    if (Symbol >= '1' && Symbol <= '9')
        return Symbol - '0';
    if (Symbol >= 'A' && Symbol <= 'F')
        return Symbol - 'A' + 10;
    if (Symbol >= 'a' && Symbol <= 'f')
        return Symbol - 'a' + 10;
    return 0;
}

void TSudokuGridCell::Clear() {
    r_.Flags = 0;
    r_.Solution = 0;
    r_.Entry = 0;
    r_.Revealed = false;
    status_ = 0;
}

void TSudokuGridCell::SetSolution(uint8_t Value) {
    if (Value == r_.Solution)
        return;
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeCell);
    r_.Solution = Value;
    if (!owner_)
        return;
    emit owner_->CellInvalidated(r_.Col, r_.Row);
    owner_->SetModified(true);
    if (owner_->State() > stNew)
        owner_->RaiseChange();
}

void TSudokuGridCell::SetEntry(uint8_t Value) {
    if (Value == ' ')
        Value = 0;
    if (Value == r_.Entry)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::EnterSymbol);
    r_.Entry = Value;
    if (owner_)
        owner_->SymbolChanged(*this, true);
    else
        status_ = Value == 0 ? 0 : (Value == r_.Solution ? 1 : 2);
}

void TSudokuGridCell::SetRevealed(bool Value) {
    if (Value == r_.Revealed)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeCell);
    r_.Revealed = Value;
    if (owner_)
        owner_->SymbolChanged(*this, false);
}

void TSudokuGridCell::Assign(const TSudokuGridCell& Other) {
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeCell);
    r_ = Other.r_;
    status_ = Other.status_;
    highlighted_ = Other.highlighted_;
    candidates_ = Other.candidates_;
    if (owner_)
        owner_->SetModified(true);
}

TSudokuRiddleData::TSudokuRiddleData()
    : TRiddleData(rtSudoku), cells_([this](TSudokuGridCell& Cell, int ACol, int ARow) {
          Cell.owner_ = this;
          Cell.r_.Col = ACol;
          Cell.r_.Row = ARow;
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
            if (candidates == cell.candidates_)
                continue;
            cell.candidates_ = candidates;
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
            if (mark == cell.highlighted_)
                continue;
            cell.highlighted_ = mark;
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
}

void TSudokuRiddleData::SymbolChanged(TSudokuGridCell& Cell, bool RecomputeStatus) {
    if (RecomputeStatus)
        Cell.status_ = Cell.r_.Entry == 0 ? 0 : (Cell.r_.Entry == Cell.r_.Solution ? 1 : 2);
    if (EventsEnabled()) {
        RecomputePossible();
        emit CellInvalidated(Cell.Col(), Cell.Row());
    }
    SetModified(true);
    if (EventsEnabled() && State() >= stReady) {
        RaiseChange();
        EvaluateSudoku();
    }
}

TSudokuRiddleData::TSnapshot TSudokuRiddleData::TakeSnapshot() const {
    TSnapshot table(size_t(kTableSize * kTableSize), 0);
    for (int c = 0; c < kTableSize; ++c)
        for (int r = 0; r < kTableSize; ++r)
            if (const TSudokuGridCell* cell = cells_.Made(c, r))
                table[size_t(c * kTableSize + r)] = cell->Entry();
    return table;
}

void TSudokuRiddleData::RestoreSnapshot(const TSnapshot& Table) {
    if (Table.size() != size_t(kTableSize * kTableSize))
        return;
    // One step for undo: the entries themselves are set while events are held back.
    Announce(kChangeProgress, ChangeText::EditRiddle);
    BeginUpdate();
    // A cell that was never reached holds no entry, and setting an unchanged entry does nothing.
    for (int c = 0; c < kTableSize; ++c)
        for (int r = 0; r < kTableSize; ++r) {
            const uint8_t entry = Table[size_t(c * kTableSize + r)];
            if (entry != 0 || cells_.Made(c, r))
                Cell(c, r).SetEntry(entry);
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

void TSudokuRiddleData::ReadGlobal(TStreamReader& In, const TSectionSpan& Span) {
    Span.RequireRecords(kSudokuGlobalLength);
    const QString author = In.FixedText(50);
    SetBestTime(In.U16());
    const QString comment = In.FixedText(255);
    const uint8_t size = In.U8();
    skill_ = TSudokuSkill(In.U8());
    SetTimeField(In.U16());
    const QString title = In.FixedText(255);
    SetHelpFlagsField(THelpFlags::FromBits(In.U8()));
    SetExtraCode(In.FixedText(8));
    SetBestTimeHolder(In.FixedText(50));
    SetRiddleOptionsField(TRiddleOptions::FromBits(In.U8()));
    const uint8_t state = In.U8();
    if (size >= kSudokuSizeCount || state >= kRiddleStateCount)
        throw TReadError("sudoku size or state out of range");
    SetTextsField(author, comment, title);
    SetStateField(TRiddleState(state));
    size_ = TSudokuSize(size);
    ApplySize();
}

bool TSudokuRiddleData::ReadSection(const QByteArray& Tag, TStreamReader& In, const TSectionSpan& Span,
                                    bool) {
    if (Tag != "CLLLST")
        return false;
    ReadCells(In, Span);
    return true;
}

void TSudokuRiddleData::ReadCells(TStreamReader& In, const TSectionSpan& Span) {
    const int32_t length = kSudokuCellLength * symbols_ * symbols_;
    Span.RequireRecords(length);
    QByteArray bytes = In.Bytes(length);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TStreamReader p(buffer);
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r) {
            TSudokuCellRecord rec;
            rec.Flags = p.U16();
            rec.Solution = p.U8();
            p.I32();
            p.I32();
            rec.Entry = p.U8();
            rec.Revealed = p.Bool();
            // The position in the file is the truth; the stored coordinates are not trusted.
            rec.Col = c;
            rec.Row = r;
            TSudokuGridCell& cell = Cell(c, r);
            cell.r_ = rec;
            cell.status_ = rec.Entry == 0 ? 0 : (rec.Entry == rec.Solution ? 1 : 2);
        }
}

void TSudokuRiddleData::ApplyLoaded(bool) {
    RecomputePossible();
}

void TSudokuRiddleData::AfterLoad(bool, bool Completed) {
    if (Completed)
        ResumeClockIfSolving();
}

void TSudokuRiddleData::SaveToStream(QIODevice& Stream, int, bool) {
    try {
        TStreamWriter out(Stream);
        qint64 at = out.BeginSection("GLOBAL");
        out.FixedText(50, Author());
        out.U16(BestTime());
        out.FixedText(255, Comment());
        out.U8(size_);
        out.U8(skill_);
        out.U16(Time());
        out.FixedText(255, Title());
        out.U8(HelpFlags().Raw());
        out.FixedText(8, ExtraCode());
        out.FixedText(50, BestTimeHolder());
        out.U8(RiddleOptions().Raw());
        out.U8(State());
        out.EndSection(at);
        at = out.BeginSection("CLLLST");
        for (int c = 1; c <= symbols_; ++c)
            for (int r = 1; r <= symbols_; ++r) {
                const TSudokuCellRecord& rec = Cell(c, r).Record();
                out.U16(rec.Flags);
                out.U8(rec.Solution);
                out.I32(rec.Col);
                out.I32(rec.Row);
                out.U8(rec.Entry);
                out.Bool(rec.Revealed);
            }
        out.EndSection(at);
    } catch (const TWriteError&) {
        // The stream ends after the last complete write.
    }
}
