// Reading and writing the sections of a word riddle.

#include "CellRecord.h"
#include "RiddlePicture.h"
#include "WordRiddleData.h"

#include <QBuffer>

namespace {
constexpr int32_t kWordGlobalLength = 904;
using R = TWordCellRecord;
constexpr std::array<TRecordField<R>, 11> kCellFields{
    &R::Flags, &R::Solution, &R::Number,   &R::Col,       &R::KeywordIndex, &R::Marked,
    &R::Row,   &R::Entry,    &R::Revealed, &R::ClueFlags, &R::ClueNumber};
constexpr int32_t kCellRecordLength = RecordLength(kCellFields);
static_assert(kCellRecordLength == 27);
constexpr int32_t kClueRecordLength = 161;
constexpr int32_t kLetterRecordLength = 6;
constexpr int32_t kKeywordLength = 155;
constexpr int32_t kColorSetLength = 44;

QByteArray BuildPayload(const std::function<void(TStreamWriter&)>& Write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStreamWriter out(buffer);
    Write(out);
    return bytes;
}

TRiddleColors::Values ReadColorSet(TStreamReader& In, int32_t Length) {
    if (Length < kColorSetLength)
        throw TReadError("colour set too short");
    TPayload payload(In.Bytes(Length));
    TStreamReader p = payload.Reader();
    TRiddleColors::Values values{};
    for (TColor& v : values)
        v = p.I32();
    return values;
}

void WriteColorSet(TStreamWriter& Out, const char* Tag, const TRiddleColors& Colors) {
    Out.Section(Tag, BuildPayload([&](TStreamWriter& W) {
                    for (TColor v : Colors.BaseValues())
                        W.I32(v);
                }));
}
} // namespace

void TWordRiddleData::ReadGlobal(TStreamReader& In, const TSectionSpan& Span) {
    Span.RequireRecords(kWordGlobalLength);
    const QString author = In.FixedText(50);
    SetBestTime(In.U16());
    const QString comment = In.FixedText(255);
    dictionaryFile_ = In.FixedText(255);
    SetPaintOptionsField(TPaintOptions::FromBits(In.U8()));
    loadedGridSize_ = qBound(kMinStoredGridSize, In.I32(), kMaxStoredGridSize);
    SetHelpFlagsField(THelpFlags::FromBits(In.U8()));
    imageOptions_ = TImageOptions::FromBits(In.U8());
    language_ = In.U8();
    autoMarkLegend_ = In.Bool();
    SetExtraCode(In.FixedText(8));
    SetBestTimeHolder(In.FixedText(50));
    const int32_t cols = In.I32();
    const int32_t rows = In.I32();
    SetRiddleOptionsField(TRiddleOptions::FromBits(In.U8()));
    skill_ = TRiddleSkill(In.U8());
    SetTimeField(In.U16());
    const QString title = In.FixedText(255);
    const uint8_t type = In.U8();
    const uint8_t state = In.U8();
    if (cols < 1 || cols > kMaxRiddleDim || rows < 1 || rows > kMaxRiddleDim)
        throw TReadError("riddle size out of range");
    if (type >= rtSudoku || state >= kRiddleStateCount)
        throw TReadError("riddle type or state out of range");
    SetTextsField(author, comment, title);
    SetDimensionsField(cols, rows);
    loadedType_ = TRiddleType(type);
    SetStateField(TRiddleState(state));
}

