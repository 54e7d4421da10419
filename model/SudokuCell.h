#pragma once

// One position of a sudoku's cell table.

#include "RiddleData.h"

#include <cstdint>

// Symbols are the hexadecimal digits of their values: "1" … "9", "A", "B", "C".
uint8_t SymbolOf(int Value);
// The value of a symbol character (either case), or 0.
int SymbolValue(uint8_t Symbol);

// The six stored fields, in stored order.
struct TSudokuCellRecord {
    uint16_t Flags = 0;
    uint8_t Solution = 0;
    int32_t Col = 0;
    int32_t Row = 0;
    uint8_t Entry = 0;
    bool Revealed = false;
    bool operator==(const TSudokuCellRecord&) const = default;
};

class TSudokuGridCell : public TRiddlePart {
public:
    uint16_t Flags() const { return r_.Flags; }
    bool Given() const { return (r_.Flags & cfGiven) != 0; }
    void SetFlags(uint16_t Value) { r_.Flags = Value; }
    uint8_t Solution() const { return r_.Solution; }
    int32_t Col() const { return r_.Col; }
    int32_t Row() const { return r_.Row; }
    uint8_t Entry() const { return r_.Entry; }
    bool Revealed() const { return r_.Revealed; }
    // 0 empty, 1 right, 2 wrong: the entry against the stored solution.
    uint8_t Status() const { return status_; }
    uint8_t ShownSymbol() const { return r_.Revealed ? r_.Solution : r_.Entry; }
    // The riddle keeps these up to date: whether the marking colours the cell, and the symbols
    // still possible here as found by the last RecomputePossible (bit k for value k).
    bool Highlighted() const { return highlighted_; }
    void SetHighlighted(bool Value) { highlighted_ = Value; }
    uint16_t Candidates() const { return candidates_; }
    void SetCandidates(uint16_t Value) { candidates_ = Value; }
    bool IsCandidate(int K) const { return K >= 1 && K <= 15 && (candidates_ & (1u << K)) != 0; }
    // The solver's own notes (bit k for value k). They belong to the session, not to the file,
    // and never change the riddle's state.
    uint16_t Notes() const { return notes_; }
    void SetNotes(uint16_t Value);

    // Setters with announcement, repaint and solve check (the riddle's change protocol).
    void SetSolution(uint8_t Value);
    void SetEntry(uint8_t Value);
    void SetRevealed(bool Value);
    void Assign(const TSudokuGridCell& Other);

    // The cell's position in the table.
    void Place(int32_t ACol, int32_t ARow) {
        r_.Col = ACol;
        r_.Row = ARow;
    }
    // The fields as a riddle file stored them, nothing announced; the position stays the cell's.
    void Load(const TSudokuCellRecord& Record);
    void Clear();
    const TSudokuCellRecord& Record() const { return r_; }

private:
    uint8_t CheckedStatus() const { return r_.Entry == 0 ? 0 : (r_.Entry == r_.Solution ? 1 : 2); }

    TSudokuCellRecord r_;
    uint8_t status_ = 0;
    bool highlighted_ = false;
    uint16_t candidates_ = 0;
    uint16_t notes_ = 0;
};
