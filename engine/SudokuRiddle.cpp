#include "SudokuRiddle.h"

TSudokuRiddle::TSudokuRiddle(QWidget* parent) : TGridRiddle(parent) {}

void TSudokuRiddle::Repaint() {
    viewport()->update();
}

void TSudokuRiddle::SizeToFit() {
    AdjustClientSize();
}

void TSudokuRiddle::DimensionsChanged() {
    updateGeometry();
}

void TSudokuRiddle::InvalidateCell(int, int) {
    viewport()->update();
}