bool TWordRiddleData::ReadSection(const QByteArray& Tag, TStreamReader& In, const TSectionSpan& Span,
                                  bool StateOnly) {
    if (Tag == "CLLLST") {
        ReadCells(In, Span);
    } else if (Tag == "LEGLST") {
        ReadClues(In, Span);
    } else if (Tag == "CHRLST") {
        ReadLetterLegend(In, Span);
    } else if (Tag == "KEYWRD") {
        if (Span.Length < kKeywordLength)
            throw TReadError("solution word too short");
        TPayload payload(In.Bytes(Span.Length));
        TStreamReader p = payload.Reader();
        keyword_.SetExtraByte(p.U8());
        keyword_.SetClueText(p.FixedText(100));
        const uint8_t wordLength = p.U8();
        keyword_.SetCategory(p.U8());
        keyword_.LoadWord(p.FixedText(50), wordLength);
    } else if (Tag == "IMAGE_") {
        if (!RiddleOptions().Contains(roHasImage) || StateOnly)
            return false;
        ReadPicture(In, Span.Length);
    } else if (Tag == "BGCLR_" || Tag == "TXTCLR") {
        if (StateOnly)
            return false;
        const TRiddleColors::Values values = ReadColorSet(In, Span.Length);
        (Tag == "BGCLR_" ? BackgroundColors() : TextColors()).SetValues(values);
    } else {
        return false;
    }
    return true;
}

void TWordRiddleData::ReadCells(TStreamReader& In, const TSectionSpan& Span) {
    const int32_t cols = RiddleCols(), rows = RiddleRows();
    const int32_t length = cols + rows + kCellRecordLength * cols * rows;
    Span.RequireRecords(length);
    TPayload payload(In.Bytes(length));
    TStreamReader p = payload.Reader();
    for (int c = 1; c <= cols; ++c)
        ColumnStates()[size_t(c)] = p.U8();
    for (int r = 1; r <= rows; ++r)
        RowStates()[size_t(r)] = p.U8();
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            Cell(c, r).Load(ReadRecord(p, kCellFields));
}

void TWordRiddleData::ReadClues(TStreamReader& In, const TSectionSpan& Span) {
    if (Span.Length < 4)
        throw TReadError("clue list too short");
    const int32_t count = In.I32();
    if (count < 0)
        throw TReadError("clue count negative");
    Span.RequireRecords(4 + qint64(count) * kClueRecordLength);
    TPayload payload(In.Bytes(qint64(count) * kClueRecordLength));
    TStreamReader p = payload.Reader();
    clues_.clear();
    for (int32_t i = 0; i < count; ++i) {
        TWordLegendData& clue = AddClue();
        clue.SetExtraByte(p.U8());
        clue.SetClueText(p.FixedText(100));
        clue.LoadSolved(p.Bool());
        clue.SetReversed(p.Bool());
        clue.SetCategory(p.U8());
        const QString word = p.FixedText(50);
        clue.LoadWord(word, uint8_t(word.size()));
        clue.LoadGuess(QString(word.size(), QLatin1Char(' ')));
        const uint8_t direction = p.U8();
        if (direction != wdHorizontal && direction != wdVertical)
            throw TReadError("clue direction out of range");
        clue.SetDirection(TWordDirection(direction));
        clue.SetClueNumber(p.I32());
    }
}

void TWordRiddleData::ReadLetterLegend(TStreamReader& In, const TSectionSpan& Span) {
    constexpr int32_t length = kLetterRecordLength * kLetterLegendSize;
    Span.RequireRecords(length);
    TPayload payload(In.Bytes(length));
    TStreamReader p = payload.Reader();
    for (TCharLegendData& entry : letters_) {
        entry.SetSolution(p.U8());
        entry.SetNumber(p.I32());
        entry.LoadEntry(p.U8());
    }
}

void TWordRiddleData::ReadPicture(TStreamReader& In, int32_t Length) {
    const bool jpeg = In.U8() != 0;
    const QByteArray data = In.Bytes(Length - 1);
    QImage image;
    if (!data.isEmpty()) {
        image = jpeg ? DecodeJpeg(data) : DecodeBmp(data);
        if (image.isNull())
            throw TReadError("picture cannot be decoded");
    }
    image_ = image;
    imageStream_ = data;
    imageStreamIsJpeg_ = jpeg;
    emit PictureChanged();
}

void TWordRiddleData::ApplyLoaded(bool StateOnly) {
    if (!StateOnly) {
        SetRiddleType(loadedType_);
        SetGridSize(loadedGridSize_);
    }
    for (int c = 1; c <= RiddleCols(); ++c)
        for (int r = 1; r <= RiddleRows(); ++r)
            Cell(c, r).SetStatus(ComputeStatus(Cell(c, r)));
}

