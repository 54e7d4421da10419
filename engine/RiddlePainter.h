#pragma once

// What the cell painters of both riddle kinds share: where they paint to, and what the screen
// adds to the riddle's own data.

#include "RiddleTypes.h"

#include <QRect>

// The screen shows the cursor, the current word and whatever depends on the focus; an image or
// a printout shows the riddle alone.
enum TPaintTarget : uint8_t { ptScreen = 0, ptImage = 1, ptPrinter = 2 };

// The state of the control on screen, as far as painting needs it.
struct TScreenState {
    // The current cell.
    int Col = -1;
    int Row = -1;
    // The control has the keyboard focus and is enabled.
    bool Focused = false;
    // Columns and rows of the grid's selection.
    QRect Selection;
    TWordDirection InputDirection = wdNone;
};
