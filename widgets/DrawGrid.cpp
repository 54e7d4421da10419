#include "DrawGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

TDrawGrid::TDrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    colWidths_.assign(5, defaultColWidth_);
    rowHeights_.assign(5, defaultRowHeight_);
}

void TDrawGrid::SetColCount(int count) {
    count = qMax(0, count);
    colWidths_.resize(size_t(count), defaultColWidth_);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetRowCount(int count) {
    count = qMax(0, count);
    rowHeights_.resize(size_t(count), defaultRowHeight_);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetDefaultColWidth(int width) {
    defaultColWidth_ = qMax(0, width);
    colWidths_.assign(colWidths_.size(), defaultColWidth_);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetDefaultRowHeight(int height) {
    defaultRowHeight_ = qMax(0, height);
    rowHeights_.assign(rowHeights_.size(), defaultRowHeight_);
    UpdateScrollBars();
    InvalidateGrid();
}

int TDrawGrid::ColWidth(int col) const {
    return col >= 0 && col < ColCount() ? colWidths_[size_t(col)] : defaultColWidth_;
}

int TDrawGrid::RowHeight(int row) const {
    return row >= 0 && row < RowCount() ? rowHeights_[size_t(row)] : defaultRowHeight_;
}

void TDrawGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= ColCount())
        return;
    colWidths_[size_t(col)] = qMax(0, width);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetRowHeight(int row, int height) {
    if (row < 0 || row >= RowCount())
        return;
    rowHeights_[size_t(row)] = qMax(0, height);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetGridLineWidth(int width) {
    gridLineWidth_ = qMax(0, width);
    UpdateScrollBars();
    InvalidateGrid();
}

bool TDrawGrid::SelectCell(int, int) {
    return true;
}

bool TDrawGrid::MoveCurrent(int col, int row, bool extendSelection) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return false;
    if (!SelectCell(col, row))
        return false;
    const QRect before = selection_;
    const int oldCol = col_, oldRow = row_;
    col_ = col;
    row_ = row;
    if (extendSelection && rangeSelect_)
        selection_ = QRect(anchor_, QPoint(col, row)).normalized();
    else {
        anchor_ = QPoint(col, row);
        selection_ = QRect(anchor_, anchor_);
    }
    ScrollIntoView(col, row);
    if (before != selection_ &&
        (before.width() > 1 || before.height() > 1 || selection_.width() > 1 || selection_.height() > 1))
        InvalidateGrid();
    else {
        InvalidateCell(oldCol, oldRow);
        InvalidateCell(col, row);
    }
    return true;
}

void TDrawGrid::SetCurrentSilently(int col, int row) {
    col_ = col;
    row_ = row;
    anchor_ = QPoint(col, row);
    selection_ = QRect(anchor_, anchor_);
    InvalidateGrid();
}

void TDrawGrid::SetSelection(const QRect& cells) {
    selection_ = cells.normalized();
    InvalidateGrid();
}

void TDrawGrid::SetRangeSelect(bool on) {
    if (rangeSelect_ == on)
        return;
    rangeSelect_ = on;
    if (!on)
        SetCurrentSilently(col_, row_);
}

int TDrawGrid::LineStart(const std::vector<int>& sizes, int index) const {
    int start = 0;
    for (int i = 0; i < index && i < int(sizes.size()); ++i)
        start += sizes[size_t(i)] + gridLineWidth_;
    return start;
}

QRect TDrawGrid::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return QRect();
    return QRect(LineStart(colWidths_, col) - horizontalScrollBar()->value(),
                 LineStart(rowHeights_, row) - verticalScrollBar()->value(), ColWidth(col), RowHeight(row));
}

bool TDrawGrid::MouseToCell(const QPoint& pos, int& col, int& row) const {
    col = LineAt(colWidths_, pos.x() + horizontalScrollBar()->value());
    row = LineAt(rowHeights_, pos.y() + verticalScrollBar()->value());
    return col >= 0 && row >= 0;
}

int TDrawGrid::LineAt(const std::vector<int>& sizes, int offset) const {
    for (int i = 0, start = 0; i < int(sizes.size()); ++i) {
        const int end = start + sizes[size_t(i)] + gridLineWidth_;
        if (offset >= start && offset < end)
            return i;
        start = end;
    }
    return -1;
}

QSize TDrawGrid::GridExtent() const {
    return QSize(LineStart(colWidths_, ColCount()), LineStart(rowHeights_, RowCount()));
}

int TDrawGrid::LeftCol() const {
    int col = 0, row = 0;
    MouseToCell(QPoint(0, 0), col, row);
    return qMax(col, 0);
}

int TDrawGrid::TopRow() const {
    int col = 0, row = 0;
    MouseToCell(QPoint(0, 0), col, row);
    return qMax(row, 0);
}

void TDrawGrid::InvalidateCell(int col, int row) {
    const QRect r = CellRect(col, row);
    if (r.isValid())
        viewport()->update(r.adjusted(-1, -1, gridLineWidth_ + 1, gridLineWidth_ + 1));
}

void TDrawGrid::InvalidateGrid() {
    viewport()->update();
}

QColor TDrawGrid::GridLineColor() const {
    return QColor(0xC0, 0xC0, 0xC0);
}

void TDrawGrid::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const QRect dirty = event->rect();
    p.fillRect(dirty, palette().color(QPalette::Window));
    const QSize extent = GridExtent();
    const int scrollX = horizontalScrollBar()->value(), scrollY = verticalScrollBar()->value();
    p.fillRect(QRect(-scrollX, -scrollY, extent.width(), extent.height()).intersected(dirty),
               GridLineColor());
    const bool focused = hasFocus();
    int top = -scrollY;
    for (int r = 0; r < RowCount() && top < dirty.bottom() + 1; ++r) {
        const int h = rowHeights_[size_t(r)];
        if (top + h + gridLineWidth_ > dirty.top()) {
            int left = -scrollX;
            for (int c = 0; c < ColCount() && left < dirty.right() + 1; ++c) {
                const int w = colWidths_[size_t(c)];
                const QRect cell(left, top, w, h);
                if (w > 0 && h > 0 && left + w + gridLineWidth_ > dirty.left()) {
                    int state = 0;
                    if (selection_.contains(c, r))
                        state |= gdSelected;
                    if (focused && c == col_ && r == row_)
                        state |= gdFocused;
                    p.save();
                    // The line after a cell is the cell's to cover (a picture runs over it).
                    p.setClipRect(cell.adjusted(0, 0, gridLineWidth_, gridLineWidth_));
                    DrawCell(p, c, r, cell, state);
                    p.restore();
                }
                left += w + gridLineWidth_;
            }
        }
        top += h + gridLineWidth_;
    }
}

