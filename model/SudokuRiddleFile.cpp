// Reading and writing the sections of a sudoku.

#include "CellRecord.h"
#include "SudokuRiddleData.h"

namespace {
constexpr int32_t kSudokuGlobalLength = 632;
using R = TSudokuCellRecord;
constexpr std::array<TRecordField<R>, 6> kCellFields{&R::Flags, &R::Solution, &R::Col,
                                                     &R::Row,   &R::Entry,    &R::Revealed};
constexpr int32_t kSudokuCellLength = RecordLength(kCellFields);
static_assert(kSudokuCellLength == 13);
} // namespace

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
    TPayload payload(In.Bytes(length));
    TStreamReader p = payload.Reader();
    for (int c = 1; c <= symbols_; ++c)
        for (int r = 1; r <= symbols_; ++r)
            Cell(c, r).Load(ReadRecord(p, kCellFields));
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
            for (int r = 1; r <= symbols_; ++r)
                WriteRecord(out, Cell(c, r).Record(), kCellFields);
        out.EndSection(at);
    } catch (const TWriteError&) {
        // The stream ends after the last complete write.
    }
}
