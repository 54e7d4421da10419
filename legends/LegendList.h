#pragma once

// One list of the clue legend: a tree view without child rows over a model of legend rows. The
// rows stay in the model when they are hidden, so searches see them all. The view reports what
// the solver does with the mouse (a click on a solved mark, a drag) and shows the column hints.

#include "LegendRows.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QCursor>
#include <QDrag>
#include <QPointer>
#include <QTreeView>

class TLegendListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Black: the background of the blank counts (the riddle's colour of black cells).
    void SetRows(std::vector<TLegendRow> Rows, TRiddleType Type, const QColor& Black);
    const std::vector<TLegendRow>& Rows() const { return rows_; }
    TRiddleType Type() const { return type_; }
    const TLegendColumns& Columns() const { return columns_; }
    void SetSolved(int Row, bool Solved);

    int rowCount(const QModelIndex& Parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& Parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& Index, int Role) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;
    QMimeData* mimeData(const QModelIndexList& Indexes) const override;
    QStringList mimeTypes() const override;

private:
    std::vector<TLegendRow> rows_;
    TRiddleType type_ = rtSwedish;
    TLegendColumns columns_;
    QColor black_ = Qt::black;
};

class TLegendList : public QTreeView {
    Q_OBJECT
public:
    TLegendList(bool Upper, QWidget* Parent = nullptr);

    TLegendListModel* Model() const { return model_; }
    // The across list above, or the down list (which also holds every row when one list shows).
    bool Upper() const { return upper_; }
    void SetRows(std::vector<TLegendRow> Rows, TRiddleType Type, const QColor& Black);
    // Shows the columns of the riddle kind at their design widths.
    void SetUpColumns();
    // The focused row, or -1.
    int FocusedRow() const;
    // Makes the row the focused and selected one and scrolls it into view.
    void FocusRow(int Row);
    // The cursor of a drag from this list; a running drag shows a new one at the next move.
    void SetDragCursor(const QCursor& Cursor);

signals:
    // A click on a row's solved mark, with any button.
    void SolvedMarkClicked(int Row);
    // A press that may start dragging the row's word.
    void DragPressed(Qt::KeyboardModifiers Modifiers);
    // The left button was let go over a row without a drag.
    void RowClicked(int Row);

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    bool viewportEvent(QEvent* Event) override;
    // The list follows the grid's current word while the solver types in the grid: a screen
    // reader must not hear that row as focused then, so the tree's announcement is left out.
    void currentChanged(const QModelIndex& Current, const QModelIndex& Previous) override;
    void startDrag(Qt::DropActions SupportedActions) override;

private:
    // The column under a viewport position, and the position's distance from its left edge.
    int ColumnAt(const QPoint& Pos, int& X) const;
    QString HintAt(const QPoint& Pos) const;

    TLegendListModel* model_;
    bool upper_;
    QCursor dragCursor_;
    QPointer<QDrag> drag_;
    QString lastHint_;
};
