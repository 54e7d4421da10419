// The page layout in 0.1 mm on a printable area of 2000 × 2870 with margins of 20 mm and a
// title 50 high: the riddle starts at T + 50 + 30 = 280, the room is 1600 wide.

#include "PageLayout.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {
const TPageFrame kPage{2000, 2870};

TPrintOptions Options(bool OnePage, bool Right, bool Auto) {
    TPrintOptions o;
    o.OnePage = OnePage;
    o.LegendRight = Right;
    o.AutoGridSize = Auto;
    return o;
}

// A clue legend 700 × 600 above each other, 1200 × 800 side by side.
QSize ClueLegend(bool Stacked, int) {
    return Stacked ? QSize(700, 600) : QSize(1200, 800);
}

// A number legend of cells c: upright 4 × 13 cells, else 13 × 4, and a caption of 68.
QSize NumberLegend(bool Upright, int C) {
    return Upright ? QSize(4 * (C + 1), 13 * (C + 1) + 68) : QSize(13 * (C + 1), 4 * (C + 1) + 68);
}
} // namespace

TEST(PageLayout, FitsTheRiddlesRatio) {
    struct Case {
        double ratio;
        int a, b;
        bool widthFirst;
        QSize size;
    };
    const Case cases[] = {
        {0.5, 1000, 900, true, QSize(1000, 500)},
        {2.0, 1000, 900, true, QSize(450, 900)}, // too high: the height decides
        {2.0, 1000, 900, false, QSize(450, 900)},
        {0.5, 1000, 900, false, QSize(1000, 500)}, // too wide: the width decides
        {0.5, 5, 900, true, QSize(5, 2)},          // 2.5 rounds to the even 2
        {0.5, 7, 900, true, QSize(7, 4)},          // 3.5 rounds to the even 4
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitRiddle(c.ratio, c.a, c.b, c.widthFirst), c.size)
            << c.ratio << " " << c.a << " " << c.widthFirst;
}

