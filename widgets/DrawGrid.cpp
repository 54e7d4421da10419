#include "DrawGrid.h"

#include "DrawGridAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
// The cells from one corner to the other, either way round. QRect::normalized() would not do:
// for corners given backwards it leaves out both corner cells.
QRect CellSpan(const QPoint& A, const QPoint& B) {
    return QRect(QPoint(qMin(A.x(), B.x()), qMin(A.y(), B.y())),
                 QPoint(qMax(A.x(), B.x()), qMax(A.y(), B.y())));
}

int LineSize(int Size) {
    return qBound(0, Size, TDrawGrid::kMaxLineSize);
}
} // namespace

TDrawGrid::TDrawGrid(QWidget* Parent) : QAbstractScrollArea(Parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    colWidths_.assign(5, defaultColWidth_);
    rowHeights_.assign(5, defaultRowHeight_);
    TDrawGridAccessible::InstallFactory();
}

void TDrawGrid::SetColCount(int Count) {
    Count = qMax(0, Count);
    if (Count != ColCount())
        AnnounceReset();
    colWidths_.resize(size_t(Count), defaultColWidth_);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetRowCount(int Count) {
    Count = qMax(0, Count);
    if (Count != RowCount())
        AnnounceReset();
    rowHeights_.resize(size_t(Count), defaultRowHeight_);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetDefaultColWidth(int Width) {
    defaultColWidth_ = LineSize(Width);
    colWidths_.assign(colWidths_.size(), defaultColWidth_);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetDefaultRowHeight(int Height) {
    defaultRowHeight_ = LineSize(Height);
    rowHeights_.assign(rowHeights_.size(), defaultRowHeight_);
    UpdateScrollBars();
    InvalidateGrid();
}

int TDrawGrid::ColWidth(int ACol) const {
    return ACol >= 0 && ACol < ColCount() ? colWidths_[size_t(ACol)] : defaultColWidth_;
}

int TDrawGrid::RowHeight(int ARow) const {
    return ARow >= 0 && ARow < RowCount() ? rowHeights_[size_t(ARow)] : defaultRowHeight_;
}

void TDrawGrid::SetColWidth(int ACol, int Width) {
    if (ACol < 0 || ACol >= ColCount())
        return;
    colWidths_[size_t(ACol)] = LineSize(Width);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetRowHeight(int ARow, int Height) {
    if (ARow < 0 || ARow >= RowCount())
        return;
    rowHeights_[size_t(ARow)] = LineSize(Height);
    UpdateScrollBars();
    InvalidateGrid();
}

void TDrawGrid::SetGridLineWidth(int Width) {
    gridLineWidth_ = LineSize(Width);
    UpdateScrollBars();
    InvalidateGrid();
}

bool TDrawGrid::SelectCell(int, int) {
    return true;
}

bool TDrawGrid::MoveCurrent(int ACol, int ARow, bool ExtendSelection) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return false;
    if (!SelectCell(ACol, ARow))
        return false;
    const QRect before = selection_;
    const int oldCol = col_, oldRow = row_;
    col_ = ACol;
    row_ = ARow;
    if (ExtendSelection && rangeSelect_)
        selection_ = CellSpan(anchor_, QPoint(ACol, ARow));
    else {
        anchor_ = QPoint(ACol, ARow);
        selection_ = QRect(anchor_, anchor_);
    }
    ScrollIntoView(ACol, ARow);
    if (before != selection_ &&
        (before.width() > 1 || before.height() > 1 || selection_.width() > 1 || selection_.height() > 1))
        InvalidateGrid();
    else {
        InvalidateCell(oldCol, oldRow);
        InvalidateCell(ACol, ARow);
    }
    if (oldCol != col_ || oldRow != row_)
        AnnounceCurrent();
    return true;
}

void TDrawGrid::SetCurrentSilently(int ACol, int ARow) {
    col_ = ACol;
    row_ = ARow;
    anchor_ = QPoint(ACol, ARow);
    selection_ = QRect(anchor_, anchor_);
    InvalidateGrid();
    AnnounceCurrent();
}

void TDrawGrid::SetRangeSelect(bool On) {
    if (rangeSelect_ == On)
        return;
    rangeSelect_ = On;
    if (!On)
        SetCurrentSilently(col_, row_);
}

int TDrawGrid::LineStart(const std::vector<int>& Sizes, int Index) const {
    qint64 start = 0;
    for (int i = 0; i < Index && i < int(Sizes.size()) && start < kMaxExtent; ++i)
        start += Sizes[size_t(i)] + gridLineWidth_;
    return int(qMin<qint64>(start, kMaxExtent));
}

QRect TDrawGrid::CellRect(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return QRect();
    return QRect(LineStart(colWidths_, ACol) - horizontalScrollBar()->value(),
                 LineStart(rowHeights_, ARow) - verticalScrollBar()->value(), ColWidth(ACol),
                 RowHeight(ARow));
}

bool TDrawGrid::MouseToCell(const QPoint& Pos, int& Col, int& Row) const {
    Col = LineAt(colWidths_, Pos.x() + horizontalScrollBar()->value());
    Row = LineAt(rowHeights_, Pos.y() + verticalScrollBar()->value());
    return Col >= 0 && Row >= 0;
}

int TDrawGrid::LineAt(const std::vector<int>& Sizes, int Offset) const {
    qint64 start = 0;
    for (int i = 0; i < int(Sizes.size()) && start <= Offset; ++i) {
        const qint64 end = start + Sizes[size_t(i)] + gridLineWidth_;
        if (Offset >= start && Offset < end)
            return i;
        start = end;
    }
    return -1;
}

QSize TDrawGrid::GridExtent() const {
    return QSize(LineStart(colWidths_, ColCount()), LineStart(rowHeights_, RowCount()));
}

void TDrawGrid::InvalidateCell(int ACol, int ARow) {
    const QRect r = CellRect(ACol, ARow);
    if (r.isValid())
        viewport()->update(r.adjusted(-1, -1, gridLineWidth_ + 1, gridLineWidth_ + 1));
    AnnounceChanges(ACol, ARow);
}

void TDrawGrid::InvalidateGrid() {
    viewport()->update();
    AnnounceChanges(-1, -1);
}

QString TDrawGrid::AccessibleCellName(int ACol, int ARow) const {
    const QPoint origin = AccessibleOrigin();
    return QStringLiteral("Zeile %1, Spalte %2").arg(ARow - origin.y() + 1).arg(ACol - origin.x() + 1);
}

TDrawGridAccessible* TDrawGrid::KnownTable() {
    // Nobody has asked for the grid's table yet: there is nobody to tell.
    if (!accessibleMade_)
        return nullptr;
    return dynamic_cast<TDrawGridAccessible*>(QAccessible::queryAccessibleInterface(this));
}

void TDrawGrid::AnnounceCurrent() {
    if (!hasFocus())
        return;
    TDrawGridAccessible* table = KnownTable();
    const int index = table ? table->IndexOfCell(col_, row_) : -1;
    if (index < 0)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(index);
    TDrawGridAccessible::Send(event);
}

void TDrawGrid::AnnounceChanges(int ACol, int ARow) {
    TDrawGridAccessible* table = KnownTable();
    if (!table)
        return;
    const QList<QAccessibleInterface*> cells =
        ACol < 0 ? table->CachedCells() : QList<QAccessibleInterface*>{table->CachedCell(ACol, ARow)};
    for (QAccessibleInterface* cell : cells) {
        if (!cell)
            continue;
        const TDrawGridCellAccessible::TChanges changes =
            static_cast<TDrawGridCellAccessible*>(cell)->TakeChanges();
        if (changes.Name) {
            QAccessibleEvent event(cell, QAccessible::NameChanged);
            TDrawGridAccessible::Send(event);
        }
        if (changes.Description) {
            QAccessibleEvent event(cell, QAccessible::DescriptionChanged);
            TDrawGridAccessible::Send(event);
        }
    }
}

void TDrawGrid::AnnounceReset() {
    TDrawGridAccessible* table = KnownTable();
    if (!table)
        return;
    // Dropped here as well: the event reaches the table only while a screen reader listens.
    table->DropCells();
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    TDrawGridAccessible::Send(event);
}

QColor TDrawGrid::GridLineColor() const {
    return QColor(0xC0, 0xC0, 0xC0);
}

void TDrawGrid::paintEvent(QPaintEvent* Event) {
    QPainter p(viewport());
    const QRect dirty = Event->rect();
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
                    const int overhang = CellOverhang();
                    p.setClipRect(cell.adjusted(-overhang, -overhang, gridLineWidth_ + overhang,
                                                gridLineWidth_ + overhang));
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

void TDrawGrid::keyPressEvent(QKeyEvent* Event) {
    const bool ctrl = Event->modifiers() & Qt::ControlModifier;
    const bool extend = Event->modifiers() & Qt::ShiftModifier;
    int col = col_, row = row_;
    switch (Event->key()) {
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
        QAbstractScrollArea::keyPressEvent(Event);
        return;
    }
    // A refused target is skipped over towards the move's direction, as far as the grid goes
    // (so Home lands on the first selectable cell, not on a header).
    const int stepCol = col == col_ ? 0 : (col < col_ ? -1 : 1);
    const int stepRow = row == row_ ? 0 : (row < row_ ? -1 : 1);
    const bool jump = Event->key() == Qt::Key_Home || Event->key() == Qt::Key_End ||
                      Event->key() == Qt::Key_PageUp || Event->key() == Qt::Key_PageDown;
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
    Event->accept();
}

void TDrawGrid::mousePressEvent(QMouseEvent* Event) {
    int col = 0, row = 0;
    if (Event->button() == Qt::LeftButton && MouseToCell(Event->position().toPoint(), col, row)) {
        setFocus(Qt::MouseFocusReason);
        if (MoveCurrent(col, row, false))
            dragging_ = true;
    }
    Event->accept();
}

void TDrawGrid::mouseMoveEvent(QMouseEvent* Event) {
    int col = 0, row = 0;
    if (dragging_ && rangeSelect_ && MouseToCell(Event->position().toPoint(), col, row) &&
        (col != col_ || row != row_))
        MoveCurrent(col, row, true);
    Event->accept();
}

void TDrawGrid::mouseReleaseEvent(QMouseEvent* Event) {
    dragging_ = false;
    Event->accept();
}

void TDrawGrid::resizeEvent(QResizeEvent* Event) {
    QAbstractScrollArea::resizeEvent(Event);
    UpdateScrollBars();
}

void TDrawGrid::scrollContentsBy(int, int) {
    viewport()->update();
    TopLeftChanged();
}

void TDrawGrid::focusInEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusInEvent(Event);
    InvalidateCell(col_, row_);
    // After the widget's own focus event, so that the screen reader lands on the cell.
    QMetaObject::invokeMethod(this, &TDrawGrid::AnnounceCurrent, Qt::QueuedConnection);
}

void TDrawGrid::focusOutEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusOutEvent(Event);
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

void TDrawGrid::ScrollIntoView(int ACol, int ARow) {
    const QRect cell = CellRect(ACol, ARow);
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
