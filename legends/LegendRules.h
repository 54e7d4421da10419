#pragma once

// The clue legend's rules: which of its buttons and menu items are offered, the tooltips of its
// columns, and which row follows the grid's current word. Plain values in, plain values out.

#include "GridWordData.h"
#include "LegendRows.h"
#include "RiddleTypes.h"

#include <QString>

// The solver's choices in the legend window's tool bar.
struct TLegendOptions {
    bool HideSolved = false;
    bool TwoLists = false;
};

struct TLegendButton {
    bool Visible = true;
    bool Enabled = true;
    bool Down = false;
    bool operator==(const TLegendButton&) const = default;
};

// The seven buttons; each radio pair shows which of its two buttons is down.
struct TLegendToolbar {
    TLegendButton NichtAusblenden, Ausblenden, NichtMarkieren, Markieren, EineLegende, ZweiLegenden,
        InputWord;
    int InputWordLeft = 0;
};
TLegendToolbar LegendToolbar(TRiddleType Type, TDisplayMode Mode, bool AutoMark,
                             const TLegendOptions& Options);

// The context menu, evaluated when it opens. FocusedRow: the active list has a focused row.
struct TLegendPopup {
    TLegendButton Bearbeitet, Eingeben, Separator, Ausblenden, Markieren, EineLegende;
};
TLegendPopup LegendPopup(TRiddleType Type, TDisplayMode Mode, bool AutoMark, const TLegendOptions& Options,
                         bool FocusedRow, bool FocusedRowSolved);

// The tooltip of a list cell. X is the mouse's distance from the column's left edge; Row is the
// row under the mouse, or null.
QString LegendCellHint(TRiddleType Type, int Column, int X, bool UpperList, const TLegendRowData* Row);
// The solved mark sits at the left of the first shown column.
bool OnSolvedMark(const TLegendColumns& Columns, int Column, int X);

// Which legend row stands for the grid's current word: a clue, or in French and American riddles
// a line (the word's own, or without a clue the cursor's row or column in the input direction).
struct TLegendTarget {
    bool Line = false;
    int ClueIndex = -1;
    int LineNumber = 0;
    TWordDirection Direction = wdNone;
    bool operator==(const TLegendTarget&) const = default;
};
TLegendTarget LegendTargetFor(TRiddleType Type, const TGridWordData& Word, int Col, int Row,
                              TWordDirection InputDirection);
