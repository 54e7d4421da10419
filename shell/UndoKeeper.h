#pragma once

// The one-step undo of the player: which announced changes deserve a backup, and copying a
// riddle into its backup and back.

#include "RiddleData.h"

#include <QString>

// Typed letters are backed up in groups of this many, so that one undo takes back a few letters
// instead of a single one.
constexpr int kLettersPerUndo = 5;

// Answers one change announcement: true when the riddle is to be backed up before the change.
// Countdown belongs to the riddle window and starts at 1, so the first letter is backed up.
// Any change other than a typed letter or symbol is backed up at once and restarts the count.
bool CountDownUndo(int& Countdown, TRiddleChangeTypes AChange, const QString& MsgText);

// Backup := the shown riddle's content (not its view settings or clock).
void SaveUndoBackup(TRiddleData& Backup, const TRiddleData& Shown);
// Shown := the backup's content. The copy announces every cell it writes; those announcements
// must not replace the backup that is being restored, so recording is off while it runs. A
// sudoku's state then follows the restored cells.
void RestoreUndoBackup(TRiddleData& Shown, const TRiddleData& Backup);
// The restored state decides whether the solve clock runs: exactly while the riddle is being
// solved and counts time, as if it had started Time seconds ago.
void SyncSolveClock(TRiddleData& Riddle);
