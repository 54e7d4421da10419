#pragma once

// The values the windows of the player share for the whole run.

#include "RiddleColors.h"

#include <QCursor>

// Copies of the shown riddle's colour sets, created by the main window.
extern TRiddleColors* RiddleBackgroundColors;
extern TRiddleColors* RiddleTextColors;
// A word dragged out of the clue legend goes down instead of across / is written reversed.
extern bool DragVertical;
extern bool DragReversed;

// Cursor slots of the drag cursors.
enum TCursorSlot { crDragLTR = 101, crDragRTL, crDragTTB, crDragBTT, crDragMove };
void LoadRiddleCursors();
QCursor RiddleCursor(int Slot);
