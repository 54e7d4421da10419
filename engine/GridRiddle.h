#pragma once

// The base of both grid controls: an owner-drawn grid that shows one riddle. The control owns
// its riddle data and follows it through the data's signals; it ticks the data's solve clock.

#include "CellFonts.h"
#include "DrawGrid.h"
#include "RiddleData.h"
#include "RiddlePainter.h"

#include <QTimer>
#include <functional>

class TGridRiddle : public TDrawGrid {
    Q_OBJECT
public:
    explicit TGridRiddle(QWidget* Parent = nullptr);

    virtual TRiddleData& Riddle() = 0;
    virtual const TRiddleData& Riddle() const = 0;

    // The fonts of the cells; change them through SetFonts so the grid repaints.
    const TCellFonts& Fonts() const { return fonts_; }
    void SetFonts(const TCellFonts& Fonts);
    const QString& FontName() const { return fonts_.FontName; }
    void SetFontName(const QString& Name);

    // Asked whether a cell may become current; CanSelect starts true.
    std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)> OnSelectCell;

    // With poAutoSize the control takes exactly the size of its cells and lines.
    void AdjustClientSize();
    // Paints one cell; the screen adds the cursor, the current word and what depends on the focus.
    virtual void PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, int DrawState,
                           const QRect& Rect) = 0;
    // Paints the whole riddle without header lines into Rect. CellSize 0 picks the largest cells
    // that fit; Rect becomes the area painted.
    virtual void PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target,
                         int& CellSize) = 0;
    // The header lines are no cells of the riddle: its table starts at cell (1, 1).
    QPoint AccessibleOrigin() const override { return QPoint(1, 1); }

signals:
    // The control took the size of its cells (the riddle is the sender, as for the data's events).
    void OnSizeChanged(TObject* Sender);
    // The grid scrolled.
    void OnTopLeftChanged(TObject* Sender);

protected:
    // Follows the riddle's signals; the derived control calls it once its data exists.
    void AttachRiddle();
    bool SelectCell(int ACol, int ARow) override;
    void DrawCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect, int DrawState) override;
    void TopLeftChanged() override;
    // The grid takes the riddle's size, cell size, header lines, line width and selection mode.
    virtual void SyncGeometry();
    // Widths of column 0 and row 0.
    virtual void UpdateHeaderLines() = 0;
    // Range selection follows the display mode (and the riddle type).
    virtual bool WantsRangeSelect() const;
    // What painting needs to know of the control on screen.
    TScreenState ScreenState() const;

private:
    TCellFonts fonts_;
    // Ticks the riddle's solve clock while it runs.
    QTimer clockTimer_;
};
