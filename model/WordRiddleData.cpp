#include "WordRiddleData.h"

TWordRiddleData::TWordRiddleData()
    : TRiddleData(rtSwedish), cells_([this](TWordGridCell& Cell, int ACol, int ARow) {
          Cell.Attach(this);
          Cell.Place(ACol, ARow);
      }),
      letters_(kLetterLegendSize) {
    for (TCharLegendData& entry : letters_)
        entry.Attach(this);
    keyword_.Attach(this);
}

TWordRiddleData::~TWordRiddleData() = default;

TWordGridCell* TWordRiddleData::CellAt(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= kTableSize || ARow >= kTableSize)
        return nullptr;
    return &Cell(ACol, ARow);
}

const TWordGridCell* TWordRiddleData::CellAt(int ACol, int ARow) const {
    return const_cast<TWordRiddleData*>(this)->CellAt(ACol, ARow);
}

int TWordRiddleData::FindClueIndex(int32_t ClueNumber, TWordDirection Direction) const {
    // From the last entry backwards: of two entries for one word the later one counts.
    for (int i = int(clues_.size()) - 1; i >= 0; --i)
        if (clues_[size_t(i)]->ClueNumber() == ClueNumber && clues_[size_t(i)]->Direction() == Direction)
            return i;
    return -1;
}

TWordLegendData* TWordRiddleData::FindClue(int32_t ClueNumber, TWordDirection Direction) {
    int i = FindClueIndex(ClueNumber, Direction);
    return i < 0 ? nullptr : clues_[size_t(i)].get();
}

TWordLegendData& TWordRiddleData::AddClue() {
    Announce(kChangeBoth, ChangeText::ChangeLegend);
    clues_.push_back(std::make_unique<TWordLegendData>());
    clues_.back()->Attach(this);
    RaiseChange();
    MarkChanged();
    return *clues_.back();
}

TCharLegendData* TWordRiddleData::FindLetter(uint8_t Solution) {
    for (TCharLegendData& entry : letters_)
        if (entry.Solution() == Solution)
            return &entry;
    return nullptr;
}

void TWordRiddleData::SetImageOptions(TImageOptions Value) {
    if (Value == imageOptions_)
        return;
    Announce(kChangeDefinition, ChangeText::ChangePicture);
    imageOptions_ = Value;
    if (RiddleOptions().Contains(roHasImage))
        emit PictureChanged();
    emit Invalidated();
}

void TWordRiddleData::SetLanguage(uint8_t Value) {
    if (Value >= kLanguageCount || Value == language_)
        return;
    Announce(kChangeDefinition, ChangeText::EditRiddle);
    language_ = Value;
    SetModified(true);
}

void TWordRiddleData::SetSkill(TRiddleSkill Value) {
    if (Value == skill_)
        return;
    skill_ = Value;
    SetModified(true);
}

void TWordRiddleData::SetRiddleCols(int32_t Value) {
    if (Value < 1 || Value > kMaxRiddleDim || Value == RiddleCols())
        return;
    SetDimensionsField(Value, RiddleRows());
    emit GeometryChanged();
    emit Invalidated();
    SetModified(true);
}

void TWordRiddleData::SetRiddleRows(int32_t Value) {
    if (Value < 1 || Value > kMaxRiddleDim || Value == RiddleRows())
        return;
    SetDimensionsField(RiddleCols(), Value);
    emit GeometryChanged();
    emit Invalidated();
    SetModified(true);
}

void TWordRiddleData::SetRiddleOptions(TRiddleOptions Value) {
    if (Value == RiddleOptions())
        return;
    Announce(kChangeDefinition, ChangeText::EditRiddle);
    TRiddleData::SetRiddleOptions(Value);
    if (Value.Contains(roHasImage))
        emit PictureChanged();
}

void TWordRiddleData::SetRiddleType(TRiddleType Value) {
    if (Value == RiddleType() || Value >= rtSudoku)
        return;
    Announce(kChangeDefinition, ChangeText::ChangeRiddleType);
    SetRiddleTypeField(Value);
    emit GeometryChanged();
    SetModified(true);
}

void TWordRiddleData::SetImage(const QImage& Image) {
    Announce(kChangeDefinition, ChangeText::ChangePicture);
    image_ = Image;
    imageStream_.clear();
    emit PictureChanged();
    SetModified(true);
}

void TWordRiddleData::EndUpdate() {
    const bool closing = UpdateCount() == 1;
    TRiddleData::EndUpdate();
    if (closing && RiddleOptions().Contains(roHasImage))
        emit PictureChanged();
}

bool TWordRiddleData::IsBlocked(int ACol, int ARow) const {
    if (ACol <= 0 || ARow <= 0 || ACol > RiddleCols() || ARow > RiddleRows())
        return true;
    const bool userBlack = RiddleType() == rtAmerican && State() >= stReady && DisplayMode() == dmSolving;
    return Cell(ACol, ARow).Has(userBlack ? cfUserBlack : cfBlack);
}

