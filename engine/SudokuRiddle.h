#pragma once

#include "GridRiddle.h"
#include "SudokuRiddleData.h"

// The grid control of sudokus.
class TSudokuRiddle : public TGridRiddle, public TSudokuRiddleData {
    Q_OBJECT
public:
    explicit TSudokuRiddle(QWidget* parent = nullptr);

    TRiddleData& Riddle() override { return *this; }
    const TRiddleData& Riddle() const override { return *this; }

protected:
    void Repaint() override;
    void SizeToFit() override;
    void DimensionsChanged() override;
    void InvalidateCell(int col, int row) override;
};
