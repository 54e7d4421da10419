#include "SudokuRiddleData.h"

#include <QBuffer>

namespace {
constexpr int32_t kSudokuGlobalLength = 632;
constexpr int32_t kSudokuCellLength = 13;
} // namespace

uint8_t SymbolOf(int value) {
    if (value < 1 || value > 15)
        return 0;
    return uint8_t(value < 10 ? '0' + value : 'A' + value - 10);
}

int SymbolValue(uint8_t symbol) {
    if (symbol >= '1' && symbol <= '9')
        return symbol - '0';
    if (symbol >= 'A' && symbol <= 'F')
        return symbol - 'A' + 10;
    if (symbol >= 'a' && symbol <= 'f')
        return symbol - 'a' + 10;
    return 0;
}

void TSudokuGridCell::Clear() {
    r_.Flags = 0;
    r_.Solution = 0;
    r_.Entry = 0;
    r_.Revealed = false;
    status_ = 0;
}

void TSudokuGridCell::SetSolution(uint8_t v) {
    if (v == r_.Solution)
        return;
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeCell);
    r_.Solution = v;
    if (!owner_)
        return;
    emit owner_->CellInvalidated(r_.Col, r_.Row);
    owner_->SetModified(true);
    if (owner_->State() > stNew)
        owner_->RaiseChange();
}

void TSudokuGridCell::SetEntry(uint8_t v) {
    if (v == ' ')
        v = 0;
    if (v == r_.Entry)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::EnterSymbol);
    r_.Entry = v;
    if (owner_)
        owner_->SymbolChanged(*this, true);
    else
        status_ = v == 0 ? 0 : (v == r_.Solution ? 1 : 2);
}

void TSudokuGridCell::SetRevealed(bool v) {
    if (v == r_.Revealed)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeCell);
    r_.Revealed = v;
    if (owner_)
        owner_->SymbolChanged(*this, false);
}

void TSudokuGridCell::Assign(const TSudokuGridCell& other) {
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeCell);
    r_ = other.r_;
    status_ = other.status_;
    highlighted_ = other.highlighted_;
    if (owner_)
        owner_->SetModified(true);
}

TSudokuRiddleData::TSudokuRiddleData() : TRiddleData(rtSudoku), cells_(kTableSize * kTableSize) {
    for (int c = 0; c < kTableSize; ++c)
        for (int r = 0; r < kTableSize; ++r) {
            TSudokuGridCell& cell = Cell(c, r);
            cell.owner_ = this;
            cell.r_.Col = c;
            cell.r_.Row = r;
        }
    ApplySize();
}

TSudokuRiddleData::~TSudokuRiddleData() = default;

TSudokuGridCell* TSudokuRiddleData::CellAt(int col, int row) {
    if (col < 0 || row < 0 || col >= kTableSize || row >= kTableSize)
        return nullptr;
    return &Cell(col, row);
}

const TSudokuGridCell* TSudokuRiddleData::CellAt(int col, int row) const {
    return const_cast<TSudokuRiddleData*>(this)->CellAt(col, row);
}

void TSudokuRiddleData::SetSize(TSudokuSize v) {
    if (v >= kSudokuSizeCount)
        return;
    if (v != size_) {
        Announce(kChangeDefinition, ChangeText::EditRiddle);
        size_ = v;
        SetModified(true);
    }
    ApplySize();
}

void TSudokuRiddleData::ApplySize() {
    symbols_ = 3 * size_ + 6;
    boxWidth_ = symbols_ < 9 ? symbols_ / 2 : symbols_ / 3;
    boxHeight_ = symbols_ / boxWidth_;
    SetDimensionsField(symbols_, symbols_);
    emit GeometryChanged();
    emit Invalidated();
}

void TSudokuRiddleData::SetSkill(TSudokuSkill v) {
    if (v == skill_)
        return;
    skill_ = v;
    SetModified(true);
}

void TSudokuRiddleData::SetMarkedSymbol(uint8_t v) {
    if (v == markedSymbol_)
        return;
    markedSymbol_ = v;
    UpdateMarkedCells();
}

bool TSudokuRiddleData::IsPossible(int k, int col, int row) const {
    if (k < 1 || k > symbols_ || col < 1 || row < 1 || col > symbols_ || row > symbols_)
        return false;
    const uint8_t s = SymbolOf(k);
    for (int i = 1; i <= symbols_; ++i) {
        if (i != col && Cell(i, row).ShownSymbol() == s)
            return false;
        if (i != row && Cell(col, i).ShownSymbol() == s)
            return false;
    }
    const int left = boxWidth_ * ((col - 1) / boxWidth_) + 1;
    const int top = boxHeight_ * ((row - 1) / boxHeight_) + 1;
    for (int c = left; c < left + boxWidth_; ++c)
        for (int r = top; r < top + boxHeight_; ++r)
            if ((c != col || r != row) && Cell(c, r).ShownSymbol() == s)
                return false;
    return true;
}

int TSudokuRiddleData::PossibleCount(int col, int row) const {
    int count = 0;
    for (int k = 1; k <= symbols_; ++k)
        if (IsPossible(k, col, row))
            ++count;
    return count;
}

