#pragma once

// The solver's letters of the solution word without a window: one box per letter of the word, the
// current box, and the keys of the solution word window. The letters live in the riddle's
// solution word; every change is written back at once, over the solver's whole text.

#include <QChar>

class TKeywordData;

// The solver's letter in a box of the solution word; a blank for an empty box.
QChar KeywordLetter(const TKeywordData& Keyword, int Index);

class TKeywordBoxes {
public:
    TKeywordBoxes(TKeywordData& Keyword, int Current);

    // One box per letter of the solution word.
    int Count() const;
    int Current() const { return current_; }
    QChar Letter(int Index) const { return KeywordLetter(keyword_, Index); }

    // A typed character: a blank or a letter (a–z count as A–Z) goes into the current box and
    // the cursor moves on, except from the last box. False for any other character.
    bool Type(QChar Key);
    // Empties the current box.
    void Delete();
    // Moves one box to the left and empties it; nothing in the first box.
    void Backspace();

private:
    void Write(int Index, QChar Letter);

    TKeywordData& keyword_;
    int current_ = 0;
};
