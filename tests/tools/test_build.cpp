// What the builder derives from accepted sources.

#include "RiddlepackTestSupport.h"

namespace {
struct CellExpectation {
    int col, row, flags, clueFlags, clueNumber;
    char solution;
    int keywordIndex = 0;
};

void ExpectCell(const TWordRiddleData& R, const CellExpectation& E) {
    SCOPED_TRACE(testing::Message() << "cell " << E.col << "," << E.row);
    const TWordGridCell& cell = R.Cell(E.col, E.row);
    EXPECT_EQ(cell.Flags(), E.flags);
    EXPECT_EQ(cell.ClueFlags(), E.clueFlags);
    EXPECT_EQ(cell.ClueNumber(), E.clueNumber);
    EXPECT_EQ(cell.Solution(), uint8_t(E.solution));
    EXPECT_EQ(cell.KeywordIndex(), E.keywordIndex);
    EXPECT_EQ(cell.Revealed(), (E.flags & cfGiven) != 0);
    EXPECT_EQ(cell.Entry(), 0);
}

TEST(RiddleBuild, DerivesCellFlagsAndNumbersFromTheGrid) {
    QJsonObject source = HausSource();
    source["keyword"] =
        QJsonObject{{"word", "SEE"},
                    {"clue", "Gewässer"},
                    {"cells", QJsonArray{QJsonArray{4, 1}, QJsonArray{4, 2}, QJsonArray{3, 3}}}};
    source["givens"] = QJsonArray{QJsonArray{2, 3}, QJsonArray{4, 1}};
    const TBuiltRiddle built = BuildOk(source);
    const TWordRiddleData& r = WordOf(built);
    const int L = cfLetter, SA = cfStartAcross, SD = cfStartDown, EA = cfEndAcross, ED = cfEndDown,
              A = kClueAcross, D = kClueDown, K = cfKeyword, G = cfGiven;
    //   H A U S
    //   A # N E
    //   U S E R
    const CellExpectation table[] = {
        {1, 1, L | SA | SD, A | D, 1, 'H'},
        {2, 1, L, A, 0, 'A'},
        {3, 1, L | SD, A | D, 2, 'U'},
        {4, 1, L | SD | EA | K | G, A | D, 3, 'S', 1},
        {1, 2, L, D, 0, 'A'},
        {2, 2, cfBlack, 0, 0, 0},
        {3, 2, L | SA, A | D, 4, 'N'},
        {4, 2, L | EA | K, A | D, 0, 'E', 2},
        {1, 3, L | SA | ED, A | D, 5, 'U'},
        {2, 3, L | G, A, 0, 'S'},
        {3, 3, L | ED | K, A | D, 0, 'E', 3},
        {4, 3, L | EA | ED, A | D, 0, 'R'},
    };
    for (const CellExpectation& e : table)
        ExpectCell(r, e);
    EXPECT_EQ(r.RiddleCols(), 4);
    EXPECT_EQ(r.RiddleRows(), 3);
    EXPECT_EQ(r.State(), stReady);
    EXPECT_EQ(r.Time(), 0);
    EXPECT_EQ(r.Version(), "8.04");
    EXPECT_EQ(r.RiddleOptions(), TRiddleOptions({roAllowEdit, roHasKeyword}));
    EXPECT_EQ(r.Keyword().Word(), "SEE");
    EXPECT_EQ(r.Keyword().ClueText(), "Gewässer");

    // The clue list keeps the source's order; the words come from the grid.
    const char* words[] = {"1 1 HAUS Gebäude", "1 2 HAU Hinweis", "2 2 UNE Hinweis",
                           "3 2 SER Hinweis",  "4 1 NE Hinweis",  "5 1 USER Hinweis"};
    ASSERT_EQ(r.ClueCount(), 6);
    for (int i = 0; i < 6; ++i) {
        const TWordLegendData& c = r.Clue(i);
        EXPECT_EQ(
            QStringLiteral("%1 %2 %3 %4").arg(c.ClueNumber()).arg(c.Direction()).arg(c.Word(), c.ClueText()),
            QString::fromUtf8(words[i]));
    }
}

TEST(RiddleBuild, LocatesHiddenWordsIncludingBackwardOnes) {
    QJsonObject source{{"type", "findwords"},
                       {"options", QJsonArray{"reverseWords"}},
                       {"grid", QJsonArray{"TORQX", "KALEB", "VSMUN", "WEIHJ"}},
                       {"clues", QJsonArray{QJsonObject{{"word", "OASE"}, {"clue", "Wasserstelle"}},
                                            QJsonObject{{"word", "HUE"}}, QJsonObject{{"word", "TOR"}}}}};
    const TBuiltRiddle built = BuildOk(source);
    const TWordRiddleData& r = WordOf(built);
    // Numbered by the words' top or left cells in reading order, whatever the clue order;
    // a backward word keeps its own spelling.
    const char* clues[] = {"OASE down 2 Wasserstelle", "HUE down reversed 3 ", "TOR across 1 "};
    ASSERT_EQ(r.ClueCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const TWordLegendData& c = r.Clue(i);
        EXPECT_EQ(QStringLiteral("%1 %2%3 %4 %5")
                      .arg(c.Word(), c.Direction() == wdHorizontal ? "across" : "down",
                           c.Reversed() ? " reversed" : "")
                      .arg(c.ClueNumber())
                      .arg(c.ClueText()),
                  QString::fromUtf8(clues[i]));
    }
    //   T O R Q X
    //   K A L E B
    //   V S M U N
    //   W E I H J
    const CellExpectation cells[] = {
        {1, 1, cfLetter | cfStartAcross, kClueAcross, 1, 'T'},
        {2, 1, cfLetter | cfStartDown, kClueAcross | kClueDown, 2, 'O'},
        {3, 1, cfLetter | cfEndAcross, kClueAcross, 0, 'R'},
        {2, 4, cfLetter | cfEndDown, kClueDown, 0, 'E'},
        {4, 2, cfLetter | cfStartDown, kClueDown, 3, 'E'},
        {4, 4, cfLetter | cfEndDown, kClueDown, 0, 'H'},
    };
    for (const CellExpectation& e : cells)
        ExpectCell(r, e);
    // Filler shows its letter but is no part of the solution.
    for (auto [col, row, letter] : {std::tuple{5, 1, 'X'}, {1, 2, 'K'}, {3, 4, 'I'}}) {
        EXPECT_EQ(r.Cell(col, row).Flags(), cfBlack);
        EXPECT_EQ(r.Cell(col, row).Entry(), uint8_t(letter));
        EXPECT_EQ(r.Cell(col, row).Solution(), 0);
    }
    // A word that reads the same both ways stands there once, not twice.
    source["grid"] = QJsonArray{"ABAX", "QRST"};
    source["clues"] = QJsonArray{QJsonObject{{"word", "ABA"}}};
    EXPECT_FALSE(WordOf(BuildOk(source)).Clue(0).Reversed());
}

TEST(RiddleBuild, NumbersTheLettersOfANumbersRiddle) {
    //   N E I N
    //   E # # E
    //   N E I N
    const QJsonObject source{
        {"type", "numbers"},
        {"grid", QJsonArray{"NEIN", "E##E", "NEIN"}},
        {"clues", QJsonArray{Clue(1, "across"), Clue(1, "down"), Clue(2, "down"), Clue(3, "across")}}};
    const struct {
        QJsonObject letterNumbers;
        const char* legend; // entry i: letter legend[i] with number numbers[i]
        int numbers[3];
    } table[] = {
        {{}, "NEI", {1, 2, 3}},                             // in order of first appearance
        {{{"E", 5}, {"I", 1}, {"N", 9}}, "IEN", {1, 5, 9}}, // as given, sorted by number
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.legend);
        QJsonObject s = source;
        if (!t.letterNumbers.isEmpty())
            s["letterNumbers"] = t.letterNumbers;
        const TBuiltRiddle built = BuildOk(s);
        const TWordRiddleData& r = WordOf(built);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(r.LetterLegend(i).Solution(), uint8_t(t.legend[i])) << i;
            EXPECT_EQ(r.LetterLegend(i).Number(), t.numbers[i]) << i;
        }
        EXPECT_EQ(r.LetterLegend(3).Solution(), 0);
        for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {3, 3}, {4, 2}}) {
            const TWordGridCell& cell = r.Cell(col, row);
            EXPECT_EQ(cell.Number(), t.numbers[QByteArray(t.legend).indexOf(char(cell.Solution()))])
                << col << "," << row;
        }
        EXPECT_EQ(r.Cell(2, 2).Number(), 0);
    }
}

