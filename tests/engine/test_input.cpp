// Typing into a word riddle and moving through it.

#include "WordGridBuilder.h"
#include "WordRiddle.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPoint Cursor(const TWordRiddle& Grid) {
    return QPoint(Grid.Col(), Grid.Row());
}

TEST(WordInput, FirstCellAndDirection) {
    struct Case {
        const char* name;
        QStringList rows;
        QPoint first;
        TWordDirection direction;
    } cases[] = {
        {"across word first", {"AB#", "C##"}, {1, 1}, wdHorizontal},
        {"only down possible", {"A#", "B#"}, {1, 1}, wdVertical},
        {"black first cell", {"#AB", "##C"}, {2, 1}, wdHorizontal},
        {"no free neighbour keeps none", {"A#", "##"}, {1, 1}, wdNone},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, c.rows);
        grid.SelectFirstCell();
        EXPECT_EQ(Cursor(grid), c.first) << c.name;
        EXPECT_EQ(grid.Riddle().InputDirection(), c.direction) << c.name;
    }
}

TEST(WordInput, TypingFillsAndAdvancesUpToTheWordsLastCell) {
    struct Case {
        const char* name;
        QStringList rows;
        const char* typed;
        QPoint cursor;
        const char* across; // the first row's entries afterwards, '.' for none
    } cases[] = {
        {"across to the grid's edge", {"ABC", "D#E"}, "abc", {3, 1}, "ABC"},
        {"across up to a black cell", {"AB#C", "D###"}, "ab", {2, 1}, "AB.."},
        {"a letter more overwrites the last", {"AB#C", "D###"}, "abx", {2, 1}, "AX.."},
        {"down up to a black cell", {"A#", "B#", "#C"}, "ab", {1, 2}, "A."},
        {"down to the grid's edge", {"A#", "B#"}, "abc", {1, 2}, "A."},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, c.rows);
        grid.SelectFirstCell();
        QTest::keyClicks(&grid, c.typed);
        EXPECT_EQ(Cursor(grid), c.cursor) << c.name;
        QString across;
        for (int col = 1; col <= c.rows[0].size(); ++col) {
            const uint8_t entry = grid.Riddle().Cell(col, 1).Entry();
            across += entry ? QChar(entry) : QLatin1Char('.');
        }
        EXPECT_EQ(across, QLatin1String(c.across)) << c.name;
    }
}

TEST(WordInput, BackspaceClearsTheCellBeforeTheCursor) {
    TWordRiddle grid;
    Build(grid, {"ABC", "D#E"});
    grid.SelectFirstCell();
    QTest::keyClicks(&grid, "abc");
    QTest::keyClick(&grid, Qt::Key_Backspace);
    EXPECT_EQ(grid.Riddle().Cell(2, 1).Entry(), 0) << "backspace clears the cell before the cursor";
    EXPECT_EQ(grid.Riddle().Cell(3, 1).Entry(), 'C') << "and never the cursor cell";
    EXPECT_EQ(Cursor(grid), QPoint(2, 1));
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(grid.Riddle().Cell(2, 1).Entry(), 0);
}

TEST(WordInput, UmlautIsNoLetterAndEnterToggles) {
    TWordRiddle grid;
    Build(grid, {"AB", "C#"});
    grid.SelectFirstCell();
    ASSERT_EQ(grid.Riddle().InputDirection(), wdHorizontal);
    QTest::sendKeyEvent(QTest::Click, &grid, Qt::Key_Adiaeresis, QStringLiteral("ä"), Qt::NoModifier);
    EXPECT_EQ(grid.Riddle().Cell(1, 1).Entry(), 0);
    EXPECT_EQ(Cursor(grid), QPoint(1, 1));
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(grid.Riddle().InputDirection(), wdVertical);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(grid.Riddle().InputDirection(), wdHorizontal);
}

