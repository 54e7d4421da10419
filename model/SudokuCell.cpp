#include "SudokuCell.h"

namespace {
constexpr TPartChange kSolution{kChangeBoth, ChangeText::ChangeCell,
                                fsRepaint | fsModified | fsChangeBeyondNew};
constexpr TPartChange kEntry{kChangeProgress, ChangeText::EnterSymbol, fsSymbol | fsModified | fsCheck};
constexpr TPartChange kRevealed{kChangeProgress, ChangeText::ChangeCell, fsSymbol | fsModified | fsCheck};
constexpr TPartChange kCopied{kChangeBoth, ChangeText::ChangeCell, fsModified};
constexpr TPartChange kNotes{kChangeProgress, ChangeText::ChangeNote, fsRepaint};
} // namespace

uint8_t SymbolOf(int Value) {
    if (Value < 1 || Value > 15)
        return 0;
    return uint8_t(Value < 10 ? '0' + Value : 'A' + Value - 10);
}

int SymbolValue(uint8_t Symbol) {
    if (Symbol >= '1' && Symbol <= '9')
        return Symbol - '0';
    if (Symbol >= 'A' && Symbol <= 'F')
        return Symbol - 'A' + 10;
    if (Symbol >= 'a' && Symbol <= 'f')
        return Symbol - 'a' + 10;
    return 0;
}

void TSudokuGridCell::Clear() {
    r_.Flags = 0;
    r_.Solution = 0;
    r_.Entry = 0;
    r_.Revealed = false;
    status_ = 0;
    notes_ = 0;
}

void TSudokuGridCell::Load(const TSudokuCellRecord& Record) {
    const int32_t col = r_.Col, row = r_.Row;
    r_ = Record;
    // The position in the table is the truth; the stored coordinates are not trusted.
    Place(col, row);
    status_ = CheckedStatus();
}

void TSudokuGridCell::SetSolution(uint8_t Value) {
    Change(r_.Solution, Value, kSolution);
}

void TSudokuGridCell::SetEntry(uint8_t Value) {
    if (Value == ' ')
        Value = 0;
    if (Value == r_.Entry)
        return;
    Apply(kEntry, [this, Value] {
        r_.Entry = Value;
        status_ = CheckedStatus();
    });
}

void TSudokuGridCell::SetNotes(uint16_t Value) {
    Change(notes_, Value, kNotes);
}

void TSudokuGridCell::SetRevealed(bool Value) {
    Change(r_.Revealed, Value, kRevealed);
}

void TSudokuGridCell::Assign(const TSudokuGridCell& Other) {
    Apply(kCopied, [this, &Other] {
        r_ = Other.r_;
        status_ = Other.status_;
        highlighted_ = Other.highlighted_;
        candidates_ = Other.candidates_;
        notes_ = Other.notes_;
    });
}
