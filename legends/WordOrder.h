#pragma once

// The words of a word riddle in the order its clue legend lists them (the across list before the
// down list), and where Tab and Shift+Tab take the cursor along that order.

#include "RiddleTypes.h"

#include <optional>
#include <vector>

class TWordRiddle;

struct TWordPlace {
    int Col = 0;
    int Row = 0;
    TWordDirection Direction = wdNone;
    bool operator==(const TWordPlace&) const = default;
};

// The first cell of every word; in French and American riddles, line by line, the words that
// start in each line. TwoListsChosen is the legend's own choice, as for BuildLegendLists.
std::vector<TWordPlace> LegendWordOrder(const TWordRiddle& Grid, bool TwoListsChosen);

// From the current word to the next (Forward) or previous word, round the end: its first empty
// cell, or its first cell when it is full. None when the riddle has no words.
std::optional<TWordPlace> NextWordCell(const TWordRiddle& Grid, bool TwoListsChosen, bool Forward);