TEST(WordInput, EnterKeepsTheDirectionWithoutAWordTheOtherWay) {
    struct Case {
        const char* name;
        QStringList rows;
        TWordDirection direction;
    } cases[] = {
        {"across without a down word", {"ABC", "###"}, wdHorizontal},
        {"down without an across word", {"A#", "B#"}, wdVertical},
        {"both words: it turns", {"AB", "C#"}, wdVertical},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, c.rows);
        grid.SelectFirstCell();
        QTest::keyClick(&grid, Qt::Key_Return);
        EXPECT_EQ(grid.Riddle().InputDirection(), c.direction) << c.name;
    }
}

TEST(WordInput, ABlackCellHasNoDirection) {
    TWordRiddle grid;
    Build(grid, {"AB#"});
    grid.SelectFirstCell();
    grid.MoveCurrent(3, 1, false);
    EXPECT_EQ(grid.Riddle().InputDirection(), wdNone);
    grid.MoveCurrent(1, 1, false);
    EXPECT_EQ(grid.Riddle().InputDirection(), wdHorizontal);
}

TEST(WordInput, ARightClickMovesTheCursorOnlyInAnAmericanRiddle) {
    struct Case {
        TRiddleType type;
        Qt::MouseButton button;
        QPoint cursor;
    } cases[] = {
        {rtAmerican, Qt::RightButton, {3, 1}},
        {rtSwedish, Qt::RightButton, {1, 1}},
        {rtSwedish, Qt::LeftButton, {3, 1}},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, {"ABC"}, c.type);
        grid.SelectFirstCell();
        QTest::mouseClick(grid.viewport(), c.button, {}, grid.CellRect(3, 1).center());
        EXPECT_EQ(Cursor(grid), c.cursor) << c.type << " " << c.button;
    }
}

TEST(WordInput, BackspaceAtTheWordStartIsRefused) {
    TWordRiddle grid;
    Build(grid, {"#AB"});
    grid.SelectFirstCell();
    int errors = 0;
    QObject::connect(&grid, &TWordRiddle::OnInputError,
                     [&](TObject*, TInputError Kind) { errors += Kind == ieNotPossible; });
    QTest::keyClick(&grid, Qt::Key_Backspace);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(Cursor(grid), QPoint(2, 1));
}

TEST(WordInput, KeysWithAltOrCtrlNeverEdit) {
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint cursor;
    } cases[] = {
        {"Alt+Backspace", Qt::Key_Backspace, Qt::AltModifier, {2, 1}},
        {"Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier, {2, 1}},
        {"Alt+Delete", Qt::Key_Delete, Qt::AltModifier, {2, 1}},
        {"Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier, {2, 1}},
        {"Alt+letter", Qt::Key_X, Qt::AltModifier, {2, 1}},
        {"Ctrl+letter", Qt::Key_X, Qt::ControlModifier, {2, 1}},
        // Moving is no edit: Ctrl+Home still goes to the first cell.
        {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, {1, 1}},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, {"ABC"});
        grid.Riddle().Cell(1, 1).SetEntry('A');
        grid.Riddle().Cell(2, 1).SetEntry('B');
        grid.MoveCurrent(2, 1, false);
        QTest::keyClick(&grid, c.key, c.modifiers);
        EXPECT_EQ(grid.Riddle().Cell(1, 1).Entry(), 'A') << c.name;
        EXPECT_EQ(grid.Riddle().Cell(2, 1).Entry(), 'B') << c.name;
        EXPECT_EQ(Cursor(grid), c.cursor) << c.name;
    }
}

TEST(WordInput, WrongLetterIsReported) {
    TWordRiddle grid;
    Build(grid, {"AB"});
    grid.Riddle().SetPaintOptions(TPaintOptions{poShowFail});
    grid.SelectFirstCell();
    int wrong = 0;
    QObject::connect(&grid, &TWordRiddle::OnInputError,
                     [&](TObject*, TInputError Kind) { wrong += Kind == ieWrongLetter; });
    QTest::keyClicks(&grid, "AX");
    EXPECT_EQ(wrong, 1);
}