void TWordRiddleData::AfterLoad(bool StateOnly, bool /*Completed*/) {
    if (StateOnly)
        return;
    emit GeometryChanged();
    ResumeClockIfSolving();
}

void TWordRiddleData::WriteGlobal(TStreamWriter& Out) const {
    Out.FixedText(50, Author());
    Out.U16(BestTime());
    Out.FixedText(255, Comment());
    Out.FixedText(255, dictionaryFile_);
    Out.U8(PaintOptions().Raw());
    Out.I32(GridSize());
    Out.U8(HelpFlags().Raw());
    Out.U8(imageOptions_.Raw());
    Out.U8(language_);
    Out.Bool(autoMarkLegend_);
    Out.FixedText(8, ExtraCode());
    Out.FixedText(50, BestTimeHolder());
    Out.I32(RiddleCols());
    Out.I32(RiddleRows());
    Out.U8(RiddleOptions().Raw());
    Out.U8(skill_);
    Out.U16(Time());
    Out.FixedText(255, Title());
    Out.U8(RiddleType());
    Out.U8(State());
}

void TWordRiddleData::WriteCells(TStreamWriter& Out) const {
    for (int c = 1; c <= RiddleCols(); ++c)
        Out.U8(ColumnStates()[size_t(c)]);
    for (int r = 1; r <= RiddleRows(); ++r)
        Out.U8(RowStates()[size_t(r)]);
    for (int c = 1; c <= RiddleCols(); ++c)
        for (int r = 1; r <= RiddleRows(); ++r)
            WriteRecord(Out, Cell(c, r).Record(), kCellFields);
}

QByteArray TWordRiddleData::PicturePayload(int JpegQuality) const {
    const bool jpeg = JpegQuality > 0;
    QByteArray payload(1, char(jpeg ? 1 : 0));
    if (image_.isNull())
        return payload;
    if (!imageStream_.isEmpty() && imageStreamIsJpeg_ == jpeg)
        return payload + imageStream_;
    return payload + (jpeg ? EncodeJpeg(image_, JpegQuality) : EncodeBmp(image_));
}

void TWordRiddleData::SaveToStream(QIODevice& Stream, int JpegQuality, bool StateOnly) {
    try {
        TStreamWriter out(Stream);
        qint64 at = out.BeginSection("GLOBAL");
        WriteGlobal(out);
        out.EndSection(at);
        at = out.BeginSection("CLLLST");
        WriteCells(out);
        out.EndSection(at);
        at = out.BeginSection("LEGLST");
        if (!clues_.empty()) {
            out.I32(int32_t(clues_.size()));
            for (const auto& clue : clues_) {
                out.U8(clue->ExtraByte());
                out.FixedText(100, clue->ClueText());
                out.Bool(clue->Solved());
                out.Bool(clue->Reversed());
                out.U8(clue->Category());
                out.FixedText(50, clue->Word());
                out.U8(clue->Direction());
                out.I32(clue->ClueNumber());
            }
        }
        out.EndSection(at);
        at = out.BeginSection("CHRLST");
        for (const TCharLegendData& entry : letters_) {
            out.U8(entry.Solution());
            out.I32(entry.Number());
            out.U8(entry.Entry());
        }
        out.EndSection(at);
        if (RiddleOptions().Contains(roHasKeyword))
            out.Section("KEYWRD", BuildPayload([&](TStreamWriter& W) {
                            W.U8(keyword_.ExtraByte());
                            W.FixedText(100, keyword_.ClueText());
                            W.U8(keyword_.WordLength());
                            W.U8(keyword_.Category());
                            W.FixedText(50, keyword_.Word());
                        }));
        if (StateOnly)
            return;
        if (RiddleOptions().Contains(roHasImage))
            out.Section("IMAGE_", PicturePayload(JpegQuality));
        WriteColorSet(out, "BGCLR_", BackgroundColors());
        WriteColorSet(out, "TXTCLR", TextColors());
    } catch (const TWriteError&) {
        // The stream ends after the last complete write; the caller sees a short file.
    }
}
