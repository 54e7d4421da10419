#pragma once

// A draw grid as a screen reader sees it: a table whose cells are the grid's cells from its
// accessible origin on (header lines before it are not cells a listener moves through). The grid
// decides what a cell says; these classes only hand it on. A cell's object is made when somebody
// asks for it and kept until the grid changes its size, so that a large grid with nobody
// listening costs nothing.

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class TDrawGrid;

class TDrawGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TDrawGridAccessible(TDrawGrid* Grid);
    ~TDrawGridAccessible() override;

    // Makes the accessible grids of the program tables; installed by the first grid made.
    static void InstallFactory();
    // Where the grids' events go: to the accessibility bus, unless a test listens instead.
    using TEventSink = void (*)(QAccessibleEvent* Event);
    static TEventSink SetEventSink(TEventSink Sink);
    static void Send(QAccessibleEvent& Event);

    void* interface_cast(QAccessible::InterfaceType Type) override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* child(int Index) const override;
    int indexOfChild(const QAccessibleInterface* Child) const override;
    QAccessibleInterface* childAt(int X, int Y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int Row, int Column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int Column) const override;
    QString rowDescription(int Row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Whole lines are never selected: the solver works on one cell at a time.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* Event) override;

    // The child index of a grid cell; -1 before the origin or outside the grid.
    int IndexOfCell(int ACol, int ARow) const;
    // The cell's object if somebody has asked for it already, else nullptr.
    QAccessibleInterface* CachedCell(int ACol, int ARow) const;
    // Every cell object made so far.
    QList<QAccessibleInterface*> CachedCells() const;
    // Forgets every cell object (the grid changed its size).
    void DropCells();

private:
    TDrawGrid* Grid() const;

    mutable QHash<int, QAccessible::Id> cells_;
};

class TDrawGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TDrawGridCellAccessible(TDrawGrid* Grid, int ACol, int ARow);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text Type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType Type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    int Col() const { return col_; }
    int Row() const { return row_; }
    // What of the cell's name and description differs from when it was made or last compared;
    // the caller announces it.
    struct TChanges {
        bool Name = false;
        bool Description = false;
    };
    TChanges TakeChanges();

private:
    QPointer<TDrawGrid> grid_;
    int col_;
    int row_;
    QString spokenName_;
    QString spokenDescription_;
};
