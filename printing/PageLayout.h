#pragma once

// Where the title, the riddle, its solution word boxes and its legend go on the printed pages.
// Pure arithmetic in page units of 0.1 mm (origin at the top left of the printable area), so it
// is tested without a printer.

#include "PrintOptions.h"
#include "RiddleTypes.h"

#include <QRect>
#include <QString>
#include <functional>

// The printable area in 0.1 mm.
struct TPageFrame {
    int W = 0;
    int H = 0;
};

// What of the riddle decides the layout.
struct TRiddleShape {
    TRiddleType Type = rtSwedish;
    int Cols = 1;
    int Rows = 1;
    // Letters of the solution word; 0 without one.
    int KeywordLength = 0;
};

// The room a legend takes: a clue legend above each other (Upright) or side by side, a number
// legend upright or across with cells of CellSize. Empty when no legend is printed.
using TLegendMeasure = std::function<QSize(bool Upright, int CellSize)>;

enum TLegendPlace : uint8_t { lpNone, lpBeside, lpBelow, lpOwnPage, lpOwnPages };

struct TPageLayout {
    int L = 0;
    int T = 0;
    QPoint Title;
    // The rectangle the grid painter gets, and the cell size it gets (0: fill the rectangle).
    QRect Riddle;
    int CellSize = 0;
    // The cells as the painter lays them out in Riddle.
    QRect Grid;
    // The solution word's boxes below the grid, KeywordBox wide each; empty without a word.
    QRect Keyword;
    int KeywordBox = 0;
    TLegendPlace Legend = lpNone;
    // Beside, below, or on the second page (a number legend); a clue legend on pages of its own
    // flows from the page's top margin instead.
    QRect LegendRect;
    bool LegendUpright = false;
    // The cells of a number legend.
    int LegendCellSize = 0;
};

// A rectangle of the riddle's Ratio (rows per column) in the room A × B, as wide as A allows
// (WidthFirst) or as high as B allows, whichever fits. Rounded to the nearest unit, ties to even.
QSize FitRiddle(double Ratio, int A, int B, bool WidthFirst);

// A legend that does not fit beside or below the riddle goes on pages of its own.
TPageLayout LayoutPages(const TPageFrame& Page, const TPrintOptions& Options, const TRiddleShape& Shape,
                        int TitleHeight, const TLegendMeasure& Measure);

// The print job's name: umlauts and ß spelled out, every other character but A–Z and a–z dropped.
QString DocumentTitle(const QString& Title);
