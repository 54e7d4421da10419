#pragma once

// An owner-drawn grid of cells in the manner of a classic draw grid: counts of columns and rows,
// default cell sizes with separate sizes for column 0 and row 0, a grid line width, a current
// cell, a selection rectangle (optionally a range), scrolling, and the classic keyboard
// navigation. Every move of the current cell is asked of SelectCell first; every cell is painted
// by DrawCell. The riddle controls and the legend grids derive from it.

#include <QAbstractScrollArea>
#include <QRect>
#include <QString>
#include <vector>

class TDrawGridAccessible;

enum TGridDrawStateFlag { gdSelected = 1, gdFocused = 2, gdFixed = 4 };

class TDrawGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Cell sizes and the grid line width are kept within 0 … kMaxLineSize, and the grid's extent
    // stops growing at kMaxExtent, so that no sum of sizes can overflow whatever is asked for.
    static constexpr int kMaxLineSize = 0xFFFF;
    static constexpr int kMaxExtent = QWIDGETSIZE_MAX;

    explicit TDrawGrid(QWidget* Parent = nullptr);

    int ColCount() const { return int(colWidths_.size()); }
    int RowCount() const { return int(rowHeights_.size()); }
    void SetColCount(int Count);
    void SetRowCount(int Count);
    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Sets every column (row) to the default size; column 0 and row 0 keep no special size.
    void SetDefaultColWidth(int Width);
    void SetDefaultRowHeight(int Height);
    int ColWidth(int ACol) const;
    int RowHeight(int ARow) const;
    void SetColWidth(int ACol, int Width);
    void SetRowHeight(int ARow, int Height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int Width);

    // The current cell.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int ACol) { MoveCurrent(ACol, row_, false); }
    void SetRow(int ARow) { MoveCurrent(col_, ARow, false); }
    // Moves the current cell (asking SelectCell); false when refused or outside the grid.
    bool MoveCurrent(int ACol, int ARow, bool ExtendSelection);
    // Sets the current cell and the selection without asking (the selection may also lie outside
    // the grid, which selects nothing).
    void SetCurrentSilently(int ACol, int ARow);
    // Columns Left … Right and rows Top … Bottom, in cells.
    QRect Selection() const { return selection_; }
    void SetRangeSelect(bool On);

    // The cell's rectangle in viewport coordinates (without the grid line after it).
    QRect CellRect(int ACol, int ARow) const;
    // The cell under a viewport position; false outside every cell.
    bool MouseToCell(const QPoint& Pos, int& Col, int& Row) const;
    // Width and height of all cells with their grid lines, each at most kMaxExtent.
    QSize GridExtent() const;

    // Repaints, and tells a screen reader about the cells whose names or descriptions changed.
    void InvalidateCell(int ACol, int ARow);
    void InvalidateGrid();

    // What the accessibility bus reports of the grid, a table of the cells from AccessibleOrigin
    // on. A cell's name is what a listener hears on reaching it, its value what stands in it, its
    // description what else there is to know about it.
    virtual QPoint AccessibleOrigin() const { return QPoint(0, 0); }
    virtual QString AccessibleCellName(int ACol, int ARow) const;
    virtual QString AccessibleCellValue(int, int) const { return QString(); }
    virtual QString AccessibleCellDescription(int, int) const { return QString(); }

protected:
    // Asked before the current cell moves there; true allows it.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void DrawCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect, int DrawState) = 0;
    // The grid scrolled.
    virtual void TopLeftChanged() {}
    // Filled between the cells where the grid lines run.
    virtual QColor GridLineColor() const;
    // How far a cell's painting may reach beyond its rectangle and the grid line after it, on every
    // side: a frame drawn over the lines around the cell needs 1.
    virtual int CellOverhang() const { return 0; }

    void paintEvent(QPaintEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void scrollContentsBy(int Dx, int Dy) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    // Offset of a column (row) from the grid's origin, and the column (row) at an offset (-1: none).
    int LineStart(const std::vector<int>& Sizes, int Index) const;
    int LineAt(const std::vector<int>& Sizes, int Offset) const;
    void UpdateScrollBars();
    // The grid's accessible table, once somebody has asked for it.
    TDrawGridAccessible* KnownTable();
    // The current cell becomes the screen reader's focus (while the grid has the keyboard).
    void AnnounceCurrent();
    // Cells a screen reader knows whose names changed are announced; a negative column: all.
    void AnnounceChanges(int ACol, int ARow);
    // Another number of columns or rows: the screen reader's cells are made afresh.
    void AnnounceReset();
    void ScrollIntoView(int ACol, int ARow);
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
    bool accessibleMade_ = false;
    friend class TDrawGridAccessible;
};
