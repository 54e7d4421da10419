#pragma once

// The data every riddle shares: texts, options, colours, the riddle state with its solve clock,
// the update nesting and the change announcements. The data knows no view: every change is
// reported through the signals below, and any number of listeners (the grid control that shows
// the riddle, the tool windows, the undo keeper) connect to them.

#include "RiddleColors.h"
#include "RiddleStream.h"
#include "RiddleTypes.h"

#include <QDateTime>
#include <QIODevice>
#include <QObject>
#include <array>
#include <functional>

// Result codes of reading and writing riddle files.
enum TRiddleFileResult : uint8_t {
    rfOk = 0,
    rfFileMissing = 2,
    rfHeaderError = 3,
    rfSectionError = 4,
    rfCreateError = 5,
    rfHeaderWriteError = 6,
    rfWrongFormat = 7
};

constexpr int kMaxRiddleDim = 99;

// The bytes of one section that are really there. A section whose length runs to or past the end
// of the stream is the last one: its data are the bytes that remain, and reading ends after it.
struct TSectionSpan {
    int32_t Length = 0;
    bool Last = false;
    // Records read one after the other fill their section exactly, so that the next tag follows
    // them; only the last section may hold more, which nobody reads. Throws TReadError otherwise.
    void RequireRecords(qint64 Needed) const;
};
// A cell size read from a riddle file is kept within these pixels (zooming keeps narrower ones):
// a damaged size would make the grid and its picture as large as the number says.
constexpr int32_t kMinStoredGridSize = 10;
constexpr int32_t kMaxStoredGridSize = 100;

class TRiddleData;

// What follows when a part of a riddle (a cell, a clue, a letter-legend entry, the solution word)
// has stored a new value, in the order of the protocol: the cell's check status, its repaint
// request, the current word through it, Modified, the legend events, and the finish (OnChange
// and the solve check).
enum TFollowStep : uint16_t {
    fsStatus = 1 << 0,
    fsRepaint = 1 << 1,
    // The current word through the cell is looked at again.
    fsWordCell = 1 << 2,
    // Once the riddle is being solved: the current word, and with AutoMarkLegend the solved marks.
    fsWordCellSolving = 1 << 3,
    // The sudoku's candidates are recomputed and the cell repainted, while events are enabled.
    fsSymbol = 1 << 4,
    fsModified = 1 << 5,
    fsModifiedWhileEvents = 1 << 6,
    // OnLegendChange or OnLegendStateChange, sent by the part itself or by the riddle.
    fsLegendByPart = 1 << 7,
    fsLegendByRiddle = 1 << 8,
    fsLegendStateByPart = 1 << 9,
    fsLegendStateByRiddle = 1 << 10,
    // OnChange once the riddle is past stNew.
    fsChangeBeyondNew = 1 << 11,
    // OnChange and the solve check while events are enabled and the riddle is being solved.
    fsCheck = 1 << 12,
    // The solve check alone: while events are enabled, or only while the riddle is being solved.
    fsEvaluateWhileEvents = 1 << 13,
    fsEvaluateWhileSolving = 1 << 14,
};

// One kind of change of a part: how it is announced and what follows it.
struct TPartChange {
    TRiddleChangeTypes Kind;
    const char* Step;
    uint16_t Follow;
};

// A part of a riddle. Its setters change it only through its riddle's change protocol (unless it
// belongs to no riddle, as a free copy does).
class TRiddlePart : public TObject {
public:
    void Attach(TRiddleData* Owner) { owner_ = Owner; }

protected:
    // Nothing when the value is unchanged; otherwise stores it within the protocol.
    template <class T> void Change(T& Field, const T& Value, const TPartChange& How);
    // Stores whatever Store changes within the protocol (the setter decides whether it changes).
    void Apply(const TPartChange& How, const std::function<void()>& Store);
    TRiddleData* owner_ = nullptr;
};

