#include "RiddleWords.h"

namespace {
constexpr TPartChange kKeywordWord{kChangeProgress, ChangeText::ChangeKeyword, fsModifiedWhileEvents};
constexpr TPartChange kKeywordGuess{kChangeProgress, ChangeText::ChangeKeyword,
                                    fsModifiedWhileEvents | fsEvaluateWhileEvents};
constexpr TPartChange kClueWord{kChangeBoth, ChangeText::ChangeLegend, fsLegendByPart | fsModified};
constexpr TPartChange kClueSolved{kChangeProgress, ChangeText::MarkLegendEntry,
                                  fsLegendStateByPart | fsModified};
constexpr TPartChange kClueCopied{kChangeBoth, ChangeText::ChangeLegend, fsLegendByRiddle | fsModified};
// A number riddle is solved only with its legend: the last letter may be typed there.
constexpr TPartChange kLegendLetter{kChangeProgress, ChangeText::ChangeLegend,
                                    fsLegendStateByRiddle | fsModified | fsEvaluateWhileSolving};
constexpr TPartChange kLegendCopied{kChangeBoth, ChangeText::ChangeLegend, fsLegendByRiddle};
} // namespace

void TRiddleWordData::SetWord(const QString& Value) {
    if (Value.left(50) != word_)
        StoreWord(Value);
}

void TRiddleWordData::StoreWord(const QString& Value) {
    word_ = Value.left(50);
    wordLength_ = uint8_t(word_.size());
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
    if (Value.left(50) != Word())
        Apply(kKeywordWord, [this, &Value] { StoreWord(Value); });
}

void TKeywordData::SetGuess(const QString& Value) {
    const QString g = Value.left(50);
    if (g != Guess())
        Apply(kKeywordGuess, [this, &g] { LoadGuess(g); });
}

void TKeywordData::Assign(const TKeywordData& Other) {
    Apply(kKeywordWord, [this, &Other] {
        AssignWordFields(Other);
        LoadGuess(Other.Guess());
    });
}

void TKeywordData::Reset() {
    const TKeywordData fresh;
    AssignWordFields(fresh);
    LoadGuess(QString());
}

void TWordLegendData::SetWord(const QString& Value) {
    if (Value.left(50) != Word())
        Apply(kClueWord, [this, &Value] { StoreWord(Value); });
}

void TWordLegendData::SetSolved(bool Value) {
    Change(solved_, Value, kClueSolved);
}

void TWordLegendData::Assign(const TWordLegendData& Other) {
    Apply(kClueCopied, [this, &Other] {
        AssignWordFields(Other);
        solved_ = Other.solved_;
        reversed_ = Other.reversed_;
        direction_ = Other.direction_;
        clueNumber_ = Other.clueNumber_;
    });
}

void TCharLegendData::SetEntry(uint8_t Value) {
    Change(entry_, Value, kLegendLetter);
}

void TCharLegendData::Assign(const TCharLegendData& Other) {
    Apply(kLegendCopied, [this, &Other] {
        solution_ = Other.solution_;
        number_ = Other.number_;
        entry_ = Other.entry_;
    });
}

void TCharLegendData::Clear() {
    solution_ = 0;
    number_ = 0;
    entry_ = 0;
}
