#include "DrawGridAccessible.h"

#include "DrawGrid.h"

#include <QWindow>
#include <utility>

namespace {
TDrawGridAccessible::TEventSink eventSink = QAccessible::updateAccessibility;

QAccessibleInterface* MakeDrawGridAccessible(const QString&, QObject* Object) {
    if (auto* grid = qobject_cast<TDrawGrid*>(Object))
        return new TDrawGridAccessible(grid);
    return nullptr;
}
} // namespace

TDrawGridAccessible::TDrawGridAccessible(TDrawGrid* Grid) : QAccessibleWidget(Grid, QAccessible::Table) {
    // The table lives as long as its grid: from now on the grid announces its changes.
    Grid->accessibleMade_ = true;
}

TDrawGridAccessible::~TDrawGridAccessible() {
    DropCells();
}

void TDrawGridAccessible::InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeDrawGridAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

TDrawGridAccessible::TEventSink TDrawGridAccessible::SetEventSink(TEventSink Sink) {
    return std::exchange(eventSink, Sink ? Sink : QAccessible::updateAccessibility);
}

void TDrawGridAccessible::Send(QAccessibleEvent& Event) {
    eventSink(&Event);
}

TDrawGrid* TDrawGridAccessible::Grid() const {
    return static_cast<TDrawGrid*>(object());
}

void* TDrawGridAccessible::interface_cast(QAccessible::InterfaceType Type) {
    if (Type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(Type);
}

int TDrawGridAccessible::columnCount() const {
    return qMax(0, Grid()->ColCount() - Grid()->AccessibleOrigin().x());
}

int TDrawGridAccessible::rowCount() const {
    return qMax(0, Grid()->RowCount() - Grid()->AccessibleOrigin().y());
}

int TDrawGridAccessible::childCount() const {
    return columnCount() * rowCount();
}

int TDrawGridAccessible::IndexOfCell(int ACol, int ARow) const {
    const QPoint origin = Grid()->AccessibleOrigin();
    const int column = ACol - origin.x(), row = ARow - origin.y();
    if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount())
        return -1;
    return row * columnCount() + column;
}

