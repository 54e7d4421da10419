#pragma once

#include "GridRiddle.h"
#include "SudokuPainter.h"
#include "SudokuRiddleData.h"

// The grid control of sudokus; it shows its sudoku through TSudokuPainter. The sudoku itself is
// its data object, Riddle().
class TSudokuRiddle : public TGridRiddle {
    Q_OBJECT
public:
    explicit TSudokuRiddle(QWidget* Parent = nullptr);

    TSudokuRiddleData& Riddle() override { return data_; }
    const TSudokuRiddleData& Riddle() const override { return data_; }

    void PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, int DrawState,
                   const QRect& Rect) override;
    void PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target, int& CellSize) override;
    void GetCellColors(int ACol, int ARow, TPaintTarget Target, TColor& Text, TColor& Background) const;

protected:
    void UpdateHeaderLines() override;

private:
    TSudokuRiddleData data_;
};
