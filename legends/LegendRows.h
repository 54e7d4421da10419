#pragma once

// The rows of the clue legend, built from the grid: one row per clue, or, in French and American
// riddles, one row per grid row or column with all clues of the words that start in it. Also the
// column set-up and the cell texts, which the legend window and the printed legend share.

#include "RiddleTypes.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class TWordRiddle;

struct TLegendRowData {
    // Index into the grid's clue list; -1 for a line row.
    int32_t ClueIndex = -1;
    // 1-based grid row (across list) or column (down list) of a line row; 0 for clue rows.
    int32_t LineNumber = 0;
    int32_t ClueNumber = 0;
    // Blank fields (black squares) of the line.
    int32_t BlankCount = 0;
    QString Word;
    QString ClueText;
};

struct TLegendRow {
    TLegendRowData Data;
    bool Solved = false;
    bool Hidden = false;
};

enum TLegendColumn : uint8_t { lcZeile, lcSchwarzfelder, lcNummer, lcLaenge, lcBegriff, lcUmschreibung };
constexpr int kLegendColumnCount = 6;

struct TLegendColumns {
    std::array<bool, kLegendColumnCount> Shown{};
    // The first shown column carries the solved mark.
    int FirstShown = lcUmschreibung;
    // The column that takes the width the others leave.
    int AutoSize = lcUmschreibung;
    // Design width of a shown column in pixels.
    int Width(int Column) const { return Column == FirstShown ? 50 : 30; }
};
TLegendColumns LegendColumns(TRiddleType Type);
QString LegendHeader(int Column);
// Numbers stand right-aligned, texts left.
bool LegendColumnRightAligned(int Column);
QString LegendCellText(const TLegendRowData& Row, int Column);

// Across and down clues get lists of their own when the solver chose two lists, and always in
// the kinds whose clues are numbered or arranged by line.
bool LegendShowsTwoLists(TRiddleType Type, bool TwoListsChosen);

struct TLegendLists {
    bool TwoLists = false;
    // Empty with one list: every row then stands in Down, the list that is always shown.
    std::vector<TLegendRow> Across;
    std::vector<TLegendRow> Down;
};
// Rows from the grid's clues (or lines), sorted for the riddle kind. With HideSolved a row that
// is solved at this moment starts hidden.
TLegendLists BuildLegendLists(const TWordRiddle& Grid, bool TwoListsChosen, bool HideSolved);
// The clue texts of the words that start in a line, joined by a bar; empty without any.
QString LineClueText(const TWordRiddle& Grid, int Line, TWordDirection Direction);
// Ascending by the kind's key: clue number, clue text, word length, line number or word. Rows
// with equal keys keep their order.
void SortLegendRows(std::vector<TLegendRow>& Rows, TRiddleType Type);
