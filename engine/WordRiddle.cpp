#include "WordRiddle.h"

TWordRiddle::TWordRiddle(QWidget* parent) : TGridRiddle(parent) {}

void TWordRiddle::Repaint() {
    viewport()->update();
}

void TWordRiddle::SizeToFit() {
    AdjustClientSize();
}

void TWordRiddle::DimensionsChanged() {
    updateGeometry();
}

void TWordRiddle::InvalidateCell(int, int) {
    viewport()->update();
}
