// The sudoku half of the source builder.

#include "SourceBuilder.h"
#include "SudokuGrader.h"
#include "SudokuRiddleData.h"

#include <vector>

namespace {
using TSymbolTable = std::vector<std::vector<int>>; // [row][col], values 1 … n, 0 for none

QString CellPlace(const QString& Key, int ACol, int ARow) {
    return QStringLiteral("%1 row %2, column %3").arg(Key).arg(ARow).arg(ACol);
}

// The n texts of n characters under `key`; '.' (where allowed) gives 0.
TSymbolTable ReadSymbolRows(TSourceObject& Root, const QString& Key, int N, bool DotsAllowed) {
    const QJsonArray rows = Root.RequiredArray(Key);
    if (rows.size() != N)
        Refuse(Key, QStringLiteral("expected %1 rows, found %2").arg(N).arg(rows.size()));
    TSymbolTable table(size_t(N), std::vector<int>(size_t(N), 0));
    for (int r = 1; r <= N; ++r) {
        const QString place = QStringLiteral("%1 row %2").arg(Key).arg(r);
        const QString text = ReadText(rows[r - 1], place, 255);
        if (text.size() != N)
            Refuse(place, QStringLiteral("expected %1 characters, found %2").arg(N).arg(text.size()));
        for (int c = 1; c <= N; ++c) {
            const QChar ch = text[c - 1];
            if (DotsAllowed && ch == QLatin1Char('.'))
                continue;
            // Only the upper-case spelling is a symbol of the source; SymbolValue is lenient.
            const int value = ch.isLower() ? 0 : SymbolValue(uint8_t(ch.toLatin1()));
            if (value < 1 || value > N)
                Refuse(CellPlace(Key, c, r),
                       QStringLiteral("'%1' is no symbol of a sudoku of %2 symbols").arg(ch).arg(N));
            table[size_t(r - 1)][size_t(c - 1)] = value;
        }
    }
    return table;
}

// Every row, column and box holds each symbol exactly once.
void CheckSudokuRule(const TSymbolTable& Table, int N, int BoxWidth, int BoxHeight) {
    auto checkGroup = [&](const QString& Group, auto CellOf) {
        std::vector<bool> seen(size_t(N) + 1, false);
        for (int i = 0; i < N; ++i) {
            const int v = CellOf(i);
            if (seen[size_t(v)])
                Refuse(QStringLiteral("solution"),
                       QStringLiteral("%1 holds the symbol %2 twice").arg(Group).arg(QChar(SymbolOf(v))));
            seen[size_t(v)] = true;
        }
    };
    // Rows first, then columns, then boxes: the first complaint is then the easiest to find.
    for (int k = 0; k < N; ++k)
        checkGroup(QStringLiteral("row %1").arg(k + 1), [&](int I) { return Table[size_t(k)][size_t(I)]; });
    for (int k = 0; k < N; ++k)
        checkGroup(QStringLiteral("column %1").arg(k + 1),
                   [&](int I) { return Table[size_t(I)][size_t(k)]; });
    const int boxesAcross = N / BoxWidth;
    for (int k = 0; k < N; ++k) {
        const int left = (k % boxesAcross) * BoxWidth, top = (k / boxesAcross) * BoxHeight;
        checkGroup(QStringLiteral("the box at column %1, row %2").arg(left + 1).arg(top + 1),
                   [&](int I) { return Table[size_t(top + I / BoxWidth)][size_t(left + I % BoxWidth)]; });
    }
}
} // namespace

TSudokuPuzzle SourceBuilderDetail::ReadSudoku(TSourceObject& Root) {
    const int n = Root.RequiredInt(QStringLiteral("size"), 6, 12);
    if (n != 6 && n != 9 && n != 12)
        Refuse(QStringLiteral("size"), QStringLiteral("expected 6, 9 or 12, found %1").arg(n));
    TSudokuPuzzle puzzle{TSudokuShape::OfSize(n), {}, std::nullopt};
    std::optional<TSymbolTable> solution;
    if (Root.Has(QStringLiteral("solution"))) {
        solution = ReadSymbolRows(Root, QStringLiteral("solution"), n, false);
        CheckSudokuRule(*solution, n, puzzle.Shape.BoxWidth, puzzle.Shape.BoxHeight);
        puzzle.Solution = TSudokuGrid();
    }
    const TSymbolTable givens = ReadSymbolRows(Root, QStringLiteral("givens"), n, true);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int given = givens[size_t(r - 1)][size_t(c - 1)];
            puzzle.Givens.push_back(uint8_t(given));
            if (!solution)
                continue;
            const int value = (*solution)[size_t(r - 1)][size_t(c - 1)];
            if (given != 0 && given != value)
                Refuse(CellPlace(QStringLiteral("givens"), c, r),
                       QStringLiteral("the given %1 differs from the solution %2")
                           .arg(QChar(SymbolOf(given)))
                           .arg(QChar(SymbolOf(value))));
            puzzle.Solution->push_back(uint8_t(value));
        }
    return puzzle;
}

std::unique_ptr<TRiddleData> SourceBuilderDetail::BuildSudoku(TSourceObject& Root, QStringList& Warnings) {
    auto sudoku = std::make_unique<TSudokuRiddleData>();
    ApplySharedKeys(Root, *sudoku);
    const bool skillGiven = Root.Has(QStringLiteral("skill"));
    sudoku->SetSkill(TSudokuSkill(Root.Int(QStringLiteral("skill"), skEasy, 0, kSudokuSkillCount - 1)));

    TSudokuPuzzle puzzle = ReadSudoku(Root);
    const int n = puzzle.Shape.N;
    sudoku->SetSize(TSudokuSize((n - 6) / 3));
    TSudokuGrid found;
    const int solutions = TExactSolver(puzzle.Shape).Count(puzzle.Givens, 2, &found);
    if (solutions == TExactSolver::kGaveUp)
        Refuse(QStringLiteral("givens"),
               QStringLiteral("the search for a solution gave up; give more symbols"));
    if (solutions == 0)
        Refuse(QStringLiteral("givens"), QStringLiteral("the givens have no solution"));
    if (solutions > 1)
        Warnings << QStringLiteral("givens: the givens have more than one solution; the player accepts each");
    // Without a solution of its own the source takes the one the givens lead to.
    if (!puzzle.Solution)
        puzzle.Solution = found;
    if (!skillGiven && solutions == 1)
        sudoku->SetSkill(GradeSudoku(puzzle.Shape, puzzle.Givens).Skill);

    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const size_t at = size_t((r - 1) * n + c - 1);
            TSudokuGridCell& cell = sudoku->Cell(c, r);
            cell.SetSolution(SymbolOf((*puzzle.Solution)[at]));
            if (puzzle.Givens[at] != 0) {
                cell.SetFlags(cfGiven);
                cell.SetRevealed(true);
            }
        }
    return sudoku;
}

QJsonArray SymbolRows(const TSudokuGrid& Grid, int N) {
    QJsonArray rows;
    for (int r = 0; r < N; ++r) {
        QString row;
        for (int c = 0; c < N; ++c) {
            const int v = Grid[size_t(r * N + c)];
            row += v == 0 ? QLatin1Char('.') : QChar(SymbolOf(v));
        }
        rows.append(row);
    }
    return rows;
}
