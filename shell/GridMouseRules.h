#pragma once

// What the mouse over a word grid shows, and where a word dragged out of the clue legend may go.
// The tooltip texts, their places and the cell descriptions of the status line are chosen here
// from the grid's data; the riddle window only shows them.

#include "RiddleTypes.h"

#include <QPoint>
#include <QRect>
#include <QString>

class TWordRiddle;

// Where the hints window stands: beside the mouse, above the cell, or below a header cell.
enum THintPlacement { hpNone, hpBesideMouse, hpAboveCell, hpBelowHeader };

struct TGridHint {
    QString Tooltip;
    THintPlacement Placement = hpNone;
    // The description of the cell for the status line.
    QString Status;
};
// For the cell (ACol, ARow) of the grid; PreviousStatus is the description shown so far.
TGridHint GridHint(const TWordRiddle& Grid, int ACol, int ARow, bool TooltipsOn,
                   const QString& PreviousStatus);

// The point and font size the hints window is shown with.
struct THintSpot {
    QPoint At;
    int FontSize = 0;
};
THintSpot HintSpot(THintPlacement Placement, const QPoint& MouseOnScreen, const QRect& CellOnScreen,
                   int GridSize);

// Which list of the clue legend a drag comes from.
enum TLegendSource { lsNone, lsUpper, lsLower };

// The direction of a dragged word over the cell. With two lists it is the list's; with one list
// the flag DragVertical decides, which without Shift follows the cell (across where an across
// word runs). FollowCell: drag over (the flag follows the cell) rather than the drop.
TWordDirection DragDirection(const TWordRiddle& Grid, int ACol, int ARow, bool TwoLists, TLegendSource Source,
                             bool ShiftHeld, bool FollowCell, bool& Vertical);
// Whether the word may be dropped there, and the start cell of the word it would fill.
bool DropAccepted(const TWordRiddle& Grid, int ACol, int ARow, TWordDirection Direction, bool TwoLists,
                  TLegendSource Source, int& StartCol, int& StartRow);
