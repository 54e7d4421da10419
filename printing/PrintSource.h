#pragma once

// What a print takes from the riddle window: the riddle, the fonts of its grid, and the legend
// windows that are open (a legend whose window is closed is not printed).

#include "CellFonts.h"
#include "LegendRenderer.h"
#include "RiddleData.h"

#include <optional>

struct TPrintSource {
    const TRiddleData* Riddle = nullptr;
    const TCellFonts* Fonts = nullptr;
    // The clue legend's lists as its window holds them.
    std::optional<TLegendRenderer> ClueLegend;
    // The number legend's window is open.
    bool NumberLegend = false;
};
