// Composing the pages of a 99 × 99 Swedish riddle with 1000 clues and its clue legend into a PDF
// in memory, without a printer driver: the riddle on its page, the legend flowing over pages of
// its own. The solution shows, so every cell has its letter.

#include "LegendRows.h"
#include "PageComposer.h"
#include "WordRiddle.h"

#include <QBuffer>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSize = 99;
constexpr int kWordLength = 4;

// Every odd row holds words of four letters between black cells, every even row is black:
// 50 rows of 20 words give 1000 across clues.
struct TBench {
    TBench() {
        TWordRiddleData& r = grid.Riddle();
        r.SetRiddleCols(kSize);
        r.SetRiddleRows(kSize);
        r.SetGridSize(30);
        for (int row = 1; row <= kSize; ++row)
            for (int col = 1; col <= kSize; ++col)
                r.Cell(col, row).SetFlags(cfBlack);
        int number = 0;
        for (int row = 1; row <= kSize && number < 1000; row += 2)
            for (int col = 1; col + kWordLength - 1 <= kSize && number < 1000; col += kWordLength + 1) {
                ++number;
                QString word;
                for (int i = 0; i < kWordLength; ++i) {
                    TWordGridCell& cell = r.Cell(col + i, row);
                    cell.SetFlags(uint16_t(cfLetter | (i == 0 ? cfStartAcross : 0)));
                    cell.SetSolution(uint8_t('A' + (number + i) % 26));
                    cell.SetClueFlags(kClueAcross);
                    cell.SetClueNumber(i == 0 ? number : 0);
                    word += QChar(cell.Solution());
                }
                TWordLegendData& clue = r.AddClue();
                clue.SetClueNumber(number);
                clue.SetDirection(wdHorizontal);
                clue.SetWord(word);
                clue.SetClueText(QStringLiteral("Umschreibung Nummer %1").arg(number));
            }
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
