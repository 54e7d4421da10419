#pragma once

// The four snapshot slots of a sudoku: each holds the entries of every cell and when they were
// taken. Slots fill up from the first and are then reused oldest first; they live as long as the
// riddle window.

#include "RiddleToolbarRules.h"
#include "SudokuRiddleData.h"

#include <QDateTime>
#include <array>

class TSnapshotSlots {
public:
    // Takes the sudoku's entries into the slot a new snapshot goes to; returns its number.
    int Take(const TSudokuRiddleData& Sudoku, const QDateTime& Now);
    // Puts a slot's entries back; an empty slot or a number outside 1 … 4 changes nothing.
    bool Restore(int Slot, TSudokuRiddleData& Sudoku) const;
    bool Filled(int Slot) const;
    TSnapshotTimes Times() const;

private:
    struct TSlot {
        TSudokuRiddleData::TSnapshot State;
        QDateTime Time;
    };
    std::array<TSlot, kSnapshotSlots> slots_;
};
