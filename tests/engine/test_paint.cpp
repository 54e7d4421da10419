// How the word grid lays out and paints its cells.

#include "RiddleDrawTools.h"
#include "SudokuRiddle.h"
#include "WordRiddle.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A riddle from rows of letters, '#' for black cells.
void Fill(TWordRiddle& Grid, TRiddleType Type, const QStringList& Rows) {
    Grid.Riddle().SetRiddleType(Type);
    Grid.Riddle().SetRiddleCols(int(Rows[0].size()));
    Grid.Riddle().SetRiddleRows(int(Rows.size()));
    for (int r = 1; r <= Rows.size(); ++r)
        for (int c = 1; c <= Rows[0].size(); ++c) {
            const QChar ch = Rows[r - 1][c - 1];
            if (ch == QLatin1Char('#'))
                continue;
            Grid.Riddle().Cell(c, r).SetFlags(cfLetter);
            Grid.Riddle().Cell(c, r).SetSolution(uint8_t(ch.toLatin1()));
        }
}

QColor PixelAt(TWordRiddle& Grid, int Col, int Row, QPoint Offset = QPoint(3, 3)) {
    const QImage image = Grid.viewport()->grab().toImage();
    return image.pixelColor(Grid.CellRect(Col, Row).topLeft() + Offset);
}

TEST(WordGridLayout, HeaderLinesOnlyForLineNumberedKinds) {
    struct Case {
        TRiddleType type;
        int gridSize;
        int header;
    } cases[] = {{rtSwedish, 30, 0},   {rtFrench, 30, 30}, {rtFrench, 0, 30},
                 {rtAmerican, 25, 25}, {rtPuzzle, 30, 0},  {rtFindWords, 40, 0}};
    for (const Case& c : cases) {
        TWordRiddle grid;
        grid.Riddle().SetRiddleType(c.type);
        grid.Riddle().SetGridSize(c.gridSize);
        EXPECT_EQ(grid.ColWidth(0), c.header) << RiddleTypeName(c.type).toStdString();
        EXPECT_EQ(grid.RowHeight(0), c.header) << RiddleTypeName(c.type).toStdString();
    }
}

TEST(WordGridLayout, AutoSizeCoversCellsAndLines) {
    struct Case {
        TRiddleType type;
        int cols, rows, gridSize;
        QSize expected;
    } cases[] = {
        {rtSwedish, 13, 13, 30, QSize(13 * 31 + 1, 13 * 31 + 1)},
        {rtFrench, 5, 4, 20, QSize(20 + 5 * 21 + 1, 20 + 4 * 21 + 1)},
        {rtPuzzle, 6, 3, 30, QSize(6 * 30, 3 * 30)},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        QSize told;
        QObject::connect(&grid, &TGridRiddle::OnSizeChanged, [&] { told = grid.size(); });
        grid.Riddle().SetPaintOptions(TPaintOptions{poAutoSize});
        grid.Riddle().SetRiddleType(c.type);
        grid.Riddle().SetRiddleCols(c.cols);
        grid.Riddle().SetRiddleRows(c.rows);
        grid.Riddle().SetGridSize(c.gridSize);
        EXPECT_EQ(grid.size(), c.expected) << RiddleTypeName(c.type).toStdString();
        EXPECT_EQ(told, c.expected) << "the window beside hears of the new size";
        EXPECT_EQ(grid.GridLineWidth(), c.type == rtPuzzle ? 0 : 1);
    }
}