uint8_t TWordRiddleData::ComputeStatus(const TWordGridCell& Cell) const {
    if (RiddleType() == rtFindWords) {
        const bool letter = Cell.Has(cfLetter);
        return (Cell.Marked() && !letter) || (!Cell.Marked() && letter) ? 2 : 1;
    }
    const bool autoFill = HelpFlags().Contains(hfAutoFill);
    if (autoFill && Cell.Revealed())
        return 1;
    if (RiddleType() == rtAmerican && Cell.Has(cfBlack))
        return Cell.Has(cfUserBlack) ? 1 : 0;
    if (Cell.Entry() == 0 && !Cell.Revealed())
        return 0;
    if (Cell.Entry() != Cell.Solution() && !Cell.Revealed())
        return 2;
    return 1;
}

void TWordRiddleData::EvaluateState() {
    bool empty = true, correct = true, complete = true;
    const TRiddleType type = RiddleType();
    for (int c = 1; c <= RiddleCols(); ++c)
        for (int r = 1; r <= RiddleRows(); ++r) {
            const TWordGridCell& cell = Cell(c, r);
            if (type == rtAmerican) {
                if (cell.Has(cfUserBlack) != cell.Has(cfBlack))
                    correct = false;
                if (cell.Has(cfUserBlack))
                    empty = false;
            }
            if (type == rtFindWords) {
                if (cell.Marked()) {
                    empty = false;
                    if (cell.Has(cfBlack))
                        correct = false;
                } else if (cell.Has(cfLetter)) {
                    correct = false;
                }
                if (!correct)
                    complete = false;
                continue;
            }
            if (cell.Has(cfLetter)) {
                if (cell.Status() == 0)
                    complete = false;
                else
                    empty = false;
                if (cell.Status() != 1)
                    correct = false;
            }
        }
    // A legend entry still empty leaves the riddle incomplete, as an empty box of the solution word
    // does; only a letter that differs makes it wrong.
    if (type == rtNumbers && correct)
        for (int i = 0; i < kNumberLetters; ++i) {
            const TCharLegendData& letter = letters_[size_t(i)];
            const uint8_t shown = letter.ShownLetter();
            if (letter.Solution() != 0 && (shown == 0 || shown == ' '))
                complete = false;
            else if (shown != letter.Solution())
                correct = false;
        }
    if (RiddleOptions().Contains(roHasKeyword) && correct) {
        const QString& word = keyword_.Word();
        const QString& guess = keyword_.Guess();
        for (qsizetype i = 0; i < word.size(); ++i) {
            const QChar g = i < guess.size() ? guess[i] : QLatin1Char(' ');
            if (g == QLatin1Char(' '))
                complete = false;
            else if (g != word[i])
                correct = false;
        }
    }
    TRiddleState next = complete ? (correct ? stSolved : stWrongChars) : (empty ? stReady : stPartial);
    if (next > State())
        SetState(next);
}

bool TWordRiddleData::AwaitsKeyword() const {
    if (!RiddleOptions().Contains(roHasKeyword) || RiddleType() == rtFindWords)
        return false;
    for (int c = 1; c <= RiddleCols(); ++c)
        for (int r = 1; r <= RiddleRows(); ++r) {
            const TWordGridCell& cell = Cell(c, r);
            if (cell.Has(cfLetter) && cell.Status() == 0)
                return false;
        }
    const QString& guess = keyword_.Guess();
    for (qsizetype i = 0; i < keyword_.Word().size(); ++i)
        if (i >= guess.size() || guess[i] == QLatin1Char(' '))
            return true;
    return false;
}

void TWordRiddleData::FollowPart(TRiddlePart& Part, uint16_t Follow) {
    if (!(Follow & (fsStatus | fsRepaint | fsWordCell | fsWordCellSolving)))
        return;
    // Only cells ask for these steps.
    auto& cell = static_cast<TWordGridCell&>(Part);
    if (Follow & fsStatus)
        cell.SetStatus(ComputeStatus(cell));
    if (Follow & fsRepaint)
        emit CellInvalidated(cell.Col(), cell.Row());
    if ((Follow & fsWordCell) || ((Follow & fsWordCellSolving) && State() > stNew))
        emit WordCellChanged(cell.Col(), cell.Row());
    if ((Follow & fsWordCellSolving) && State() > stNew && autoMarkLegend_)
        emit SolvedMarksDue(cell.Col(), cell.Row());
}

void TWordRiddleData::EvaluateContent() {
    EvaluateState();
}

