// The clue legend's rows per riddle kind: which list, which columns, which order, solved marks
// and hidden rows.

#include "LegendRows.h"
#include "LegendRules.h"
#include "LegendTestSupport.h"
#include "WordOrder.h"

#include <gtest/gtest.h>

namespace {
using namespace legendtest;

// The shown cells of each row, "|" between cells and " / " between rows; hidden rows in brackets,
// solved rows with a leading "*".
QString Listed(const std::vector<TLegendRow>& Rows, TRiddleType Type) {
    const TLegendColumns columns = LegendColumns(Type);
    QStringList out;
    for (const TLegendRow& row : Rows) {
        QStringList cells;
        for (int c = 0; c < kLegendColumnCount; ++c)
            if (columns.Shown[size_t(c)])
                cells << LegendCellText(row.Data, c);
        QString text = (row.Solved ? QStringLiteral("*") : QString()) + cells.join(QLatin1Char('|'));
        out << (row.Hidden ? QLatin1Char('[') + text + QLatin1Char(']') : text);
    }
    return out.join(QStringLiteral(" / "));
}

TEST(LegendRows, NumbersStandRightTextsLeft) {
    const std::pair<int, bool> cases[] = {{lcZeile, true},    {lcSchwarzfelder, true},
                                          {lcNummer, true},   {lcLaenge, false},
                                          {lcBegriff, false}, {lcUmschreibung, false}};
    for (auto [column, right] : cases)
        EXPECT_EQ(LegendColumnRightAligned(column), right) << LegendHeader(column).toStdString();
}

TEST(LegendRows, ListsColumnsAndOrderFollowTheRiddleKind) {
    const QJsonArray search{"HAUSX", "OBERY", "FQQQQ"};
    const QJsonObject findWords{
        {"type", "findwords"},
        {"grid", search},
        {"clues", QJsonArray{QJsonObject{{"word", "OBER"}}, QJsonObject{{"word", "HAUS"}},
                             QJsonObject{{"word", "HOF"}}}}};
    struct Case {
        const char* name;
        QJsonObject source;
        bool twoChosen;
        bool twoLists;
        const char* across;
        const char* down;
    } cases[] = {
        {"swedish: two lists by clue number although the clues came in another order", HausSource("swedish"),
         false, true, "1|Gebäude / 4|Abk. Nordost / 5|Benutzer", "1|Übermut / 2|franz. eine / 3|Serie kurz"},
        {"fill-in, one list: by clue text, only A-Z folded", HausSource("fillup"), false, false, "",
         "Abk. Nordost / Benutzer / franz. eine / Gebäude / Serie kurz / Übermut"},
        {"fill-in, two lists chosen", HausSource("fillup"), true, true, "Abk. Nordost / Benutzer / Gebäude",
         "franz. eine / Serie kurz / Übermut"},
        {"puzzle: by word length, equal lengths in clue order", HausSource("puzzle"), false, false, "",
         "2|NE / 3|HAU / 3|UNE / 3|SER / 4|USER / 4|HAUS"},
        {"word search: by word", findWords, false, false, "", "HAUS / HOF / OBER"},
        {"french: one row per line with its clues, lines without a word start left out",
         LinesSource("french"), false, true, "1|Erster  |  Zweiter / 3|Dritter  |  Vierter",
         "1|Links / 5|Rechts"},
        {"american: with the blank counts", LinesSource("american"), false, true,
         "1|1|Erster  |  Zweiter / 3|1|Dritter  |  Vierter", "1|0|Links / 5|0|Rechts"},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Load(grid, c.source);
        const TRiddleType type = grid.Riddle().RiddleType();
        const TLegendLists lists = BuildLegendLists(grid, c.twoChosen, false);
        EXPECT_EQ(lists.TwoLists, c.twoLists) << c.name;
        EXPECT_EQ(Listed(lists.Across, type), QString::fromUtf8(c.across)) << c.name;
        EXPECT_EQ(Listed(lists.Down, type), QString::fromUtf8(c.down)) << c.name;
    }
}

TEST(LegendRows, SolvedRowsAreMarkedAndHiddenOnlyWhenHidingIsChosen) {
    struct Case {
        const char* name;
        QJsonObject source;
        bool hide;
        const char* across;
        const char* down;
    } cases[] = {
        {"clue marked solved", HausSource("swedish"), false, "*1|Gebäude / 4|Abk. Nordost / 5|Benutzer",
         "1|Übermut / 2|franz. eine / 3|Serie kurz"},
        {"clue marked solved and hidden", HausSource("swedish"), true,
         "[*1|Gebäude] / 4|Abk. Nordost / 5|Benutzer", "1|Übermut / 2|franz. eine / 3|Serie kurz"},
        {"line marked solved and hidden", LinesSource("french"), true,
         "[*1|Erster  |  Zweiter] / 3|Dritter  |  Vierter", "1|Links / 5|Rechts"},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Load(grid, c.source);
        TWordRiddleData& r = grid.Riddle();
        if (r.RiddleType() == rtFrench)
            r.SetRowState(1, 1);
        else
            r.Clue(r.FindClueIndex(1, wdHorizontal)).SetSolved(true);
        const TLegendLists lists = BuildLegendLists(grid, false, c.hide);
        EXPECT_EQ(Listed(lists.Across, r.RiddleType()), QString::fromUtf8(c.across)) << c.name;
        EXPECT_EQ(Listed(lists.Down, r.RiddleType()), QString::fromUtf8(c.down)) << c.name;
    }
}

TEST(LegendRows, TheFirstShownColumnCarriesTheMarkAndTheTextColumnTakesTheRest) {
    struct Case {
        TRiddleType type;
        const char* shown;
        int first, autoSize;
    } cases[] = {
        {rtSwedish, "Nummer Umschreibung", lcNummer, lcUmschreibung},
        {rtFillup, "Umschreibung", lcUmschreibung, lcUmschreibung},
        {rtPuzzle, "Länge Begriff", lcLaenge, lcBegriff},
        {rtFindWords, "Begriff", lcBegriff, lcBegriff},
        {rtFrench, "Zeile Umschreibung", lcZeile, lcUmschreibung},
        {rtAmerican, "Zeile Schwarzfelder Umschreibung", lcZeile, lcUmschreibung},
    };
    for (const Case& c : cases) {
        const TLegendColumns columns = LegendColumns(c.type);
        QStringList shown;
        for (int col = 0; col < kLegendColumnCount; ++col)
            if (columns.Shown[size_t(col)])
                shown << LegendHeader(col);
        EXPECT_EQ(shown.join(QLatin1Char(' ')), QString::fromUtf8(c.shown)) << int(c.type);
        EXPECT_EQ(columns.FirstShown, c.first) << int(c.type);
        EXPECT_EQ(columns.AutoSize, c.autoSize) << int(c.type);
        EXPECT_EQ(columns.Width(c.first), 50) << int(c.type);
    }
}

} // namespace

