// Whole words, word-search marking and solved marks.

#include "WordRiddle.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void Letters(TWordRiddle& Grid, TRiddleType Type, const QStringList& Rows) {
    Grid.Riddle().SetRiddleType(Type);
    Grid.Riddle().SetRiddleCols(int(Rows[0].size()));
    Grid.Riddle().SetRiddleRows(int(Rows.size()));
    for (int r = 1; r <= Rows.size(); ++r)
        for (int c = 1; c <= Rows[0].size(); ++c)
            if (Rows[r - 1][c - 1] != QLatin1Char('#')) {
                Grid.Riddle().Cell(c, r).SetFlags(cfLetter);
                Grid.Riddle().Cell(c, r).SetSolution(uint8_t(Rows[r - 1][c - 1].toLatin1()));
            }
    Grid.resize(400, 400);
}

void Drag(TWordRiddle& Grid, QPoint From, QPoint To, Qt::KeyboardModifiers Modifiers = {}) {
    QWidget* view = Grid.viewport();
    const QPoint a = Grid.CellRect(From.x(), From.y()).center();
    const QPoint b = To.x() > Grid.Riddle().RiddleCols() ? QPoint(view->width() - 2, a.y())
                                                         : Grid.CellRect(To.x(), To.y()).center();
    QTest::mousePress(view, Qt::LeftButton, Modifiers, a);
    QMouseEvent move(QEvent::MouseMove, b, view->mapToGlobal(b), Qt::NoButton, Qt::LeftButton, Modifiers);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, Modifiers, b);
}

QString MarkedCells(const TWordRiddle& Grid) {
    QString out;
    for (int r = 1; r <= Grid.Riddle().RiddleRows(); ++r)
        for (int c = 1; c <= Grid.Riddle().RiddleCols(); ++c)
            if (Grid.Riddle().Cell(c, r).Marked())
                out += QStringLiteral("%1,%2 ").arg(c).arg(r);
    return out.trimmed();
}

TEST(WordSearch, DragMarksAStraightLine) {
    struct Case {
        const char* name;
        QPoint from, to;
        const char* marked;
    } cases[] = {
        {"flat drag is forced across", {2, 5}, {6, 6}, "2,5 3,5 4,5 5,5 6,5"},
        {"steep drag is forced down", {2, 2}, {3, 5}, "2,2 2,3 2,4 2,5"},
        {"square drag goes across", {1, 1}, {3, 3}, "1,1 2,1 3,1"},
        {"single cell marks nothing", {4, 4}, {4, 4}, ""},
        {"ending outside the riddle marks nothing", {5, 1}, {9, 1}, ""},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        grid.Riddle().SetPaintOptions(TPaintOptions{});
        Letters(grid, rtFindWords, QStringList(6, QStringLiteral("ABCDEF")));
        grid.Riddle().SetState(stReady);
        grid.Riddle().StopClock();
        Drag(grid, c.from, c.to);
        EXPECT_EQ(MarkedCells(grid), QString::fromLatin1(c.marked)) << c.name;
    }
}

TEST(WordSearch, CtrlUnmarksButKeepsCrossingMarks) {
    TWordRiddle grid;
    Letters(grid, rtFindWords, QStringList(3, QStringLiteral("ABC")));
    grid.Riddle().SetState(stReady);
    grid.Riddle().StopClock();
    Drag(grid, {1, 1}, {3, 1});
    Drag(grid, {2, 1}, {2, 3});
    Drag(grid, {1, 1}, {3, 1}, Qt::ControlModifier);
    // (2,1) has a marked neighbour below it in the down line, so it keeps its mark.
    EXPECT_EQ(MarkedCells(grid), QStringLiteral("2,1 2,2 2,3"));
}