void TWordRiddleData::ResetEntries(bool AlsoGiven) {
    const bool findWords = RiddleType() == rtFindWords;
    for (int c = 1; c <= RiddleCols(); ++c)
        for (int r = 1; r <= RiddleRows(); ++r) {
            TWordGridCell& cell = Cell(c, r);
            const bool keepGiven = !AlsoGiven && cell.Has(cfGiven);
            if (cell.Has(cfLetter))
                cell.SetEntry(0);
            if (!findWords) {
                cell.SetMarked(0);
                if (!keepGiven)
                    cell.SetRevealed(false);
            } else if (cell.Marked() && !keepGiven) {
                cell.SetMarked(0);
            }
            cell.ClearUserBlack();
            cell.SetStatus(ComputeStatus(cell));
        }
    for (TCharLegendData& entry : letters_)
        entry.SetEntry(0);
}

void TWordRiddleData::Reset(bool All, bool AlsoGiven) {
    BeginUpdate();
    SetTime(0);
    if (All) {
        // Cells never reached are fresh already.
        cells_.ForEachMade([this](TWordGridCell& Cell) {
            Cell.Clear();
            Cell.SetStatus(ComputeStatus(Cell));
        });
        clues_.clear();
        for (TCharLegendData& entry : letters_)
            entry.Clear();
        keyword_.Reset();
        SetTextsField(QString(), QString(), QString());
        SetBestTime(0);
        dictionaryFile_.clear();
        SetExtraCode(QString());
        SetBestTimeHolder(QString());
        SetVersion(QString());
        createOptions_ = kDefaultCreateOptions;
        SetHelpFlagsField(kDefaultHelpFlags);
        inputDirection_ = wdNone;
        SetRiddleOptionsField(kDefaultRiddleOptions);
        skill_ = rsEasy;
        SetRiddleType(rtSwedish);
        MarkChanged();
        EndUpdate();
        // The options no longer say roCountTime, so the state change alone would leave it running.
        StopClock();
        SetState(stNew);
    } else {
        ResetEntries(AlsoGiven);
        for (auto& clue : clues_)
            clue->SetSolved(false);
        keyword_.SetGuess(QString(keyword_.WordLength(), QLatin1Char(' ')));
        MarkChanged();
        EndUpdate();
        // A restart starts the clock afresh, also when the riddle was still untouched.
        const bool countTime = RiddleOptions().Contains(roCountTime);
        if (countTime)
            StopClock();
        if (State() == stReady && countTime)
            StartClock(Now());
        SetState(stReady);
    }
    emit Invalidated();
}

void TWordRiddleData::Assign(const TRiddleData& Source, bool ContentOnly) {
    const auto* src = dynamic_cast<const TWordRiddleData*>(&Source);
    if (!src || src == this)
        return;
    Announce(ContentOnly ? kChangeProgress : kChangeBoth, ChangeText::EditRiddle);
    // One copy is one change: the cells, entries and clues it writes report nothing of their own.
    BeginUpdate();
    AssignCommon(*src, ContentOnly);
    dictionaryFile_ = src->dictionaryFile_;
    language_ = src->language_;
    SetDimensionsField(src->RiddleCols(), src->RiddleRows());
    skill_ = src->skill_;
    SetRiddleTypeField(src->RiddleType());
    if (!ContentOnly) {
        createOptions_ = src->createOptions_;
        inputDirection_ = src->inputDirection_;
        image_ = src->image_;
        imageStream_ = src->imageStream_;
        imageStreamIsJpeg_ = src->imageStreamIsJpeg_;
        emit PictureChanged();
    }
    const int lastCol = qMin(RiddleCols() + 1, kTableSize - 1);
    const int lastRow = qMin(RiddleRows() + 1, kTableSize - 1);
    for (int c = 0; c <= lastCol; ++c)
        for (int r = 0; r <= lastRow; ++r)
            Cell(c, r).Assign(src->Cell(c, r));
    for (int i = 0; i < kLetterLegendSize; ++i)
        letters_[size_t(i)].Assign(src->letters_[size_t(i)]);
    ColumnStates() = src->ColumnStates();
    RowStates() = src->RowStates();
    keyword_.Assign(src->keyword_);
    clues_.clear();
    for (const auto& clue : src->clues_)
        AddClue().Assign(*clue);
    emit GeometryChanged();
    SetModified(true);
    EndUpdate();
    emit Invalidated();
}

int TWordRiddleData::CountFlagAll(int Bit, bool Exact) const {
    if (Bit < 0 || Bit > 15)
        return 0;
    const uint16_t flag = uint16_t(1u << Bit);
    int count = 0;
    for (int c = 1; c <= RiddleCols(); ++c)
        for (int r = 1; r <= RiddleRows(); ++r) {
            const uint16_t f = Cell(c, r).Flags();
            if (Exact ? f == flag : (f & flag) != 0)
                ++count;
        }
    return count;
}
