#pragma once

// Drawing pieces that the grids, the legend windows and the word entry dialog share.

#include <QImage>
#include <QPainter>
#include <QRect>

// Kinds of cursor frame: 0 frame only, 1 with an arrow to the right, 2 with an arrow down.
// A focused frame is the grid's cursor; an unfocused one is the bracket of a letter slot.
void DrawCursorFrame(QPainter& Painter, const QRect& Rect, int Kind, bool Focused);
void DrawLine(QPainter& Painter, int X1, int Y1, int X2, int Y2);

// The 9 × 9 direction arrows (0 right, 1 down), magenta already transparent.
const QImage& ArrowGlyph(int Index);

// Scaling modes: 0 natural size, 1 to a width, 2 to a height, 3 stretched to Dest's size,
// 4 to a width or a height, whichever side of the source is longer.
void ScaleImage(const QImage& Source, QImage& Dest, int Size, int Mode);
// Grey g = (77 R + 151 G + 28 B) >> 8 in every channel.
void MakeGrayscale(QImage& Image);
