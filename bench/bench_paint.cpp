// Painting a 99 × 99 word riddle at a cell size of 30 in a 1280 × 1024 viewport, offscreen:
// the whole visible grid, and a single cell; typing a letter, and a symbol into a sudoku.

#include "SudokuRiddle.h"
#include "WordRiddle.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TWordRiddle> MakeGrid(int Size = 99) {
    auto grid = std::make_unique<TWordRiddle>();
    grid->Riddle().SetPaintOptions(TPaintOptions{poShowFail, poMarkCurrWord});
    grid->Riddle().SetRiddleCols(Size);
    grid->Riddle().SetRiddleRows(Size);
    grid->Riddle().SetGridSize(30);
    for (int c = 1; c <= Size; ++c)
        for (int r = 1; r <= Size; ++r) {
            if ((c * 7 + r * 3) % 11 == 0)
                continue;
            TWordGridCell& cell = grid->Riddle().Cell(c, r);
            cell.SetFlags(cfLetter);
            cell.SetSolution(uint8_t('A' + (c + r) % 26));
            cell.SetEntry((c + r) % 3 ? cell.Solution() : 0);
            cell.SetClueNumber((c + r) % 5 ? 0 : c + r);
        }
    grid->resize(1280, 1024);
    grid->show();
    QApplication::processEvents();
    return grid;
}

void BM_FullRepaint(benchmark::State& State) {
    auto grid = MakeGrid();
    for (auto _ : State)
        grid->viewport()->repaint();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_SingleCellRepaint(benchmark::State& State) {
    auto grid = MakeGrid();
    const QRect cell = grid->CellRect(5, 5).adjusted(-1, -1, 2, 2);
    for (auto _ : State)
        grid->viewport()->repaint(cell);
}
BENCHMARK(BM_SingleCellRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// One typed letter, from the key event until the window has painted what changed.
void BM_TypedLetter(benchmark::State& State) {
    auto grid = MakeGrid(int(State.range(0)));
    grid->Riddle().SetState(stReady);
    grid->Riddle().StopClock();
    grid->SelectFirstCell();
    QApplication::processEvents();
    int typed = 0;
    for (auto _ : State) {
        const QString letter(QChar('A' + typed++ % 26));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + typed % 26, Qt::NoModifier, letter);
        QApplication::sendEvent(grid.get(), &press);
        QApplication::processEvents();
        if (typed % 8 == 0)
            grid->SelectFirstCell();
    }
}
BENCHMARK(BM_TypedLetter)
    ->Arg(13)
    ->Arg(99)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// One typed symbol in a 12 × 12 sudoku that shows its possible symbols, from the key event until
// the window has painted what changed. Half of the cells hold symbols; a symbol goes into one of
// the empty ones in turn, which changes the candidates of a row, a column and a box.
void BM_TypedSymbol(benchmark::State& State) {
    TSudokuRiddle grid;
    TSudokuRiddleData& s = grid.Riddle();
    s.SetSize(ss12Symbols);
    s.SetPaintOptions(TPaintOptions{poAutoSize, poShowFail, poShowHintGrids});
    std::vector<QPoint> empty;
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r) {
            const int value = (4 * ((r - 1) % 3) + (r - 1) / 3 + c - 1) % 12 + 1;
            s.Cell(c, r).SetSolution(SymbolOf(value));
            if ((c + r) % 2)
                s.Cell(c, r).SetEntry(SymbolOf(value));
            else
                empty.emplace_back(c, r);
        }
    s.SetState(stPartial);
    s.StopClock();
    grid.show();
    QApplication::processEvents();
    size_t typed = 0;
    for (auto _ : State) {
        // Moving the cursor to an empty cell is not part of the measure.
        State.PauseTiming();
        const QPoint cell = empty[typed % empty.size()];
        s.SetSymbol(cell.x(), cell.y(), 0);
        grid.SelectOnly(cell.x(), cell.y());
        QApplication::processEvents();
        State.ResumeTiming();
        const QChar symbol(char(SymbolOf(int(typed++ % 11) + 1)));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QString(symbol));
        QApplication::sendEvent(&grid, &press);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TypedSymbol)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
