#include "RiddleData.h"

#include <QFile>
#include <cmath>

namespace {
const char* const kKnownTags[] = {"RIDFIL", "GLOBAL", "CLLLST", "CLLDAT", "LEGLST", "LEGDAT",
                                  "CHRLST", "KEYWRD", "IMAGE_", "EMPTY_", "BGCLR_", "TXTCLR"};

bool IsKnownTag(const QByteArray& Tag) {
    for (const char* known : kKnownTags)
        if (Tag == known)
            return true;
    return false;
}

// A section's length field, bounded by the bytes that are there.
TSectionSpan ReadSpan(TStreamReader& In) {
    const int32_t length = In.I32();
    if (length < 0)
        throw TReadError("section length negative");
    if (length < In.Remaining())
        return {length, false};
    return {int32_t(In.Remaining()), true};
}
} // namespace

void TSectionSpan::RequireRecords(qint64 Needed) const {
    if (Length < Needed || (Length > Needed && !Last))
        throw TReadError("section length does not match its records");
}

TRiddleData::TRiddleData(TRiddleType Type) : riddleType_(Type) {
    backgroundColors_.OnChange = [this] { emit Invalidated(); };
    textColors_.OnChange = [this] { emit Invalidated(); };
}

TRiddleData::~TRiddleData() = default;

void TRiddleData::SetAuthor(const QString& Value) {
    QString c = Capped(Value, 50);
    if (c == author_)
        return;
    author_ = c;
    SetModified(true);
}

void TRiddleData::SetComment(const QString& Value) {
    QString c = Capped(Value, 255);
    if (c == comment_)
        return;
    comment_ = c;
    SetModified(true);
}

void TRiddleData::SetTitle(const QString& Value) {
    QString c = Capped(Value, 255);
    if (c == title_)
        return;
    title_ = c;
    SetModified(true);
}

void TRiddleData::SetGridSize(int32_t Value) {
    if (Value == gridSize_)
        return;
    gridSize_ = Value;
    emit GeometryChanged();
}

void TRiddleData::SetHelpFlags(THelpFlags Value) {
    if (Value == helpFlags_)
        return;
    Announce(kChangeDefinition, ChangeText::ChangeHelpOptions);
    helpFlags_ = Value;
    if (!Value.Contains(hfShowFail))
        paintOptions_ = paintOptions_.Without(poShowFail);
    SetModified(true);
    emit Invalidated();
}

void TRiddleData::SetPaintOptions(TPaintOptions Value) {
    if (Value == paintOptions_)
        return;
    const bool autoSize = Value.Contains(poAutoSize) != paintOptions_.Contains(poAutoSize);
    paintOptions_ = Value;
    if (autoSize)
        emit GeometryChanged();
    emit Invalidated();
}

void TRiddleData::SetRiddleOptions(TRiddleOptions Value) {
    if (Value == riddleOptions_)
        return;
    riddleOptions_ = Value;
    SetModified(true);
    emit Invalidated();
}

void TRiddleData::SetState(TRiddleState Value) {
    if (Value == state_)
        return;
    state_ = Value;
    const bool countTime = riddleOptions_.Contains(roCountTime);
    if (Value == stReady && countTime && !clockRunning_)
        StartClock(Now());
    if ((Value == stNew || Value == stSolved) && countTime && clockRunning_)
        StopClock();
    if (Value > stNew)
        SetModified(true);
    if (eventsEnabled_)
        emit OnStateChange(this);
}

void TRiddleData::SetTime(uint16_t Value) {
    if (Value == time_)
        return;
    time_ = Value;
    emit OnTimeChange(this);
}

void TRiddleData::SetDisplayMode(TDisplayMode Mode) {
    if (Mode == displayMode_)
        return;
    displayMode_ = Mode;
    emit GeometryChanged();
    emit Invalidated();
}

void TRiddleData::SetModified(bool Value) {
    // An already modified riddle still has to report the changes of an update at its end.
    if (Value)
        changedInUpdate_ = true;
    if (Value == modified_)
        return;
    modified_ = Value;
    RaiseChange();
}

void TRiddleData::BeginUpdate() {
    if (updateCount_ == 0 && eventsEnabled_) {
        eventsEnabled_ = false;
        changedInUpdate_ = false;
    }
    ++updateCount_;
}

void TRiddlePart::Apply(const TPartChange& How, const std::function<void()>& Store) {
    if (owner_)
        owner_->ChangePart(*this, How, Store);
    else
        Store();
}

