// The tool windows' host and the sudoku's snapshot slots, without the main window: which windows a
// riddle gets, where they stand, and what a slot gives back.

#include "LegendTestSupport.h"
#include "LegendeDialog.h"
#include "LoesungDialog.h"
#include "SnapshotSlots.h"
#include "StopuhrDialog.h"
#include "ToolWindowHomes.h"
#include "ToolWindowHost.h"
#include "ZahlenDialog.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
using namespace legendtest;

QJsonObject Source(const char* Type, bool Keyword, bool Timed) {
    QJsonObject source = HausSource(Type);
    if (Keyword)
        source["keyword"] = QJsonObject{
            {"word", "HAUS"},
            {"cells", QJsonArray{QJsonArray{1, 1}, QJsonArray{2, 1}, QJsonArray{3, 1}, QJsonArray{4, 1}}}};
    if (Timed)
        source["options"] = QJsonArray{"countTime"};
    return source;
}

// A riddle window in a client area, with the word grid the tool windows serve.
struct THostFixture {
    QMdiArea area;
    QMdiSubWindow* riddle = new QMdiSubWindow;
    TWordRiddle* grid = new TWordRiddle;
    TToolWindowHost host{riddle, grid};

    THostFixture() {
        area.resize(1200, 900);
        riddle->setWidget(grid);
        area.addSubWindow(riddle);
        riddle->setGeometry(0, 0, 300, 250);
        area.show();
    }
    void Open(const QJsonObject& Source) {
        Load(*grid, Source);
        host.UpdateLegendWindow(true);
        host.UpdateSolutionWindow(true);
        host.UpdateStopwatch(grid, true);
    }
    std::vector<bool> Windows() const {
        return {host.Legend() != nullptr, host.NumLegend() != nullptr, host.Solution() != nullptr,
                host.Stopwatch() != nullptr};
    }
};

TEST(ToolWindowHost, OpensWhatTheRiddleHasAndClosesWhatItLost) {
    struct Case {
        const char* name;
        QJsonObject source;
        // Clue legend, number legend, solution word, stopwatch.
        std::vector<bool> open;
    };
    const Case cases[] = {
        {"swedish", Source("swedish", false, false), {true, false, false, false}},
        {"swedish, solution word, timed", Source("swedish", true, true), {true, false, true, true}},
        {"numbers, timed", Source("numbers", false, true), {false, true, false, true}},
        {"french, solution word", Source("french", true, false), {true, false, true, false}},
    };
    THostFixture f;
    // One host through every riddle in turn: each window comes and goes with what the riddle has.
    for (const Case& c : cases) {
        f.Open(c.source);
        EXPECT_EQ(f.Windows(), c.open) << c.name;
        EXPECT_EQ(f.area.subWindowList().size(), 1 + std::count(c.open.begin(), c.open.end(), true))
            << c.name;
    }
}

TEST(ToolWindowHost, EveryWindowGoesHomeAfterTheRiddleWindowChanged) {
    THostFixture f;
    f.Open(Source("swedish", true, true));
    for (const QRect riddle : {QRect(0, 0, 300, 250), QRect(10, 20, 520, 480)}) {
        f.riddle->setGeometry(riddle);
        f.host.PlaceAll();
        const QRect legend = f.host.Legend()->geometry();
        EXPECT_EQ(legend, LegendHome(riddle));
        EXPECT_EQ(f.host.Solution()->pos(), SolutionHome(riddle, legend, f.host.Solution()->width()));
        EXPECT_EQ(f.host.Stopwatch()->pos(), StopwatchHome(riddle, legend, f.host.Solution()->geometry()));
    }
}

TEST(SnapshotSlots, FillUpThenReplaceTheOldestAndGiveBackTheirEntries) {
    TSudokuRiddleData sudoku;
    sudoku.SetSize(ss6Symbols);
    TSnapshotSlots taken;
    const QDateTime t0(QDate(2024, 5, 1), QTime(10, 0));
    // Each snapshot holds the symbol entered at (1, 1) when it was taken.
    const int expectedSlot[] = {1, 2, 3, 4, 1, 2};
    for (int i = 0; i < 6; ++i) {
        sudoku.Cell(1, 1).SetEntry(uint8_t('1' + i));
        EXPECT_EQ(taken.Take(sudoku, t0.addSecs(60 * i)), expectedSlot[i]) << i;
    }
    const uint8_t restored[] = {'5', '6', '3', '4'};
    for (int slot = 1; slot <= 4; ++slot) {
        sudoku.Cell(1, 1).SetEntry(0);
        ASSERT_TRUE(taken.Restore(slot, sudoku)) << slot;
        EXPECT_EQ(sudoku.Cell(1, 1).Entry(), restored[slot - 1]) << slot;
    }
    for (int slot : {0, 5}) {
        EXPECT_FALSE(taken.Restore(slot, sudoku)) << slot;
        EXPECT_EQ(sudoku.Cell(1, 1).Entry(), '4') << slot;
    }
    EXPECT_FALSE(TSnapshotSlots().Restore(1, sudoku));
    EXPECT_EQ(taken.Times()[0], t0.addSecs(240));
}

} // namespace