namespace {
TWordPlace A(int Col, int Row) {
    return {Col, Row, wdHorizontal};
}
TWordPlace D(int Col, int Row) {
    return {Col, Row, wdVertical};
}
} // namespace

// Tab follows the words as the legend lists them, across before down.
TEST(WordOrder, FollowsTheLegendOfEachKind) {
    struct Case {
        const char* name;
        QJsonObject source;
        bool twoChosen;
        std::vector<TWordPlace> words;
    } cases[] = {
        {"swedish, by number",
         HausSource("swedish"),
         false,
         {A(1, 1), A(3, 2), A(1, 3), D(1, 1), D(3, 1), D(4, 1)}},
        {"fill-in, one list by clue text",
         HausSource("fillup"),
         false,
         {A(3, 2), A(1, 3), D(3, 1), A(1, 1), D(4, 1), D(1, 1)}},
        {"fill-in, two lists",
         HausSource("fillup"),
         true,
         {A(3, 2), A(1, 3), A(1, 1), D(3, 1), D(4, 1), D(1, 1)}},
        {"puzzle, by length",
         HausSource("puzzle"),
         false,
         {A(3, 2), D(1, 1), D(3, 1), D(4, 1), A(1, 3), A(1, 1)}},
        {"french, line by line",
         LinesSource("french"),
         false,
         {A(1, 1), A(4, 1), A(1, 3), A(4, 3), D(1, 1), D(5, 1)}},
        {"american, line by line",
         LinesSource("american"),
         false,
         {A(1, 1), A(4, 1), A(1, 3), A(4, 3), D(1, 1), D(5, 1)}},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Load(grid, c.source);
        EXPECT_EQ(LegendWordOrder(grid, c.twoChosen), c.words) << c.name;
    }
}

// Each step lands on the first empty cell of the next or previous word, or on the first cell of
// a full word, round the end of the list.
TEST(WordOrder, TabGoesToTheFirstEmptyCellOfTheNextWord) {
    TWordRiddle grid;
    Load(grid, HausSource("swedish"));
    TWordRiddleData& riddle = grid.Riddle();
    for (const QPoint& p : {QPoint(1, 3), QPoint(3, 1), QPoint(3, 2), QPoint(3, 3)})
        riddle.Cell(p.x(), p.y()).SetEntry('X');
    grid.SelectFirstCell();
    struct Step {
        bool forward;
        TWordPlace cell;
    } steps[] = {
        {true, A(4, 2)}, {true, A(2, 3)}, {true, D(1, 1)},  {true, D(3, 1)},
        {true, D(4, 1)}, {true, A(1, 1)}, {false, D(4, 1)}, {false, D(3, 1)},
    };
    int n = 0;
    for (const Step& s : steps) {
        const std::optional<TWordPlace> next = NextWordCell(grid, false, s.forward);
        ASSERT_TRUE(next.has_value()) << n;
        EXPECT_EQ(*next, s.cell) << "step " << n++;
        grid.MoveCurrent(next->Col, next->Row, false);
        grid.SetInputDirection(next->Direction);
    }
}
