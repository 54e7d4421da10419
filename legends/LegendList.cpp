#include "LegendList.h"

#include "LegendRules.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {
const QString kWordMime = QStringLiteral("application/x-quivane-legend-word");

// The solved mark: an empty box, or a box with a tick.
QIcon StateIcon(bool Solved) {
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 11, 11));
    if (Solved) {
        p.setPen(QPen(QColor(0x00, 0x80, 0x00), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3.5, 7.5), QPointF(6, 10), QPointF(11, 4)}));
    }
    return QIcon(pm);
}
} // namespace

void TLegendListModel::SetRows(std::vector<TLegendRow> Rows, TRiddleType Type, const QColor& Black) {
    beginResetModel();
    rows_ = std::move(Rows);
    type_ = Type;
    columns_ = LegendColumns(Type);
    black_ = Black;
    endResetModel();
}

void TLegendListModel::SetSolved(int Row, bool Solved) {
    if (Row < 0 || Row >= int(rows_.size()))
        return;
    rows_[size_t(Row)].Solved = Solved;
    const QModelIndex mark = index(Row, columns_.FirstShown);
    emit dataChanged(mark, mark, {Qt::DecorationRole});
}

int TLegendListModel::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : int(rows_.size());
}

int TLegendListModel::columnCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : kLegendColumnCount;
}

