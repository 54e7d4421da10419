// Sudoku data: box shapes, symbols, the rule-based solve check, candidate marks, restart and
// snapshots.

#include "RiddleTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <numeric>

namespace {

using rt::PatternValue;

TEST(Sudoku, SizeGivesGridAndBoxShape) {
    struct Case {
        TSudokuSize size;
        int symbols, boxWidth, boxHeight;
    } cases[] = {{ss6Symbols, 6, 3, 2}, {ss9Symbols, 9, 3, 3}, {ss12Symbols, 12, 4, 3}};
    for (const Case& c : cases) {
        TSudokuRiddleData s;
        s.SetSize(ss9Symbols == c.size ? ss12Symbols : ss9Symbols);
        s.SetSize(c.size);
        EXPECT_EQ(s.Symbols(), c.symbols);
        EXPECT_EQ(s.RiddleCols(), c.symbols);
        EXPECT_EQ(s.RiddleRows(), c.symbols);
        EXPECT_EQ(s.BoxWidth(), c.boxWidth) << c.symbols;
        EXPECT_EQ(s.BoxHeight(), c.boxHeight) << c.symbols;
    }
}

TEST(Sudoku, SymbolsAreHexadecimalDigits) {
    const std::pair<int, uint8_t> cases[] = {{1, '1'},  {9, '9'}, {10, 'A'}, {11, 'B'}, {12, 'C'},
                                             {15, 'F'}, {0, 0},   {16, 0},   {-1, 0}};
    for (auto [value, symbol] : cases)
        EXPECT_EQ(SymbolOf(value), symbol) << value;
    const std::pair<uint8_t, int> values[] = {{'1', 1},  {'9', 9},  {'A', 10}, {'B', 11}, {'b', 11},
                                              {'F', 15}, {'f', 15}, {'0', 0},  {'G', 0},  {'g', 0},
                                              {' ', 0},  {':', 0},  {'@', 0},  {'`', 0}};
    for (auto [symbol, value] : values)
        EXPECT_EQ(SymbolValue(symbol), value) << symbol;
}

TEST(Sudoku, CountsTheCellsWithAFlag) {
    TSudokuRiddleData s;
    rt::BuildSudoku(s, ss9Symbols); // 17 givens, and cell 1,1 also given with bit 0
    s.Cell(1, 1).SetFlags(cfGiven | 1);
    const struct {
        int bit;
        bool exact;
        int count;
    } cases[] = {{4, false, 18}, {4, true, 17},  {0, false, 1}, {0, true, 0},
                 {1, false, 0},  {16, false, 0}, {-1, false, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(s.CountFlagAll(c.bit, c.exact), c.count) << c.bit << " " << c.exact;
}

TEST(Sudoku, EntryStatus) {
    TSudokuRiddleData s;
    TSudokuGridCell& cell = s.Cell(2, 3);
    cell.SetSolution('4');
    const std::pair<uint8_t, uint8_t> steps[] = {{'5', 2}, {'4', 1}, {' ', 0}, {'7', 2}, {0, 0}};
    for (auto [entry, status] : steps) {
        cell.SetEntry(entry);
        EXPECT_EQ(cell.Entry(), entry == ' ' ? 0 : entry);
        EXPECT_EQ(cell.Status(), status) << char(entry);
    }
}

// Fills every cell with the rule-obeying pattern, optionally swapping two cells of row 1.
void FillPattern(TSudokuRiddleData& S, bool Swap) {
    for (int c = 1; c <= S.Symbols(); ++c)
        for (int r = 1; r <= S.Symbols(); ++r) {
            int col = c;
            if (Swap && r == 1 && (c == 1 || c == 2))
                col = 3 - c;
            S.Cell(c, r).SetEntry(SymbolOf(PatternValue(S, col, r)));
        }
}

TEST(Sudoku, SolvedByTheRuleNotByTheStoredSolution) {
    for (TSudokuSize size : {ss6Symbols, ss9Symbols, ss12Symbols})
        for (bool swap : {false, true}) {
            TSudokuRiddleData s;
            s.SetSize(size);
            // The stored solution is another valid grid: every entry will differ from it.
            for (int c = 1; c <= s.Symbols(); ++c)
                for (int r = 1; r <= s.Symbols(); ++r)
                    s.Cell(c, r).SetSolution(SymbolOf(PatternValue(s, c, r) % s.Symbols() + 1));
            s.SetState(stReady);
            s.Cell(1, 1).SetEntry(SymbolOf(PatternValue(s, 1, 1)));
            EXPECT_EQ(s.State(), stPartial);
            FillPattern(s, swap);
            EXPECT_EQ(s.State(), swap ? stWrongChars : stSolved) << s.Symbols() << " swap " << swap;
            // Swapped, (1,1) holds the symbol its stored solution has.
            EXPECT_EQ(s.Cell(1, 1).Status(), swap ? 1 : 2);
        }
}

TEST(Sudoku, SettingThePresentSizeChangesNothing) {
    TSudokuRiddleData s;
    s.SetState(stReady);
    s.SetModified(false);
    int events = 0;
    QObject::connect(&s, &TRiddleData::OnChange, [&] { ++events; });
    QObject::connect(&s, &TRiddleData::OnBeforeChange, [&] { ++events; });
    s.SetSize(ss9Symbols);
    EXPECT_EQ(events, 0);
    EXPECT_FALSE(s.Modified());
    s.SetSize(ss6Symbols);
    EXPECT_EQ(events, 2);
    EXPECT_TRUE(s.Modified());
}

TEST(Sudoku, MarkedSymbolHighlightsCandidates) {
    TSudokuRiddleData s;
    auto enter = [&](int ARow, int FirstCol, int LastCol, int FirstValue) {
        for (int c = FirstCol; c <= LastCol; ++c)
            s.Cell(c, ARow).SetEntry(SymbolOf(FirstValue + c - FirstCol));
    };
    enter(1, 2, 9, 2); // (1,1) may only take 1
    enter(5, 2, 8, 3); // (1,5) may take 1 or 2
    enter(9, 4, 9, 4); // (1,9) may take 1, 2 or 3
    struct Case {
        uint8_t marked;
        bool single, pair, triple, filled, open;
    } cases[] = {{TSudokuRiddleData::kMarkFewCandidates, true, true, false, false, false},
                 {1, true, true, true, false, true},
                 {2, false, true, true, false, true},
                 {3, false, false, true, false, true},
                 {0, false, false, false, false, false}};
    for (const Case& c : cases) {
        s.SetMarkedSymbol(c.marked);
        EXPECT_EQ(s.Cell(1, 1).Highlighted(), c.single) << int(c.marked);
        EXPECT_EQ(s.Cell(1, 5).Highlighted(), c.pair) << int(c.marked);
        EXPECT_EQ(s.Cell(1, 9).Highlighted(), c.triple) << int(c.marked);
        EXPECT_EQ(s.Cell(2, 1).Highlighted(), c.filled) << int(c.marked);
        EXPECT_EQ(s.Cell(5, 3).Highlighted(), c.open) << int(c.marked);
    }
    // A new entry moves the marks along.
    s.SetMarkedSymbol(TSudokuRiddleData::kMarkFewCandidates);
    s.Cell(1, 9).SetEntry('1');
    EXPECT_FALSE(s.Cell(1, 9).Highlighted());
    EXPECT_FALSE(s.Cell(1, 1).Highlighted()) << "no candidate left";
    EXPECT_TRUE(s.Cell(1, 5).Highlighted()) << "one candidate left";
}

TEST(Sudoku, RestartKeepsGivensUnlessAskedTo) {
    for (bool alsoGiven : {false, true}) {
        TSudokuRiddleData s;
        rt::BuildSudoku(s, ss9Symbols);
        s.Cell(1, 1).SetEntry('5');
        s.Reset(false, alsoGiven);
        EXPECT_EQ(s.State(), stReady);
        EXPECT_EQ(s.Time(), 0);
        int givens = 0;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                const TSudokuGridCell& cell = s.Cell(c, r);
                EXPECT_EQ(cell.Entry(), 0);
                EXPECT_EQ(cell.Revealed(), cell.Given() && !alsoGiven) << c << "," << r;
                EXPECT_EQ(cell.ShownSymbol(), cell.Revealed() ? cell.Solution() : 0);
                givens += cell.Given();
            }
        EXPECT_GT(givens, 0);
    }
}

// Every cell of a partly filled grid is marked by the rule, for every marking value of every size.
TEST(Sudoku, MarkingFollowsThePossibleSymbolsInEverySize) {
    for (TSudokuSize size : {ss6Symbols, ss9Symbols, ss12Symbols}) {
        TSudokuRiddleData s;
        rt::BuildSudoku(s, size);
        const int n = s.Symbols();
        // Entries that break the pattern leave cells with one, two or no possible symbols.
        s.Cell(2, 2).SetEntry(SymbolOf(PatternValue(s, 1, 2)));
        s.Cell(n, 1).SetEntry(SymbolOf(PatternValue(s, n, 2)));
        std::vector<int> marks(static_cast<size_t>(n));
        std::iota(marks.begin(), marks.end(), 1);
        marks.insert(marks.end(), {TSudokuRiddleData::kMarkFewCandidates, n + 1, 0});
        int marked = 0;
        for (int m : marks) {
            s.SetMarkedSymbol(uint8_t(m));
            for (int c = 1; c <= n; ++c)
                for (int r = 1; r <= n; ++r) {
                    const TSudokuGridCell& cell = s.Cell(c, r);
                    const int possible = s.PossibleCount(c, r);
                    bool expected = false;
                    if (cell.ShownSymbol() == 0 && m >= 1 && m <= n)
                        expected = s.IsPossible(m, c, r);
                    else if (cell.ShownSymbol() == 0 && m == TSudokuRiddleData::kMarkFewCandidates)
                        expected = possible >= 1 && possible <= 2;
                    ASSERT_EQ(cell.Highlighted(), expected)
                        << n << " symbols, mark " << m << " at " << c << "," << r;
                    marked += expected;
                }
        }
        EXPECT_GT(marked, n) << n;
    }
}

TEST(Sudoku, SymbolsAreTakenAsTheSudokuKnowsThem) {
    struct Case {
        TSudokuSize size;
        TDisplayMode mode;
        uint8_t key, entry, solution;
    } cases[] = {
        {ss12Symbols, dmSolving, 'c', 'C', '1'}, {ss12Symbols, dmSolving, 'D', '7', '1'},
        {ss6Symbols, dmSolving, '7', '7', '1'},  {ss6Symbols, dmSolving, 'a', '7', '1'},
        {ss9Symbols, dmSolving, ' ', 0, '1'},    {ss9Symbols, dmEditing, '4', '4', '4'},
    };
    for (const Case& c : cases) {
        TSudokuRiddleData s;
        s.SetSize(c.size);
        s.Cell(1, 1).SetSolution('1');
        s.Cell(1, 1).SetEntry('7');
        s.SetDisplayMode(c.mode);
        s.SetSymbol(1, 1, c.key);
        EXPECT_EQ(s.Cell(1, 1).Entry(), c.entry) << s.Symbols() << " '" << c.key << "'";
        EXPECT_EQ(s.Cell(1, 1).Solution(), c.solution) << s.Symbols() << " '" << c.key << "'";
    }
}

TEST(Sudoku, SnapshotRoundTrip) {
    TSudokuRiddleData s;
    rt::BuildSudoku(s, ss12Symbols);
    s.Cell(12, 12).SetEntry('C');
    const TSudokuRiddleData::TSnapshot before = s.TakeSnapshot();
    for (int c = 1; c <= 12; ++c)
        s.Cell(c, 3).SetEntry(SymbolOf(13 - c));
    ASSERT_NE(s.TakeSnapshot(), before);
    s.RestoreSnapshot(before);
    EXPECT_EQ(s.TakeSnapshot(), before);
    EXPECT_EQ(s.Cell(12, 12).Entry(), 'C');
    EXPECT_EQ(s.Cell(12, 12).Status(), s.Cell(12, 12).Solution() == 'C' ? 1 : 2);
}

// The solver's notes: toggled only in a cell without a symbol, taken out of the row, column and
// box of an entered symbol, kept by a snapshot, cleared by a restart, and never a change of state.
TEST(Sudoku, NotesFollowTheEnteredSymbols) {
    TSudokuRiddleData s;
    s.SetSize(ss9Symbols);
    s.SetState(stReady);
    const uint16_t five = 1u << 5, four = 1u << 4;
    struct Note {
        int col, row;
        uint16_t after;
    } notes[] = {
        {1, 1, four}, // same column and box as (1, 3); its note 4 stays
        {9, 3, 0},    // same row
        {1, 9, 0},    // same column
        {2, 2, 0},    // same box
        {5, 5, five}, // elsewhere
        {9, 9, five},
    };
    for (const Note& n : notes)
        s.ToggleNote(n.col, n.row, 5);
    s.ToggleNote(1, 1, 4);
    s.ToggleNote(5, 5, 7);
    s.ToggleNote(5, 5, 7);
    s.ToggleNote(5, 5, 10);
    EXPECT_EQ(s.Cell(1, 1).Notes(), five | four);
    EXPECT_EQ(s.Cell(5, 5).Notes(), five);
    EXPECT_EQ(s.State(), stReady);
    const TSudokuRiddleData::TSnapshot noted = s.TakeSnapshot();

    s.SetSymbol(1, 3, '5');
    for (const Note& n : notes)
        EXPECT_EQ(s.Cell(n.col, n.row).Notes(), n.after) << n.col << "," << n.row;
    s.ToggleNote(1, 3, 2);
    EXPECT_EQ(s.Cell(1, 3).Notes(), 0) << "a cell with a symbol takes no note";

    s.RestoreSnapshot(noted);
    EXPECT_EQ(s.Cell(1, 3).Entry(), 0);
    EXPECT_EQ(s.Cell(9, 3).Notes(), five);
    s.Reset(false, false);
    EXPECT_EQ(s.Cell(5, 5).Notes(), 0);
    EXPECT_EQ(s.Cell(1, 1).Notes(), 0);
}

// Restoring a snapshot puts back the entries, and the state follows them, also downwards; the
// solve clock counts on from the time taken so far whenever the riddle is being solved again.
TEST(Sudoku, SnapshotRestoreRederivesTheState) {
    enum TContent { ctEmpty, ctHalf, ctSolved, ctWrong };
    struct Case {
        const char* name;
        TContent taken, later;
        TRiddleState restored;
        bool running;
    } cases[] = {
        {"solved back to half-filled", ctHalf, ctSolved, stPartial, true},
        {"solved back to empty", ctEmpty, ctSolved, stReady, true},
        {"wrong back to half-filled", ctHalf, ctWrong, stPartial, true},
        {"half-filled forward to solved", ctSolved, ctHalf, stSolved, false},
        {"half-filled forward to wrong", ctWrong, ctHalf, stWrongChars, true},
    };
    for (const Case& c : cases) {
        TSudokuRiddleData s;
        s.SetSize(ss6Symbols);
        s.SetRiddleOptions(TRiddleOptions{roCountTime});
        QDateTime now(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);
        s.Now = [&now] { return now; };
        s.SetState(stReady);
        auto fill = [&s](TContent Content) {
            for (int col = 1; col <= 6; ++col)
                for (int row = 1; row <= 6; ++row) {
                    uint8_t symbol = SymbolOf(PatternValue(s, col, row));
                    if (Content == ctEmpty || (Content == ctHalf && row > 3))
                        symbol = 0;
                    if (Content == ctWrong && col == 1 && row == 1)
                        symbol = SymbolOf(PatternValue(s, 2, 1));
                    s.SetSymbol(col, row, symbol);
                }
        };
        fill(c.taken);
        const TSudokuRiddleData::TSnapshot table = s.TakeSnapshot();
        fill(c.later);
        now = now.addSecs(100);
        s.SetTime(40);
        s.RestoreSnapshot(table);
        EXPECT_EQ(s.TakeSnapshot(), table) << c.name;
        EXPECT_EQ(s.State(), c.restored) << c.name;
        EXPECT_EQ(s.ClockRunning(), c.running) << c.name;
        if (c.running && c.later == ctSolved) {
            // The clock had stopped; it goes on from the 40 seconds already taken.
            EXPECT_EQ(s.ClockStart(), now.addSecs(-40)) << c.name;
        }
    }
}

TEST(Sudoku, AssignCopiesTheGrid) {
    for (bool contentOnly : {true, false}) {
        TSudokuRiddleData src, dst;
        rt::BuildSudoku(src, ss9Symbols);
        dst.SetTime(7);
        dst.Assign(src, contentOnly);
        EXPECT_EQ(dst.State(), stPartial);
        EXPECT_EQ(dst.Time(), contentOnly ? 7 : 321);
        EXPECT_EQ(dst.TakeSnapshot(), src.TakeSnapshot());
        EXPECT_EQ(dst.Cell(9, 9).Solution(), src.Cell(9, 9).Solution());
    }
}

TEST(Sudoku, AssignOfAnotherSizeTakesItsGeometry) {
    for (auto [from, to] : {std::pair{ss9Symbols, ss12Symbols}, std::pair{ss12Symbols, ss6Symbols}}) {
        TSudokuRiddleData src, dst;
        dst.SetSize(from);
        rt::BuildSudoku(src, to);
        dst.Assign(src, false);
        EXPECT_EQ(dst.Size(), to);
        EXPECT_EQ(dst.Symbols(), src.Symbols());
        EXPECT_EQ(dst.RiddleCols(), src.Symbols());
        EXPECT_EQ(dst.RiddleRows(), src.Symbols());
        EXPECT_EQ(dst.TakeSnapshot(), src.TakeSnapshot());
    }
}
// A view repaints only what it is told: a cell, or the whole grid after a bulk change that held its
// events back.
TEST(Sudoku, ViewsAreToldWhatChanged) {
    struct Case {
        const char* name;
        std::function<void(TSudokuRiddleData&)> act;
        const char* expected;
        const char* forbidden;
    } cases[] = {
        {"entry", [](auto& S) { S.Cell(1, 1).SetEntry(0); }, "CellInvalidated 1,1",
         "Invalidated;GeometryChanged"},
        {"restart", [](auto& S) { S.Reset(false, false); }, "Invalidated", "GeometryChanged"},
        {"restart without givens", [](auto& S) { S.Reset(false, true); }, "Invalidated", "GeometryChanged"},
        {"reset of everything", [](auto& S) { S.Reset(true, false); }, "Invalidated", ""},
        {"snapshot",
         [](auto& S) {
             const TSudokuRiddleData::TSnapshot table = S.TakeSnapshot();
             S.Cell(1, 1).SetEntry(0);
             S.RestoreSnapshot(table);
         },
         "Invalidated", "GeometryChanged"},
        {"copy",
         [](auto& S) {
             TSudokuRiddleData other;
             rt::BuildSudoku(other, ss9Symbols);
             S.Assign(other, true);
         },
         "Invalidated", ""},
        {"size", [](auto& S) { S.SetSize(ss6Symbols); }, "GeometryChanged;Invalidated", ""},
    };
    for (const Case& c : cases) {
        TSudokuRiddleData s;
        rt::BuildSudoku(s, ss9Symbols);
        rt::TViewSignalLog log(s);
        c.act(s);
        for (const QString& call : QString::fromLatin1(c.expected).split(u';', Qt::SkipEmptyParts))
            EXPECT_TRUE(log.Called(call)) << c.name << ": " << call.toStdString();
        for (const QString& call : QString::fromLatin1(c.forbidden).split(u';', Qt::SkipEmptyParts))
            EXPECT_FALSE(log.Called(call)) << c.name << ": " << call.toStdString();
    }
}

// While the sudoku is being solved, an entered or revealed symbol marks the riddle modified and is
// one change of the riddle once it is modified, as is a new solution; the solver's own notes are
// no change of the riddle.
TEST(Sudoku, CellChangesWhileSolving) {
    struct Case {
        const char* name;
        std::function<void(TSudokuGridCell&)> act;
        int changes;
        bool modified;
    } cases[] = {
        {"entry", [](auto& C) { C.SetEntry('3'); }, 1, true},
        {"revealed", [](auto& C) { C.SetRevealed(true); }, 1, true},
        {"solution", [](auto& C) { C.SetSolution(C.Solution() == '1' ? '2' : '1'); }, 1, true},
        {"notes", [](auto& C) { C.SetNotes(0b110); }, 0, false},
    };
    for (const Case& c : cases) {
        TSudokuRiddleData s;
        rt::BuildSudoku(s, ss9Symbols);
        s.SetState(stReady);
        s.SetModified(false);
        c.act(s.Cell(2, 1));
        EXPECT_EQ(s.Modified(), c.modified) << c.name;
        int changes = 0;
        QObject::connect(&s, &TRiddleData::OnChange, [&] { ++changes; });
        c.act(s.Cell(4, 1));
        EXPECT_EQ(changes, c.changes) << c.name;
    }
}

} // namespace
