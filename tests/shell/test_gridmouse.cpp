// What the mouse over a word grid shows (tooltips and cell descriptions) and where a word dragged
// out of the clue legend may be dropped.

#include "GridMouseRules.h"
#include "LegendTestSupport.h"

#include <functional>

namespace {
using namespace legendtest;

TEST(GridMouse, TooltipsAndCellDescriptions) {
    const QString letter = QStringLiteral("Dieses Feld enthält einen Buchstaben");
    struct Case {
        const char* name;
        const char* type;
        std::function<void(TWordRiddle&)> change;
        QPoint cell;
        bool tooltips;
        const char* tooltip;
        THintPlacement placement;
        QString status;
    } cases[] = {
        {"swedish, words in both directions",
         "swedish",
         {},
         {1, 1},
         true,
         "W: Gebäude\r\nS: Übermut",
         hpBesideMouse,
         letter},
        {"swedish, across only", "swedish", {}, {3, 2}, true, "W: Abk. Nordost", hpBesideMouse, letter},
        {"swedish, down only", "swedish", {}, {3, 1}, true, "S: franz. eine", hpBesideMouse, letter},
        {"swedish, a number without a word: the number before the last description",
         "swedish",
         [](TWordRiddle& G) { G.Riddle().Cell(2, 1).SetClueNumber(9); },
         {2, 1},
         true,
         "9BEFORE",
         hpBesideMouse,
         letter},
        {"swedish, tooltips off: only the description", "swedish", {}, {1, 1}, false, "", hpNone, letter},
        {"swedish, black cell",
         "swedish",
         {},
         {2, 2},
         true,
         "",
         hpNone,
         QStringLiteral("Dieses Feld ist ein Leerfeld")},
        {"swedish, solution word letter",
         "swedish",
         [](TWordRiddle& G) { G.Riddle().Cell(4, 3).SetFlags(cfLetter | cfKeyword); },
         {4, 3},
         true,
         "",
         hpNone,
         QStringLiteral("Dieses Feld enthält einen Buchstaben des Lösungswortes")},
        {"swedish, solution shown: nothing",
         "swedish",
         [](TWordRiddle& G) { G.Riddle().SetDisplayMode(dmSolution); },
         {1, 1},
         true,
         "",
         hpNone,
         QString()},
        {"number riddle: the letter's number above the cell",
         "numbers",
         {},
         {4, 3},
         true,
         "7",
         hpAboveCell,
         letter},
        {"puzzle: both lengths", "puzzle", {}, {1, 1}, true, "4 / 3", hpAboveCell, letter},
        {"puzzle: down length only", "puzzle", {}, {3, 1}, true, "3", hpAboveCell, letter},
        {"puzzle: across length only", "puzzle", {}, {3, 2}, true, "2", hpAboveCell, letter},
        {"puzzle, lengths off",
         "puzzle",
         [](TWordRiddle& G) { G.Riddle().SetPaintOptions(G.Riddle().PaintOptions().Without(poShowLength)); },
         {1, 1},
         true,
         "",
         hpNone,
         letter},
        {"american column header: its black cells",
         "american",
         {},
         {2, 0},
         true,
         "1",
         hpBelowHeader,
         QStringLiteral("Die in der Legende angezeigte Spaltennummer")},
        {"american row header",
         "american",
         {},
         {0, 3},
         true,
         "0",
         hpBelowHeader,
         QStringLiteral("Die in der Legende angezeigte Zeilennummer")},
        {"american corner", "american", {}, {0, 0}, true, "", hpNone, QString()},
        {"american, a black cell is not given away", "american", {}, {2, 2}, true, "", hpNone, letter},
        {"american, the solver's blank field",
         "american",
         [](TWordRiddle& G) { G.Riddle().Cell(2, 2).SetFlags(cfBlack | cfUserBlack); },
         {2, 2},
         true,
         "",
         hpNone,
         QStringLiteral("Dieses Feld ist manuell als Leerfeld festgelegt")},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Load(grid, HausSource(c.type));
        if (c.change)
            c.change(grid);
        const TGridHint hint = GridHint(grid, c.cell.x(), c.cell.y(), c.tooltips, QStringLiteral("BEFORE"));
        EXPECT_EQ(hint.Tooltip, QString::fromUtf8(c.tooltip)) << c.name;
        EXPECT_EQ(hint.Placement, c.placement) << c.name;
        EXPECT_EQ(hint.Status, c.status) << c.name;
    }
}

TEST(GridMouse, HintPlaces) {
    const QPoint mouse(200, 300);
    const QRect cell(150, 280, 30, 30);
    struct Case {
        THintPlacement placement;
        QPoint at;
        int fontSize;
    } cases[] = {
        {hpBesideMouse, {214, 314}, 0},
        {hpAboveCell, {147, 280}, 12},
        {hpBelowHeader, {153, 310}, 12},
    };
    for (const Case& c : cases) {
        const THintSpot spot = HintSpot(c.placement, mouse, cell, 30);
        EXPECT_EQ(spot.At, c.at) << int(c.placement);
        EXPECT_EQ(spot.FontSize, c.fontSize) << int(c.placement);
    }
}

TEST(GridMouse, DraggedWordsGoWhereAPuzzleWordStarts) {
    struct Case {
        const char* name;
        const char* type;
        QPoint cell;
        bool twoLists;
        TLegendSource source;
        bool shift, followCell, verticalBefore;
        TWordDirection direction;
        bool accepted;
        QPoint start;
    } cases[] = {
        {"one list: across where an across word runs",
         "puzzle",
         {2, 1},
         false,
         lsLower,
         false,
         true,
         true,
         wdHorizontal,
         true,
         {1, 1}},
        {"one list: down where none runs",
         "puzzle",
         {1, 2},
         false,
         lsLower,
         false,
         true,
         false,
         wdVertical,
         true,
         {1, 1}},
        {"one list: Shift turns it down",
         "puzzle",
         {4, 2},
         false,
         lsLower,
         true,
         true,
         false,
         wdVertical,
         true,
         {4, 1}},
        {"one list, drop: the flag as it stands",
         "puzzle",
         {4, 2},
         false,
         lsLower,
         false,
         false,
         false,
         wdHorizontal,
         true,
         {3, 2}},
        {"two lists: the across list writes across",
         "puzzle",
         {4, 2},
         true,
         lsUpper,
         false,
         true,
         true,
         wdHorizontal,
         true,
         {3, 2}},
        {"two lists: a down word must start there",
         "puzzle",
         {2, 1},
         true,
         lsLower,
         false,
         true,
         false,
         wdVertical,
         false,
         {}},
        {"not from the legend", "puzzle", {2, 1}, false, lsNone, false, true, false, wdHorizontal, false, {}},
        {"not a puzzle", "swedish", {2, 1}, true, lsUpper, false, true, false, wdHorizontal, false, {}},
        {"outside the riddle", "puzzle", {5, 1}, true, lsUpper, false, true, false, wdHorizontal, false, {}},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Load(grid, HausSource(c.type));
        bool vertical = c.verticalBefore;
        const TWordDirection d = DragDirection(grid, c.cell.x(), c.cell.y(), c.twoLists, c.source, c.shift,
                                               c.followCell, vertical);
        EXPECT_EQ(d, c.direction) << c.name;
        EXPECT_EQ(vertical, c.twoLists ? c.verticalBefore : d == wdVertical) << c.name;
        int col = 0, row = 0;
        EXPECT_EQ(DropAccepted(grid, c.cell.x(), c.cell.y(), d, c.twoLists, c.source, col, row), c.accepted)
            << c.name;
        EXPECT_TRUE(!c.accepted || QPoint(col, row) == c.start) << c.name;
    }
}

} // namespace