QVariant TLegendListModel::data(const QModelIndex& Index, int Role) const {
    if (!Index.isValid() || Index.row() >= int(rows_.size()))
        return QVariant();
    const TLegendRow& row = rows_[size_t(Index.row())];
    const int column = Index.column();
    // A column the kind does not show tells nothing, not even a screen reader (it would give away
    // the words of a Swedish riddle).
    if (!columns_.Shown[size_t(column)])
        return QVariant();
    switch (Role) {
    case Qt::DisplayRole:
        return LegendCellText(row.Data, column);
    case Qt::DecorationRole: {
        if (column != columns_.FirstShown)
            return QVariant();
        static const QIcon solved = StateIcon(true), open = StateIcon(false);
        return row.Solved ? solved : open;
    }
    case Qt::AccessibleDescriptionRole:
        return column == columns_.FirstShown
                   ? QVariant(row.Solved ? QStringLiteral("gelöst") : QStringLiteral("ungelöst"))
                   : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (LegendColumnRightAligned(column) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        if (column == lcZeile)
            return QApplication::palette().button();
        if (column == lcSchwarzfelder)
            return QBrush(black_);
        return QVariant();
    case Qt::ForegroundRole:
        if (column == lcZeile)
            return QApplication::palette().buttonText();
        if (column == lcSchwarzfelder)
            return QBrush(Qt::white);
        return QVariant();
    case Qt::FontRole:
        if (column == lcZeile) {
            QFont bold = QApplication::font();
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant TLegendListModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Orientation != Qt::Horizontal)
        return QVariant();
    if (Role == Qt::DisplayRole)
        return LegendHeader(Section);
    if (Role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (LegendColumnRightAligned(Section) ? Qt::AlignRight : Qt::AlignLeft));
    return QVariant();
}

Qt::ItemFlags TLegendListModel::flags(const QModelIndex& Index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(Index);
    // Only the words of a crossword puzzle are laid into the grid by hand.
    if (Index.isValid() && type_ == rtPuzzle)
        f |= Qt::ItemIsDragEnabled;
    return f;
}

QStringList TLegendListModel::mimeTypes() const {
    return {kWordMime};
}

QMimeData* TLegendListModel::mimeData(const QModelIndexList& Indexes) const {
    if (Indexes.isEmpty() || Indexes.first().row() >= int(rows_.size()))
        return nullptr;
    auto* mime = new QMimeData;
    mime->setData(kWordMime, rows_[size_t(Indexes.first().row())].Data.Word.toUtf8());
    return mime;
}

TLegendList::TLegendList(bool Upper, QWidget* Parent)
    : QTreeView(Parent), model_(new TLegendListModel(this)), upper_(Upper) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragOnly);
    setMouseTracking(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setAccessibleName(Upper ? QStringLiteral("Waagerecht") : QStringLiteral("Senkrecht"));
}

void TLegendList::SetRows(std::vector<TLegendRow> Rows, TRiddleType Type, const QColor& Black) {
    model_->SetRows(std::move(Rows), Type, Black);
    setDragEnabled(Type == rtPuzzle);
    for (int r = 0; r < model_->rowCount(); ++r)
        if (model_->Rows()[size_t(r)].Hidden)
            setRowHidden(r, QModelIndex(), true);
}

void TLegendList::SetUpColumns() {
    const TLegendColumns& c = model_->Columns();
    QHeaderView* h = header();
    for (int col = 0; col < kLegendColumnCount; ++col) {
        setColumnHidden(col, !c.Shown[size_t(col)]);
        if (col == c.AutoSize) {
            h->setSectionResizeMode(col, QHeaderView::Stretch);
            continue;
        }
        const bool resizable = col == lcBegriff || col == lcUmschreibung;
        h->setSectionResizeMode(col, resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
        // A header that does not fit its design width would be cut off; it gets its own width.
        const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h) + 2;
        setColumnWidth(
            col, std::max(c.Width(col), h->fontMetrics().horizontalAdvance(LegendHeader(col)) + margin));
    }
}

int TLegendList::FocusedRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void TLegendList::FocusRow(int Row) {
    const QModelIndex at = model_->index(Row, model_->Columns().FirstShown);
    setCurrentIndex(at);
    scrollTo(at);
}

void TLegendList::currentChanged(const QModelIndex& Current, const QModelIndex& Previous) {
    if (hasFocus()) {
        QTreeView::currentChanged(Current, Previous);
        return;
    }
    QAbstractItemView::currentChanged(Current, Previous);
    viewport()->update();
}

int TLegendList::ColumnAt(const QPoint& Pos, int& X) const {
    const int column = header()->logicalIndexAt(Pos.x());
    X = column < 0 ? -1 : Pos.x() - header()->sectionViewportPosition(column);
    return column;
}

QString TLegendList::HintAt(const QPoint& Pos) const {
    int x = 0;
    const int column = ColumnAt(Pos, x);
    const QModelIndex at = indexAt(Pos);
    const TLegendRowData* row = at.isValid() ? &model_->Rows()[size_t(at.row())].Data : nullptr;
    return LegendCellHint(model_->Type(), column, x, upper_, row);
}

void TLegendList::mousePressEvent(QMouseEvent* Event) {
    const QPoint pos = Event->position().toPoint();
    const QModelIndex at = indexAt(pos);
    int x = 0;
    const int column = ColumnAt(pos, x);
    // A right click selects the row too, so that the context menu acts on it.
    if (Event->button() == Qt::RightButton && at.isValid())
        setCurrentIndex(at);
    QTreeView::mousePressEvent(Event);
    if (!at.isValid())
        return;
    if (OnSolvedMark(model_->Columns(), column, x))
        emit SolvedMarkClicked(at.row());
    else if (Event->button() == Qt::LeftButton && model_->Type() == rtPuzzle)
        emit DragPressed(Event->modifiers());
}

void TLegendList::mouseMoveEvent(QMouseEvent* Event) {
    const QPoint pos = Event->position().toPoint();
    int x = 0;
    const int column = ColumnAt(pos, x);
    if (OnSolvedMark(model_->Columns(), column, x) && indexAt(pos).isValid())
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
    // A new text replaces the shown tooltip at once instead of waiting for it to time out.
    const QString hint = HintAt(pos);
    if (hint != lastHint_) {
        lastHint_ = hint;
        QToolTip::hideText();
    }
    QTreeView::mouseMoveEvent(Event);
}

void TLegendList::mouseReleaseEvent(QMouseEvent* Event) {
    const QModelIndex at = indexAt(Event->position().toPoint());
    int x = 0;
    const int column = ColumnAt(Event->position().toPoint(), x);
    QTreeView::mouseReleaseEvent(Event);
    if (Event->button() == Qt::LeftButton && at.isValid() && !OnSolvedMark(model_->Columns(), column, x))
        emit RowClicked(at.row());
}

bool TLegendList::viewportEvent(QEvent* Event) {
    if (Event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(Event);
        const QString hint = HintAt(help->pos());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, viewport());
        return true;
    }
    return QTreeView::viewportEvent(Event);
}

void TLegendList::startDrag(Qt::DropActions) {
    const QModelIndex at = currentIndex();
    if (!at.isValid())
        return;
    QMimeData* mime = model_->mimeData({at});
    if (!mime)
        return;
    drag_ = new QDrag(this);
    drag_->setMimeData(mime);
    SetDragCursor(dragCursor_);
    drag_->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

void TLegendList::SetDragCursor(const QCursor& Cursor) {
    dragCursor_ = Cursor;
    const QPixmap pixmap = Cursor.pixmap();
    if (!drag_ || pixmap.isNull())
        return;
    for (Qt::DropAction a : {Qt::MoveAction, Qt::CopyAction})
        drag_->setDragCursor(pixmap, a);
}
