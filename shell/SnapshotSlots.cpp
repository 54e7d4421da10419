#include "SnapshotSlots.h"

int TSnapshotSlots::Take(const TSudokuRiddleData& Sudoku, const QDateTime& Now) {
    const int slot = SnapshotSlotFor(Times());
    slots_[size_t(slot - 1)] = {Sudoku.TakeSnapshot(), Now};
    return slot;
}

bool TSnapshotSlots::Filled(int Slot) const {
    return Slot >= 1 && Slot <= kSnapshotSlots && !slots_[size_t(Slot - 1)].Time.isNull();
}

bool TSnapshotSlots::Restore(int Slot, TSudokuRiddleData& Sudoku) const {
    if (!Filled(Slot))
        return false;
    Sudoku.RestoreSnapshot(slots_[size_t(Slot - 1)].State);
    return true;
}

TSnapshotTimes TSnapshotSlots::Times() const {
    TSnapshotTimes times;
    for (size_t i = 0; i < slots_.size(); ++i)
        times[i] = slots_[i].Time;
    return times;
}