TEST(WordGridLayout, DamagedCellSizeOfTheFileKeepsGridAndPictureSmall) {
    for (const int32_t stored : {20000, INT32_MAX}) {
        // 4 × 3 cells, one of them showing the picture stretched over it.
        TWordRiddleData source;
        source.SetRiddleCols(4);
        source.SetRiddleRows(3);
        source.Cell(2, 2).SetFlags(cfBlack | cfPicture);
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        source.SetImage(picture);
        source.SetImageOptions(TImageOptions{ioFitHorizontal, ioFitVertical});
        source.SetRiddleOptions(TRiddleOptions{roHasImage});
        source.SetPaintOptions(TPaintOptions{poAutoSize});
        source.SetGridSize(stored);
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        source.SaveToStream(file, 90, false);
        file.close();
        file.open(QIODevice::ReadOnly);
        TWordRiddle grid;
        ASSERT_EQ(grid.Riddle().LoadFromStream(file, false), rfOk) << stored;
        EXPECT_EQ(grid.DefaultColWidth(), 100) << stored;
        EXPECT_EQ(grid.Picture().Bitmap.size(), QSize(101, 101)) << stored;
        EXPECT_EQ(grid.size(), QSize(4 * 101 + 1, 3 * 101 + 1)) << stored;
    }
}

TEST(WordGridPaint, PaintToPicksTheLargestCellsThatFitOrTakesTheGivenSize) {
    struct Case {
        const char* name;
        bool sudoku;
        int cellSize;
        int expectedSize;
        QRect expected;
    } cases[] = {
        {"word riddle of 10 x 5", false, 0, 30, QRect(10, 20, 300, 150)},
        {"word riddle, cells given", false, 12, 12, QRect(10, 20, 120, 60)},
        {"sudoku of 9", true, 0, 22, QRect(10, 20, 198, 198)},
        {"sudoku, cells given", true, 12, 12, QRect(10, 20, 108, 108)},
    };
    for (const Case& c : cases) {
        TWordRiddle word;
        word.Riddle().SetRiddleCols(10);
        word.Riddle().SetRiddleRows(5);
        TSudokuRiddle sudoku;
        sudoku.Riddle().SetSize(ss9Symbols);
        TGridRiddle& grid = c.sudoku ? static_cast<TGridRiddle&>(sudoku) : word;
        QImage page(400, 300, QImage::Format_RGB32);
        QPainter painter(&page);
        QRect rect(10, 20, 300, 200);
        int cellSize = c.cellSize;
        grid.PaintTo(painter, rect, 1, ptPrinter, cellSize);
        EXPECT_EQ(cellSize, c.expectedSize) << c.name;
        EXPECT_EQ(rect, c.expected) << c.name;
    }
}

TEST(WordGridPaint, PaintToDrawsLinesAsWideAsKindAndTargetAsk) {
    struct Case {
        const char* name;
        TRiddleType type;
        TPaintTarget target;
        int width;
    } cases[] = {
        {"crossword on a picture", rtSwedish, ptImage, 1},
        {"crossword on paper: the line weight and one", rtSwedish, ptPrinter, 3},
        {"puzzle frames on a picture", rtPuzzle, ptImage, 3},
        {"puzzle frames on paper: three line weights and three", rtPuzzle, ptPrinter, 9},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Fill(grid, c.type, {QStringLiteral("AB")});
        QImage page(200, 100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        QRect rect(0, 0, 120, 60);
        int cellSize = 60;
        grid.PaintTo(painter, rect, 2, c.target, cellSize);
        painter.end();
        // Across the line between both cells, near their bottom where no letter is.
        int silver = 0;
        for (int x = 40; x < 80; ++x)
            silver += page.pixelColor(x, 55) == ToQColor(clSilver);
        EXPECT_EQ(silver, c.width) << c.name;
    }
}

TEST(WordGridPaint, PictureFittedToTheAreaWidth) {
    TWordRiddle grid;
    grid.Riddle().SetRiddleCols(6);
    grid.Riddle().SetRiddleRows(6);
    grid.Riddle().SetGridSize(30);
    for (int c = 2; c <= 5; ++c)
        for (int r = 2; r <= 5; ++r)
            grid.Riddle().Cell(c, r).SetFlags(cfBlack | cfPicture);
    grid.Riddle().SetImageOptions(TImageOptions{ioFitHorizontal});
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::red);
    grid.Riddle().SetImage(picture);
    grid.Riddle().SetRiddleOptions(TRiddleOptions{roHasImage});
    EXPECT_EQ(grid.Picture().Bitmap.size(), QSize(124, 62));
    const TPictureArea area = grid.ImageBounds();
    EXPECT_EQ(area.FirstCol, 2);
    EXPECT_EQ(area.LastRow, 5);
    grid.resize(400, 400);
    // The first two picture rows show the picture, the rows below it only the grey of the cells.
    EXPECT_EQ(PixelAt(grid, 3, 3, QPoint(10, 10)), QColor(Qt::red));
    EXPECT_EQ(PixelAt(grid, 3, 4, QPoint(10, 10)), ToQColor(0x808080));
}