TEST(WordInput, CurrentWordFollowsTheCursorAndIsAnnounced) {
    TWordRiddle grid;
    Build(grid, {"AB#CD", "#####", "EFGHI"});
    grid.SelectFirstCell();
    int announced = 0;
    QObject::connect(&grid, &TWordRiddle::OnSelectedWordChange, [&](TObject* Sender) {
        EXPECT_EQ(Sender, nullptr);
        ++announced;
    });
    QCoreApplication::sendPostedEvents(&grid);
    announced = 0;
    EXPECT_EQ(grid.CurrentWord().Col, 1);
    EXPECT_EQ(grid.CurrentWord().Length, 2);
    EXPECT_EQ(grid.CurrentWord().Solution, QStringLiteral("AB"));
    grid.MoveCurrent(4, 1, false);
    EXPECT_EQ(grid.CurrentWord().Col, 4);
    EXPECT_EQ(announced, 0) << "the change is delivered after the keystroke";
    QCoreApplication::sendPostedEvents(&grid);
    EXPECT_EQ(announced, 1);
    grid.MoveCurrent(5, 1, false);
    QCoreApplication::sendPostedEvents(&grid);
    EXPECT_EQ(announced, 1) << "moving inside the word is no change";
}

TEST(WordInput, CurrentWordTakesItsOwnColours) {
    // Colours that no other entry has, so that any other entry shows.
    constexpr TColor kWordBack = 0x123456, kWordText = 0x654321, kKeyBack = 0x0000F0;
    struct Case {
        const char* name;
        bool mark;
        QPoint cursor;
        int col, row;
        TColor text, background;
    } cases[] = {
        {"first cell of the word", true, {1, 1}, 1, 1, kWordText, kWordBack},
        {"last cell of the word", true, {1, 1}, 2, 1, kWordText, kWordBack},
        {"cell of another word", true, {1, 1}, 4, 1, clNavy, clWhite},
        {"solution word cell in the word",
         true,
         {2, 3},
         1,
         3,
         MixColors(kWordText, clNavy),
         MixColors(kWordBack, kKeyBack)},
        {"word not marked", false, {1, 1}, 1, 1, clNavy, clWhite},
        {"the cursor gone onto a black cell", true, {3, 1}, 1, 1, clNavy, clWhite},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, {"AB#CD", "#####", "EFGHI"});
        grid.Riddle().SetPaintOptions(c.mark ? TPaintOptions{poMarkCurrWord} : TPaintOptions{});
        grid.Riddle().SetRiddleOptions(TRiddleOptions{roHasKeyword});
        grid.Riddle().Cell(1, 3).SetFlags(grid.Riddle().Cell(1, 3).Flags() | cfKeyword);
        grid.Riddle().BackgroundColors().SetBase(TRiddleColors::CurrentWord, kWordBack);
        grid.Riddle().BackgroundColors().SetBase(TRiddleColors::Keyword, kKeyBack);
        grid.Riddle().TextColors().SetBase(TRiddleColors::CurrentWord, kWordText);
        grid.SelectFirstCell();
        grid.MoveCurrent(c.cursor.x(), c.cursor.y(), false);
        TColor text = 0, background = 0;
        grid.GetCellColors(c.col, c.row, ptScreen, 0, text, background);
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(background, c.background) << c.name;
    }
}

TEST(WordInput, AmericanBlackCellsAreTheSolversOwn) {
    TWordRiddle grid;
    Build(grid, {"A#B"}, rtAmerican);
    grid.Riddle().Cell(2, 1).SetFlags(cfBlack);
    EXPECT_FALSE(grid.Riddle().IsBlocked(2, 1)) << "the solution's black cell is hidden while solving";
    grid.Riddle().Cell(2, 1).SetFlags(cfBlack | cfUserBlack);
    EXPECT_TRUE(grid.Riddle().IsBlocked(2, 1));
    grid.Riddle().SetDisplayMode(dmSolution);
    grid.Riddle().Cell(2, 1).SetFlags(cfBlack);
    EXPECT_TRUE(grid.Riddle().IsBlocked(2, 1)) << "the solution view shows the solution's black cells";
}

} // namespace
