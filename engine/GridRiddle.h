#pragma once

// The base of both grid controls: an owner-drawn grid that shows one riddle.

#include "DrawGrid.h"
#include "RiddleData.h"

#include <QFont>
#include <QFontMetrics>
#include <functional>

class TGridRiddle : public TDrawGrid {
    Q_OBJECT
public:
    explicit TGridRiddle(QWidget* parent = nullptr);

    virtual TRiddleData& Riddle() = 0;
    virtual const TRiddleData& Riddle() const = 0;

    QFont DescriptionFont;
    QFont IndexFont;
    QFont NumberFont;
    const QString& FontName() const { return fontName_; }
    void SetFontName(const QString& name);

    // Asked whether a cell may become current; CanSelect starts true.
    std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)> OnSelectCell;

    // With poAutoSize the control takes exactly the size of its cells and lines.
    void AdjustClientSize();
    // Paints one cell; Target 0 is the screen, any other value a printout (no cursor, no
    // current word, nothing that depends on the focus).
    virtual void PaintCell(QPainter& painter, int col, int row, int target, int drawState,
                           const QRect& rect) = 0;
    // Paints the whole riddle without header lines into Rect. CellSize 0 picks the largest cells
    // that fit; Rect becomes the area painted.
    virtual void PaintTo(QPainter& painter, QRect& rect, int lineWeight, int target, int& cellSize) = 0;

protected:
    bool SelectCell(int col, int row) override;
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, int drawState) override;
    void TopLeftChanged() override;
    // Widths of column 0 and row 0.
    virtual void UpdateHeaderLines() = 0;
    // Range selection follows the display mode and the riddle type.
    virtual bool WantsRangeSelect() const;
    // The grid takes the riddle's size, cell size, header lines and selection mode.
    void SyncGeometry();
    QFont LetterFont(int cellHeight) const;

    // The number font's metrics, measured once per font.
    const QFontMetrics& NumberMetrics() const;

private:
    QString fontName_ = QStringLiteral("Arial");
    // Fonts are built once per cell size; every cell of a repaint uses the same ones.
    mutable QFont letterFont_;
    mutable int letterFontHeight_ = -1;
    mutable QFont measuredNumberFont_;
    mutable QFontMetrics numberMetrics_{QFont()};
};

// A grid control joined with the data of its riddle kind: the data's painting hooks become
// repaints of the control, its size changes changes of the grid.
template <class Data> class TGridRiddleOf : public TGridRiddle, public Data {
public:
    explicit TGridRiddleOf(QWidget* parent = nullptr) : TGridRiddle(parent) {}

    TRiddleData& Riddle() override { return *this; }
    const TRiddleData& Riddle() const override { return *this; }

    // Setting the size the cells already have does nothing.
    void SetGridSize(int32_t v) override {
        if (v == this->GridSize() && v == DefaultColWidth() && v == DefaultRowHeight())
            return;
        this->SetGridSizeField(v);
        SyncGeometry();
        GridSizeChanged();
    }

protected:
    void Repaint() override { InvalidateGrid(); }
    void RepaintCell(int col, int row) override { InvalidateCell(col, row); }
    void SizeToFit() override { AdjustClientSize(); }
    void DimensionsChanged() override { SyncGeometry(); }
    void DisplayModeChanged() override { SetRangeSelect(WantsRangeSelect()); }
    // After the cell size changed (the picture follows it).
    virtual void GridSizeChanged() {}
};
