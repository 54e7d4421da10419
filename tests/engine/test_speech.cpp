// What a screen reader says of the cells of word riddles, sudokus, the number legend and the
// letter boxes.

#include "CellSpeech.h"
#include "SudokuRiddle.h"
#include "WordGridBuilder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// F A L
// U # E
// S O G     numbers: 1 at (1, 1), 2 at (3, 1), 3 at (1, 3)
const QStringList kRows{"FAL", "U#E", "SOG"};

TEST(CellSpeech, WordCellNames) {
    struct Case {
        const char* name;
        TRiddleType type;
        std::function<void(TWordRiddleData&)> setup;
        QPoint cell;
        QString expected;
    } cases[] = {
        {"empty start cell with its number", rtSwedish, {}, {1, 1}, "Zeile 1, Spalte 1: leer, Nummer 1"},
        {"typed letter",
         rtSwedish,
         [](TWordRiddleData& R) { R.Cell(2, 1).SetEntry('A'); },
         {2, 1},
         "Zeile 1, Spalte 2: A"},
        {"black cell", rtSwedish, {}, {2, 2}, "Zeile 2, Spalte 2: Schwarzfeld"},
        {"solution-word field",
         rtSwedish,
         [](TWordRiddleData& R) {
             R.SetRiddleOptions(TRiddleOptions{roHasKeyword});
             R.Cell(3, 2).SetFlags(uint16_t(R.Cell(3, 2).Flags() | cfKeyword));
             R.Cell(3, 2).SetKeywordIndex(3);
         },
         {3, 2},
         "Zeile 2, Spalte 3: leer, Lösungswortfeld 3"},
        {"revealed letter",
         rtSwedish,
         [](TWordRiddleData& R) { R.Cell(3, 3).SetRevealed(true); },
         {3, 3},
         "Zeile 3, Spalte 3: G, aufgedeckt"},
        {"wrong letter while wrong letters are marked",
         rtSwedish,
         [](TWordRiddleData& R) {
             R.SetPaintOptions(TPaintOptions{poShowFail});
             R.Cell(2, 3).SetEntry('X');
         },
         {2, 3},
         "Zeile 3, Spalte 2: X, falsch"},
        {"wrong letter unmarked",
         rtSwedish,
         [](TWordRiddleData& R) { R.Cell(2, 3).SetEntry('X'); },
         {2, 3},
         "Zeile 3, Spalte 2: X"},
        {"the solution shown",
         rtSwedish,
         [](TWordRiddleData& R) { R.SetDisplayMode(dmSolution); },
         {2, 3},
         "Zeile 3, Spalte 2: O"},
        {"number riddle cell",
         rtNumbers,
         [](TWordRiddleData& R) { R.Cell(2, 1).SetNumber(5); },
         {2, 1},
         "Zeile 1, Spalte 2: leer, Zahl 5"},
        {"American riddle hides the solution's black cells",
         rtAmerican,
         {},
         {2, 2},
         "Zeile 2, Spalte 2: leer"},
        {"American blank field where a letter belongs",
         rtAmerican,
         [](TWordRiddleData& R) {
             R.SetPaintOptions(TPaintOptions{poShowFail});
             R.Cell(2, 1).SetFlags(uint16_t(R.Cell(2, 1).Flags() | cfUserBlack));
         },
         {2, 1},
         "Zeile 1, Spalte 2: Schwarzfeld, falsch"},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, kRows, c.type);
        grid.Riddle().SetPaintOptions(TPaintOptions{});
        if (c.setup)
            c.setup(grid.Riddle());
        EXPECT_EQ(WordCellName(grid.Riddle(), c.cell.x(), c.cell.y()).toStdString(), c.expected.toStdString())
            << c.name;
    }
}

TEST(CellSpeech, WordDescriptionsTellTheClue) {
    struct Case {
        const char* name;
        TWordDirection direction;
        QPoint cell;
        QString expected;
    } cases[] = {
        {"a cell of the current word", wdHorizontal, {2, 1}, "Waagerecht 1: Fall aus der Höhe, 3 Buchstaben"},
        {"the current word down", wdVertical, {1, 2}, "Senkrecht 1: Schneidet, 3 Buchstaben"},
        {"outside the current word, only a word down",
         wdHorizontal,
         {3, 2},
         "Senkrecht 2: Gesetz, 3 Buchstaben"},
        {"a word without a clue in the legend", wdHorizontal, {2, 3}, "Waagerecht 3, 3 Buchstaben"},
        {"a black cell has none", wdHorizontal, {2, 2}, ""},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Build(grid, kRows);
        auto clue = [&](int32_t Number, TWordDirection Direction, const char* Text) {
            TWordLegendData& legend = grid.Riddle().AddClue();
            legend.SetClueNumber(Number);
            legend.SetDirection(Direction);
            legend.SetClueText(QString::fromUtf8(Text));
        };
        clue(1, wdHorizontal, "Fall aus der Höhe");
        clue(1, wdVertical, "Schneidet");
        clue(2, wdVertical, "Gesetz");
        grid.SelectFirstCell();
        grid.SetInputDirection(c.direction);
        EXPECT_EQ(grid.AccessibleCellDescription(c.cell.x(), c.cell.y()).toStdString(),
                  c.expected.toStdString())
            << c.name;
    }
    TGridWordData single;
    single.Length = 1;
    single.ClueNumber = 7;
    EXPECT_EQ(WordDescription(single), "Waagerecht 7, 1 Buchstabe");
}