void TSudokuRiddleData::RecomputePossible() {
    UpdateMarkedCells();
    if (PaintOptions().Contains(poShowHintGrids))
        emit Invalidated();
}

void TSudokuRiddleData::UpdateMarkedCells() {
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r) {
            TSudokuGridCell& cell = Cell(c, r);
            bool mark = false;
            if (cell.ShownSymbol() == 0) {
                if (markedSymbol_ >= 1 && markedSymbol_ <= symbols_)
                    mark = IsPossible(markedSymbol_, c, r);
                else if (markedSymbol_ == kMarkFewCandidates) {
                    const int n = PossibleCount(c, r);
                    mark = n >= 1 && n <= 2;
                }
            }
            cell.highlighted_ = mark;
        }
    emit Invalidated();
}

void TSudokuRiddleData::EvaluateSudoku() {
    bool complete = true, empty = true;
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r) {
            const uint8_t s = Cell(c, r).ShownSymbol();
            if (s == 0 || s == ' ')
                complete = false;
            else
                empty = false;
        }
    bool correct = true;
    for (int k = 1; k <= symbols_ && correct; ++k) {
        const uint8_t s = SymbolOf(k);
        for (int line = 1; line <= symbols_ && correct; ++line) {
            int inRow = 0, inCol = 0;
            for (int i = 1; i <= symbols_; ++i) {
                inRow += Cell(i, line).ShownSymbol() == s;
                inCol += Cell(line, i).ShownSymbol() == s;
            }
            correct = inRow == 1 && inCol == 1;
        }
        for (int left = 1; left <= symbols_ && correct; left += boxWidth_)
            for (int top = 1; top <= symbols_ && correct; top += boxHeight_) {
                int inBox = 0;
                for (int c = left; c < left + boxWidth_; ++c)
                    for (int r = top; r < top + boxHeight_; ++r)
                        inBox += Cell(c, r).ShownSymbol() == s;
                correct = inBox == 1;
            }
    }
    const TRiddleState next = complete ? (correct ? stSolved : stWrongChars) : (empty ? stReady : stPartial);
    if (next > State())
        SetState(next);
}

void TSudokuRiddleData::SymbolChanged(TSudokuGridCell& cell, bool recomputeStatus) {
    if (recomputeStatus)
        cell.status_ = cell.r_.Entry == 0 ? 0 : (cell.r_.Entry == cell.r_.Solution ? 1 : 2);
    if (EventsEnabled()) {
        RecomputePossible();
        emit CellInvalidated(cell.Col(), cell.Row());
    }
    SetModified(true);
    if (EventsEnabled() && State() >= stReady) {
        RaiseChange();
        EvaluateSudoku();
    }
}

TSudokuRiddleData::TSnapshot TSudokuRiddleData::TakeSnapshot() const {
    TSnapshot table(size_t(kTableSize * kTableSize), 0);
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = cells_[i].Entry();
    return table;
}

void TSudokuRiddleData::RestoreSnapshot(const TSnapshot& table) {
    if (table.size() != cells_.size())
        return;
    BeginUpdate();
    for (size_t i = 0; i < table.size(); ++i)
        cells_[i].SetEntry(table[i]);
    RecomputePossible();
    EndUpdate();
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
}

void TSudokuRiddleData::Assign(const TRiddleData& Source, bool ContentOnly) {
    const auto* src = dynamic_cast<const TSudokuRiddleData*>(&Source);
    if (!src || src == this)
        return;
    Announce(ContentOnly ? kChangeProgress : kChangeBoth, ChangeText::EditRiddle);
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
    SetModified(true);
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

void TSudokuRiddleData::ReadGlobal(TStreamReader& in, int32_t length) {
    if (length != kSudokuGlobalLength)
        throw TReadError("GLOBAL has the wrong length");
    const QString author = in.FixedText(50);
    SetBestTime(in.U16());
    const QString comment = in.FixedText(255);
    const uint8_t size = in.U8();
    skill_ = TSudokuSkill(in.U8());
    SetTimeField(in.U16());
    const QString title = in.FixedText(255);
    SetHelpFlagsField(THelpFlags::FromBits(in.U8()));
    SetExtraCode(in.FixedText(8));
    SetBestTimeHolder(in.FixedText(50));
    SetRiddleOptionsField(TRiddleOptions::FromBits(in.U8()));
    const uint8_t state = in.U8();
    if (size >= kSudokuSizeCount || state >= kRiddleStateCount)
        throw TReadError("sudoku size or state out of range");
    SetTextsField(author, comment, title);
    SetStateField(TRiddleState(state));
    size_ = TSudokuSize(size);
    ApplySize();
}

bool TSudokuRiddleData::ReadSection(const QByteArray& tag, TStreamReader& in, int32_t length, bool) {
    if (tag != "CLLLST")
        return false;
    ReadCells(in, length);
    return true;
}

void TSudokuRiddleData::ReadCells(TStreamReader& in, int32_t length) {
    if (length != kSudokuCellLength * symbols_ * symbols_)
        throw TReadError("cell table has the wrong length");
    QByteArray bytes = in.Bytes(length);
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
    UpdateMarkedCells();
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
