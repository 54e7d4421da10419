#include "RiddleData.h"

#include <QFile>
#include <cmath>

namespace {
const char* const kKnownTags[] = {"RIDFIL", "GLOBAL", "CLLLST", "CLLDAT", "LEGLST", "LEGDAT",
                                  "CHRLST", "KEYWRD", "IMAGE_", "EMPTY_", "BGCLR_", "TXTCLR"};

bool IsKnownTag(const QByteArray& tag) {
    for (const char* known : kKnownTags)
        if (tag == known)
            return true;
    return false;
}
} // namespace

TRiddleData::TRiddleData(TRiddleType type) : riddleType_(type) {
    backgroundColors_.OnChange = [this] { emit Invalidated(); };
    textColors_.OnChange = [this] { emit Invalidated(); };
}

TRiddleData::~TRiddleData() = default;

void TRiddleData::SetAuthor(const QString& v) {
    QString c = Capped(v, 50);
    if (c == author_)
        return;
    author_ = c;
    SetModified(true);
}

void TRiddleData::SetComment(const QString& v) {
    QString c = Capped(v, 255);
    if (c == comment_)
        return;
    comment_ = c;
    SetModified(true);
}

void TRiddleData::SetTitle(const QString& v) {
    QString c = Capped(v, 255);
    if (c == title_)
        return;
    title_ = c;
    SetModified(true);
}

void TRiddleData::SetGridSize(int32_t v) {
    if (v == gridSize_)
        return;
    gridSize_ = v;
    emit GeometryChanged();
}

void TRiddleData::SetHelpFlags(THelpFlags v) {
    if (v == helpFlags_)
        return;
    Announce(kChangeDefinition, ChangeText::ChangeHelpOptions);
    helpFlags_ = v;
    if (!v.Contains(hfShowFail))
        paintOptions_ = paintOptions_.Without(poShowFail);
    SetModified(true);
    emit Invalidated();
}

void TRiddleData::SetPaintOptions(TPaintOptions v) {
    if (v == paintOptions_)
        return;
    const bool autoSize = v.Contains(poAutoSize) != paintOptions_.Contains(poAutoSize);
    paintOptions_ = v;
    if (autoSize)
        emit GeometryChanged();
    emit Invalidated();
}

void TRiddleData::SetRiddleOptions(TRiddleOptions v) {
    if (v == riddleOptions_)
        return;
    riddleOptions_ = v;
    SetModified(true);
    emit Invalidated();
}

void TRiddleData::SetState(TRiddleState v) {
    if (v == state_)
        return;
    state_ = v;
    const bool countTime = riddleOptions_.Contains(roCountTime);
    if (v == stReady && countTime && !clockRunning_)
        StartClock(Now());
    if ((v == stNew || v == stSolved) && countTime && clockRunning_)
        StopClock();
    if (v > stNew)
        SetModified(true);
    if (eventsEnabled_)
        emit OnStateChange(this);
}

void TRiddleData::SetTime(uint16_t v) {
    if (v == time_)
        return;
    time_ = v;
    emit OnTimeChange(this);
}

void TRiddleData::SetDisplayMode(TDisplayMode mode) {
    if (mode == displayMode_)
        return;
    displayMode_ = mode;
    emit GeometryChanged();
    emit Invalidated();
}

void TRiddleData::SetModified(bool v) {
    // An already modified riddle still has to report the changes of an update at its end.
    if (v)
        changedInUpdate_ = true;
    if (v == modified_)
        return;
    modified_ = v;
    RaiseChange();
}

void TRiddleData::BeginUpdate() {
    if (updateCount_ == 0 && eventsEnabled_) {
        eventsEnabled_ = false;
        changedInUpdate_ = false;
    }
    ++updateCount_;
}

void TRiddleData::EndUpdate() {
    if (updateCount_ > 0)
        --updateCount_;
    if (updateCount_ == 0 && !eventsEnabled_) {
        eventsEnabled_ = true;
        if (changedInUpdate_) {
            RaiseChange();
            RaiseLegendChange(this);
        }
    }
}

uint8_t TRiddleData::ColumnState(int col) const {
    return col >= 1 && col <= riddleCols_ && col <= kMaxRiddleDim ? columnStates_[col] : 0;
}

uint8_t TRiddleData::RowState(int row) const {
    return row >= 1 && row <= riddleRows_ && row <= kMaxRiddleDim ? rowStates_[row] : 0;
}

void TRiddleData::SetColumnState(int col, uint8_t v) {
    if (col < 1 || col > riddleCols_ || col > kMaxRiddleDim || columnStates_[col] == v)
        return;
    columnStates_[col] = v;
    SetModified(true);
    if (eventsEnabled_)
        emit OnRowOrColStateChange(this, col, 0, wdVertical);
}

void TRiddleData::SetRowState(int row, uint8_t v) {
    if (row < 1 || row > riddleRows_ || row > kMaxRiddleDim || rowStates_[row] == v)
        return;
    rowStates_[row] = v;
    SetModified(true);
    if (eventsEnabled_)
        emit OnRowOrColStateChange(this, 0, row, wdHorizontal);
}

void TRiddleData::StartClock(const QDateTime& Start) {
    clockStart_ = Start;
    if (clockRunning_)
        return;
    clockRunning_ = true;
    emit ClockRunningChanged(true);
}

void TRiddleData::StopClock() {
    if (!clockRunning_)
        return;
    clockRunning_ = false;
    emit ClockRunningChanged(false);
}

void TRiddleData::ClockTick() {
    const double seconds = double(clockStart_.msecsTo(Now())) / 1000.0;
    SetTime(static_cast<uint16_t>(static_cast<int64_t>(std::nearbyint(seconds)) & 0xFFFF));
}

