// Feeds arbitrary bytes through what a loaded riddle reaches in the player, offscreen: the riddle
// is read into its grid control; the clue legend's rows and the number legend are built; the
// grid (as on screen and as an image) and both legends are painted into an image; the pages of
// a print are laid out and composed into a QPicture; and undo copies the riddle into a backup and
// back once.

#include "FuzzInput.h"
#include "LegendRenderer.h"
#include "LegendRows.h"
#include "NumLegend.h"
#include "NumLegendPainter.h"
#include "PageComposer.h"
#include "SudokuRiddle.h"
#include "WordRiddle.h"

#include <QApplication>
#include <QImage>
#include <QPicture>

namespace {

// Everything is painted into an image of this size, whatever the riddle's size: every cell is
// still painted, but a large riddle costs no large image.
constexpr int kImageSide = 600;
// An A4 page in 0.1 mm, less the margins a printer leaves.
constexpr TPageFrame kPage{2000, 2870};

// The riddle painted as an image (the cells fit the rectangle) and as on screen (the grid's
// first cells, with the cursor and the current word).
void PaintGrid(TGridRiddle& Grid, QImage& Image) {
    QPainter painter(&Image);
    QRect rect = Image.rect();
    int cellSize = 0;
    Grid.PaintTo(painter, rect, 1, ptImage, cellSize);
    Grid.render(&painter, QPoint(), QRegion(Image.rect()));
}

// Every page layout of the print dialog, composed into a picture.
void ComposePages(const TPrintSource& Source) {
    for (const bool onePage : {false, true})
        for (const bool right : {false, true}) {
            TPrintOptions options;
            options.OnePage = onePage;
            options.LegendRight = right;
            options.AutoGridSize = right;
            QPicture picture;
            QPainter painter(&picture);
            TPageComposer(Source, options).Compose(painter, kPage, [] {});
        }
}

template <class Data> void UndoOnce(Data& Riddle) {
    Data backup;
    backup.Assign(Riddle, true);
    TRecordingPause pause(Riddle);
    Riddle.Assign(backup, true);
}

void RunWordRiddle(QIODevice& Sections, QImage& Image) {
    TWordRiddle grid;
    TWordRiddleData& riddle = grid.Riddle();
    if (riddle.LoadFromStream(Sections, false) != rfOk)
        return;
    grid.SelectFirstCell();
    PaintGrid(grid, Image);
    const TLegendColumns columns = LegendColumns(riddle.RiddleType());
    const TColor black = riddle.BackgroundColors().Get(TRiddleColors::Black);
    // Two lists as they are, and one list with the solved clues hidden.
    TLegendRenderer clues(BuildLegendLists(grid, true, false), columns, black);
    const TLegendRenderer oneList(BuildLegendLists(grid, false, true), columns, black);
    {
        QPainter painter(&Image);
        clues.DrawLegend(painter, Image.rect(), true);
        oneList.DrawLegend(painter, Image.rect(), false);
        TNumLegendPainter(riddle, grid.Fonts()).DrawNumberLegend(painter, Image.rect(), true, 0);
    }
    TNumLegend numbers(grid);
    numbers.Next(numbers.First());
    numbers.Buttons();
    ComposePages(TPrintSource{&riddle, &grid.Fonts(), clues, riddle.RiddleType() == rtNumbers});
    UndoOnce(riddle);
}

void RunSudoku(QIODevice& Sections, QImage& Image) {
    TSudokuRiddle grid;
    TSudokuRiddleData& riddle = grid.Riddle();
    if (riddle.LoadFromStream(Sections, false) != rfOk)
        return;
    PaintGrid(grid, Image);
    ComposePages(TPrintSource{&riddle, &grid.Fonts(), std::nullopt, false});
    riddle.RestoreSnapshot(riddle.TakeSnapshot());
    UndoOnce(riddle);
}

} // namespace

// The windows need one application object, made once, painting offscreen.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TFuzzInput input(data, size);
    if (!input.Valid())
        return 0;
    QImage image(kImageSide, kImageSide, QImage::Format_RGB32);
    if (input.ClassName() == "WordRiddle")
        RunWordRiddle(input.Sections(), image);
    else if (input.ClassName() == "SudokuRiddle")
        RunSudoku(input.Sections(), image);
    return 0;
}
