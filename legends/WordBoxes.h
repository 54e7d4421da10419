#pragma once

// The letter boxes of the word entry dialog without any widget: one box per cell of the word,
// a current box, and the typing rules. A box is empty (a null character), a blank, or one
// character.

#include <QChar>
#include <QString>
#include <vector>

class TWordBoxes {
public:
    TWordBoxes() = default;
    explicit TWordBoxes(const QString& Text) { SetText(Text); }

    // One box per character; a–z are upper-cased, everything else is kept. The first box becomes
    // current.
    void SetText(const QString& Text);
    // The boxes joined, a–z upper-cased, an empty box giving a blank.
    QString Text() const;

    int Count() const { return int(boxes_.size()); }
    // A null character for an empty box.
    QChar Box(int Index) const;
    int Current() const { return current_; }
    // Clamped to the boxes.
    void SetCurrent(int Index);

    // Whether the word may be taken: every box holds a character other than a blank.
    bool Complete() const;

    // A typed character. A letter or a blank fills the current box; umlauts and ß are spelled out
    // over two boxes, because the grid holds only A–Z. Anything else is swallowed.
    void Type(QChar Key);
    // Moves one box left and empties it; nothing in the first box.
    void Backspace();
    void Delete();
    void Home() { SetCurrent(0); }
    void End() { SetCurrent(Count() - 1); }

private:
    // Fills the current box and the one after it, then moves past both as far as the boxes go.
    void TypePair(QChar First, QChar Second);
    bool Exists(int Index) const { return Index >= 0 && Index < Count(); }

    std::vector<QChar> boxes_;
    int current_ = 0;
};