TEST(WordGridPaint, APictureOverManyLargeCellsStaysWithinTheDecoderLimit) {
    TWordRiddle grid;
    grid.Riddle().SetRiddleCols(99);
    grid.Riddle().SetRiddleRows(99);
    grid.Riddle().SetGridSize(100);
    for (int c = 1; c <= 99; ++c)
        for (int r = 1; r <= 99; ++r)
            grid.Riddle().Cell(c, r).SetFlags(cfBlack | cfPicture);
    grid.Riddle().SetImageOptions(TImageOptions{ioFitHorizontal, ioFitVertical});
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    grid.Riddle().SetImage(picture);
    grid.Riddle().SetRiddleOptions(TRiddleOptions{roHasImage});
    // 99 cells of 101 pixels would make a 400 MB bitmap; 41 pixels a cell keep it under 16 MP.
    EXPECT_EQ(grid.Picture().Pitch, 41);
    EXPECT_EQ(grid.Picture().Bitmap.size(), QSize(99 * 41, 99 * 41));
    grid.resize(400, 400);
    EXPECT_EQ(PixelAt(grid, 2, 2, QPoint(50, 50)), QColor(Qt::red)) << "the tile is stretched to its cell";
}

TEST(WordGridPaint, CellColoursByKindAndMode) {
    struct Case {
        const char* name;
        TRiddleType type;
        TDisplayMode mode;
        int col, row;
        TColor text, background;
    } cases[] = {
        {"black cell", rtSwedish, dmSolving, 2, 1, clNavy, clBlack},
        {"letter cell", rtSwedish, dmSolving, 1, 1, clNavy, clWhite},
        {"puzzle black cell is grey", rtPuzzle, dmSolving, 2, 1, clNavy, clSilver},
        {"solution shown", rtSwedish, dmSolution, 1, 1, clBlue, clWhite},
        {"word search unmarked", rtFindWords, dmSolving, 1, 1, clNavy, clSilver},
        {"american black hidden", rtAmerican, dmSolving, 2, 1, clNavy, clWhite},
        {"american black in solution view", rtAmerican, dmSolution, 2, 1, clNavy, clBlack},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        grid.Riddle().SetPaintOptions(TPaintOptions{});
        Fill(grid, c.type, {QStringLiteral("A#B"), QStringLiteral("CDE")});
        grid.Riddle().SetDisplayMode(c.mode);
        TColor text = 0, background = 0;
        grid.GetCellColors(c.col, c.row, ptScreen, 0, text, background);
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(background, c.background) << c.name;
    }
}

TEST(WordGridPaint, AmericanBlackCellsShowWhetherTheSolverPutThemRight) {
    struct Case {
        const char* name;
        uint16_t flags;
        bool showFail;
        TColor background;
    } cases[] = {
        {"a black cell of the solution", cfBlack | cfUserBlack, true, clBlack},
        {"a black cell the solution does not have", cfLetter | cfUserBlack, true, clPurple},
        {"the same unchecked", cfLetter | cfUserBlack, false, clBlack},
        {"a black cell of the solution left white", cfBlack, true, clWhite},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Fill(grid, rtAmerican, {QStringLiteral("AB")});
        grid.Riddle().SetState(stReady);
        grid.Riddle().StopClock();
        grid.Riddle().SetPaintOptions(c.showFail ? TPaintOptions{poShowFail} : TPaintOptions{});
        grid.Riddle().Cell(1, 1).SetFlags(c.flags);
        TColor text = 0, background = 0;
        grid.GetCellColors(1, 1, ptScreen, 0, text, background);
        EXPECT_EQ(background, c.background) << c.name;
    }
}

