#include "RiddleWords.h"

#include "WordRiddleData.h"

void TRiddleWordData::SetWord(const QString& v) {
    const QString w = v.left(50);
    if (w == word_)
        return;
    word_ = w;
    wordLength_ = uint8_t(w.size());
    ClearGuess();
}

void TRiddleWordData::ClearGuess() {
    guess_ = QString(wordLength_, QLatin1Char(' '));
}

void TRiddleWordData::AssignWordFields(const TRiddleWordData& other) {
    extraByte_ = other.extraByte_;
    clueText_ = other.clueText_;
    category_ = other.category_;
    word_ = other.word_;
    // The length belongs to the word; a copy without it would leave the two out of step.
    wordLength_ = other.wordLength_;
}

void TKeywordData::SetWord(const QString& v) {
    if (v.left(50) == Word())
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeKeyword);
    TRiddleWordData::SetWord(v);
    if (owner_ && owner_->EventsEnabled())
        owner_->SetModified(true);
}

void TKeywordData::SetGuess(const QString& v) {
    const QString g = v.left(50);
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

void TKeywordData::Assign(const TKeywordData& other) {
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeKeyword);
    AssignWordFields(other);
    SetGuessField(other.Guess());
    if (owner_ && owner_->EventsEnabled())
        owner_->SetModified(true);
}

void TKeywordData::Reset() {
    TKeywordData fresh;
    AssignWordFields(fresh);
    SetGuessField(QString());
}

void TWordLegendData::SetWord(const QString& v) {
    if (v.left(50) == Word())
        return;
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeLegend);
    TRiddleWordData::SetWord(v);
    if (owner_) {
        owner_->RaiseLegendChange(this);
        owner_->SetModified(true);
    }
}

void TWordLegendData::SetSolved(bool v) {
    if (v == solved_)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::MarkLegendEntry);
    solved_ = v;
    if (owner_) {
        owner_->RaiseLegendStateChange(this);
        owner_->SetModified(true);
    }
}

void TWordLegendData::Assign(const TWordLegendData& other) {
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeLegend);
    AssignWordFields(other);
    solved_ = other.solved_;
    reversed_ = other.reversed_;
    direction_ = other.direction_;
    clueNumber_ = other.clueNumber_;
    if (owner_) {
        owner_->RaiseLegendChange(owner_);
        owner_->SetModified(true);
    }
}

void TCharLegendData::SetEntry(uint8_t v) {
    if (v == entry_)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeLegend);
    entry_ = v;
    if (owner_) {
        owner_->RaiseLegendStateChange(owner_);
        owner_->SetModified(true);
    }
}

void TCharLegendData::Assign(const TCharLegendData& other) {
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeLegend);
    solution_ = other.solution_;
    number_ = other.number_;
    entry_ = other.entry_;
    if (owner_)
        owner_->RaiseLegendChange(owner_);
}

void TCharLegendData::Clear() {
    solution_ = 0;
    number_ = 0;
    entry_ = 0;
}
