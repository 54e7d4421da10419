// The owner-drawn grid base: geometry, hit testing, and the classic keyboard navigation with
// every move asked of SelectCell.

#include "DrawGrid.h"

#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace {

// Refuses column 0, row 0 and a set of blocked cells; counts paints.
class TProbeGrid : public TDrawGrid {
public:
    std::set<std::pair<int, int>> blocked;
    int asked = 0;

protected:
    bool SelectCell(int ACol, int ARow) override {
        ++asked;
        return ACol > 0 && ARow > 0 && !blocked.count({ACol, ARow});
    }
    void DrawCell(QPainter& P, int, int, const QRect& Rect, int) override { P.fillRect(Rect, Qt::white); }
};

void Prepare(TProbeGrid& Grid) {
    Grid.SetColCount(6);
    Grid.SetRowCount(5);
    Grid.SetDefaultColWidth(20);
    Grid.SetDefaultRowHeight(20);
    Grid.SetColWidth(0, 0);
    Grid.SetRowHeight(0, 0);
    Grid.resize(300, 300);
    Grid.SetCurrentSilently(1, 1);
}

TEST(DrawGrid, CellGeometryAndHitTesting) {
    TProbeGrid grid;
    Prepare(grid);
    EXPECT_EQ(grid.CellRect(1, 1), QRect(1, 1, 20, 20));
    EXPECT_EQ(grid.CellRect(3, 2), QRect(43, 22, 20, 20));
    EXPECT_EQ(grid.GridExtent(), QSize(0 + 1 + 5 * 21, 0 + 1 + 4 * 21));
    int col = -1, row = -1;
    ASSERT_TRUE(grid.MouseToCell(QPoint(50, 30), col, row));
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(grid.MouseToCell(QPoint(250, 30), col, row));
}

TEST(DrawGrid, KeyboardMovesAskSelectCell) {
    struct Case {
        const char* name;
        QPoint start;
        int key;
        Qt::KeyboardModifiers modifiers;
        QPoint expected;
    } cases[] = {
        {"right", {1, 1}, Qt::Key_Right, Qt::NoModifier, {2, 1}},
        {"left at the first column stays", {1, 1}, Qt::Key_Left, Qt::NoModifier, {1, 1}},
        {"down into a blocked cell stays", {2, 1}, Qt::Key_Down, Qt::NoModifier, {2, 1}},
        {"end of the row", {2, 3}, Qt::Key_End, Qt::NoModifier, {5, 3}},
        {"home skips the header column", {4, 3}, Qt::Key_Home, Qt::NoModifier, {1, 3}},
        {"ctrl+end to the last cell", {1, 1}, Qt::Key_End, Qt::ControlModifier, {5, 4}},
        {"ctrl+home to the first cell", {4, 4}, Qt::Key_Home, Qt::ControlModifier, {1, 1}},
    };
    for (const Case& c : cases) {
        TProbeGrid grid;
        Prepare(grid);
        grid.blocked = {{2, 2}};
        grid.SetCurrentSilently(c.start.x(), c.start.y());
        grid.asked = 0;
        QTest::keyClick(&grid, Qt::Key(c.key), c.modifiers);
        EXPECT_EQ(QPoint(grid.Col(), grid.Row()), c.expected) << c.name;
        EXPECT_GT(grid.asked, 0) << c.name;
    }
}

TEST(DrawGrid, RangeSelectionByDraggingOnlyWhenSwitchedOn) {
    for (bool range : {false, true}) {
        TProbeGrid grid;
        Prepare(grid);
        grid.SetRangeSelect(range);
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(1, 1).center());
        QMouseEvent move(QEvent::MouseMove, grid.CellRect(3, 2).center(),
                         grid.viewport()->mapToGlobal(grid.CellRect(3, 2).center()), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &move);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(3, 2).center());
        const QRect expected = range ? QRect(QPoint(1, 1), QPoint(3, 2)) : QRect(QPoint(1, 1), QPoint(1, 1));
        EXPECT_EQ(grid.Selection(), expected) << range;
    }
}

TEST(DrawGrid, HugeSizesAreBoundedAndTheirSumsCannotOverflow) {
    constexpr int kLine = TDrawGrid::kMaxLineSize;
    const struct {
        const char* name;
        int cols, lineWidth;
        QSize extent;
        int lastVisibleCol; // at the right edge, scrolled to the end
    } cases[] = {
        {"three columns, widest lines", 3, INT_MAX, QSize(3 * 2 * kLine, 2 * 2 * kLine), 2},
        {"a thousand columns", 1000, 1, QSize(TDrawGrid::kMaxExtent, 2 * (kLine + 1)),
         (TDrawGrid::kMaxExtent - 1) / (kLine + 1)},
    };
    for (const auto& c : cases) {
        TProbeGrid grid;
        grid.SetColCount(c.cols);
        grid.SetRowCount(2);
        grid.SetGridLineWidth(c.lineWidth);
        grid.SetDefaultColWidth(INT_MAX);
        grid.SetDefaultRowHeight(INT_MAX);
        grid.resize(300, 300);
        EXPECT_EQ(grid.ColWidth(1), kLine) << c.name;
        EXPECT_EQ(grid.GridExtent(), c.extent) << c.name;
        grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
        int col = -1, row = -1;
        EXPECT_TRUE(grid.MouseToCell(QPoint(grid.viewport()->width() - 1, 0), col, row)) << c.name;
        EXPECT_EQ(col, c.lastVisibleCol) << c.name;
        EXPECT_FALSE(grid.viewport()->grab().isNull()) << c.name;
    }
}

} // namespace