TEST(WordGridPaint, WrongAndRevealedLetters) {
    struct Case {
        const char* name;
        bool showFail;
        uint8_t entry;
        bool revealed;
        TColor text;
    } cases[] = {
        {"right letter", true, 'A', false, clNavy},
        {"wrong letter marked", true, 'X', false, clPurple},
        {"wrong letter unmarked", false, 'X', false, clNavy},
        {"revealed over a different entry", false, 'X', true, clBlue},
        {"revealed equal to the entry", false, 'A', true, clNavy},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        Fill(grid, rtSwedish, {QStringLiteral("AB")});
        grid.Riddle().SetPaintOptions(c.showFail ? TPaintOptions{poShowFail} : TPaintOptions{});
        grid.Riddle().Cell(1, 1).SetEntry(c.entry);
        grid.Riddle().Cell(1, 1).SetRevealed(c.revealed);
        TColor text = 0, background = 0;
        grid.GetCellColors(1, 1, ptScreen, 0, text, background);
        EXPECT_EQ(text, c.text) << c.name;
    }
}

TEST(WordGridPaint, ScreenShowsBlackAndLetterCells) {
    TWordRiddle grid;
    Fill(grid, rtSwedish, {QStringLiteral("A#"), QStringLiteral("BC")});
    grid.resize(200, 200);
    EXPECT_EQ(PixelAt(grid, 2, 1), QColor(Qt::black));
    EXPECT_EQ(PixelAt(grid, 1, 2), QColor(Qt::white));
}

// How many rows of the image, Margin pixels away from its edges, hold clearly visible ink on white.
int InkRows(const QImage& Image, int Margin) {
    int rows = 0;
    for (int y = Margin; y < Image.height() - Margin; ++y)
        for (int x = Margin; x < Image.width() - Margin; ++x) {
            const QColor c = Image.pixelColor(x, y);
            if (765 - c.red() - c.green() - c.blue() > 255) {
                ++rows;
                break;
            }
        }
    return rows;
}

TEST(CellPaint, TheCursorFrameIsOnTheScreenOnly) {
    for (bool isSudoku : {false, true}) {
        TWordRiddle word;
        Fill(word, rtSwedish, {QStringLiteral("ABC")});
        TSudokuRiddle sudoku;
        sudoku.Riddle().SetSize(ss6Symbols);
        TGridRiddle& grid = isSudoku ? static_cast<TGridRiddle&>(sudoku) : word;
        grid.show();
        QApplication::setActiveWindow(&grid);
        grid.setFocus();
        ASSERT_TRUE(grid.hasFocus());
        // Cell 1,1 with the cursor on it or beside it.
        auto paint = [&](TPaintTarget Target, int CursorCol) {
            grid.MoveCurrent(CursorCol, 1, false);
            QImage image(40, 40, QImage::Format_RGB32);
            image.fill(Qt::gray);
            QPainter painter(&image);
            grid.PaintCell(painter, 1, 1, Target, 0, QRect(5, 5, 30, 30));
            return image;
        };
        EXPECT_NE(paint(ptScreen, 1), paint(ptScreen, 2)) << isSudoku;
        EXPECT_EQ(paint(ptImage, 1), paint(ptImage, 2)) << isSudoku;
    }
}

