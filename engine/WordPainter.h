#pragma once

// Paints the cells of a word riddle onto any QPainter: the grid control on screen, an image, or
// a printed page. It reads the riddle and changes nothing.

#include "CellFonts.h"
#include "GridWordData.h"
#include "RiddlePainter.h"
#include "WordRiddleData.h"

#include <QImage>
#include <QPainter>

// The picture area in cells: first and last column and row.
struct TPictureArea {
    int FirstCol = 0, FirstRow = 0, LastCol = 0, LastRow = 0;
};

// The riddle's picture, scaled for one cell pitch; each picture cell shows its tile of it.
struct TPictureBitmap {
    QImage Bitmap;
    TPictureArea Area;
    // The pitch the bitmap was made for: cell size plus grid line.
    int Pitch = 1;
    // Editing only: the picture is selected and framed in the highlight colour.
    bool Selected = false;
};

// The picture area: the first and last picture cells met column by column.
TPictureArea ImageBounds(const TWordRiddleData& Riddle);
// Scales (and greys) the riddle's picture into Bitmap by ImageOptions. FitToArea sizes Bitmap to
// the picture area at the given pitch first. Nothing happens without a picture.
void RenderImage(const TWordRiddleData& Riddle, QImage& Bitmap, bool FitToArea, int Pitch);
// The bitmap that the grid shows over its picture cells.
TPictureBitmap RenderPictureBitmap(const TWordRiddleData& Riddle, int Pitch);
// A black cell as the solver sees it (American riddles hide the solution's black cells).
bool IsBlackWordCell(const TWordRiddleData& Riddle, int ACol, int ARow);

class TWordPainter {
public:
    // Screen is null for an image or a printout. The painter keeps references: everything has to
    // outlive it.
    TWordPainter(const TWordRiddleData& Riddle, const TCellFonts& Fonts, const TPictureBitmap& Picture,
                 int GridLineWidth, const TScreenState* Screen, const TGridWordData* CurrentWord);

    bool IsBlackCell(int ACol, int ARow) const;
    void GetCellColors(int ACol, int ARow, TPaintTarget Target, int DrawState, TColor& Text,
                       TColor& Background) const;
    void PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, int DrawState,
                   const QRect& Rect) const;
    // The whole riddle without header lines. CellSize 0 picks the largest cells that fit; Rect
    // becomes the area painted.
    void PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target, int& CellSize) const;

private:
    bool IsInCurrentWord(int ACol, int ARow) const;
    bool OnScreenCursor(int ACol, int ARow, TPaintTarget Target) const;
    void PaintHeaderCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect) const;
    void PaintBlackCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, TColor Background,
                        QRect Rect) const;
    void PaintLetterCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, TColor Text,
                         TColor Background, QRect Rect) const;
    void PaintCellNumbers(QPainter& Painter, const TWordGridCell& Cell, const QRect& Rect) const;

    const TWordRiddleData& riddle_;
    const TCellFonts& fonts_;
    const TPictureBitmap& picture_;
    int gridLineWidth_;
    const TScreenState* screen_;
    const TGridWordData* currentWord_;
};
