#pragma once

// Paints the cells of a sudoku onto any QPainter: the grid control on screen, an image, or a
// printed page. It reads the sudoku and changes nothing.

#include "CellFonts.h"
#include "RiddlePainter.h"
#include "SudokuHintLayout.h"
#include "SudokuRiddleData.h"

#include <QPainter>

class TSudokuPainter {
public:
    // Screen is null for an image or a printout; the painter keeps references. Hints, when given,
    // keeps the layout of the possible symbols from one painter to the next.
    TSudokuPainter(const TSudokuRiddleData& Riddle, const TCellFonts& Fonts, const TScreenState* Screen,
                   TSudokuHintLayout* Hints = nullptr);
    // A copy would lay out its hints in the original's own layout.
    TSudokuPainter(const TSudokuPainter&) = delete;
    TSudokuPainter& operator=(const TSudokuPainter&) = delete;

    void GetCellColors(int ACol, int ARow, TPaintTarget Target, TColor& Text, TColor& Background) const;
    // LineWeight (0 … 2) thickens the lines of a printout; the screen and images keep thin ones.
    void PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, const QRect& Rect,
                   int LineWeight = 0) const;
    // The whole sudoku. CellSize 0 picks the largest cells that fit; Rect becomes the area painted.
    void PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target, int& CellSize) const;

private:
    bool IsCurrent(int ACol, int ARow, TPaintTarget Target) const;

    const TSudokuRiddleData& riddle_;
    const TCellFonts& fonts_;
    const TScreenState* screen_;
    mutable TSudokuHintLayout ownHints_;
    TSudokuHintLayout* hints_;
};
