#pragma once

// Where the possible symbols of an empty sudoku cell go: box width across and box height down,
// inside the cell's own lines. The number font shrinks until the symbols fit with at least a
// pixel between each other and between them and the lines, and every symbol is centred by its
// ink rather than by its line box, so that digits and letters sit in the middle of their places.
// Measuring text is slow, so the layout is worked out once per cell size, font and box shape.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <array>

class TSudokuHintLayout {
public:
    // Line is how far the cell's own lines reach into it, on every side.
    void Prepare(const QFont& NumberFont, const QSize& Cell, int Line, int BoxWidth, int BoxHeight);

    const QFont& Font() const { return font_; }
    // Where symbol value k is drawn (its baseline origin) in a cell at Cell.
    QPoint Position(int K, const QRect& Cell) const;

private:
    QFont base_;
    QSize cell_;
    int line_ = -1;
    int boxWidth_ = 0;
    int boxHeight_ = 0;
    QFont font_;
    // The ink of each symbol value, from its baseline origin.
    std::array<QRect, 16> ink_{};
};