TEST(CellPaint, LettersHaveTheClassicFontHeight) {
    // "Height = cell height - 4" is the height of the font's line, internal leading included. In
    // Liberation Sans, which stands in for Arial, a capital letter or a figure takes 1409 of the
    // 2288 units of that line; whole pixel sizes and smoothed edges add up to a pixel and a half.
    for (int size = 20; size <= 60; ++size) {
        const double expected = (size - 4) * 1409.0 / 2288.0;
        QImage word(size, size, QImage::Format_RGB32);
        word.fill(Qt::white);
        TWordRiddle grid;
        Fill(grid, rtSwedish, {QStringLiteral("E")});
        grid.Riddle().SetDisplayMode(dmSolution);
        QPainter wordPainter(&word);
        grid.PaintCell(wordPainter, 1, 1, ptImage, 0, QRect(0, 0, size, size));
        EXPECT_NEAR(InkRows(word, 0), expected, 1.5) << "word cell " << size;

        QImage symbol(size, size, QImage::Format_RGB32);
        symbol.fill(Qt::white);
        TSudokuRiddle sudoku;
        sudoku.Riddle().SetSize(ss9Symbols);
        sudoku.Riddle().Cell(2, 2).SetSolution('1');
        sudoku.Riddle().SetDisplayMode(dmSolution);
        QPainter symbolPainter(&symbol);
        sudoku.PaintCell(symbolPainter, 2, 2, ptImage, 0, QRect(0, 0, size, size));
        // The box lines run along the cell's edges.
        EXPECT_NEAR(InkRows(symbol, 3), expected, 1.5) << "sudoku cell " << size;
    }
}

TEST(WordGridPaint, WordSearchAndPuzzleFramesRunOverTheLinesAroundEachCell) {
    struct Case {
        const char* name;
        TRiddleType type;
        QStringList rows;
        int frame;
    } cases[] = {
        {"word search",
         rtFindWords,
         {QStringLiteral("ABC"), QStringLiteral("DEF"), QStringLiteral("GHI")},
         1},
        {"puzzle", rtPuzzle, {QStringLiteral("A#B"), QStringLiteral("#CD"), QStringLiteral("EF#")}, 2},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        grid.Riddle().SetPaintOptions(TPaintOptions{poAutoSize});
        Fill(grid, c.type, c.rows);
        const QImage image = grid.viewport()->grab().toImage();
        const QColor background = ToQColor(c.type == rtPuzzle ? clWhite : clSilver);
        for (int col = 1; col <= grid.Riddle().RiddleCols(); ++col)
            for (int row = 1; row <= grid.Riddle().RiddleRows(); ++row) {
                if (grid.Riddle().Cell(col, row).Has(cfBlack))
                    continue;
                // From (Left - 1, Top - 1) to (Right, Bottom), both included.
                const QRect outer = grid.CellRect(col, row).adjusted(-1, -1, 1, 1);
                int frameWrong = 0, insideWrong = 0;
                for (int x = outer.left(); x <= outer.right(); ++x)
                    for (int y = outer.top(); y <= outer.bottom(); ++y) {
                        if (!image.rect().contains(x, y))
                            continue;
                        const int depth = qMin(qMin(x - outer.left(), outer.right() - x),
                                               qMin(y - outer.top(), outer.bottom() - y));
                        if (depth < c.frame)
                            frameWrong += image.pixelColor(x, y) != QColor(Qt::black);
                        else if (depth == c.frame)
                            insideWrong += image.pixelColor(x, y) != background;
                    }
                EXPECT_EQ(frameWrong, 0) << c.name << " cell " << col << "," << row;
                EXPECT_EQ(insideWrong, 0) << c.name << " cell " << col << "," << row;
            }
    }
}

TEST(WordGridPaint, HeaderNumbersTakeTheIndexFontColour) {
    TWordRiddle grid;
    Fill(grid, rtFrench, {QStringLiteral("AB"), QStringLiteral("CD")});
    grid.Riddle().TextColors().SetBase(TRiddleColors::Fixed, clFuchsia);
    grid.resize(200, 200);
    const QImage image = grid.viewport()->grab().toImage();
    // The index font is drawn in the system's button text colour.
    const QColor index = ToQColor(clBtnText);
    for (const QPoint& header : {QPoint(1, 0), QPoint(0, 2)}) {
        const QRect cell = grid.CellRect(header.x(), header.y());
        bool indexColour = false, fixedTextColour = false;
        for (int x = cell.left(); x <= cell.right(); ++x)
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                const QColor p = image.pixelColor(x, y);
                indexColour = indexColour || p == index;
                fixedTextColour = fixedTextColour || (p.red() > 160 && p.blue() > 160 && p.green() < 120);
            }
        EXPECT_TRUE(indexColour) << header.x() << "," << header.y();
        EXPECT_FALSE(fixedTextColour) << header.x() << "," << header.y();
    }
}

