#pragma once

#include "GridRiddle.h"
#include "SudokuRiddleData.h"

// The grid control of sudokus.
class TSudokuRiddle : public TGridRiddleOf<TSudokuRiddleData> {
    Q_OBJECT
public:
    explicit TSudokuRiddle(QWidget* parent = nullptr) : TGridRiddleOf(parent) {}
};
