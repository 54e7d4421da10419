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

TEST(WordInput, TypingFillsAndAdvances) {
    TWordRiddle grid;
    Build(grid, {"ABC", "D#E"});
    grid.SelectFirstCell();
    QTest::keyClicks(&grid, "abc");
    EXPECT_EQ(grid.Riddle().Cell(1, 1).Entry(), 'A');
    EXPECT_EQ(grid.Riddle().Cell(3, 1).Entry(), 'C');
    EXPECT_EQ(Cursor(grid), QPoint(3, 1)) << "the last cell of a word keeps the cursor";
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

TEST(WordInput, EnterKeepsAcrossWithoutDownWord) {
    TWordRiddle grid;
    Build(grid, {"ABC", "###"});
    grid.SelectFirstCell();
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(grid.Riddle().InputDirection(), wdHorizontal);
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