void TRiddleData::ResumeClockIfSolving() {
    if ((state_ == stReady || state_ == stPartial) && riddleOptions_.Contains(roCountTime) && !clockRunning_)
        StartClock(Now().addSecs(-qint64(time_)));
}

void TRiddleData::Announce(TRiddleChangeTypes kind, const char* text) {
    if (changeRecording_)
        AnnounceAlways(kind, text);
}

void TRiddleData::AnnounceAlways(TRiddleChangeTypes kind, const char* text) {
    if (eventsEnabled_ && state_ > stNew)
        emit OnBeforeChange(this, kind, QString::fromUtf8(text));
}

void TRiddleData::RaiseChange() {
    if (eventsEnabled_)
        emit OnChange(this);
}

void TRiddleData::RaiseLegendChange(TObject* sender) {
    if (eventsEnabled_)
        emit OnLegendChange(sender);
}

void TRiddleData::RaiseLegendStateChange(TObject* sender) {
    if (eventsEnabled_)
        emit OnLegendStateChange(sender);
}

void TRiddleData::AssignCommon(const TRiddleData& src, bool ContentOnly) {
    SetTextsField(src.author_, src.comment_, src.title_);
    bestTime_ = src.bestTime_;
    bestTimeHolder_ = src.bestTimeHolder_;
    version_ = src.version_;
    extraCode_ = src.extraCode_;
    riddleOptions_ = src.riddleOptions_;
    state_ = src.state_;
    if (!ContentOnly) {
        paintOptions_ = src.paintOptions_;
        gridSize_ = src.gridSize_;
        helpFlags_ = src.helpFlags_;
        clockStart_ = src.clockStart_;
        SetTime(src.time_);
    }
}

uint8_t TRiddleData::LoadFromFile(const QString& FileName, bool StateOnly) {
    QFile file(FileName);
    if (!file.exists())
        return rfFileMissing;
    if (!file.open(QIODevice::ReadOnly))
        return rfHeaderError;
    TRiddleHeader header;
    try {
        TStreamReader in(file);
        if (ReadRiddleHeader(in, header) != rfOk)
            return rfWrongFormat;
        version_ = header.Version;
    } catch (const TReadError&) {
        return rfHeaderError;
    }
    if (header.ClassName != ClassName().toLatin1())
        return rfWrongFormat;
    return LoadFromStream(file, StateOnly);
}

uint8_t TRiddleData::LoadFromStream(QIODevice& Stream, bool StateOnly) {
    BeginUpdate();
    uint8_t result = rfSectionError;
    bool completed = false;
    try {
        TStreamReader in(Stream);
        if (in.FixedBytes(6) != "GLOBAL") {
            result = rfWrongFormat;
        } else {
            const int32_t globalLength = in.I32();
            if (globalLength < 1 || globalLength > in.Remaining())
                throw TReadError("GLOBAL length");
            if (StateOnly) {
                in.Skip(globalLength - 1);
                const uint8_t state = in.U8();
                if (state >= kRiddleStateCount)
                    throw TReadError("state out of range");
                state_ = TRiddleState(state);
            } else {
                ReadGlobal(in, globalLength);
            }
            for (;;) {
                if (in.Pos() + 7 >= in.Size())
                    break;
                const QByteArray tag = in.FixedBytes(6);
                const int32_t length = in.I32();
                if (length < 0 || length > in.Remaining())
                    throw TReadError("section length");
                const qint64 start = in.Pos();
                const bool last = start + length >= in.Size();
                if (length == 0 || !ReadSection(tag, in, length, StateOnly))
                    in.Seek(start + length);
                else if (in.Pos() != start + length)
                    throw TReadError("section length does not match its records");
                if (last || !IsKnownTag(tag))
                    break;
            }
            MarkChanged();
            ApplyLoaded(StateOnly);
            result = rfOk;
            completed = true;
        }
    } catch (const TReadError&) {
        result = rfSectionError;
    }
    ClearModifiedSilently();
    EndUpdate();
    AfterLoad(StateOnly, completed);
    emit Invalidated();
    return result;
}

uint8_t TRiddleData::SaveToFile(const QString& FileName, int JpegQuality, bool StateOnly) {
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return rfCreateError;
    try {
        TStreamWriter out(file);
        WriteRiddleHeader(out, ClassName(), version_);
    } catch (const TWriteError&) {
        return rfHeaderWriteError;
    }
    SaveToStream(file, JpegQuality, StateOnly);
    // The stream writer swallows its errors; a short file must not count as written.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return rfHeaderWriteError;
    return rfOk;
}

QString RiddleDescription(const TRiddleData& Riddle) {
    if (!Riddle.Title().isEmpty())
        return Riddle.Title();
    if (Riddle.RiddleType() == rtSudoku)
        return QStringLiteral("Sudoku (") + SudokuSkillText(Riddle.SkillValue()) + QLatin1Char(')');
    QString text = RiddleTypeName(Riddle.RiddleType());
    if (Riddle.RiddleOptions().Contains(roHasKeyword))
        text += QStringLiteral(" mit Lösungswort");
    return text;
}

uint8_t ReadRiddleHeader(TStreamReader& in, TRiddleHeader& header) {
    if (in.FixedBytes(6) != "RIDFIL")
        return rfWrongFormat;
    in.I32();
    header.ClassName = in.FixedBytes(20);
    header.Version = in.FixedText(20);
    return rfOk;
}

void WriteRiddleHeader(TStreamWriter& out, const QString& ClassName, const QString& Version) {
    out.FixedBytes(6, QByteArray("RIDFIL"));
    out.I32(42);
    out.FixedText(20, ClassName);
    out.FixedText(20, Version);
}
