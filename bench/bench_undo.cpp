// Undo in the player with the clue legend open: a 9 × 5 Swedish riddle whose legend holds 1,000
// or 20,000 clues, appended to a copy of this program and started like the player. One
// iteration is one Ctrl+Z: the backup is copied back and the legend has followed.

#include "Hauptformular.h"
#include "WordRiddleData.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCols = 9;
constexpr int kRows = 5;

// Every row is one across word; the clues take the rows' numbers in turn.
void WriteRiddle(QFile& Out, int Clues) {
    TWordRiddleData r;
    r.SetRiddleCols(kCols);
    r.SetRiddleRows(kRows);
    for (int row = 1; row <= kRows; ++row)
        for (int col = 1; col <= kCols; ++col) {
            TWordGridCell& cell = r.Cell(col, row);
            cell.SetFlags(
                uint16_t(cfLetter | (col == 1 ? cfStartAcross : 0) | (col == kCols ? cfEndAcross : 0)));
            cell.SetSolution(uint8_t('A' + (row + col) % 26));
            cell.SetClueFlags(kClueAcross);
            cell.SetClueNumber(col == 1 ? row : 0);
        }
    for (int i = 0; i < Clues; ++i) {
        TWordLegendData& clue = r.AddClue();
        clue.SetClueNumber(i % kRows + 1);
        clue.SetWord(QStringLiteral("ABCDEFGHI"));
        clue.SetClueText(QStringLiteral("Umschreibung Nummer %1").arg(i + 1));
    }
    r.SetState(stReady);
    TStreamWriter w(Out);
    WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
    r.SaveToStream(Out, 0, false);
}

void BM_UndoWithManyClues(benchmark::State& State) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("riddle"));
    QFile::copy(QCoreApplication::applicationFilePath(), path);
    QFile out(path);
    if (!out.open(QIODevice::ReadWrite) || !out.seek(out.size())) {
        State.SkipWithError("cannot append the riddle");
        return;
    }
    WriteRiddle(out, int(State.range(0)));
    out.close();
    TRMMainForm main(path);
    main.SetPrinterQuery([] { return false; });
    main.show();
    QCoreApplication::sendPostedEvents(&main);
    QApplication::processEvents();
    for (auto _ : State) {
        State.PauseTiming();
        main.SaveUndoState(QStringLiteral("Buchstaben eingeben"));
        State.ResumeTiming();
        main.MItemBeaRueckgaengigClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_UndoWithManyClues)
    ->Arg(1000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
