// Whole words, word-search marking and solved marks.

#include "WordRiddle.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

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

// Drags between the centres of two cells; a column or row beyond the riddle stands for a point
// near the far edge of the viewport, outside every cell.
void Drag(TWordRiddle& Grid, QPoint From, QPoint To, Qt::KeyboardModifiers Modifiers = {}) {
    QWidget* view = Grid.viewport();
    auto at = [&](QPoint Cell) {
        const int cols = Grid.Riddle().RiddleCols(), rows = Grid.Riddle().RiddleRows();
        const QPoint centre = Grid.CellRect(qMin(Cell.x(), cols), qMin(Cell.y(), rows)).center();
        return QPoint(Cell.x() > cols ? view->width() - 2 : centre.x(),
                      Cell.y() > rows ? view->height() - 2 : centre.y());
    };
    const QPoint a = at(From), b = at(To);
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
        {"dragged leftwards", {6, 2}, {2, 2}, "2,2 3,2 4,2 5,2 6,2"},
        {"dragged upwards", {4, 6}, {4, 3}, "4,3 4,4 4,5 4,6"},
        {"single cell marks nothing", {4, 4}, {4, 4}, ""},
        {"let go beyond the right edge marks up to the edge", {4, 1}, {9, 1}, "4,1 5,1 6,1"},
        {"let go below and beyond the corner", {5, 3}, {9, 9}, "5,3 5,4 5,5 5,6"},
        {"starting outside the riddle marks nothing", {9, 2}, {3, 2}, ""},
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

// A word search whose hidden words lie in the rows given, numbered in reading order.
struct THidden {
    QPoint start;
    TWordDirection direction;
    QString word;
    bool reversed;
};

void HideWords(TWordRiddle& Grid, const QStringList& Rows, const std::vector<THidden>& Words) {
    Letters(Grid, rtFindWords, Rows);
    int number = 0;
    for (const THidden& w : Words) {
        for (int i = 0; i < w.word.size(); ++i) {
            TWordGridCell& cell = w.direction == wdHorizontal
                                      ? Grid.Riddle().Cell(w.start.x() + i, w.start.y())
                                      : Grid.Riddle().Cell(w.start.x(), w.start.y() + i);
            cell.SetClueFlags(cell.ClueFlags() | (w.direction == wdHorizontal ? kClueAcross : kClueDown));
        }
        TWordGridCell& first = Grid.Riddle().Cell(w.start.x(), w.start.y());
        first.SetFlags(first.Flags() | (w.direction == wdHorizontal ? cfStartAcross : cfStartDown));
        first.SetClueNumber(++number);
        TWordLegendData& clue = Grid.Riddle().AddClue();
        clue.SetWord(w.word);
        clue.SetDirection(w.direction);
        clue.SetClueNumber(number);
        clue.SetReversed(w.reversed);
    }
    Grid.Riddle().SetState(stReady);
    Grid.Riddle().StopClock();
}

TEST(WordSearch, EveryDragIsOneAnnouncedStep) {
    TWordRiddle grid;
    Letters(grid, rtFindWords, QStringList(3, QStringLiteral("ABC")));
    grid.Riddle().SetState(stReady);
    grid.Riddle().StopClock();
    QStringList steps;
    QObject::connect(&grid.Riddle(), &TRiddleData::OnBeforeChange,
                     [&](TObject*, TRiddleChangeTypes, const QString& Text) { steps << Text; });
    const QString mark = QStringLiteral("Markierung ändern");
    Drag(grid, {1, 1}, {3, 1});
    EXPECT_EQ(steps, QStringList{mark});
    // The same line again changes nothing and is no step.
    Drag(grid, {3, 1}, {1, 1});
    EXPECT_EQ(steps, QStringList{mark});
    Drag(grid, {1, 1}, {3, 1}, Qt::ControlModifier);
    EXPECT_EQ(steps, QStringList({mark, mark}));
}

TEST(WordSearch, SolvedMarkFollowsTheDraggedLine) {
    // HECHT and AAL share a row, so the run of letters through AAL starts at HECHT; LACHS is
    // hidden backwards in a column.
    const QStringList rows = {QStringLiteral("HECHTAAL"), QStringLiteral("XXSXXXXX"),
                              QStringLiteral("XXHXXXXX"), QStringLiteral("XXCXXXXX"),
                              QStringLiteral("XXAXXXXX"), QStringLiteral("XXLXXXXX")};
    const std::vector<THidden> words = {{{1, 1}, wdHorizontal, QStringLiteral("HECHT"), false},
                                        {{6, 1}, wdHorizontal, QStringLiteral("AAL"), false},
                                        {{3, 2}, wdVertical, QStringLiteral("LACHS"), true}};
    struct Drags {
        QPoint from, to;
        bool unmark;
    };
    struct Case {
        const char* name;
        std::vector<Drags> drags;
        const char* solved; // one flag per clue
    } cases[] = {
        {"the second word of a row", {{{6, 1}, {8, 1}, false}}, "010"},
        {"dragged from its end", {{{8, 1}, {6, 1}, false}}, "010"},
        {"the first word of a row", {{{1, 1}, {5, 1}, false}}, "100"},
        {"a word hidden backwards", {{{3, 6}, {3, 2}, false}}, "001"},
        {"a line longer than the word", {{{1, 1}, {6, 1}, false}}, "000"},
        {"part of a word unmarked again", {{{1, 1}, {5, 1}, false}, {{2, 1}, {3, 1}, true}}, "000"},
        {"the word unmarked again", {{{6, 1}, {8, 1}, false}, {{6, 1}, {8, 1}, true}}, "000"},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        HideWords(grid, rows, words);
        for (const Drags& d : c.drags)
            Drag(grid, d.from, d.to, d.unmark ? Qt::ControlModifier : Qt::NoModifier);
        QString solved;
        for (int i = 0; i < grid.Riddle().ClueCount(); ++i)
            solved += grid.Riddle().Clue(i).Solved() ? QLatin1Char('1') : QLatin1Char('0');
        EXPECT_EQ(solved.toStdString(), c.solved) << c.name;
    }
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

//   A B    clue 1 across "AB" and clue 1 down "AC" from (1, 1), solved marks set automatically,
//   C #    the riddle being solved.
void CrossingWords(TWordRiddle& Grid, TRiddleType Type) {
    Letters(Grid, Type, {QStringLiteral("AB"), QStringLiteral("C#")});
    TWordRiddleData& riddle = Grid.Riddle();
    riddle.Cell(1, 1).SetFlags(cfLetter | cfStartAcross | cfStartDown);
    riddle.Cell(1, 1).SetClueNumber(1);
    riddle.Cell(1, 1).SetClueFlags(kClueAcross | kClueDown);
    riddle.Cell(2, 1).SetClueFlags(kClueAcross);
    riddle.Cell(1, 2).SetClueFlags(kClueDown);
    for (auto [word, direction] : {std::pair{"AB", wdHorizontal}, std::pair{"AC", wdVertical}}) {
        TWordLegendData& clue = riddle.AddClue();
        clue.SetWord(QLatin1String(word));
        clue.SetClueNumber(1);
        clue.SetDirection(direction);
    }
    riddle.SetAutoMarkLegend(true);
    riddle.SetState(stReady);
    riddle.StopClock();
}

TEST(SolvedMarks, FrenchLinesFollowTheirClues) {
    TWordRiddle grid;
    CrossingWords(grid, rtFrench);
    std::vector<std::pair<int, int>> events;
    QObject::connect(&grid.Riddle(), &TRiddleData::OnRowOrColStateChange,
                     [&](TObject*, int C, int R, TWordDirection) { events.emplace_back(C, R); });
    grid.Riddle().Cell(1, 1).SetEntry('A');
    EXPECT_EQ(grid.Riddle().RowState(1), 0);
    EXPECT_EQ(grid.Riddle().ColumnState(1), 0);
    grid.Riddle().Cell(2, 1).SetEntry('B');
    EXPECT_EQ(grid.Riddle().RowState(1), 1);
    EXPECT_EQ(grid.Riddle().ColumnState(1), 0);
    grid.Riddle().Cell(1, 2).SetEntry('C');
    EXPECT_EQ(grid.Riddle().ColumnState(1), 1);
    EXPECT_TRUE(grid.IsLineSolved(1, wdHorizontal));
    EXPECT_NE(std::find(events.begin(), events.end(), std::make_pair(0, 1)), events.end());
}

TEST(SolvedMarks, SwedishCluesFollowTheWordUnderTheCursor) {
    struct Case {
        const char* name;
        bool down;
        const char* typed;
        const char* solved; // across, down
    } cases[] = {
        {"the across word typed", false, "ab", "10"},
        {"a wrong letter", false, "ax", "00"},
        {"the down word typed", true, "ac", "01"},
        {"half of the down word", true, "a", "00"},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        CrossingWords(grid, rtSwedish);
        grid.SelectFirstCell();
        if (c.down)
            QTest::keyClick(&grid, Qt::Key_Return);
        QTest::keyClicks(&grid, c.typed);
        QString solved, checked;
        for (int i = 0; i < grid.Riddle().ClueCount(); ++i) {
            solved += grid.Riddle().Clue(i).Solved() ? QLatin1Char('1') : QLatin1Char('0');
            checked += grid.IsClueSolved(i) ? QLatin1Char('1') : QLatin1Char('0');
        }
        EXPECT_EQ(solved.toStdString(), c.solved) << c.name;
        EXPECT_EQ(checked.toStdString(), c.solved) << c.name;
        EXPECT_FALSE(grid.IsClueSolved(-1));
        EXPECT_FALSE(grid.IsClueSolved(2));
    }
}

TEST(WholeWords, ALegendLetterReachesOnlyItsOwnEntry) {
    const std::pair<uint8_t, const char*> cases[] = {{'A', "A."}, {'B', ".B"}, {'Q', ".."}, {0, ".."}};
    for (auto [letter, entries] : cases) {
        TWordRiddle grid;
        Letters(grid, rtNumbers, {QStringLiteral("AB")});
        grid.Riddle().LetterLegend(0).SetSolution('A');
        grid.Riddle().LetterLegend(1).SetSolution('B');
        grid.EnterLegendLetter(letter);
        std::string shown;
        for (int e : {0, 1})
            shown +=
                grid.Riddle().LetterLegend(e).Entry() ? char(grid.Riddle().LetterLegend(e).Entry()) : '.';
        EXPECT_EQ(shown, entries) << int(letter);
    }
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