TEST(CellSpeech, SudokuCellNames) {
    struct Case {
        const char* name;
        std::function<void(TSudokuRiddleData&)> setup;
        QPoint cell;
        QString expected;
    } cases[] = {
        {"given symbol", {}, {7, 4}, "Zeile 4, Spalte 7: 8, vorgegeben"},
        {"empty cell", {}, {1, 1}, "Zeile 1, Spalte 1: leer"},
        {"typed symbol",
         [](TSudokuRiddleData& S) { S.Cell(4, 7).SetEntry('6'); },
         {4, 7},
         "Zeile 7, Spalte 4: 6"},
        {"wrong symbol while wrong symbols show",
         [](TSudokuRiddleData& S) {
             S.SetPaintOptions(TPaintOptions{poShowFail});
             S.Cell(4, 7).SetEntry('9');
         },
         {4, 7},
         "Zeile 7, Spalte 4: 9, falsch"},
        {"possible symbols while their grids show",
         [](TSudokuRiddleData& S) {
             S.SetPaintOptions(TPaintOptions{poShowHintGrids});
             S.Cell(1, 1).SetCandidates(uint16_t((1 << 1) | (1 << 4) | (1 << 6)));
         },
         {1, 1},
         "Zeile 1, Spalte 1: leer, möglich 1 4 6"},
        {"the solver's notes in the place of the possible symbols",
         [](TSudokuRiddleData& S) {
             S.SetPaintOptions(TPaintOptions{poShowHintGrids});
             S.Cell(1, 1).SetCandidates(uint16_t((1 << 1) | (1 << 4) | (1 << 6)));
             S.Cell(1, 1).SetNotes(uint16_t((1 << 2) | (1 << 9)));
         },
         {1, 1},
         "Zeile 1, Spalte 1: leer, Notizen 2 9"},
        {"revealed symbol",
         [](TSudokuRiddleData& S) { S.Cell(1, 1).SetRevealed(true); },
         {1, 1},
         "Zeile 1, Spalte 1: 1, aufgedeckt"},
        {"the solution shown",
         [](TSudokuRiddleData& S) { S.SetDisplayMode(dmSolution); },
         {4, 7},
         "Zeile 7, Spalte 4: 6"},
    };
    for (const Case& c : cases) {
        TSudokuRiddle grid;
        TSudokuRiddleData& s = grid.Riddle();
        s.SetSize(ss9Symbols);
        for (int col = 1; col <= 9; ++col)
            for (int row = 1; row <= 9; ++row)
                s.Cell(col, row).SetSolution(
                    SymbolOf((3 * ((row - 1) % 3) + (row - 1) / 3 + col - 1) % 9 + 1));
        s.Cell(7, 4).SetFlags(cfGiven);
        s.Cell(7, 4).SetRevealed(true);
        s.SetPaintOptions(TPaintOptions{});
        if (c.setup)
            c.setup(s);
        EXPECT_EQ(SudokuCellName(s, c.cell.x(), c.cell.y()).toStdString(), c.expected.toStdString())
            << c.name;
    }
}

TEST(CellSpeech, LegendEntriesAndLetterBoxes) {
    TWordRiddle grid;
    TWordRiddleData& r = grid.Riddle();
    r.SetRiddleType(rtNumbers);
    r.LetterLegend(0).SetNumber(5);
    r.LetterLegend(0).SetSolution('E');
    r.LetterLegend(1).SetNumber(6);
    r.LetterLegend(1).SetSolution('R');
    r.Keyword().SetWord(QStringLiteral("LOESUNG"));
    r.SetPaintOptions(TPaintOptions{});
    struct Case {
        const char* name;
        std::function<void()> setup;
        std::function<QString()> spoken;
        QString expected;
    } cases[] = {
        {"legend entry without a letter", {}, [&] { return LetterLegendName(r, 0); }, "Zahl 5: leer"},
        {"legend entry with its letter", [&] { r.LetterLegend(0).SetEntry('E'); },
         [&] { return LetterLegendName(r, 0); }, "Zahl 5: E"},
        {"wrong legend letter while marked",
         [&] {
             r.SetPaintOptions(TPaintOptions{poShowFail});
             r.LetterLegend(1).SetEntry('X');
         },
         [&] { return LetterLegendName(r, 1); }, "Zahl 6: X, falsch"},
        {"legend entry in the solution", [&] { r.SetDisplayMode(dmSolution); },
         [&] { return LetterLegendName(r, 1); }, "Zahl 6: R"},
        {"unused legend entry", {}, [&] { return LetterLegendName(r, 2); }, "unbenutzt"},
        {"empty solution-word box", [&] { r.SetDisplayMode(dmSolving); },
         [&] { return KeywordBoxName(r, 2); }, "Lösungswort, Buchstabe 3 von 7: leer"},
        {"typed solution-word box", [&] { r.Keyword().SetGuess(QStringLiteral("  E    ")); },
         [&] { return KeywordBoxName(r, 2); }, "Lösungswort, Buchstabe 3 von 7: E"},
        {"wrong solution-word box while marked",
         [&] {
             r.SetPaintOptions(TPaintOptions{poShowFail});
             r.Keyword().SetGuess(QStringLiteral("X      "));
         },
         [&] { return KeywordBoxName(r, 0); }, "Lösungswort, Buchstabe 1 von 7: X, falsch"},
        {"empty box of the word entry",
         {},
         [] { return LetterBoxName(QStringLiteral("Begriff"), 0, 5, QChar()); },
         "Begriff, Buchstabe 1 von 5: leer"},
    };
    for (const Case& c : cases) {
        if (c.setup)
            c.setup();
        EXPECT_EQ(c.spoken().toStdString(), c.expected.toStdString()) << c.name;
    }
}

} // namespace
