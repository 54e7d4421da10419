#pragma once

// The clue legend on paper (or any canvas): its lists measured, drawn into a rectangle, or
// printed over as many pages as they need. It works from the rows the legend window holds, in
// their order and including the rows hidden because they are solved.

#include "LegendRows.h"
#include "RiddleColors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSize>
#include <array>
#include <functional>
#include <vector>

// The sizes of the canvas font that the legend is laid out with.
struct TLegendMetrics {
    std::function<int(const QString&)> TextWidth;
    // The font's line height: what a text of one line takes, "M" as well as "Mp".
    int TextHeight = 0;
    static TLegendMetrics Of(const QFontMetrics& Metrics);
};

// Where one heading or one row of a list lands. Y is the top of its line.
struct TLegendPlacement {
    int Page = 1;
    bool Heading = false;
    bool Upper = false;
    int Row = -1;
    int X = 0;
    int Y = 0;
};

class TLegendRenderer {
public:
    // Lists.Across counts only with two lists. Black: the riddle's colour of black cells, behind
    // the blank counts.
    TLegendRenderer(TLegendLists Lists, const TLegendColumns& Columns, TColor Black);

    // Left edges of the columns of a list, k = 0 … 6 (the last one is the list's width); a
    // hidden column is 0 wide.
    std::array<int, kLegendColumnCount + 1> ColumnPositions(const TLegendMetrics& Metrics, bool Upper) const;
    // The room the lists take, above each other (Stacked) or side by side.
    QSize MeasureLegend(const TLegendMetrics& Metrics, bool Stacked) const;
    std::vector<TLegendPlacement> DrawPlacements(const TLegendMetrics& Metrics, const QRect& Rect,
                                                 bool Stacked) const;
    // Pages W × H with the margins L and T (0.1 mm): a row that would reach below H - T begins
    // the next page at its top, without a heading.
    std::vector<TLegendPlacement> PrintPlacements(const TLegendMetrics& Metrics, int W, int H, int L,
                                                  int T) const;

    // Both paint in the painter's font, which they leave as they found it.
    void DrawLegend(QPainter& Painter, const QRect& Rect, bool Stacked) const;
    // NewPage starts the next page and sets up its coordinates; the result is the number of pages.
    int PrintLegend(QPainter& Painter, int W, int H, int L, int T,
                    const std::function<void()>& NewPage) const;

    bool TwoLists() const { return lists_.TwoLists; }
    const std::vector<TLegendRow>& Rows(bool Upper) const { return Upper ? lists_.Across : lists_.Down; }

private:
    static int LineHeight(const TLegendMetrics& Metrics) { return Metrics.TextHeight + 4; }
    QString HeadingText(bool Upper) const;
    void Paint(QPainter& Painter, const std::vector<TLegendPlacement>& Placements,
               const std::function<void()>& NewPage) const;
    void PaintRow(QPainter& Painter, const TLegendRow& Row, const std::array<int, kLegendColumnCount + 1>& X,
                  int Left, int Top, int LineHeight, int Box) const;
    void PaintCell(QPainter& Painter, const TLegendRow& Row, int Column, QRect Rect, int Box) const;

    TLegendLists lists_;
    TLegendColumns columns_;
    TColor black_;
};
