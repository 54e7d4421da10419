// The number legend: moving between its entries, typing letters with and without automatic
// entry, the transfers between legend and riddle, its buttons, and its window.

#include "DrawGrid.h"
#include "NumLegend.h"
#include "NumLegendPainter.h"
#include "WordRiddle.h"
#include "ZahlenDialog.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace {

//   A B A #     numbers 1 2 1 -, the last cell black
//   C A B D     numbers 3 1 2 4
// Legend entries: 0 A(1), 1 B(2), 12 C(3), 14 D(4), 25 E(5); every other entry is vacant.
void MakeNumberRiddle(TWordRiddle& Grid) {
    TWordRiddleData& r = Grid.Riddle();
    r.SetRiddleType(rtNumbers);
    r.SetRiddleCols(4);
    r.SetRiddleRows(2);
    const char* rows[] = {"ABA#", "CABD"};
    const int numbers[] = {0, 1, 2, 3, 4};
    for (int row = 1; row <= 2; ++row)
        for (int col = 1; col <= 4; ++col) {
            const char c = rows[row - 1][col - 1];
            TWordGridCell& cell = r.Cell(col, row);
            if (c == '#') {
                cell.SetFlags(cfBlack);
                continue;
            }
            cell.SetFlags(cfLetter);
            cell.SetSolution(uint8_t(c));
            cell.SetNumber(numbers[c - 'A' + 1]);
        }
    const std::pair<int, char> entries[] = {{0, 'A'}, {1, 'B'}, {12, 'C'}, {14, 'D'}, {25, 'E'}};
    for (auto [index, letter] : entries) {
        r.LetterLegend(index).SetSolution(uint8_t(letter));
        r.LetterLegend(index).SetNumber(letter - 'A' + 1);
    }
    r.SetState(stReady);
}

QString Entries(const TWordRiddleData& R) {
    QString s;
    for (int i : {0, 1, 12, 14, 25})
        s += R.LetterLegend(i).Entry() ? QChar(R.LetterLegend(i).Entry()) : QLatin1Char('.');
    return s;
}

QString Cells(const TWordRiddleData& R) {
    QString s;
    for (int row = 1; row <= 2; ++row)
        for (int col = 1; col <= 4; ++col)
            s += R.Cell(col, row).Entry() ? QChar(R.Cell(col, row).Entry()) : QLatin1Char('.');
    return s;
}

TEST(NumLegend, LetterColoursFollowRightnessAndMode) {
    struct Case {
        const char* name;
        TDisplayMode mode;
        uint8_t entry;
        bool revealed, showFail;
        TColor colour;
    } cases[] = {
        {"a right letter", dmSolving, 'A', false, true, clNavy},
        {"a wrong letter", dmSolving, 'X', false, true, clPurple},
        {"a wrong letter unmarked", dmSolving, 'X', false, false, clNavy},
        {"the solution shown over a wrong letter", dmSolution, 'X', false, true, clNavy},
        {"a revealed letter in the solution", dmSolution, 'A', true, true, clBlue},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        MakeNumberRiddle(grid);
        TWordRiddleData& r = grid.Riddle();
        r.SetPaintOptions(c.showFail ? TPaintOptions{poShowFail} : TPaintOptions{});
        r.LetterLegend(0).SetEntry(c.entry);
        r.LetterLegend(0).SetRevealed(c.revealed);
        r.SetDisplayMode(c.mode);
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TNumLegendPainter(r, grid.Fonts()).PaintCell(painter, 1, 0, QRect(0, 0, 60, 60), false);
        painter.end();
        QSet<QRgb> colours;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                colours.insert(image.pixel(x, y));
        for (TColor candidate : {clNavy, clPurple, clBlue})
            EXPECT_EQ(colours.contains(ToQColor(candidate).rgb()), candidate == c.colour) << c.name;
    }
    // Each cell's frame lies on the lines left of and above it, which it shares with its neighbours.
    TWordRiddle grid;
    MakeNumberRiddle(grid);
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TNumLegendPainter(grid.Riddle(), grid.Fonts()).PaintCell(painter, 1, 0, QRect(10, 10, 30, 30), false);
    painter.end();
    for (auto [x, y, black] : {std::tuple{9, 25, true}, std::tuple{8, 25, false}, std::tuple{25, 9, true},
                               std::tuple{25, 8, false}})
        EXPECT_EQ(image.pixel(x, y) == qRgb(0, 0, 0), black) << x << "," << y;
}

