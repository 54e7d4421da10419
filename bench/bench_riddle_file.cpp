// Reading riddle files: the default riddle the player ships with, and a large word riddle of
// 99 × 99 cells, 1000 clues and a 1000 × 1000 JPEG picture.

#include "RiddlePicture.h"
#include "WordRiddleData.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QImage MakePicture() {
    QImage image(1000, 1000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 1000);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 220, 160));
    p.fillRect(image.rect(), sky);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPoint(700, 250), 120, 120);
    for (int i = 0; i < 200; ++i)
        p.fillRect((i * 37) % 1000, 600 + (i * 13) % 400, 30, 8, QColor((i * 7) % 255, 120, 90));
    return image;
}

QByteArray MakeLargeRiddle() {
    TWordRiddleData riddle;
    riddle.SetRiddleCols(99);
    riddle.SetRiddleRows(99);
    for (int c = 1; c <= 99; ++c)
        for (int r = 1; r <= 99; ++r) {
            TWordGridCell& cell = riddle.Cell(c, r);
            if ((c * 7 + r * 3) % 11 == 0)
                continue;
            cell.SetFlags(cfLetter);
            cell.SetSolution(uint8_t('A' + (c + r) % 26));
        }
    for (int i = 0; i < 1000; ++i) {
        TWordLegendData& clue = riddle.AddClue();
        clue.SetClueText(QStringLiteral("Umschreibung Nummer %1 für einen Begriff").arg(i));
        clue.SetWord(QStringLiteral("BEGRIFFNUMMER"));
        clue.SetClueNumber(i + 1);
        clue.SetDirection(i % 2 ? wdVertical : wdHorizontal);
    }
    riddle.SetImage(MakePicture());
    riddle.SetRiddleOptions(TRiddleOptions{roHasImage, roAllowEdit});
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    riddle.SaveToStream(buffer, 85, false);
    return bytes;
}

// The default riddle as built into the samples, without its 53-byte file header.
QByteArray DefaultRiddle() {
    QFile file(QStringLiteral(QUIVANE_DEFAULT_RIDDLE));
    return file.open(QIODevice::ReadOnly) ? file.readAll().mid(53) : QByteArray();
}

// Reads the stream into a new riddle, as the player does once at its start.
void LoadEach(benchmark::State& State, const QByteArray& Bytes) {
    for (auto _ : State) {
        QByteArray copy = Bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        TWordRiddleData riddle;
        const uint8_t result = riddle.LoadFromStream(buffer, false);
        if (result != 0)
            State.SkipWithError("riddle did not load");
        benchmark::DoNotOptimize(riddle.Image());
    }
    State.counters["bytes"] = double(Bytes.size());
}

void BM_LoadFromStream(benchmark::State& State) {
    LoadEach(State, MakeLargeRiddle());
}
BENCHMARK(BM_LoadFromStream)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_LoadDefaultRiddle(benchmark::State& State) {
    LoadEach(State, DefaultRiddle());
}
BENCHMARK(BM_LoadDefaultRiddle)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
