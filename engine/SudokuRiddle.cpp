#include "SudokuRiddle.h"

#include "CellSpeech.h"

TSudokuRiddle::TSudokuRiddle(QWidget* Parent) : TGridRiddle(Parent) {
    // Candidates are set a little larger than clue numbers.
    TCellFonts fonts = Fonts();
    fonts.NumberFont.setPixelSize(11);
    SetFonts(fonts);
    AttachRiddle();
}

void TSudokuRiddle::UpdateHeaderLines() {
    SetColWidth(0, 0);
    SetRowHeight(0, 0);
}

void TSudokuRiddle::GetCellColors(int ACol, int ARow, TPaintTarget Target, TColor& Text,
                                  TColor& Background) const {
    const TScreenState screen = ScreenState();
    TSudokuPainter(data_, Fonts(), &screen).GetCellColors(ACol, ARow, Target, Text, Background);
}

void TSudokuRiddle::PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, int,
                              const QRect& Rect) {
    const TScreenState screen = ScreenState();
    TSudokuPainter(data_, Fonts(), &screen, &hints_).PaintCell(Painter, ACol, ARow, Target, Rect);
}

QColor TSudokuRiddle::GridLineColor() const {
    return Qt::black;
}

void TSudokuRiddle::PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target,
                            int& CellSize) {
    const TScreenState screen = ScreenState();
    TSudokuPainter(data_, Fonts(), &screen).PaintTo(Painter, Rect, LineWeight, Target, CellSize);
}

QString TSudokuRiddle::AccessibleCellName(int ACol, int ARow) const {
    return SudokuCellName(data_, ACol, ARow);
}

QString TSudokuRiddle::AccessibleCellValue(int ACol, int ARow) const {
    return SudokuCellValue(data_, ACol, ARow);
}
