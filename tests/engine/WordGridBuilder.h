#pragma once

// Small word riddles for the engine's tests, written as rows of letters.

#include "WordRiddle.h"

#include <QStringList>

// A riddle from rows of letters, '#' for black cells, with start flags for every run of two or
// more letters and clue numbers in reading order.
inline void Build(TWordRiddle& Grid, const QStringList& Rows, TRiddleType Type = rtSwedish) {
    Grid.Riddle().SetRiddleType(Type);
    Grid.Riddle().SetRiddleCols(int(Rows[0].size()));
    Grid.Riddle().SetRiddleRows(int(Rows.size()));
    auto letter = [&](int C, int R) {
        return C >= 1 && R >= 1 && C <= Rows[0].size() && R <= Rows.size() &&
               Rows[R - 1][C - 1] != QLatin1Char('#');
    };
    int number = 0;
    for (int r = 1; r <= Rows.size(); ++r)
        for (int c = 1; c <= Rows[0].size(); ++c) {
            if (!letter(c, r))
                continue;
            TWordGridCell& cell = Grid.Riddle().Cell(c, r);
            uint16_t flags = cfLetter;
            const bool across = !letter(c - 1, r) && letter(c + 1, r);
            const bool down = !letter(c, r - 1) && letter(c, r + 1);
            if (across)
                flags |= cfStartAcross;
            if (down)
                flags |= cfStartDown;
            cell.SetFlags(flags);
            cell.SetSolution(uint8_t(Rows[r - 1][c - 1].toLatin1()));
            cell.SetClueFlags(uint8_t((letter(c - 1, r) || letter(c + 1, r) ? kClueAcross : 0) |
                                      (letter(c, r - 1) || letter(c, r + 1) ? kClueDown : 0)));
            if (across || down)
                cell.SetClueNumber(++number);
        }
    Grid.Riddle().SetState(stReady);
    Grid.Riddle().StopClock();
    Grid.resize(400, 400);
}