class TRiddleData : public QObject, public TObject {
    Q_OBJECT
public:
    explicit TRiddleData(TRiddleType Type);
    ~TRiddleData() override;
    TRiddleData(const TRiddleData&) = delete;
    TRiddleData& operator=(const TRiddleData&) = delete;

    // Published texts (cut to their stored capacity).
    const QString& Author() const { return author_; }
    void SetAuthor(const QString& Value);
    const QString& Comment() const { return comment_; }
    void SetComment(const QString& Value);
    const QString& Title() const { return title_; }
    void SetTitle(const QString& Value);

    // Unpublished texts and values that come from the riddle file and are carried unchanged.
    const QString& Version() const { return version_; }
    void SetVersion(const QString& Value) { version_ = Capped(Value, 20); }
    uint16_t BestTime() const { return bestTime_; }
    void SetBestTime(uint16_t Value) { bestTime_ = Value; }
    const QString& BestTimeHolder() const { return bestTimeHolder_; }
    void SetBestTimeHolder(const QString& Value) { bestTimeHolder_ = Capped(Value, 50); }
    const QString& ExtraCode() const { return extraCode_; }
    void SetExtraCode(const QString& Value) { extraCode_ = Capped(Value, 8); }

    int32_t GridSize() const { return gridSize_; }
    void SetGridSize(int32_t Value);
    THelpFlags HelpFlags() const { return helpFlags_; }
    void SetHelpFlags(THelpFlags Value);
    TPaintOptions PaintOptions() const { return paintOptions_; }
    void SetPaintOptions(TPaintOptions Value);
    TRiddleOptions RiddleOptions() const { return riddleOptions_; }
    virtual void SetRiddleOptions(TRiddleOptions Value);
    TRiddleState State() const { return state_; }
    virtual void SetState(TRiddleState Value);
    uint16_t Time() const { return time_; }
    void SetTime(uint16_t Value);
    TRiddleType RiddleType() const { return riddleType_; }
    int32_t RiddleCols() const { return riddleCols_; }
    int32_t RiddleRows() const { return riddleRows_; }
    // Not stored and not copied.
    TDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TDisplayMode Mode);
    // The skill ordinal of the kind (TRiddleSkill or TSudokuSkill).
    virtual int SkillValue() const = 0;

    TRiddleColors& BackgroundColors() { return backgroundColors_; }
    const TRiddleColors& BackgroundColors() const { return backgroundColors_; }
    TRiddleColors& TextColors() { return textColors_; }
    const TRiddleColors& TextColors() const { return textColors_; }

    bool Modified() const { return modified_; }
    void SetModified(bool Value);

    void BeginUpdate();
    virtual void EndUpdate();
    bool EventsEnabled() const { return eventsEnabled_; }
    int UpdateCount() const { return updateCount_; }
    bool ChangeRecording() const { return changeRecording_; }
    void SetChangeRecording(bool On) { changeRecording_ = On; }

    // Column and row states of columns 1 … RiddleCols and rows 1 … RiddleRows (0 = open).
    uint8_t ColumnState(int ACol) const;
    uint8_t RowState(int ARow) const;
    void SetColumnState(int ACol, uint8_t Value);
    void SetRowState(int ARow, uint8_t Value);

    // The solve clock: its start and whether it runs. The ticking itself belongs to whoever shows
    // the riddle (ClockRunningChanged tells it when to tick). Now is replaceable so that tests
    // need not wait.
    bool ClockRunning() const { return clockRunning_; }
    const QDateTime& ClockStart() const { return clockStart_; }
    void StartClock(const QDateTime& Start);
    void StopClock();
    // A pause stops the clock where it stands; resuming goes on from there, so that the paused
    // time never counts. Starting the clock anew ends a pause.
    void PauseClock();
    void ResumeClock();
    bool ClockPaused() const { return pausedMs_ >= 0; }
    // One tick: Time := whole seconds since the start, kept in 16 bits.
    void ClockTick();
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTimeUtc(); };

    // Sends OnBeforeChange when events are enabled, recording is on and the riddle is past stNew.
    void Announce(TRiddleChangeTypes Kind, const char* Text);
    // The same, but regardless of the recording flag (whole words are always announced).
    void AnnounceAlways(TRiddleChangeTypes Kind, const char* Text);
    // Marks the data as changed during the open update (raises OnChange/OnLegendChange at its end).
    void MarkChanged() { changedInUpdate_ = true; }
    // Raises OnChange for the control while events are enabled.
    void RaiseChange();
    void RaiseLegendChange(TObject* Sender);
    void RaiseLegendStateChange(TObject* Sender);
    // The one change protocol of every part of the riddle: announce, store, status, repaint
    // request, Modified, the legend events, finish.
    void ChangePart(TRiddlePart& Part, const TPartChange& How, const std::function<void()>& Store);

    virtual QString ClassName() const = 0;
    virtual void Assign(const TRiddleData& Source, bool ContentOnly) = 0;
    virtual void Reset(bool All, bool AlsoGiven) = 0;
    virtual int CountFlagAll(int Bit, bool Exact) const = 0;

    // The riddle file. The stream reader expects the stream just after the header.
    virtual uint8_t LoadFromFile(const QString& FileName, bool StateOnly);
    uint8_t LoadFromStream(QIODevice& Stream, bool StateOnly);
    virtual uint8_t SaveToFile(const QString& FileName, int JpegQuality, bool StateOnly);
    virtual void SaveToStream(QIODevice& Stream, int JpegQuality, bool StateOnly) = 0;

