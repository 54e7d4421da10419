#pragma once

// Paints the pages of one printed copy: the title, the riddle through the grid's own painters,
// the solution word's boxes and the legend, on any paged device (a printer or a PDF writer).
// Painting is in page units of 0.1 mm; the fonts are pixel sized in those units.

#include "PageLayout.h"
#include "PrintSource.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

// Maps the painter to the device's printable area in 0.1 mm and returns that area.
TPageFrame SetUpPageCoordinates(QPainter& Painter, const QPagedPaintDevice& Device);
// The title's font: 5 mm high, bold and underlined.
QFont PrintTitleFont();
// The legend's font: SizeMm high, in the title's face.
QFont PrintLegendFont(int SizeMm);
// The grid's fonts for cells of CellSize page units, in the proportions of the screen's cells.
TCellFonts PrintCellFonts(const TCellFonts& Screen, int CellSize);

class TPageComposer {
public:
    // The composer keeps references: the source has to outlive it.
    TPageComposer(const TPrintSource& Source, const TPrintOptions& Options);

    // The title over the riddle (the riddle's title, or what kind of riddle it is).
    QString Title() const;
    TRiddleShape Shape() const;
    // The layout for a page; the painter gives the fonts' sizes.
    TPageLayout Layout(QPainter& Painter, const TPageFrame& Page) const;
    // Paints all pages of one copy onto a painter set up with SetUpPageCoordinates. NewPage
    // begins the next page and sets up its coordinates again. Returns the number of pages.
    int Compose(QPainter& Painter, const TPageFrame& Page, const std::function<void()>& NewPage) const;

private:
    bool Numbers() const;
    void PaintRiddle(QPainter& Painter, const TPageLayout& Layout) const;
    void PaintKeyword(QPainter& Painter, const TPageLayout& Layout) const;
    void PaintLegend(QPainter& Painter, const TPageLayout& Layout, const TPageFrame& Page,
                     const std::function<void()>& NewPage, int& Pages) const;

    const TPrintSource& source_;
    TPrintOptions options_;
};