TEST(RiddleBuild, AcceptsValidSudokusOfEverySize) {
    for (auto [n, boxWidth, boxHeight] : {std::tuple{6, 3, 2}, {9, 3, 3}, {12, 4, 3}}) {
        SCOPED_TRACE(n);
        const QJsonArray solution = SudokuRows(n, boxWidth, boxHeight);
        QJsonArray givens{QString(n - 1, '.') + solution[0].toString().back()};
        for (int r = 1; r < n; ++r)
            givens.append(QString(n, '.'));
        const TBuiltRiddle built = BuildOk(
            {{"type", "sudoku"}, {"size", n}, {"skill", 3}, {"solution", solution}, {"givens", givens}});
        const auto& s = dynamic_cast<const TSudokuRiddleData&>(*built.Riddle);
        EXPECT_EQ(s.Symbols(), n);
        EXPECT_EQ(s.Skill(), skHard);
        EXPECT_EQ(s.State(), stReady);
        EXPECT_EQ(s.Cell(n, 1).Flags(), cfGiven);
        EXPECT_TRUE(s.Cell(n, 1).Revealed());
        EXPECT_EQ(s.Cell(1, 1).Flags(), 0);
        EXPECT_FALSE(s.Cell(1, 1).Revealed());
        // Source rows are rows: the cell at (col, row) takes character col of row `row`.
        for (int row = 1; row <= n; ++row)
            for (int col = 1; col <= n; ++col)
                ASSERT_EQ(s.Cell(col, row).Solution(),
                          uint8_t(solution[row - 1].toString()[col - 1].toLatin1()))
                    << col << "," << row;
    }
}
} // namespace
