#pragma once

// Paints the number legend: each entry's number and the letter assigned to it, in the legend
// window's grid and on a printed page. It reads the riddle and changes nothing.

#include "CellFonts.h"
#include "WordRiddleData.h"

#include <QPainter>
#include <QRect>

class TNumLegendPainter {
public:
    // The painter keeps references: the riddle and the fonts have to outlive it.
    TNumLegendPainter(const TWordRiddleData& Riddle, const TCellFonts& Fonts)
        : riddle_(Riddle), fonts_(Fonts) {}

    // Cell (column, row) of the 4 × 13 legend: columns 0 and 2 show numbers, 1 and 3 letters.
    // Selected: the letter cell the solver types into, while the legend has the keys.
    void PaintCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect, bool Selected) const;

    // The legend for a page, under the caption "Legende:" in the painter's font: upright 4 columns
    // of 13 rows, else 13 columns of 4 rows. CellSize 0 takes a quarter of the rectangle's width
    // (upright) or height.
    void DrawNumberLegend(QPainter& Painter, QRect Rect, bool Upright, int CellSize) const;
    // The room DrawNumberLegend needs for cells of CellSize, caption included.
    static QSize MeasureNumberLegend(const QPainter& Painter, int CellSize, bool Upright);

private:
    const TWordRiddleData& riddle_;
    const TCellFonts& fonts_;
};