TEST(PageLayout, PlacesRiddleSolutionWordAndLegend) {
    struct Case {
        const char* name;
        TPrintOptions options;
        TRiddleShape shape;
        TLegendMeasure measure;
        QRect riddle;
        int cellSize;
        QRect grid;
        QRect keyword;
        TLegendPlace legend;
        QRect legendRect;
        int legendCells;
    };
    const Case cases[] = {
        // Room 1600 × (2870 - 400 - 50) = 2420, width first: 1600 × 1600; 10 mm cells fit.
        {"two pages, fixed 10 mm",
         Options(false, false, false),
         {rtSwedish, 13, 13, 0},
         ClueLegend,
         QRect(200, 280, 1600, 1600),
         100,
         QRect(200, 280, 1300, 1300),
         QRect(),
         lpOwnPages,
         QRect(),
         0},
        // One box of a cell, centred 30 below the grid.
        {"a solution word of one letter",
         Options(false, false, false),
         {rtSwedish, 13, 13, 1},
         ClueLegend,
         QRect(200, 280, 1600, 1600),
         100,
         QRect(200, 280, 1300, 1300),
         QRect(800, 1610, 100, 100),
         lpOwnPages,
         QRect(),
         0},
        // b = 2870 - 400 - 800 - 50 - 60 = 1560; the legend 30 below the grid.
        {"one page, legend below",
         Options(true, false, false),
         {rtSwedish, 13, 13, 0},
         ClueLegend,
         QRect(200, 280, 1560, 1560),
         100,
         QRect(200, 280, 1300, 1300),
         QRect(),
         lpBelow,
         QRect(200, 1610, 1200, 800),
         0},
        // a = 2000 - 400 - 700 - 30 = 870, b = 2390, height first: too wide, so 870 × 435;
        // cells min(870 / 20, 435 / 10) = 43; the legend beside the grid at the top margin.
        {"one page, legend right, stretched",
         Options(true, true, true),
         {rtFillup, 20, 10, 0},
         ClueLegend,
         QRect(200, 280, 870, 435),
         0,
         QRect(200, 280, 860, 430),
         QRect(),
         lpBeside,
         QRect(1090, 200, 700, 600),
         0},
        // c = (2000 - 400 - 30) div (12 + 4) = 98; e = 2470 >= 15 × 98, so e = 12 × 98 = 1176.
        {"number riddle, legend right, stretched",
         Options(true, true, true),
         {rtNumbers, 12, 12, 0},
         NumberLegend,
         QRect(200, 280, 1176, 1176),
         0,
         QRect(200, 280, 1176, 1176),
         QRect(),
         lpBeside,
         QRect(1406, 200, 396, 1355),
         98},
        // c = (2870 - 400 - 200 - 30) div (12 + 6) = 124, b = 12 × 124 = 1488; the boxes of the
        // five letters take 30 + 124, so the riddle is fitted again into 1334: cells of 111, the
        // boxes centred 30 below the grid, the legend 30 below them.
        {"number riddle with a solution word, legend below",
         Options(true, false, true),
         {rtNumbers, 12, 12, 5},
         NumberLegend,
         QRect(200, 280, 1334, 1334),
         0,
         QRect(200, 280, 1332, 1332),
         QRect(588, 1642, 555, 111),
         lpBelow,
         QRect(200, 1783, 1625, 568),
         124},
        // 99 cells of 10 mm would run off the page: the largest that fit, 1600 div 99 = 16.
        {"a fixed size too large gives way",
         Options(false, false, false),
         {rtSwedish, 99, 99, 0},
         {},
         QRect(200, 280, 1600, 1600),
         0,
         QRect(200, 280, 1584, 1584),
         QRect(),
         lpNone,
         QRect(),
         0},
        // Beside the riddle a legend 3000 high would run off the page (2870): it gets pages of its own.
        {"a legend too large for one page",
         Options(true, true, false),
         {rtSwedish, 13, 13, 0},
         [](bool, int) { return QSize(700, 3000); },
         QRect(200, 280, 1600, 1600),
         100,
         QRect(200, 280, 1300, 1300),
         QRect(),
         lpOwnPages,
         QRect(),
         0},
        {"a sudoku prints its grid alone",
         Options(true, true, false),
         {rtSudoku, 9, 9, 0},
         ClueLegend,
         QRect(200, 280, 1600, 1600),
         100,
         QRect(200, 280, 900, 900),
         QRect(),
         lpNone,
         QRect(),
         0},
    };
    for (const Case& c : cases) {
        const TPageLayout l = LayoutPages(kPage, c.options, c.shape, 50, c.measure);
        EXPECT_EQ(l.Title, QPoint(200, 200)) << c.name;
        EXPECT_EQ(l.Riddle, c.riddle) << c.name;
        EXPECT_EQ(l.CellSize, c.cellSize) << c.name;
        EXPECT_EQ(l.Grid, c.grid) << c.name;
        EXPECT_EQ(l.Keyword, c.keyword) << c.name;
        EXPECT_EQ(l.Legend, c.legend) << c.name;
        EXPECT_EQ(l.LegendRect, c.legendRect) << c.name;
        EXPECT_EQ(l.LegendCellSize, c.legendCells) << c.name;
    }
    // A riddle without cells is laid out as one of a single cell.
    for (bool autoSize : {false, true}) {
        const TPageLayout empty =
            LayoutPages(kPage, Options(false, false, autoSize), {rtSwedish, 0, 0, 0}, 50, {});
        const TPageLayout one =
            LayoutPages(kPage, Options(false, false, autoSize), {rtSwedish, 1, 1, 0}, 50, {});
        EXPECT_EQ(std::tuple(empty.Riddle, empty.CellSize, empty.Grid),
                  std::tuple(one.Riddle, one.CellSize, one.Grid))
            << autoSize;
    }
}

TEST(PageLayout, MarginsAndOrientationOfTheSecondPage) {
    // Margins 10 mm: T + th = 150. A number legend on its own page stands upright in portrait
    // and across in landscape.
    TPrintOptions o = Options(false, false, false);
    o.LeftMargin = o.TopMargin = 10;
    o.GridSize = 5;
    for (const bool landscape : {false, true}) {
        o.Landscape = landscape;
        const TPageLayout l = LayoutPages(kPage, o, {rtNumbers, 10, 10, 0}, 50, NumberLegend);
        EXPECT_EQ(l.Riddle, QRect(100, 180, 1800, 1800)) << landscape;
        EXPECT_EQ(l.Grid, QRect(100, 180, 500, 500)) << landscape;
        EXPECT_EQ(l.Legend, lpOwnPage);
        EXPECT_EQ(l.LegendUpright, !landscape);
        EXPECT_EQ(l.LegendRect, QRect(QPoint(100, 150), NumberLegend(!landscape, 50))) << landscape;
    }
}

TEST(PageLayout, DocumentTitleSpellsOutUmlauts) {
    EXPECT_EQ(DocumentTitle(QStringLiteral("Kreuzworträtsel mit Lösungswort")),
              QStringLiteral("KreuzwortraetselmitLoesungswort"));
    EXPECT_EQ(DocumentTitle(QStringLiteral("Äpfel, Öl & Über-Maß 2")), QStringLiteral("AEpfelOElUEberMaSS"));
}