// A cell painted alone into a picture of its own.
QImage CellPicture(TWordRiddle& Grid, int Col, int Row) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    Grid.PaintCell(painter, Col, Row, ptImage, 0, QRect(0, 0, 40, 40));
    return image;
}

TEST(WordGridPaint, HeadersNumberTheirRowOrColumn) {
    TWordRiddle grid;
    Fill(grid, rtFrench, {QStringLiteral("ABC"), QStringLiteral("DEF"), QStringLiteral("GHI")});
    EXPECT_EQ(CellPicture(grid, 0, 2), CellPicture(grid, 2, 0)) << "both show a 2";
    EXPECT_NE(CellPicture(grid, 0, 2), CellPicture(grid, 0, 3));
    EXPECT_NE(CellPicture(grid, 2, 0), CellPicture(grid, 3, 0));
}

TEST(WordGridPaint, PuzzleWordsShowTheirLengthsWhereTheyStart) {
    for (auto [direction, flag] : {std::pair{wdHorizontal, kClueAcross}, std::pair{wdVertical, kClueDown}}) {
        TWordRiddle grid;
        Fill(grid, rtPuzzle, {QStringLiteral("AB"), QStringLiteral("C#")});
        grid.Riddle().Cell(1, 1).SetClueNumber(1);
        grid.Riddle().Cell(1, 1).SetClueFlags(uint8_t(flag));
        TWordLegendData& clue = grid.Riddle().AddClue();
        clue.SetWord(QStringLiteral("AB"));
        clue.SetClueNumber(1);
        clue.SetDirection(direction);
        grid.Riddle().SetPaintOptions(TPaintOptions{});
        const QImage plain = CellPicture(grid, 1, 1);
        grid.Riddle().SetPaintOptions(TPaintOptions{poShowLength});
        EXPECT_NE(CellPicture(grid, 1, 1), plain) << direction;
    }
}

TEST(DrawTools, ScalingModes) {
    QImage source(200, 100, QImage::Format_RGB32);
    source.fill(Qt::green);
    struct Case {
        int mode, size;
        QSize dest, expected;
    } cases[] = {{0, 0, QSize(5, 5), QSize(200, 100)}, {1, 124, QSize(5, 5), QSize(124, 62)},
                 {2, 50, QSize(5, 5), QSize(100, 50)}, {3, 0, QSize(40, 30), QSize(40, 30)},
                 {4, 80, QSize(5, 5), QSize(80, 40)},  {1, 3, QSize(5, 5), QSize(3, 2)}};
    for (const Case& c : cases) {
        QImage dest(c.dest, QImage::Format_RGB32);
        ScaleImage(source, dest, c.size, c.mode);
        EXPECT_EQ(dest.size(), c.expected) << "mode " << c.mode;
    }
}

TEST(DrawTools, GreyByLuminanceWeights) {
    // Weights of 77, 151 and 28 in 256.
    const std::pair<QRgb, int> cases[] = {{qRgb(200, 100, 50), 124},
                                          {qRgb(255, 0, 0), 76},
                                          {qRgb(0, 255, 0), 150},
                                          {qRgb(0, 0, 255), 27},
                                          {qRgb(255, 255, 255), 255}};
    for (auto [colour, grey] : cases) {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, colour);
        MakeGrayscale(image);
        EXPECT_EQ(image.pixel(0, 0), qRgb(grey, grey, grey)) << std::hex << colour;
    }
}

} // namespace
