#pragma once

// An owner-drawn grid of cells in the manner of a classic draw grid: counts of columns and rows,
// default cell sizes with separate sizes for column 0 and row 0, a grid line width, a current
// cell, a selection rectangle (optionally a range), scrolling, and the classic keyboard
// navigation. Every move of the current cell is asked of SelectCell first; every cell is painted
// by DrawCell. The riddle controls and the legend grids derive from it.

#include <QAbstractScrollArea>
#include <QRect>
#include <vector>

enum TGridDrawStateFlag { gdSelected = 1, gdFocused = 2, gdFixed = 4 };

class TDrawGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TDrawGrid(QWidget* parent = nullptr);

    int ColCount() const { return int(colWidths_.size()); }
    int RowCount() const { return int(rowHeights_.size()); }
    void SetColCount(int count);
    void SetRowCount(int count);
    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Sets every column (row) to the default size; column 0 and row 0 keep no special size.
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width);

    // The current cell.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int col) { MoveCurrent(col, row_, false); }
    void SetRow(int row) { MoveCurrent(col_, row, false); }
    // Moves the current cell (asking SelectCell); false when refused or outside the grid.
    bool MoveCurrent(int col, int row, bool extendSelection);
    // Sets the current cell and the selection without asking (the selection may also lie outside
    // the grid, which selects nothing).
    void SetCurrentSilently(int col, int row);
    // Columns Left … Right and rows Top … Bottom, in cells.
    QRect Selection() const { return selection_; }
    void SetSelection(const QRect& cells);
    bool RangeSelect() const { return rangeSelect_; }
    void SetRangeSelect(bool on);

    // The cell's rectangle in viewport coordinates (without the grid line after it).
    QRect CellRect(int col, int row) const;
    // The cell under a viewport position; false outside every cell.
    bool MouseToCell(const QPoint& pos, int& col, int& row) const;
    // Width and height of all cells with their grid lines.
    QSize GridExtent() const;
    // The first visible column and row.
    int LeftCol() const;
    int TopRow() const;

    void InvalidateCell(int col, int row);
    void InvalidateGrid();

protected:
    // Asked before the current cell moves there; true allows it.
    virtual bool SelectCell(int col, int row);
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect, int drawState) = 0;
    // The grid scrolled.
    virtual void TopLeftChanged() {}
    // Filled between the cells where the grid lines run.
    virtual QColor GridLineColor() const;

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Offset of a column (row) from the grid's origin, and the column (row) at an offset (-1: none).
    int LineStart(const std::vector<int>& sizes, int index) const;
    int LineAt(const std::vector<int>& sizes, int offset) const;
    void UpdateScrollBars();
    void ScrollIntoView(int col, int row);
    int VisibleRows() const;

    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    int col_ = 0, row_ = 0;
    QRect selection_{0, 0, 1, 1};
    QPoint anchor_;
    bool rangeSelect_ = false;
    bool dragging_ = false;
};
