#pragma once

// The number legend of a number riddle without a window: which entry of the letter legend each
// cell of the 4 × 13 legend grid shows, moving between the entries, typing their letters, and
// the two transfers between the legend and the riddle. The letters themselves live in the grid's
// letter legend; this class keeps nothing of its own.

#include <QChar>
#include <QPoint>
#include <optional>

class TWordRiddle;
class TWordRiddleData;

// The number legend's tool bar as it stands for the riddle.
struct TNumLegendButtons {
    // All four buttons show, except while the riddle is edited.
    bool Visible = true;
    // "Den markierten Buchstaben in alle zugehörigen Rätselfelder eintragen": some entry has a letter.
    bool RaetselEintragenEnabled = false;
    bool operator==(const TNumLegendButtons&) const = default;
};

class TNumLegend {
public:
    // The legend shows the first 26 entries, 13 in the columns 0/1 and 13 in 2/3.
    static constexpr int kEntries = 26;
    static constexpr int kRows = 13;
    static constexpr int kCols = 4;

    explicit TNumLegend(TWordRiddle& Grid) : grid_(Grid) {}

    // The entry that cell (column, row) of the legend grid belongs to; -1 outside the grid.
    static int EntryAt(int ACol, int ARow);
    // The letter cell of an entry: column 1 or 3.
    static QPoint LetterCell(int Entry);

    // An entry whose number does not occur in the riddle (it has no solution letter).
    bool Vacant(int Entry) const;
    // Only the letter cells of entries that are not vacant can be selected.
    bool Selectable(int ACol, int ARow) const;
    // The first entry that is not vacant; -1 when all are.
    int First() const;
    // The next (previous) entry that is not vacant, wrapping round; Entry itself when there is none.
    int Next(int Entry) const;
    int Previous(int Entry) const;

    // Down, Up, Left, Right, Delete and Backspace at Entry: the entry selected afterwards (Delete
    // and Backspace clear the entry's letter and stay). Any other key is the grid's: no value.
    std::optional<int> KeyDown(int Key, int Entry);
    // A typed character: a–z count as A–Z, a blank clears, anything else is swallowed. With
    // AutoEnter the letter also goes into every letter cell of the entry's number, replacing what
    // the solver had typed there.
    void Type(int Entry, QChar Key, bool AutoEnter);
    void Clear(int Entry);

    // "Buchstaben aus Rätsel übernehmen": every letter the grid shows goes to the entry whose
    // solution it is (the cell's number is not consulted).
    void TakeFromRiddle();
    // "Buchstaben ins Rätsel eintragen": every entry's letter goes into the empty letter cells of
    // its number.
    void WriteIntoRiddle();
    // With automatic entry, the letter shown in the grid's current cell reaches the legend too.
    void TakeCurrentLetter();

    TNumLegendButtons Buttons() const;

private:
    TWordRiddleData& Riddle() const;
    bool Valid(int Entry) const { return Entry >= 0 && Entry < kEntries; }
    // Writes the letter into the letter cells numbered Number, all of them or only empty ones.
    void FillCells(int32_t Number, uint8_t Letter, bool OnlyEmpty);
    // Runs a change of many letters as one step: one announcement (and so one undo backup), the
    // grid's events once at the end, and the riddle state checked afterwards.
    template <class Change> void AsOneStep(Change Run);

    TWordRiddle& grid_;
};
