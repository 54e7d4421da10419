#pragma once

// One word of the grid: where it starts, how long it is, which way it runs, and its letters
// and clue. The grid keeps its current word in one; the legend windows read it.

#include "RiddleTypes.h"

#include <QString>

struct TGridWordData {
    QString Solution;
    QString Entered;
    QString Shown;
    QString ClueText;
    QString KeywordLetters;
    int32_t ClueNumber = 0;
    int ClueIndex = -1;
    int Length = 0;
    int Col = 0;
    int Row = 0;
    bool Reversed = false;
    TWordDirection Direction = wdHorizontal;

    // Whether the cell lies in the word.
    bool Contains(int ACol, int ARow) const {
        if (Direction == wdHorizontal)
            return ARow == Row && ACol >= Col && ACol < Col + Length;
        return ACol == Col && ARow >= Row && ARow < Row + Length;
    }
};