void TRiddleData::ChangePart(TRiddlePart& Part, const TPartChange& How, const std::function<void()>& Store) {
    const uint16_t f = How.Follow;
    Announce(How.Kind, How.Step);
    Store();
    FollowPart(Part, f);
    if ((f & fsModified) || ((f & fsModifiedWhileEvents) && EventsEnabled()))
        SetModified(true);
    if (f & fsLegendByPart)
        RaiseLegendChange(&Part);
    if (f & fsLegendByRiddle)
        RaiseLegendChange(this);
    if (f & fsLegendStateByPart)
        RaiseLegendStateChange(&Part);
    if (f & fsLegendStateByRiddle)
        RaiseLegendStateChange(this);
    if ((f & fsChangeBeyondNew) && State() > stNew)
        RaiseChange();
    const bool solving = EventsEnabled() && State() >= stReady;
    if ((f & fsCheck) && solving)
        RaiseChange();
    if (((f & fsCheck) && solving) || ((f & fsEvaluateWhileEvents) && EventsEnabled()) ||
        ((f & fsEvaluateWhileSolving) && solving))
        EvaluateContent();
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

uint8_t TRiddleData::ColumnState(int ACol) const {
    return ACol >= 1 && ACol <= riddleCols_ && ACol <= kMaxRiddleDim ? columnStates_[ACol] : 0;
}

uint8_t TRiddleData::RowState(int ARow) const {
    return ARow >= 1 && ARow <= riddleRows_ && ARow <= kMaxRiddleDim ? rowStates_[ARow] : 0;
}

void TRiddleData::SetColumnState(int ACol, uint8_t Value) {
    if (ACol < 1 || ACol > riddleCols_ || ACol > kMaxRiddleDim || columnStates_[ACol] == Value)
        return;
    columnStates_[ACol] = Value;
    SetModified(true);
    if (eventsEnabled_)
        emit OnRowOrColStateChange(this, ACol, 0, wdVertical);
}

void TRiddleData::SetRowState(int ARow, uint8_t Value) {
    if (ARow < 1 || ARow > riddleRows_ || ARow > kMaxRiddleDim || rowStates_[ARow] == Value)
        return;
    rowStates_[ARow] = Value;
    SetModified(true);
    if (eventsEnabled_)
        emit OnRowOrColStateChange(this, 0, ARow, wdHorizontal);
}

void TRiddleData::StartClock(const QDateTime& Start) {
    clockStart_ = Start;
    pausedMs_ = -1;
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

void TRiddleData::PauseClock() {
    if (!clockRunning_)
        return;
    const qint64 counted = clockStart_.msecsTo(Now());
    ClockTick();
    StopClock();
    pausedMs_ = counted;
}

void TRiddleData::ResumeClock() {
    if (ClockPaused())
        StartClock(Now().addMSecs(-pausedMs_));
}

void TRiddleData::ClockTick() {
    const double seconds = double(clockStart_.msecsTo(Now())) / 1000.0;
    SetTime(static_cast<uint16_t>(static_cast<int64_t>(std::nearbyint(seconds)) & 0xFFFF));
}

void TRiddleData::ResumeClockIfSolving() {
    if ((state_ == stReady || state_ == stPartial) && riddleOptions_.Contains(roCountTime) && !clockRunning_)
        StartClock(Now().addSecs(-qint64(time_)));
}

void TRiddleData::Announce(TRiddleChangeTypes Kind, const char* Text) {
    if (changeRecording_)
        AnnounceAlways(Kind, Text);
}

void TRiddleData::AnnounceAlways(TRiddleChangeTypes Kind, const char* Text) {
    if (eventsEnabled_ && state_ > stNew)
        emit OnBeforeChange(this, Kind, QString::fromUtf8(Text));
}

void TRiddleData::RaiseChange() {
    if (eventsEnabled_)
        emit OnChange(this);
}

void TRiddleData::RaiseLegendChange(TObject* Sender) {
    if (eventsEnabled_)
        emit OnLegendChange(Sender);
}

void TRiddleData::RaiseLegendStateChange(TObject* Sender) {
    if (eventsEnabled_)
        emit OnLegendStateChange(Sender);
}

void TRiddleData::AssignCommon(const TRiddleData& Src, bool ContentOnly) {
    SetTextsField(Src.author_, Src.comment_, Src.title_);
    bestTime_ = Src.bestTime_;
    bestTimeHolder_ = Src.bestTimeHolder_;
    version_ = Src.version_;
    extraCode_ = Src.extraCode_;
    riddleOptions_ = Src.riddleOptions_;
    state_ = Src.state_;
    if (!ContentOnly) {
        paintOptions_ = Src.paintOptions_;
        gridSize_ = Src.gridSize_;
        helpFlags_ = Src.helpFlags_;
        clockStart_ = Src.clockStart_;
        SetTime(Src.time_);
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
            const TSectionSpan global = ReadSpan(in);
            if (global.Length < 1)
                throw TReadError("GLOBAL length");
            if (StateOnly) {
                in.Skip(global.Length - 1);
                const uint8_t state = in.U8();
                if (state >= kRiddleStateCount)
                    throw TReadError("state out of range");
                state_ = TRiddleState(state);
            } else {
                ReadGlobal(in, global);
            }
            for (bool last = global.Last; !last;) {
                if (in.Pos() + 7 >= in.Size())
                    break;
                const QByteArray tag = in.FixedBytes(6);
                // Whatever follows a tag we do not know (a trailer, or damage) is not ours to read.
                if (!IsKnownTag(tag))
                    break;
                const TSectionSpan span = ReadSpan(in);
                const qint64 start = in.Pos();
                if (span.Length == 0 || !ReadSection(tag, in, span, StateOnly))
                    in.Seek(start + span.Length);
                else if (!span.Last && in.Pos() != start + span.Length)
                    throw TReadError("section length does not match its records");
                last = span.Last;
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

uint8_t ReadRiddleHeader(TStreamReader& In, TRiddleHeader& Header) {
    if (In.FixedBytes(6) != "RIDFIL")
        return rfWrongFormat;
    In.I32();
    Header.ClassName = In.FixedBytes(20);
    Header.Version = In.FixedText(20);
    return rfOk;
}

void WriteRiddleHeader(TStreamWriter& Out, const QString& ClassName, const QString& Version) {
    Out.FixedBytes(6, QByteArray("RIDFIL"));
    Out.I32(42);
    Out.FixedText(20, ClassName);
    Out.FixedText(20, Version);
}