TEST(NumLegend, NavigationVisitsOnlyEntriesInUse) {
    TWordRiddle grid;
    MakeNumberRiddle(grid);
    TNumLegend legend(grid);
    struct Case {
        const char* name;
        int key, from, to;
    };
    const Case cases[] = {
        {"down to the next", Qt::Key_Down, 0, 1},
        {"down over the vacant entries of the first column", Qt::Key_Down, 1, 12},
        {"down from the last row into the second column, past a vacant entry", Qt::Key_Down, 12, 14},
        {"down from the last entry wraps to the first", Qt::Key_Down, 25, 0},
        {"up from the first wraps to the last", Qt::Key_Up, 0, 25},
        {"up over a vacant entry", Qt::Key_Up, 14, 12},
        {"right: over to entry 14, then on as with down", Qt::Key_Right, 1, 25},
        {"right refused by a vacant entry 13: on from here", Qt::Key_Right, 0, 1},
        {"left back to the first column, then on", Qt::Key_Left, 14, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(legend.KeyDown(c.key, c.from), std::optional<int>(c.to)) << c.name;
    grid.Riddle().LetterLegend(13).SetSolution('N');
    EXPECT_EQ(legend.KeyDown(Qt::Key_Right, 13), std::optional<int>(1)) << "from the second column's top";
    grid.Riddle().LetterLegend(13).SetSolution(0);
    EXPECT_EQ(legend.KeyDown(Qt::Key_Home, 0), std::nullopt) << "keys the legend leaves to its grid";
    for (int e = 0; e < 26; ++e) {
        const QPoint cell = TNumLegend::LetterCell(e);
        EXPECT_EQ(TNumLegend::EntryAt(cell.x(), cell.y()), e);
        EXPECT_EQ(TNumLegend::EntryAt(cell.x() - 1, cell.y()), e) << "the number beside it";
    }
    for (auto [col, row] : {std::pair{4, 0}, std::pair{0, 13}, std::pair{-1, 0}, std::pair{0, -1}})
        EXPECT_EQ(TNumLegend::EntryAt(col, row), -1) << col << "," << row;
    EXPECT_TRUE(legend.Selectable(1, 12));
    EXPECT_FALSE(legend.Selectable(3, 0)) << "entry 13 is vacant";
    EXPECT_FALSE(legend.Selectable(0, 0)) << "a number cell";

    // With only one entry in use there is nowhere to go, and nothing loops.
    for (int i : {1, 12, 14, 25})
        grid.Riddle().LetterLegend(i).SetSolution(0);
    for (int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left})
        EXPECT_EQ(legend.KeyDown(key, 0), std::optional<int>(0)) << key;
}

TEST(NumLegend, Typing) {
    struct Case {
        const char* name;
        bool autoEnter;
        int entry;
        QChar key;
        const char* entries; // of 0, 1, 12, 14, 25
        const char* cells;   // row by row
    };
    // Before each case entry 1 holds B, and the solver has typed Q into cell (3, 1), number 1.
    const Case cases[] = {
        {"a letter goes into the legend only", false, 0, QLatin1Char('e'), "EB...", "..Q....."},
        {"with automatic entry into every cell of its number, over other letters", true, 0, QLatin1Char('e'),
         "EB...", "E.E..E.."},
        {"a blank clears the entry", true, 1, QLatin1Char(' '), ".....", "..Q....."},
        {"a digit is swallowed", true, 0, QLatin1Char('5'), ".B...", "..Q....."},
        {"an umlaut is swallowed", true, 0, QChar(0xE4), ".B...", "..Q....."},
        {"a vacant entry takes nothing", true, 13, QLatin1Char('a'), ".B...", "..Q....."},
    };
    for (const Case& c : cases) {
        TWordRiddle grid;
        MakeNumberRiddle(grid);
        grid.Riddle().LetterLegend(1).SetEntry('B');
        grid.Riddle().Cell(3, 1).SetEntry('Q');
        TNumLegend(grid).Type(c.entry, c.key, c.autoEnter);
        EXPECT_EQ(Entries(grid.Riddle()), QLatin1String(c.entries)) << c.name;
        EXPECT_EQ(Cells(grid.Riddle()), QLatin1String(c.cells)) << c.name;
    }
}

TEST(NumLegend, TransfersBetweenLegendAndRiddle) {
    TWordRiddle grid;
    MakeNumberRiddle(grid);
    TWordRiddleData& r = grid.Riddle();
    // A letter for number 0 would reach the black cell if numbers were all that counted.
    r.LetterLegend(20).SetSolution('Z');
    r.LetterLegend(20).SetEntry('Z');
    r.LetterLegend(0).SetEntry('A');
    r.Cell(3, 1).SetEntry('Q');
    TNumLegend legend(grid);
    legend.WriteIntoRiddle();
    EXPECT_EQ(Cells(r), QStringLiteral("A.Q..A..")) << "only empty cells of number 1, never the black one";

    // A wrong B in a cell of number 1 goes to the entry of B, not to the entry of number 1.
    r.LetterLegend(0).SetEntry(0);
    r.Cell(1, 1).SetEntry('B');
    r.Cell(3, 1).SetEntry(0);
    r.Cell(2, 2).SetEntry(0);
    legend.TakeFromRiddle();
    EXPECT_EQ(Entries(r), QStringLiteral(".B..."));
}

// A letter typed into its cells, and each transfer, is one step for undo and one change.
TEST(NumLegend, OneUndoStepAndTheLastLetterSolves) {
    const QStringList oneStep{QStringLiteral("Legende ändern"), QStringLiteral("change"),
                              QStringLiteral("legend")};
    const std::pair<const char*, std::function<void(TNumLegend&)>> transfers[] = {
        {"a letter and its three cells", [](TNumLegend& L) { L.Type(0, QLatin1Char('a'), true); }},
        {"written into the riddle", [](TNumLegend& L) { L.WriteIntoRiddle(); }},
        {"taken from the riddle", [](TNumLegend& L) { L.TakeFromRiddle(); }},
    };
    for (const auto& [name, transfer] : transfers) {
        TWordRiddle grid;
        MakeNumberRiddle(grid);
        TWordRiddleData& r = grid.Riddle();
        r.LetterLegend(1).SetEntry('B');
        r.Cell(1, 2).SetEntry('C');
        QStringList events;
        QObject::connect(&r, &TRiddleData::OnBeforeChange,
                         [&](TObject*, TRiddleChangeTypes, const QString& Text) { events << Text; });
        QObject::connect(&r, &TRiddleData::OnChange, [&] { events << QStringLiteral("change"); });
        QObject::connect(&r, &TRiddleData::OnLegendChange, [&] { events << QStringLiteral("legend"); });
        QObject::connect(&r, &TRiddleData::OnLegendStateChange,
                         [&] { events << QStringLiteral("legend state"); });
        TNumLegend legend(grid);
        transfer(legend);
        EXPECT_EQ(events, oneStep) << name;
    }
    TWordRiddle grid;
    MakeNumberRiddle(grid);
    TWordRiddleData& r = grid.Riddle();
    TNumLegend legend(grid);
    legend.Type(0, QLatin1Char('a'), true);
    for (auto [entry, key] : {std::pair{1, 'b'}, {12, 'c'}, {14, 'd'}})
        legend.Type(entry, QLatin1Char(key), true);
    EXPECT_EQ(r.State(), stPartial) << "the grid is full and right, but the legend lacks E";
    legend.Type(25, QLatin1Char('e'), false);
    EXPECT_EQ(r.State(), stSolved);
}

TEST(NumLegend, ButtonsFollowTheLettersAndTheDisplayMode) {
    TWordRiddle grid;
    MakeNumberRiddle(grid);
    TNumLegend legend(grid);
    EXPECT_EQ(legend.Buttons(), (TNumLegendButtons{true, false})) << "no letter to write into the riddle";
    grid.Riddle().LetterLegend(25).SetEntry('E');
    EXPECT_EQ(legend.Buttons(), (TNumLegendButtons{true, true}));
    grid.Riddle().SetDisplayMode(dmEditing);
    EXPECT_FALSE(legend.Buttons().Visible);
}

TEST(NumLegend, PrintedUprightOrAcross) {
    TWordRiddle grid;
    MakeNumberRiddle(grid);
    QImage page(600, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    painter.setFont(font);
    QFont caption = font;
    caption.setBold(true);
    caption.setUnderline(true);
    const int captionHeight = 2 * QFontMetrics(caption).height();
    EXPECT_EQ(TNumLegendPainter::MeasureNumberLegend(painter, 20, true), QSize(84, 273 + captionHeight));
    EXPECT_EQ(TNumLegendPainter::MeasureNumberLegend(painter, 20, false), QSize(273, 84 + captionHeight));

    // Cell size 0: a quarter of the width upright, of the height across. Entry 14 (D, number 4)
    // sits in column 2/3, row 1 upright, and in column 1, rows 2/3 across.
    const TNumLegendPainter printer(grid.Riddle(), grid.Fonts());
    printer.DrawNumberLegend(painter, QRect(0, 0, 160, 600), true, 0);
    printer.DrawNumberLegend(painter, QRect(300, 0, 300, 160), false, 0);
    painter.end();
    const QColor face = ToQColor(clBtnFace), white = ToQColor(clWhite);
    const int top = captionHeight + 20;
    EXPECT_EQ(page.pixelColor(2 * 40 + 3, 40 + top - 20 + 3), face) << "upright: the number cell";
    EXPECT_EQ(page.pixelColor(3 * 40 + 3, 40 + top - 20 + 3), white) << "upright: the letter cell";
    EXPECT_EQ(page.pixelColor(300 + 40 + 3, 2 * 40 + top - 20 + 3), face) << "across: the number cell";
    EXPECT_EQ(page.pixelColor(300 + 40 + 3, 3 * 40 + top - 20 + 3), white) << "across: the letter cell";
    EXPECT_EQ(page.pixelColor(300 + 40 + 3, 40 + top - 20 + 3), white) << "across: entry 1's letter above";
}

TEST(NumLegendForm, KeysMouseAndMenuReachTheRiddle) {
    TWordRiddle grid;
    MakeNumberRiddle(grid);
    TNumLegendForm form(nullptr, &grid);
    form.show();
    form.FormShow();
    TDrawGrid* g = form.GridLegend;
    EXPECT_EQ(form.widget()->size(), QSize(4 * 31 + 3 + 10, 30 + 13 * 31 + 3 + 10));
    EXPECT_EQ(form.CurrentEntry(), 0) << "the cursor starts on the first entry in use";
    // A click on a number or on a vacant entry leaves the cursor where it is.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(3, 0).center());
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(0, 3).center());
    EXPECT_EQ(form.CurrentEntry(), 0);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(3, 1).center());
    EXPECT_EQ(form.CurrentEntry(), 14);
    EXPECT_FALSE(form.SBRaetselEintragen->isEnabled());

    form.MItemLegendeAutomatischEintragenClick();
    EXPECT_TRUE(form.SBAutoEintragen->isChecked());
    QTest::keyClick(g, Qt::Key_D);
    EXPECT_EQ(grid.Riddle().Cell(4, 2).Entry(), uint8_t('D'));
    EXPECT_TRUE(form.SBRaetselEintragen->isEnabled()) << "the buttons follow the legend's letters";
    QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(form.CurrentEntry(), 25);
    QTest::keyClick(g, Qt::Key_Backspace);
    QTest::keyClick(g, Qt::Key_Up);
    QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_EQ(grid.Riddle().LetterLegend(14).Entry(), 0);

    form.MenuLegende->popup(QPoint(0, 0));
    EXPECT_TRUE(form.MItemLegendeAutomatischEintragen->isChecked());
    EXPECT_FALSE(form.MItemLegendeEintragen->isEnabled());
    form.MenuLegende->close();
    form.MItemLegendeAutomatischEintragenClick();
    EXPECT_TRUE(form.SBNichtEintragen->isChecked());
}

} // namespace
