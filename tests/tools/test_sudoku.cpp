// The exact solver's solution counts, the grader's skills, and generated sudokus checked by both.

#include "SourceBuilder.h"
#include "SudokuGenerator.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {
TSudokuGrid Parse(const std::string& Cells) {
    TSudokuGrid grid;
    for (char ch : Cells)
        grid.push_back(uint8_t(ch == '.' ? 0 : ch <= '9' ? ch - '0' : ch - 'A' + 10));
    return grid;
}

// Unique sudokus, the 9 × 9 one confirmed unique by qqwing.
const std::string kUnique[] = {
    "......52.3....2.14......6.5........3",
    "3.4.6.....8.4...2.1........6..7....5..7...49...........42.8.1.......16.7....452..",
    "..BA.7.36.9......26.....9........4.7..A....8..53.23C.B....4.78.........9.47...A..9..BC.8........1.9.4.."
    "2."
    "8....C.3.8..5...B.6A.C...8..5..6..7.A.4",
};

// Four cells of two rows and two columns within two boxes whose symbols can swap: without them,
// a complete grid has exactly two solutions.
TSudokuGrid WithoutSwappableRectangle(const TSudokuShape& S, TSudokuGrid Full) {
    const int n = S.N;
    for (int r1 = 0; r1 < n; ++r1)
        for (int r2 = r1 + 1; r2 < n; ++r2)
            for (int c1 = 0; c1 < n; ++c1)
                for (int c2 = c1 + 1; c2 < n; ++c2) {
                    auto at = [&](int R, int C) -> uint8_t& { return Full[size_t(R * n + C)]; };
                    const bool twoBoxes =
                        (S.BoxOf(r1, c1) == S.BoxOf(r1, c2)) != (S.BoxOf(r1, c1) == S.BoxOf(r2, c1));
                    if (twoBoxes && at(r1, c1) == at(r2, c2) && at(r1, c2) == at(r2, c1)) {
                        at(r1, c1) = at(r1, c2) = at(r2, c1) = at(r2, c2) = 0;
                        return Full;
                    }
                }
    ADD_FAILURE() << "no rectangle";
    return Full;
}

TEST(SudokuSolver, CountsNoneOneOrMoreSolutionsForEverySize) {
    for (int i = 0; i < 3; ++i) {
        const TSudokuShape shape = TSudokuShape::OfSize(6 + 3 * i);
        const int n = shape.N;
        SCOPED_TRACE(n);
        TExactSolver solver(shape);
        const TSudokuGrid unique = Parse(kUnique[i]);
        TSudokuGrid solution;
        ASSERT_EQ(solver.Count(unique, 2, &solution), 1);
        for (size_t cell = 0; cell < unique.size(); ++cell)
            ASSERT_TRUE(unique[cell] == 0 || solution[cell] == unique[cell]) << cell;
        EXPECT_EQ(solver.Count(solution, 2), 1);
        EXPECT_EQ(solver.Count(WithoutSwappableRectangle(shape, solution), 5), 2);

        // A cell whose row holds every other symbol and whose column holds the last: no clash
        // among the givens, yet no solution.
        TSudokuGrid starved(size_t(n * n), 0);
        for (int c = 0; c < n - 1; ++c)
            starved[size_t(c)] = uint8_t(c + 1);
        starved[size_t(shape.BoxHeight * n + n - 1)] = uint8_t(n);
        EXPECT_EQ(solver.Count(starved, 2), 0);
        TSudokuGrid clash(size_t(n * n), 0);
        clash[0] = clash[size_t(n - 1)] = 1;
        EXPECT_EQ(solver.Count(clash, 2), 0);
    }
}

TEST(SudokuGrader, NamesTheHardestTechniqueNeeded) {
    // The techniques qqwing's logical solver reports agree: singles only; box and line
    // reductions without pairs; naked pairs without any reduction; guesses (AI Escargot).
    const struct {
        const char* givens;
        TSudokuSkill skill;
        TSudokuTechnique hardest;
    } table[] = {
        {"53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", skEasy,
         tqNakedSingle},
        {".798..5...1..65..4...2...1.48765..................7.2......8.......1.7..9.....64.", skMedium,
         tqLockedCandidates},
        {"..........42.35.18...9..4...5.4.819...8.....29....2.....3.........517....9...47..", skHard,
         tqNakedPair},
        {"1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..", skExpert,
         tqBeyond},
        {"3.4.6.....8.4...2.1........6..7....5..7...49...........42.8.1.......16.7....452..", skHard,
         tqNakedPair},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.givens);
        const TSudokuGrade grade = GradeSudoku(TSudokuShape::OfSize(9), Parse(t.givens));
        EXPECT_EQ(grade.Skill, t.skill);
        EXPECT_EQ(grade.Hardest, t.hardest);
    }
}

