#include "GridMouseRules.h"

#include "WordRiddle.h"

namespace {
constexpr int kBesideMouse = 14;
constexpr int kBoldSize = 12;

QString ClueTextOf(const TWordRiddleData& Riddle, int32_t Number, TWordDirection Direction) {
    const int index = Riddle.FindClueIndex(Number, Direction);
    return index >= 0 ? Riddle.Clue(index).ClueText() : QString();
}

void SetTooltip(const TWordRiddle& Grid, const TWordGridCell& Cell, int ACol, int ARow,
                const QString& Previous, TGridHint& Hint) {
    const TWordRiddleData& r = Grid.Riddle();
    switch (r.RiddleType()) {
    case rtSwedish: {
        const int32_t n = Cell.ClueNumber();
        if (n <= 0)
            return;
        QString s;
        if (Cell.Has(cfStartAcross))
            s = QStringLiteral("W: ") + ClueTextOf(r, n, wdHorizontal);
        if (Cell.Has(cfStartDown))
            s += (s.isEmpty() ? QString() : QStringLiteral("\r\n")) + QStringLiteral("S: ") +
                 ClueTextOf(r, n, wdVertical);
        Hint.Tooltip = s.isEmpty() ? QString::number(n) + Previous : s;
        Hint.Placement = hpBesideMouse;
        return;
    }
    case rtNumbers:
        if (Cell.Has(cfLetter) && Cell.Number() > 0) {
            Hint.Tooltip = QString::number(Cell.Number());
            Hint.Placement = hpAboveCell;
        }
        return;
    case rtPuzzle: {
        if (!Cell.Has(cfLetter) || !r.PaintOptions().Contains(poShowLength))
            return;
        QString t;
        if (Cell.Has(cfStartAcross))
            t = QString::number(Grid.RunLength(ACol, ARow, wdHorizontal));
        if (Cell.Has(cfStartDown))
            t += (t.isEmpty() ? QString() : QStringLiteral(" / ")) +
                 QString::number(Grid.RunLength(ACol, ARow, wdVertical));
        Hint.Tooltip = t;
        Hint.Placement = hpAboveCell;
        return;
    }
    default:
        return;
    }
}

QString CellDescription(const TWordRiddleData& R, int ACol, int ARow) {
    const TWordGridCell* cell = R.CellAt(ACol, ARow);
    const bool lines = R.RiddleType() == rtFrench || R.RiddleType() == rtAmerican;
    if (lines && (ACol == 0 || ARow == 0)) {
        if (ACol > 0)
            return QStringLiteral("Die in der Legende angezeigte Spaltennummer");
        if (ARow > 0)
            return QStringLiteral("Die in der Legende angezeigte Zeilennummer");
        return QString();
    }
    if (!cell)
        return QString();
    if (lines && cell->Has(cfUserBlack))
        return QStringLiteral("Dieses Feld ist manuell als Leerfeld festgelegt");
    if (!lines && cell->Has(cfBlack))
        return QStringLiteral("Dieses Feld ist ein Leerfeld");
    if (cell->Has(cfKeyword))
        return QStringLiteral("Dieses Feld enthält einen Buchstaben des Lösungswortes");
    return QStringLiteral("Dieses Feld enthält einen Buchstaben");
}
} // namespace

TGridHint GridHint(const TWordRiddle& Grid, int ACol, int ARow, bool TooltipsOn,
                   const QString& PreviousStatus) {
    TGridHint hint;
    const TWordRiddleData& r = Grid.Riddle();
    // While the solution shows (or the riddle is edited) the grid explains nothing.
    if (r.DisplayMode() != dmSolving)
        return hint;
    if (TooltipsOn) {
        if (r.RiddleType() == rtAmerican && (ACol == 0 || ARow == 0)) {
            if (ACol > 0 || ARow > 0) {
                const int blacks = ACol > 0 ? Grid.CountFlag(ACol, wdVertical, false, 0)
                                            : Grid.CountFlag(ARow, wdHorizontal, false, 0);
                hint.Tooltip = QString::number(blacks);
                hint.Placement = hpBelowHeader;
            }
        } else if (const TWordGridCell* cell = r.CellAt(ACol, ARow)) {
            SetTooltip(Grid, *cell, ACol, ARow, PreviousStatus, hint);
        }
        if (hint.Tooltip.isEmpty())
            hint.Placement = hpNone;
    }
    hint.Status = CellDescription(r, ACol, ARow);
    return hint;
}

THintSpot HintSpot(THintPlacement Placement, const QPoint& MouseOnScreen, const QRect& CellOnScreen,
                   int GridSize) {
    switch (Placement) {
    case hpBesideMouse:
        return {MouseOnScreen + QPoint(kBesideMouse, kBesideMouse), 0};
    case hpAboveCell:
        return {QPoint(CellOnScreen.left() - 3, CellOnScreen.top()), kBoldSize};
    case hpBelowHeader:
        return {QPoint(CellOnScreen.left() + 3, CellOnScreen.top() + GridSize), kBoldSize};
    default:
        return {MouseOnScreen, 0};
    }
}

TWordDirection DragDirection(const TWordRiddle& Grid, int ACol, int ARow, bool TwoLists, TLegendSource Source,
                             bool ShiftHeld, bool FollowCell, bool& Vertical) {
    if (TwoLists)
        return Source == lsUpper ? wdHorizontal : wdVertical;
    if (ShiftHeld) {
        Vertical = true;
    } else if (FollowCell) {
        const TWordGridCell* cell = Grid.Riddle().CellAt(ACol, ARow);
        Vertical = !(cell && (cell->ClueFlags() & kClueAcross));
    }
    return Vertical ? wdVertical : wdHorizontal;
}

bool DropAccepted(const TWordRiddle& Grid, int ACol, int ARow, TWordDirection Direction, bool TwoLists,
                  TLegendSource Source, int& StartCol, int& StartRow) {
    const TWordRiddleData& r = Grid.Riddle();
    if (ACol < 1 || ARow < 1 || ACol > r.RiddleCols() || ARow > r.RiddleRows() || Source == lsNone)
        return false;
    if (!Grid.FindWordStart(ACol, ARow, Direction, StartCol, StartRow))
        return false;
    const TWordGridCell* start = r.CellAt(StartCol, StartRow);
    if (!start || r.RiddleType() != rtPuzzle || start->ClueNumber() <= 0)
        return false;
    if (!TwoLists)
        return true;
    return Source == lsUpper ? start->Has(cfStartAcross) : start->Has(cfStartDown);
}
