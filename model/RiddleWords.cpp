#include "RiddleWords.h"

#include "WordRiddleData.h"

void TRiddleWordData::SetWord(const QString& Value) {
    const QString w = Value.left(50);
    if (w == word_)
        return;
    word_ = w;
    wordLength_ = uint8_t(w.size());
    ClearGuess();
}

void TRiddleWordData::ClearGuess() {
    guess_ = QString(wordLength_, QLatin1Char(' '));
}

void TRiddleWordData::AssignWordFields(const TRiddleWordData& Other) {
    extraByte_ = Other.extraByte_;
    clueText_ = Other.clueText_;
    category_ = Other.category_;
    word_ = Other.word_;
    // The length belongs to the word; a copy without it would leave the two out of step.
    wordLength_ = Other.wordLength_;
}

void TKeywordData::SetWord(const QString& Value) {
    if (Value.left(50) == Word())
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeKeyword);
    TRiddleWordData::SetWord(Value);
    if (owner_ && owner_->EventsEnabled())
        owner_->SetModified(true);
}

void TKeywordData::SetGuess(const QString& Value) {
    const QString g = Value.left(50);
    if (g == Guess())
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeKeyword);
    SetGuessField(g);
    if (owner_ && owner_->EventsEnabled()) {
        owner_->SetModified(true);
        owner_->EvaluateState();
    }
}

void TKeywordData::Assign(const TKeywordData& Other) {
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeKeyword);
    AssignWordFields(Other);
    SetGuessField(Other.Guess());
    if (owner_ && owner_->EventsEnabled())
        owner_->SetModified(true);
}

void TKeywordData::Reset() {
    TKeywordData fresh;
    AssignWordFields(fresh);
    SetGuessField(QString());
}

void TWordLegendData::SetWord(const QString& Value) {
    if (Value.left(50) == Word())
        return;
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeLegend);
    TRiddleWordData::SetWord(Value);
    if (owner_) {
        owner_->RaiseLegendChange(this);
        owner_->SetModified(true);
    }
}

void TWordLegendData::SetSolved(bool Value) {
    if (Value == solved_)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::MarkLegendEntry);
    solved_ = Value;
    if (owner_) {
        owner_->RaiseLegendStateChange(this);
        owner_->SetModified(true);
    }
}

void TWordLegendData::Assign(const TWordLegendData& Other) {
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeLegend);
    AssignWordFields(Other);
    solved_ = Other.solved_;
    reversed_ = Other.reversed_;
    direction_ = Other.direction_;
    clueNumber_ = Other.clueNumber_;
    if (owner_) {
        owner_->RaiseLegendChange(owner_);
        owner_->SetModified(true);
    }
}

void TCharLegendData::SetEntry(uint8_t Value) {
    if (Value == entry_)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeLegend);
    entry_ = Value;
    if (owner_) {
        owner_->RaiseLegendStateChange(owner_);
        owner_->SetModified(true);
        // A number riddle is solved only with its legend: the last letter may be typed there.
        if (owner_->EventsEnabled() && owner_->State() >= stReady)
            owner_->EvaluateState();
    }
}

void TCharLegendData::Assign(const TCharLegendData& Other) {
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeLegend);
    solution_ = Other.solution_;
    number_ = Other.number_;
    entry_ = Other.entry_;
    if (owner_)
        owner_->RaiseLegendChange(owner_);
}

void TCharLegendData::Clear() {
    solution_ = 0;
    number_ = 0;
    entry_ = 0;
}