TEST(SudokuGenerator, GivesOneSolutionAndTheSkillAskedFor) {
    for (int size : {6, 9, 12})
        for (int skill = skEasy; skill <= skExpert; ++skill)
            for (bool symmetric : {false, true}) {
                SCOPED_TRACE(testing::Message() << size << " " << skill << " " << symmetric);
                const TSudokuRequest request{size, TSudokuSkill(skill), 42, symmetric};
                const auto sudoku = GenerateSudoku(request, 20000);
                ASSERT_TRUE(sudoku.has_value());
                const TSudokuShape shape = TSudokuShape::OfSize(size);
                TSudokuGrid solution;
                EXPECT_EQ(TExactSolver(shape).Count(sudoku->Givens, 2, &solution), 1);
                EXPECT_EQ(solution, sudoku->Solution);
                EXPECT_EQ(GradeSudoku(shape, sudoku->Givens).Skill, skill);
                for (int cell = 0; cell < shape.Cells(); ++cell)
                    ASSERT_TRUE(sudoku->Givens[size_t(cell)] == 0 ||
                                sudoku->Givens[size_t(cell)] == solution[size_t(cell)]);
                for (int cell = 0; cell < shape.Cells() && symmetric; ++cell)
                    ASSERT_EQ(sudoku->Givens[size_t(cell)] == 0,
                              sudoku->Givens[size_t(shape.Cells() - 1 - cell)] == 0);
                const auto again = GenerateSudoku(request, 20000);
                ASSERT_TRUE(again.has_value());
                EXPECT_EQ(again->Givens, sudoku->Givens);
            }
}
} // namespace

namespace {
struct TRun {
    int exitCode = -1;
    QByteArray out, err;
};

TRun Riddlepack(const QStringList& Args) {
    QProcess p;
    p.start(QStringLiteral(RIDDLEPACK_EXE), Args);
    TRun run;
    if (p.waitForFinished(60000)) {
        run.exitCode = p.exitCode();
        run.out = p.readAllStandardOutput();
        run.err = p.readAllStandardError();
    }
    return run;
}

TEST(SudokuCommands, GenerateSolveAndBuildThroughTheProgram) {
    QTemporaryDir dir;
    const QString json = dir.filePath("a.json"), rid = dir.filePath("a.rid");
    const QStringList generate{"generate", "sudoku",       "--size", "12",
                               "--skill",  "mittelschwer", "--seed", "5"};
    ASSERT_EQ(Riddlepack(generate + QStringList{"--json", json}).exitCode, 0);
    ASSERT_EQ(Riddlepack(generate + QStringList{"-o", rid}).exitCode, 0);
    QFile source(json);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QJsonObject generated = QJsonDocument::fromJson(source.readAll()).object();
    TRun run = Riddlepack({"solve", rid, "--json"});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject solved = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(solved["solutions"], 1);
    EXPECT_EQ(solved["skillText"], "mittelschwer");
    EXPECT_EQ(solved["solution"], generated["solution"]);

    // Four swappable cells left open: two solutions; the build warns and still writes the file.
    std::string full;
    for (const QJsonValue& row : generated["solution"].toArray())
        full += row.toString().toStdString();
    QJsonObject twice = generated;
    twice["givens"] = SymbolRows(WithoutSwappableRectangle(TSudokuShape::OfSize(12), Parse(full)), 12);
    twice.remove("skill");
    QFile out(json);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QJsonDocument(twice).toJson());
    out.close();
    run = Riddlepack({"solve", json});
    EXPECT_EQ(run.out.toStdString(), "Lösungen: mehr als eine\n");
    run = Riddlepack({"build", json, "-o", rid});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.err.toStdString(),
        "riddlepack: a.json: givens: the givens have more than one solution; the player accepts each\n");
}
} // namespace
