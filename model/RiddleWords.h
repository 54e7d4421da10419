#pragma once

// Words with their clues: the base record, the riddle's solution word, the clue entries of the
// clue legend, and the letter legend of number riddles.

#include "RiddleData.h"

#include <QString>
#include <cstdint>

class TRiddleWordData : public TRiddlePart {
public:
    TRiddleWordData() = default;
    TRiddleWordData(const TRiddleWordData&) = default;
    TRiddleWordData& operator=(const TRiddleWordData&) = default;

    uint8_t WordLength() const { return wordLength_; }
    uint8_t ExtraByte() const { return extraByte_; }
    void SetExtraByte(uint8_t Value) { extraByte_ = Value; }
    const QString& ClueText() const { return clueText_; }
    void SetClueText(const QString& Value) { clueText_ = Value.left(100); }
    const QString& Guess() const { return guess_; }
    uint8_t Category() const { return category_; }
    void SetCategory(uint8_t Value) { category_ = Value; }
    const QString& Word() const { return word_; }
    // Takes at most 50 characters; WordLength follows, Guess becomes as many blanks.
    virtual void SetWord(const QString& Value);
    // Guess := WordLength blanks.
    void ClearGuess();

    // The stored fields as a riddle file holds them, nothing announced.
    void LoadWord(const QString& Word, uint8_t Length) {
        word_ = Word.left(50);
        wordLength_ = Length;
    }
    void LoadGuess(const QString& G) { guess_ = G.left(50); }

protected:
    void AssignWordFields(const TRiddleWordData& Other);
    // The word and its blank guess, as SetWord stores them.
    void StoreWord(const QString& Value);

private:
    uint8_t wordLength_ = 0;
    uint8_t extraByte_ = 0;
    QString clueText_;
    QString guess_;
    uint8_t category_ = 1;
    QString word_;
};

// The riddle's solution word.
class TKeywordData : public TRiddleWordData {
public:
    void SetWord(const QString& Value) override;
    void SetGuess(const QString& Value);
    void Assign(const TKeywordData& Other);
    // Back to a new, empty word.
    void Reset();
};

// One clue entry of the clue legend.
class TWordLegendData : public TRiddleWordData {
public:
    bool Solved() const { return solved_; }
    void SetSolved(bool Value);
    // As a riddle file stored it, nothing announced.
    void LoadSolved(bool Value) { solved_ = Value; }
    bool Reversed() const { return reversed_; }
    void SetReversed(bool Value) { reversed_ = Value; }
    TWordDirection Direction() const { return direction_; }
    void SetDirection(TWordDirection D) { direction_ = D; }
    int32_t ClueNumber() const { return clueNumber_; }
    void SetClueNumber(int32_t N) { clueNumber_ = N; }

    void SetWord(const QString& Value) override;
    void Assign(const TWordLegendData& Other);

private:
    bool solved_ = false;
    bool reversed_ = false;
    TWordDirection direction_ = wdHorizontal;
    int32_t clueNumber_ = 0;
};

// One entry of the letter legend: the letter a code number stands for.
class TCharLegendData : public TRiddlePart {
public:
    uint8_t Solution() const { return solution_; }
    void SetSolution(uint8_t Value) { solution_ = Value; }
    int32_t Number() const { return number_; }
    void SetNumber(int32_t Value) { number_ = Value; }
    uint8_t Entry() const { return entry_; }
    void SetEntry(uint8_t Value);
    // As a riddle file stored it, nothing announced.
    void LoadEntry(uint8_t Value) { entry_ = Value; }
    bool Revealed() const { return revealed_; }
    void SetRevealed(bool Value) { revealed_ = Value; }
    uint8_t ShownLetter() const { return revealed_ ? solution_ : entry_; }
    void Assign(const TCharLegendData& Other);
    void Clear();

private:
    uint8_t solution_ = 0;
    int32_t number_ = 0;
    uint8_t entry_ = 0;
    bool revealed_ = false;
};
