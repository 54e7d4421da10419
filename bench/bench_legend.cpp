// A 99 × 99 Swedish riddle with 1000 clues and its clue legend open, offscreen: a typed letter
// from the key event until grid and legend have painted, and the cursor moved to another word
// with the legend's row following it.

#include "BenchRiddle.h"
#include "LegendeDialog.h"
#include "WordRiddle.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

struct TBench {
    TBench() {
        TWordRiddleData& r = grid.Riddle();
        r.SetPaintOptions(TPaintOptions{poShowFail, poMarkCurrWord});
        FillBenchRiddle(r);
        r.SetAutoMarkLegend(true);
        r.SetState(stReady);
        r.StopClock();
        grid.resize(1000, 900);
        grid.show();
        legend = new TLegendForm(nullptr, &grid);
        legend->resize(300, 900);
        legend->FormShow();
        legend->show();
        grid.SelectFirstCell();
        QApplication::processEvents();
    }
    ~TBench() { delete legend; }
    TWordRiddle grid;
    TLegendForm* legend = nullptr;
};

void BM_TypedLetterWithLegend(benchmark::State& State) {
    TBench b;
    int typed = 0;
    for (auto _ : State) {
        const QString letter(QChar('A' + typed % 26));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + typed % 26, Qt::NoModifier, letter);
        QApplication::sendEvent(&b.grid, &press);
        QApplication::processEvents();
        // After each word the next one down the rows, so that the legend's selection moves too.
        if (++typed % kBenchWordLength == 0)
            b.grid.MoveCurrent(1, 1 + 2 * (typed / kBenchWordLength % 40), false);
    }
}
BENCHMARK(BM_TypedLetterWithLegend)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// Arg 0: both words lie in the visible part of the grid (the legend scrolls); arg 1: far apart,
// so that the grid scrolls as well.
void BM_CursorToAnotherWord(benchmark::State& State) {
    TBench b;
    const int farRow = State.range(0) ? 97 : 27;
    int moves = 0;
    for (auto _ : State) {
        const int row = ++moves % 2 ? farRow : 3;
        b.grid.MoveCurrent(1 + 5 * (moves % 19), row, false);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CursorToAnotherWord)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
