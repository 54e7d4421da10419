#include "Variables.h"

TRiddleColors* RiddleBackgroundColors = nullptr;
TRiddleColors* RiddleTextColors = nullptr;
