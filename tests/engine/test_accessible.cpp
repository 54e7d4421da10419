// The riddle grids on the accessibility bus: a table of the riddle's size whose cells are made
// only when asked for, the cursor as the focused cell, and typed letters announced.

#include "DrawGridAccessible.h"
#include "SudokuRiddle.h"
#include "WordGridBuilder.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What reached the bus: the kind of event and, for a cell, its row, column and name.
struct TSeen {
    QAccessible::Event type;
    int row = -1, col = -1;
    QString name;
    bool operator==(const TSeen&) const = default;
};
void PrintTo(const TSeen& S, std::ostream* Out) {
    *Out << "event " << int(S.type) << " at row " << S.row << ", column " << S.col << ": "
         << S.name.toStdString();
}
std::vector<TSeen> seen;

void Record(QAccessibleEvent* Event) {
    if (Event->type() != QAccessible::Focus && Event->type() != QAccessible::NameChanged)
        return;
    TSeen s{Event->type(), -1, -1, QString()};
    if (QAccessibleInterface* iface = Event->accessibleInterface())
        if (QAccessibleTableCellInterface* cell = iface->tableCellInterface()) {
            s.row = cell->rowIndex();
            s.col = cell->columnIndex();
            s.name = iface->text(QAccessible::Name);
        }
    seen.push_back(s);
}

// Every event of the grids is recorded instead of being sent to the bus.
class Accessible : public ::testing::Test {
protected:
    void SetUp() override {
        seen.clear();
        previous_ = TDrawGridAccessible::SetEventSink(Record);
    }
    void TearDown() override { TDrawGridAccessible::SetEventSink(previous_); }

private:
    TDrawGridAccessible::TEventSink previous_ = nullptr;
};

QStringList Rows() {
    return {"FAL", "U#E", "SOG"};
}

TDrawGridAccessible* Table(QWidget& Grid) {
    return dynamic_cast<TDrawGridAccessible*>(QAccessible::queryAccessibleInterface(&Grid));
}

TEST_F(Accessible, TableSizeIsTheRiddleSize) {
    struct Case {
        const char* name;
        QStringList rows;
        TRiddleType type;
        QString firstCell;
    } cases[] = {
        {"Swedish", {"FAL", "U#E"}, rtSwedish, "Zeile 1, Spalte 1: leer, Nummer 1"},
        {"American, with header lines", {"AB#C", "DEFG"}, rtAmerican, "Zeile 1, Spalte 1: leer"},
        {"French, with header lines", {"AB", "C#", "DE"}, rtFrench, "Zeile 1, Spalte 1: leer"},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, c.rows, c.type);
        TDrawGridAccessible* table = Table(grid);
        ASSERT_TRUE(table) << c.name;
        EXPECT_EQ(table->rowCount(), c.rows.size()) << c.name;
        EXPECT_EQ(table->columnCount(), c.rows[0].size()) << c.name;
        EXPECT_EQ(table->childCount(), c.rows.size() * c.rows[0].size()) << c.name;
        EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), c.firstCell) << c.name;
        EXPECT_EQ(table->cellAt(int(c.rows.size()), 0), nullptr) << c.name;
    }
    for (const TSudokuSize size : {ss6Symbols, ss9Symbols, ss12Symbols}) {
        TSudokuRiddle grid;
        grid.Riddle().SetSize(size);
        const int n = grid.Riddle().Symbols();
        EXPECT_EQ(Table(grid)->rowCount(), n);
        EXPECT_EQ(Table(grid)->columnCount(), n);
    }
}

TEST_F(Accessible, CellsAreMadeOnlyWhenAskedForAndForgottenOnANewSize) {
    TWordRiddle grid;
    grid.Riddle().SetRiddleCols(99);
    grid.Riddle().SetRiddleRows(99);
    TDrawGridAccessible* table = Table(grid);
    EXPECT_EQ(table->childCount(), 99 * 99);
    EXPECT_TRUE(table->CachedCells().isEmpty());
    QAccessibleInterface* cell = table->cellAt(59, 49);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 59);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 49);
    EXPECT_EQ(table->cellAt(59, 49), cell);
    EXPECT_EQ(table->indexOfChild(cell), 59 * 99 + 49);
    EXPECT_EQ(table->CachedCells().size(), 1);
    grid.Riddle().SetRiddleCols(50);
    EXPECT_TRUE(table->CachedCells().isEmpty());
    EXPECT_EQ(table->columnCount(), 50);
}

TEST_F(Accessible, CursorMoveFocusesTheNewCell) {
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<TSeen> expected;
    } cases[] = {
        {"right", Qt::Key_Right, {}, {{QAccessible::Focus, 0, 1, "Zeile 1, Spalte 2: leer"}}},
        {"down", Qt::Key_Down, {}, {{QAccessible::Focus, 1, 0, "Zeile 2, Spalte 1: leer"}}},
        {"to the last cell",
         Qt::Key_End,
         Qt::ControlModifier,
         {{QAccessible::Focus, 2, 2, "Zeile 3, Spalte 3: leer"}}},
        {"left at the edge does not move", Qt::Key_Left, {}, {}},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, Rows());
        grid.show();
        grid.activateWindow();
        grid.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid)) << c.name;
        grid.SelectFirstCell();
        QCoreApplication::processEvents();
        seen.clear();
        QTest::keyClick(&grid, c.key, c.modifiers);
        std::vector<TSeen> focus;
        for (const TSeen& s : seen)
            if (s.type == QAccessible::Focus)
                focus.push_back(s);
        EXPECT_EQ(focus, c.expected) << c.name;
        if (!c.expected.empty()) {
            EXPECT_TRUE(Table(grid)->focusChild()->state().focused) << c.name;
        }
    }
}

TEST_F(Accessible, TypedLetterRenamesTheCellsAListenerKnows) {
    struct Case {
        const char* name;
        // The cells a screen reader has asked for before the letter is typed (row, column).
        std::vector<QPoint> known;
        std::vector<TSeen> expected;
    } cases[] = {
        {"the typed cell", {{0, 0}}, {{QAccessible::NameChanged, 0, 0, "Zeile 1, Spalte 1: X, Nummer 1"}}},
        {"a cell that kept its letter says nothing", {{0, 2}}, {}},
        {"no cell known, nothing to say", {}, {}},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, Rows());
        grid.Riddle().SetPaintOptions(TPaintOptions{});
        grid.SelectFirstCell();
        for (const QPoint& p : c.known)
            Table(grid)->cellAt(p.x(), p.y());
        seen.clear();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&grid, &press);
        std::vector<TSeen> renamed;
        for (const TSeen& s : seen)
            if (s.type == QAccessible::NameChanged)
                renamed.push_back(s);
        EXPECT_EQ(renamed, c.expected) << c.name;
    }
}

} // namespace
