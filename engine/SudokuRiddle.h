#pragma once

#include "GridRiddle.h"
#include "SudokuRiddleData.h"

// The grid control of sudokus.
class TSudokuRiddle : public TGridRiddleOf<TSudokuRiddleData> {
    Q_OBJECT
public:
    explicit TSudokuRiddle(QWidget* parent = nullptr);

    void PaintCell(QPainter& painter, int col, int row, int target, int drawState,
                   const QRect& rect) override;
    void PaintTo(QPainter& painter, QRect& rect, int lineWeight, int target, int& cellSize) override;
    void GetCellColors(int col, int row, int target, TColor& text, TColor& background) const;

protected:
    void UpdateHeaderLines() override;
};
