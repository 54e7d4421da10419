#pragma once

// The values the windows of the player share for the whole run.

#include "DragState.h"
#include "RiddleColors.h"

// Copies of the shown riddle's colour sets, created by the main window.
extern TRiddleColors* RiddleBackgroundColors;
extern TRiddleColors* RiddleTextColors;