TEST(WholeWords, EnterWordIsOneStepAndReportsRightness) {
    TWordRiddle grid;
    Letters(grid, rtSwedish, {QStringLiteral("SEE")});
    grid.Riddle().Cell(1, 1).SetFlags(cfLetter | cfStartAcross);
    grid.Riddle().SetState(stReady);
    grid.Riddle().StopClock();
    QStringList steps;
    QObject::connect(&grid.Riddle(), &TRiddleData::OnBeforeChange,
                     [&](TObject*, TRiddleChangeTypes, const QString& Text) { steps << Text; });
    EXPECT_TRUE(grid.EnterWord(QStringLiteral("see"), 2, 1, wdHorizontal));
    EXPECT_EQ(steps, QStringList{QStringLiteral("Begriff eintragen")});
    EXPECT_EQ(grid.Riddle().State(), stSolved);
    EXPECT_FALSE(grid.EnterWord(QStringLiteral("SAE"), 1, 1, wdHorizontal));
}

TEST(WholeWords, ClearWordKeepsCrossingLettersUnlessForced) {
    for (bool force : {false, true}) {
        TWordRiddle grid;
        Letters(grid, rtSwedish, {QStringLiteral("AB"), QStringLiteral("C#")});
        grid.Riddle().Cell(1, 1).SetFlags(cfLetter | cfStartAcross | cfStartDown);
        grid.Riddle().Cell(1, 1).SetClueFlags(kClueAcross | kClueDown);
        grid.Riddle().Cell(2, 1).SetClueFlags(kClueAcross);
        grid.Riddle().Cell(1, 1).SetEntry('A');
        grid.Riddle().Cell(2, 1).SetEntry('B');
        grid.ClearWord(2, 1, force, wdHorizontal);
        EXPECT_EQ(grid.Riddle().Cell(1, 1).Entry(), force ? 0 : 'A') << force;
        EXPECT_EQ(grid.Riddle().Cell(2, 1).Entry(), 0) << force;
    }
}

TEST(SolvedMarks, FrenchLinesFollowTheirClues) {
    TWordRiddle grid;
    Letters(grid, rtFrench, {QStringLiteral("AB"), QStringLiteral("##")});
    grid.Riddle().Cell(1, 1).SetFlags(cfLetter | cfStartAcross);
    grid.Riddle().Cell(1, 1).SetClueNumber(1);
    grid.Riddle().Cell(1, 1).SetClueFlags(kClueAcross);
    TWordLegendData& clue = grid.Riddle().AddClue();
    clue.SetWord(QStringLiteral("AB"));
    clue.SetClueNumber(1);
    grid.Riddle().SetAutoMarkLegend(true);
    grid.Riddle().SetState(stReady);
    grid.Riddle().StopClock();
    std::vector<std::pair<int, int>> events;
    QObject::connect(&grid.Riddle(), &TRiddleData::OnRowOrColStateChange,
                     [&](TObject*, int C, int R, TWordDirection) { events.emplace_back(C, R); });
    grid.Riddle().Cell(1, 1).SetEntry('A');
    EXPECT_EQ(grid.Riddle().RowState(1), 0);
    grid.Riddle().Cell(2, 1).SetEntry('B');
    EXPECT_EQ(grid.Riddle().RowState(1), 1);
    EXPECT_TRUE(grid.IsLineSolved(1, wdHorizontal));
    EXPECT_NE(std::find(events.begin(), events.end(), std::make_pair(0, 1)), events.end());
}

TEST(WholeWords, RunsAndLetterCounts) {
    TWordRiddle grid;
    Letters(grid, rtSwedish, {QStringLiteral("#ABC#D")});
    EXPECT_EQ(grid.SolutionRun(3, 1, wdHorizontal), QStringLiteral("ABC"));
    EXPECT_EQ(grid.RunLength(6, 1, wdHorizontal), 1);
    EXPECT_EQ(grid.RunLength(1, 1, wdHorizontal), 0);
    grid.Riddle().Cell(2, 1).SetFlags(cfLetter | cfGiven);
    EXPECT_EQ(grid.CountFlag(1, wdHorizontal, false, 5), 4);
    EXPECT_EQ(grid.CountFlag(1, wdHorizontal, true, 5), 3) << "the given cell carries another flag";
    EXPECT_EQ(grid.Riddle().CountFlagAll(4, false), 1);
}

} // namespace
