#pragma once

// One position of a word riddle's cell table.

#include "RiddleData.h"

#include <cstdint>

// The eleven stored fields, in stored order.
struct TWordCellRecord {
    uint16_t Flags = cfBlack;
    uint8_t Solution = 0;
    int32_t Number = 0;
    int32_t Col = 0;
    int32_t KeywordIndex = 0;
    uint8_t Marked = 0;
    int32_t Row = 0;
    uint8_t Entry = 0;
    bool Revealed = false;
    uint8_t ClueFlags = 0;
    int32_t ClueNumber = 0;
    bool operator==(const TWordCellRecord&) const = default;
};

class TWordGridCell : public TRiddlePart {
public:
    TWordGridCell() = default;

    uint16_t Flags() const { return r_.Flags; }
    bool Has(uint16_t Flag) const { return (r_.Flags & Flag) != 0; }
    uint8_t Solution() const { return r_.Solution; }
    int32_t Number() const { return r_.Number; }
    int32_t Col() const { return r_.Col; }
    int32_t KeywordIndex() const { return r_.KeywordIndex; }
    uint8_t Marked() const { return r_.Marked; }
    int32_t Row() const { return r_.Row; }
    uint8_t Entry() const { return r_.Entry; }
    bool Revealed() const { return r_.Revealed; }
    uint8_t ClueFlags() const { return r_.ClueFlags; }
    int32_t ClueNumber() const { return r_.ClueNumber; }
    // 0 empty, 1 right, 2 wrong; recomputed by the riddle when Marked, Entry or Revealed change.
    uint8_t Status() const { return status_; }
    void SetStatus(uint8_t Value) { status_ = Value; }
    // The letter the solver sees.
    uint8_t ShownLetter() const { return r_.Revealed ? r_.Solution : r_.Entry; }

    // Setters with announcement, repaint and solve check (the riddle's change protocol).
    void SetFlags(uint16_t Value);
    void SetSolution(uint8_t Value);
    void SetMarked(uint8_t Value);
    void SetEntry(uint8_t Value);
    void SetRevealed(bool Value);
    void Assign(const TWordGridCell& Other);

    // Plain fields, not announced.
    void SetNumber(int32_t Value) { r_.Number = Value; }
    void SetKeywordIndex(int32_t Value) { r_.KeywordIndex = Value; }
    void SetClueFlags(uint8_t Value) { r_.ClueFlags = Value; }
    void SetClueNumber(int32_t Value) { r_.ClueNumber = Value; }
    // The cell's position in the table.
    void Place(int32_t ACol, int32_t ARow) {
        r_.Col = ACol;
        r_.Row = ARow;
    }
    // The fields as a riddle file stored them, nothing announced; the position stays the cell's.
    void Load(const TWordCellRecord& Record);
    // Removes the solver's blank mark without announcing it (a restart does that).
    void ClearUserBlack() { r_.Flags &= uint16_t(~cfUserBlack); }

    // Back to a fresh cell: black, everything 0, Number kept.
    void Clear();

    const TWordCellRecord& Record() const { return r_; }

private:
    TWordCellRecord r_;
    uint8_t status_ = 0;
};
