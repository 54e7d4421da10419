// Colour sets: stored encoding 0x00BBGGRR, system colours, defaults and derived entries.

#include "RiddleTestSupport.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

std::array<TColor, 9> Derived(const TRiddleColors& C) {
    return {C.BlackSelected(),   C.CharSelected(),   C.CurrentWordSel(),
            C.FailSelected(),    C.GraySelected(),   C.HelpSelected(),
            C.KeywordSelected(), C.MarkedSelected(), C.CurrentWordKeyword()};
}

TEST(RiddleColors, DefaultSets) {
    TWordRiddleData riddle;
    EXPECT_EQ(riddle.BackgroundColors().BaseValues(), TRiddleColors::BackgroundDefaults());
    EXPECT_EQ(riddle.TextColors().BaseValues(), TRiddleColors::TextDefaults());
    EXPECT_EQ(Derived(riddle.TextColors()), Derived(TRiddleColors(TRiddleColors::TextDefaults())));

    TRiddleColors standalone;
    TRiddleColors::Values expected = TRiddleColors::BackgroundDefaults();
    expected[TRiddleColors::BlackFail] = 0x000080;
    EXPECT_EQ(standalone.BaseValues(), expected);
    EXPECT_EQ(Derived(standalone), Derived(TRiddleColors(expected)));
}

TEST(RiddleColors, MixIsTheChannelMeanInStoredByteOrder) {
    struct Case {
        TColor a, b, expected;
    } cases[] = {{0x0000FF, 0x000000, 0x00007F}, {0x0000FF, 0xFF0000, 0x7F007F},
                 {0x102030, 0x302010, 0x202020}, {0x000001, 0x000002, 0x000001},
                 {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, {0x00FF00, 0x000000, 0x007F00}};
    for (const Case& c : cases) {
        EXPECT_EQ(MixColors(c.a, c.b), c.expected) << std::hex << c.a << " " << c.b;
        EXPECT_EQ(MixColors(c.b, c.a), c.expected);
    }
}

TEST(RiddleColors, SystemColoursResolveThroughThePalette) {
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    // Mixed with pure red: red is the mean with 255, green and blue are halved.
    const TColor expected =
        TColor(((face.red() + 0xFF) >> 1) | ((face.green() >> 1) << 8) | ((face.blue() >> 1) << 16));
    for (TColor system : {TColor(0x8000000F), TColor(0xFF00000F)}) {
        EXPECT_TRUE(IsSystemColor(system));
        EXPECT_EQ(MixColors(system, 0x0000FF), expected) << std::hex << system;
    }
    EXPECT_EQ(ToQColor(clHighlight), QGuiApplication::palette().color(QPalette::Highlight));
    EXPECT_EQ(ToQColor(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST(RiddleColors, DerivedEntriesFollowEveryBaseChange) {
    for (int entry = 0; entry < TRiddleColors::kBaseCount; ++entry) {
        TRiddleColors colors(TRiddleColors::TextDefaults());
        int changes = 0;
        colors.OnChange = [&] { ++changes; };
        TRiddleColors::Values values = colors.BaseValues();
        values[size_t(entry)] = 0x123456;
        colors.SetBase(entry, 0x123456);
        EXPECT_EQ(changes, 1) << entry;
        EXPECT_EQ(colors.BaseValues(), values);
        EXPECT_EQ(Derived(colors), Derived(TRiddleColors(values))) << "entry " << entry;
        colors.SetBase(entry, 0x123456);
        EXPECT_EQ(changes, 1) << "unchanged value announced, entry " << entry;
    }
    for (int outside : {-1, TRiddleColors::kBaseCount}) {
        TRiddleColors colors(TRiddleColors::TextDefaults());
        int changes = 0;
        colors.OnChange = [&] { ++changes; };
        colors.SetBase(outside, 0x123456);
        EXPECT_EQ(changes, 0) << outside;
        EXPECT_EQ(colors.BaseValues(), TRiddleColors::TextDefaults()) << outside;
    }
}

TEST(RiddleColors, AssignCopiesBaseAndRecomputes) {
    TRiddleColors target;
    int changes = 0;
    target.OnChange = [&] { ++changes; };
    TRiddleColors source(TRiddleColors::TextDefaults());
    source.SetBase(TRiddleColors::CurrentWord, 0x0000FF);
    source.SetBase(TRiddleColors::Keyword, 0xFF0000);
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.BaseValues(), source.BaseValues());
    EXPECT_EQ(Derived(target), Derived(source));
    EXPECT_EQ(target.CurrentWordKeyword(), 0x7F007F);
}

} // namespace
