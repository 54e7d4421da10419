// Tool windows hear the grid they serve while they are open, side by side with any other listener.

#include "RiddleSupportForm.h"
#include "WordRiddle.h"

#include <gtest/gtest.h>

namespace {

// A tool window that counts the riddle's change events.
class TCountingWindow : public TRiddleSupportForm {
public:
    TCountingWindow(QObject* Owner, TWordRiddle* Grid, int& Changes) : TRiddleSupportForm(Owner, Grid) {
        Listen(&Grid->Riddle(), &TRiddleData::OnChange, [&Changes](TObject*) { ++Changes; });
    }
};

void Change(TWordRiddle& Grid) {
    TRiddleData& r = Grid.Riddle();
    r.SetModified(!r.Modified());
}

TEST(RiddleSupportForm, EveryOpenWindowHearsTheGrid) {
    TWordRiddle grid;
    int first = 0, second = 0;
    auto* a = new TCountingWindow(nullptr, &grid, first);
    auto* b = new TCountingWindow(nullptr, &grid, second);
    ASSERT_EQ(a->Grid(), &grid);
    Change(grid);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);

    // A closed window waits to be freed and hears nothing meanwhile; the other one goes on.
    ASSERT_TRUE(a->close());
    Change(grid);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    delete b;
    Change(grid);
    EXPECT_EQ(second, 2);
}

TEST(RiddleSupportForm, GoesWithItsOwner) {
    TWordRiddle grid;
    int changes = 0;
    auto owner = std::make_unique<QObject>();
    QPointer<TCountingWindow> window = new TCountingWindow(owner.get(), &grid, changes);
    owner.reset();
    EXPECT_TRUE(window.isNull());
    Change(grid);
    EXPECT_EQ(changes, 0);
}

} // namespace
