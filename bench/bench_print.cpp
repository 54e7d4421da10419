// Composing the pages of a 99 × 99 Swedish riddle with 1000 clues and its clue legend into a PDF
// in memory, without a printer driver: the riddle on its page, the legend flowing over pages of
// its own. The solution shows, so every cell has its letter.

#include "BenchRiddle.h"
#include "LegendRows.h"
#include "PageComposer.h"
#include "WordRiddle.h"

#include <QBuffer>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

struct TBench {
    TBench() {
        TWordRiddleData& r = grid.Riddle();
        FillBenchRiddle(r);
        r.SetDisplayMode(dmSolution);
        source.Riddle = &r;
        source.Fonts = &grid.Fonts();
        source.ClueLegend.emplace(BuildLegendLists(grid, true, false), LegendColumns(rtSwedish), clBlack);
    }
    TWordRiddle grid;
    TPrintSource source;
};

void BM_ComposePages(benchmark::State& State) {
    TBench b;
    const TPageComposer composer(b.source, TPrintOptions{});
    int pages = 0;
    for (auto _ : State) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        const TPageFrame page = SetUpPageCoordinates(painter, writer);
        pages = composer.Compose(painter, page, [&] {
            writer.newPage();
            SetUpPageCoordinates(painter, writer);
        });
        painter.end();
        benchmark::DoNotOptimize(buffer.data().size());
    }
    State.counters["pages"] = pages;
}
BENCHMARK(BM_ComposePages)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
