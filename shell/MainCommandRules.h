#pragma once

// The main window's rules beside the command states: the legend submenu that follows the legend
// windows, the captions of the marking items, the questions of the reset command and the message
// after the riddle is filled in. Plain values in, plain values out.

#include "CommandState.h"
#include "RiddleToolbarRules.h"
#include "RiddleTypes.h"

#include <QString>
#include <optional>

// Captions of the main menu's marking items: as the pop-up menu's, with an accelerator.
QString MainMarkItemCaption(int Tag);

// The question the reset command asks. Given cells make it three-way: keep them or clear them.
struct TResetQuestion {
    QString Text;
    bool YesNoCancel = false;
};
TResetQuestion ResetQuestion(int GivenCells, bool Sudoku);

// The message after the riddle has been filled in completely; none for any other state.
enum TStateMessageKind { smError = 0, smSuccess = 1 };
struct TStateMessage {
    TStateMessageKind Kind = smSuccess;
    QString Text;
    bool operator==(const TStateMessage&) const = default;
};
std::optional<TStateMessage> StateMessage(TRiddleState State, bool CountTime, uint16_t BestTime,
                                          uint16_t Time);