signals:
    // The published events. OnChange carries the riddle as sender; the legend events carry the
    // riddle or the changed entry. None of them is raised while events are held back.
    void OnBeforeChange(TObject* Sender, TRiddleChangeTypes AChange, const QString& MsgText);
    void OnChange(TObject* Sender);
    void OnStateChange(TObject* Sender);
    void OnTimeChange(TObject* Sender);
    void OnLegendChange(TObject* Sender);
    void OnLegendStateChange(TObject* Sender);
    void OnRowOrColStateChange(TObject* Sender, int ACol, int ARow, TWordDirection ADir);

    // What a view of the riddle has to follow.
    // Everything may look different (options, colours, display mode, a copied riddle).
    void Invalidated();
    // One cell looks different.
    void CellInvalidated(int ACol, int ARow);
    // Column or row count, cell size, riddle type or display mode changed: the grid's geometry,
    // header lines and selection mode follow.
    void GeometryChanged();
    // The solve clock was started or stopped.
    void ClockRunningChanged(bool Running);

protected:
    // What the riddle kind does for a part after its value was stored: status, repaint request
    // and the follow-ups of cells (the steps fsStatus … fsSymbol).
    virtual void FollowPart(TRiddlePart& Part, uint16_t Follow) = 0;
    // The kind's solve check: raises the state by the solving progress.
    virtual void EvaluateContent() = 0;
    // Section reading, called by LoadFromStream.
    virtual void ReadGlobal(TStreamReader& In, const TSectionSpan& Span) = 0;
    // Reads one section's content; false when the section is not read (it is then skipped).
    virtual bool ReadSection(const QByteArray& Tag, TStreamReader& In, const TSectionSpan& Span,
                             bool StateOnly) = 0;
    // After a completed section loop, still inside the update (word riddles apply type and size).
    virtual void ApplyLoaded(bool StateOnly) = 0;
    // After the update has ended.
    virtual void AfterLoad(bool StateOnly, bool Completed) = 0;
    void ResumeClockIfSolving();

    void SetRiddleTypeField(TRiddleType T) { riddleType_ = T; }
    void SetDimensionsField(int32_t Cols, int32_t Rows) {
        riddleCols_ = Cols;
        riddleRows_ = Rows;
    }
    void SetStateField(TRiddleState S) { state_ = S; }
    void SetTimeField(uint16_t T) { time_ = T; }
    void SetHelpFlagsField(THelpFlags F) { helpFlags_ = F; }
    void SetPaintOptionsField(TPaintOptions P) { paintOptions_ = P; }
    void SetRiddleOptionsField(TRiddleOptions O) { riddleOptions_ = O; }
    void SetTextsField(const QString& Author, const QString& Comment, const QString& Title) {
        author_ = Capped(Author, 50);
        comment_ = Capped(Comment, 255);
        title_ = Capped(Title, 255);
    }
    void ClearModifiedSilently() { modified_ = false; }
    // Copies the common fields of Assign; ContentOnly leaves the solving session's own ones.
    void AssignCommon(const TRiddleData& Src, bool ContentOnly);
    std::array<uint8_t, kMaxRiddleDim + 1>& ColumnStates() { return columnStates_; }
    std::array<uint8_t, kMaxRiddleDim + 1>& RowStates() { return rowStates_; }
    const std::array<uint8_t, kMaxRiddleDim + 1>& ColumnStates() const { return columnStates_; }
    const std::array<uint8_t, kMaxRiddleDim + 1>& RowStates() const { return rowStates_; }

