#pragma once

// How a word dragged out of the clue legend is written into the grid, shared by the legend (which
// starts the drag and shows the cursor), the riddle window (which takes the drop) and the main
// window (whose key hook flips the flags while the drag runs).

#include <QCursor>

// A dragged word goes down instead of across / is written reversed.
extern bool DragVertical;
extern bool DragReversed;

// Cursor slots of the drag cursors.
enum TCursorSlot { crDragLTR = 101, crDragRTL, crDragTTB, crDragBTT, crDragMove };
void LoadRiddleCursors();
QCursor RiddleCursor(int Slot);
// The slot that shows the dragged word's way: across or down, forwards or reversed.
int DragCursorSlot(bool Vertical, bool Reversed);
