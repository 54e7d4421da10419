// Generating sudokus: one unique 9 × 9 sudoku of each skill and one 12 × 12 one, each from a new
// seed, beside what Debian's qqwing takes for `qqwing --generate 1` (a 9 × 9 of any skill, started
// as a program) when it is installed. Wall-clock times, as qqwing's time is spent in its own process.

#include "SudokuGenerator.h"

#include <QProcess>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

namespace {
void BM_Generate(benchmark::State& State) {
    TSudokuRequest request{int(State.range(0)), TSudokuSkill(State.range(1)), 0, false};
    for (auto _ : State) {
        ++request.Seed;
        if (!GenerateSudoku(request, 20000))
            State.SkipWithError("no sudoku found");
    }
    State.SetLabel(SudokuSkillText(request.Skill).toStdString());
}
BENCHMARK(BM_Generate)
    ->ArgsProduct({{9}, {skEasy, skMedium, skHard, skExpert}})
    ->Args({12, skHard})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_QqwingGenerate(benchmark::State& State) {
    const QString qqwing = QStandardPaths::findExecutable(QStringLiteral("qqwing"));
    if (qqwing.isEmpty()) {
        State.SkipWithError("qqwing is not installed (apt-get install qqwing)");
        return;
    }
    for (auto _ : State) {
        QProcess p;
        p.start(qqwing, {QStringLiteral("--generate"), QStringLiteral("1")});
        if (!p.waitForFinished(10000) || p.exitCode() != 0)
            State.SkipWithError("qqwing failed");
    }
}
BENCHMARK(BM_QqwingGenerate)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
} // namespace