int TDrawGrid::VisibleRows() const {
    const int pitch = qMax(1, defaultRowHeight_ + gridLineWidth_);
    return qMax(1, viewport()->height() / pitch);
}

void TDrawGrid::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    int col = col_, row = row_;
    switch (event->key()) {
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        col = 0;
        if (ctrl)
            row = 0;
        break;
    case Qt::Key_End:
        col = ColCount() - 1;
        if (ctrl)
            row = RowCount() - 1;
        break;
    case Qt::Key_PageUp:
        row = qMax(0, row - VisibleRows());
        break;
    case Qt::Key_PageDown:
        row = qMin(RowCount() - 1, row + VisibleRows());
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // A refused target is skipped over towards the move's direction, as far as the grid goes
    // (so Home lands on the first selectable cell, not on a header).
    const int stepCol = col == col_ ? 0 : (col < col_ ? -1 : 1);
    const int stepRow = row == row_ ? 0 : (row < row_ ? -1 : 1);
    const bool jump = event->key() == Qt::Key_Home || event->key() == Qt::Key_End ||
                      event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    while (col >= 0 && row >= 0 && col < ColCount() && row < RowCount()) {
        if (MoveCurrent(col, row, extend))
            break;
        if (!jump)
            break;
        col -= stepCol;
        row -= stepRow;
        if (col == col_ && row == row_)
            break;
    }
    event->accept();
}

void TDrawGrid::mousePressEvent(QMouseEvent* event) {
    int col = 0, row = 0;
    if (event->button() == Qt::LeftButton && MouseToCell(event->position().toPoint(), col, row)) {
        setFocus(Qt::MouseFocusReason);
        if (MoveCurrent(col, row, false))
            dragging_ = true;
    }
    event->accept();
}

void TDrawGrid::mouseMoveEvent(QMouseEvent* event) {
    int col = 0, row = 0;
    if (dragging_ && rangeSelect_ && MouseToCell(event->position().toPoint(), col, row) &&
        (col != col_ || row != row_))
        MoveCurrent(col, row, true);
    event->accept();
}

void TDrawGrid::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    event->accept();
}

void TDrawGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TDrawGrid::scrollContentsBy(int, int) {
    viewport()->update();
    TopLeftChanged();
}

void TDrawGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    InvalidateCell(col_, row_);
}

void TDrawGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    InvalidateCell(col_, row_);
}

void TDrawGrid::UpdateScrollBars() {
    const QSize extent = GridExtent();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, extent.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(qMax(1, defaultColWidth_ + gridLineWidth_));
    verticalScrollBar()->setRange(0, qMax(0, extent.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(qMax(1, defaultRowHeight_ + gridLineWidth_));
}

void TDrawGrid::ScrollIntoView(int col, int row) {
    const QRect cell = CellRect(col, row);
    const QRect view = viewport()->rect();
    if (cell.left() < 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cell.left());
    else if (cell.right() > view.right())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cell.right() - view.right());
    if (cell.top() < 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + cell.top());
    else if (cell.bottom() > view.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + cell.bottom() - view.bottom());
}
