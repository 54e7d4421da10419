#include "WordCell.h"

namespace {
// Letters and marks are checked at once; a copied cell brings its own status along.
constexpr uint16_t kChecked = fsStatus | fsRepaint | fsModified | fsCheck;
constexpr TPartChange kFlags{kChangeBoth, ChangeText::ChangeCell, kChecked | fsWordCell};
constexpr TPartChange kSolution{kChangeBoth, ChangeText::ChangeCell,
                                fsStatus | fsRepaint | fsModified | fsChangeBeyondNew};
constexpr TPartChange kMarked{kChangeProgress, ChangeText::ChangeMark, kChecked};
constexpr TPartChange kEntry{kChangeProgress, ChangeText::EnterLetter, kChecked | fsWordCellSolving};
constexpr TPartChange kRevealed{kChangeProgress, ChangeText::ChangeCell, kChecked | fsWordCellSolving};
constexpr TPartChange kCopied{kChangeBoth, ChangeText::ChangeCell, fsModified};
} // namespace

void TWordGridCell::Clear() {
    const int32_t number = r_.Number, col = r_.Col, row = r_.Row;
    r_ = TWordCellRecord();
    r_.Number = number;
    Place(col, row);
}

void TWordGridCell::Load(const TWordCellRecord& Record) {
    const int32_t col = r_.Col, row = r_.Row;
    r_ = Record;
    // The position in the table is the truth; the stored coordinates are not trusted.
    Place(col, row);
}

void TWordGridCell::SetFlags(uint16_t Value) {
    if (Value == r_.Flags)
        return;
    Apply(kFlags, [this, Value] {
        r_.Flags = Value;
        if (!(Value & cfLetter)) {
            r_.ClueNumber = 0;
            r_.Flags &= uint16_t(~(cfKeyword | cfStartAcross | cfStartDown));
            r_.ClueFlags = 0;
            r_.Solution = 0;
            r_.Entry = 0;
            r_.KeywordIndex = 0;
        }
    });
}

void TWordGridCell::SetSolution(uint8_t Value) {
    Change(r_.Solution, Value, kSolution);
}

void TWordGridCell::SetMarked(uint8_t Value) {
    Change(r_.Marked, Value, kMarked);
}

void TWordGridCell::SetEntry(uint8_t Value) {
    Change(r_.Entry, Value == ' ' ? uint8_t(0) : Value, kEntry);
}

void TWordGridCell::SetRevealed(bool Value) {
    Change(r_.Revealed, Value, kRevealed);
}

void TWordGridCell::Assign(const TWordGridCell& Other) {
    Apply(kCopied, [this, &Other] {
        r_ = Other.r_;
        status_ = Other.status_;
    });
}