private:
    QString author_, comment_, title_, version_, bestTimeHolder_, extraCode_;
    uint16_t bestTime_ = 0;
    uint16_t time_ = 0;
    int32_t gridSize_ = 30;
    THelpFlags helpFlags_ = kDefaultHelpFlags;
    TPaintOptions paintOptions_ = kDefaultPaintOptions;
    TRiddleOptions riddleOptions_ = kDefaultRiddleOptions;
    TRiddleState state_ = stNone;
    TRiddleType riddleType_;
    int32_t riddleCols_ = 5, riddleRows_ = 5;
    TDisplayMode displayMode_ = dmSolving;
    TRiddleColors backgroundColors_{TRiddleColors::BackgroundDefaults()};
    TRiddleColors textColors_{TRiddleColors::TextDefaults()};
    bool modified_ = false;
    int updateCount_ = 0;
    bool eventsEnabled_ = true;
    bool changedInUpdate_ = false;
    bool changeRecording_ = true;
    std::array<uint8_t, kMaxRiddleDim + 1> columnStates_{};
    std::array<uint8_t, kMaxRiddleDim + 1> rowStates_{};
    bool clockRunning_ = false;
    QDateTime clockStart_;
    // The milliseconds counted when the clock was paused; -1 while there is no pause.
    qint64 pausedMs_ = -1;
};

template <class T> void TRiddlePart::Change(T& Field, const T& Value, const TPartChange& How) {
    if (Field == Value)
        return;
    if (!owner_) {
        Field = Value;
        return;
    }
    owner_->ChangePart(*this, How, [&Field, &Value] { Field = Value; });
}

// Undo recording is off while it lives: changes made meanwhile are announced to nobody.
class TRecordingPause {
public:
    explicit TRecordingPause(TRiddleData& Riddle) : riddle_(Riddle), was_(Riddle.ChangeRecording()) {
        Riddle.SetChangeRecording(false);
    }
    ~TRecordingPause() { riddle_.SetChangeRecording(was_); }
    TRecordingPause(const TRecordingPause&) = delete;
    TRecordingPause& operator=(const TRecordingPause&) = delete;

private:
    TRiddleData& riddle_;
    bool was_;
};

// The title, or a description of the kind ("Amerikanisches Rätsel mit Lösungswort", "Sudoku (leicht)").
QString RiddleDescription(const TRiddleData& Riddle);

// Reads the 53-byte header: magic, header length, class name and version. Returns rfOk,
// rfWrongFormat, or throws TReadError.
struct TRiddleHeader {
    QByteArray ClassName;
    QString Version;
};
uint8_t ReadRiddleHeader(TStreamReader& In, TRiddleHeader& Header);
void WriteRiddleHeader(TStreamWriter& Out, const QString& ClassName, const QString& Version);