QAccessibleInterface* TDrawGridAccessible::child(int Index) const {
    if (Index < 0 || Index >= childCount())
        return nullptr;
    if (const auto found = cells_.constFind(Index); found != cells_.constEnd())
        return QAccessible::accessibleInterface(*found);
    const QPoint origin = Grid()->AccessibleOrigin();
    auto* cell = new TDrawGridCellAccessible(Grid(), origin.x() + Index % columnCount(),
                                             origin.y() + Index / columnCount());
    cells_.insert(Index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int TDrawGridAccessible::indexOfChild(const QAccessibleInterface* Child) const {
    const auto* cell = dynamic_cast<const TDrawGridCellAccessible*>(Child);
    if (!cell || cell->parent() != this)
        return -1;
    return IndexOfCell(cell->Col(), cell->Row());
}

QAccessibleInterface* TDrawGridAccessible::childAt(int X, int Y) const {
    int col = 0, row = 0;
    if (!Grid()->MouseToCell(Grid()->viewport()->mapFromGlobal(QPoint(X, Y)), col, row))
        return nullptr;
    return child(IndexOfCell(col, row));
}

QAccessibleInterface* TDrawGridAccessible::focusChild() const {
    if (!Grid()->hasFocus())
        return nullptr;
    return child(IndexOfCell(Grid()->Col(), Grid()->Row()));
}

QAccessibleInterface* TDrawGridAccessible::cellAt(int Row, int Column) const {
    if (Row < 0 || Column < 0 || Row >= rowCount() || Column >= columnCount())
        return nullptr;
    return child(Row * columnCount() + Column);
}

int TDrawGridAccessible::selectedCellCount() const {
    return IndexOfCell(Grid()->Col(), Grid()->Row()) >= 0 ? 1 : 0;
}

QList<QAccessibleInterface*> TDrawGridAccessible::selectedCells() const {
    if (QAccessibleInterface* current = child(IndexOfCell(Grid()->Col(), Grid()->Row())))
        return {current};
    return {};
}

QString TDrawGridAccessible::columnDescription(int Column) const {
    return QStringLiteral("Spalte %1").arg(Column + 1);
}

QString TDrawGridAccessible::rowDescription(int Row) const {
    return QStringLiteral("Zeile %1").arg(Row + 1);
}

void TDrawGridAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    DropCells();
}

QAccessibleInterface* TDrawGridAccessible::CachedCell(int ACol, int ARow) const {
    const auto found = cells_.constFind(IndexOfCell(ACol, ARow));
    return found == cells_.constEnd() ? nullptr : QAccessible::accessibleInterface(*found);
}

QList<QAccessibleInterface*> TDrawGridAccessible::CachedCells() const {
    QList<QAccessibleInterface*> out;
    out.reserve(cells_.size());
    for (const QAccessible::Id id : cells_)
        if (QAccessibleInterface* cell = QAccessible::accessibleInterface(id))
            out.append(cell);
    return out;
}

void TDrawGridAccessible::DropCells() {
    for (const QAccessible::Id id : std::as_const(cells_))
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

TDrawGridCellAccessible::TDrawGridCellAccessible(TDrawGrid* Grid, int ACol, int ARow)
    : grid_(Grid), col_(ACol), row_(ARow), spokenName_(Grid->AccessibleCellName(ACol, ARow)),
      spokenDescription_(Grid->AccessibleCellDescription(ACol, ARow)) {}

bool TDrawGridCellAccessible::isValid() const {
    return grid_ && col_ < grid_->ColCount() && row_ < grid_->RowCount();
}

QWindow* TDrawGridCellAccessible::window() const {
    return grid_ ? grid_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TDrawGridCellAccessible::parent() const {
    return grid_ ? QAccessible::queryAccessibleInterface(grid_) : nullptr;
}

QString TDrawGridCellAccessible::text(QAccessible::Text Type) const {
    if (!isValid())
        return QString();
    switch (Type) {
    case QAccessible::Name:
        return grid_->AccessibleCellName(col_, row_);
    case QAccessible::Value:
        return grid_->AccessibleCellValue(col_, row_);
    case QAccessible::Description:
        return grid_->AccessibleCellDescription(col_, row_);
    default:
        return QString();
    }
}

QRect TDrawGridCellAccessible::rect() const {
    if (!isValid())
        return QRect();
    const QRect cell = grid_->CellRect(col_, row_);
    return QRect(grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State TDrawGridCellAccessible::state() const {
    QAccessible::State s;
    if (!isValid())
        return s;
    s.focusable = true;
    s.selectable = true;
    const bool current = col_ == grid_->Col() && row_ == grid_->Row();
    s.selected = current;
    s.focused = current && grid_->hasFocus();
    s.invisible = !grid_->isVisible();
    s.offscreen = !grid_->viewport()->rect().intersects(grid_->CellRect(col_, row_));
    return s;
}

void* TDrawGridCellAccessible::interface_cast(QAccessible::InterfaceType Type) {
    if (Type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool TDrawGridCellAccessible::isSelected() const {
    return isValid() && col_ == grid_->Col() && row_ == grid_->Row();
}

int TDrawGridCellAccessible::columnIndex() const {
    return grid_ ? col_ - grid_->AccessibleOrigin().x() : -1;
}

int TDrawGridCellAccessible::rowIndex() const {
    return grid_ ? row_ - grid_->AccessibleOrigin().y() : -1;
}

TDrawGridCellAccessible::TChanges TDrawGridCellAccessible::TakeChanges() {
    TChanges changes;
    if (!isValid())
        return changes;
    QString name = grid_->AccessibleCellName(col_, row_);
    QString description = grid_->AccessibleCellDescription(col_, row_);
    changes.Name = name != spokenName_;
    changes.Description = description != spokenDescription_;
    spokenName_ = std::move(name);
    spokenDescription_ = std::move(description);
    return changes;
}
