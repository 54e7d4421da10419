#pragma once

// One position of a word riddle's cell table.

#include <cstdint>

class TWordRiddleData;

enum TCellFlag : uint16_t {
    cfBlack = 0x0001,
    cfPicture = 0x0004,
    cfUserBlack = 0x0008,
    cfGiven = 0x0010,
    cfLetter = 0x0020,
    cfKeyword = 0x0040,
    cfStartAcross = 0x0080,
    cfStartDown = 0x0100,
    cfEndAcross = 0x0200,
    cfEndDown = 0x0400
};

// ClueFlags is a set of TWordDirection: bit 1 across, bit 2 down.
constexpr uint8_t kClueAcross = 1 << 1;
constexpr uint8_t kClueDown = 1 << 2;

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

class TWordGridCell {
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
    // 0 empty, 1 right, 2 wrong; recomputed when Marked, Entry or Revealed change.
    uint8_t Status() const { return status_; }
    // The letter the solver sees.
    uint8_t ShownLetter() const { return r_.Revealed ? r_.Solution : r_.Entry; }

    // Setters with announcement, repaint and solve check (see TWordRiddleData).
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

    // Back to a fresh cell: black, everything 0, Number kept.
    void Clear();

    const TWordCellRecord& Record() const { return r_; }

private:
    friend class TWordRiddleData;
    TWordRiddleData* owner_ = nullptr;
    TWordCellRecord r_;
    uint8_t status_ = 0;
};
