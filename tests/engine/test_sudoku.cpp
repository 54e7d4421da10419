// Typing into a sudoku, and how its cells look.

#include "SudokuRiddle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A sudoku whose solution obeys the rule, being solved; cell (2, 1) is given.
void Build(TSudokuRiddleData& S, TSudokuSize Size) {
    S.SetSize(Size);
    const int n = S.Symbols();
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            const int value =
                (S.BoxWidth() * ((r - 1) % S.BoxHeight()) + (r - 1) / S.BoxHeight() + c - 1) % n + 1;
            S.Cell(c, r).SetSolution(SymbolOf(value));
        }
    S.Cell(2, 1).SetFlags(cfGiven);
    S.Cell(2, 1).SetRevealed(true);
    S.SetState(stReady);
    S.StopClock();
}

// Sends one key press; true when the grid took it (it did not travel on to the window).
bool Press(TSudokuRiddle& Grid, Qt::Key Key, const QString& Text, Qt::KeyboardModifiers Modifiers = {}) {
    QKeyEvent press(QEvent::KeyPress, Key, Modifiers, Text);
    QApplication::sendEvent(&Grid, &press);
    return press.isAccepted();
}

TEST(SudokuInput, SymbolKeysOfTheSudokuAreTaken) {
    // Each key is pressed on a cell that holds the entry "2".
    struct Case {
        TSudokuSize size;
        int col;
        Qt::Key key;
        const char* text;
        Qt::KeyboardModifiers modifiers;
        uint8_t entry;
        bool taken;
    } cases[] = {
        {ss6Symbols, 1, Qt::Key_6, "6", {}, '6', true},
        {ss6Symbols, 1, Qt::Key_7, "7", {}, '2', true},
        {ss6Symbols, 1, Qt::Key_A, "A", Qt::ShiftModifier, '2', true},
        {ss9Symbols, 1, Qt::Key_9, "9", {}, '9', true},
        {ss9Symbols, 1, Qt::Key_0, "0", {}, '2', true},
        {ss9Symbols, 1, Qt::Key_5, "5", Qt::KeypadModifier, '5', true},
        {ss9Symbols, 1, Qt::Key_Space, " ", {}, 0, true},
        {ss12Symbols, 1, Qt::Key_C, "c", {}, 'C', true},
        {ss12Symbols, 1, Qt::Key_B, "B", Qt::ShiftModifier, 'B', true},
        {ss12Symbols, 1, Qt::Key_D, "d", {}, '2', true},
        {ss9Symbols, 1, Qt::Key_Delete, "", {}, 0, true},
        {ss9Symbols, 1, Qt::Key_Backspace, "\b", {}, 0, true},
        // A given symbol keeps showing; only the entry beneath it goes.
        {ss9Symbols, 2, Qt::Key_Delete, "", {}, 0, true},
        // With Alt or Ctrl a key is a command, never an entry.
        {ss9Symbols, 1, Qt::Key_5, "5", Qt::AltModifier, '2', false},
        {ss9Symbols, 1, Qt::Key_5, "5", Qt::ControlModifier, '2', false},
        {ss9Symbols, 1, Qt::Key_Backspace, "", Qt::AltModifier, '2', false},
        {ss9Symbols, 1, Qt::Key_Delete, "", Qt::ControlModifier, '2', false},
    };
    for (const Case& c : cases) {
        TSudokuRiddle grid;
        TSudokuRiddleData& s = grid.Riddle();
        Build(s, c.size);
        s.Cell(c.col, 1).SetEntry('2');
        grid.SelectOnly(c.col, 1);
        const std::string name = std::to_string(s.Symbols()) + " symbols, key '" + c.text + "' " +
                                 std::to_string(c.modifiers.toInt());
        EXPECT_EQ(Press(grid, c.key, QString::fromLatin1(c.text), c.modifiers), c.taken) << name;
        EXPECT_EQ(s.Cell(c.col, 1).Entry(), c.entry) << name;
        const TSudokuGridCell& cell = s.Cell(c.col, 1);
        EXPECT_EQ(cell.ShownSymbol(), cell.Given() ? cell.Solution() : c.entry) << name;
    }
}

// Shift on a digit key makes a note whatever character the layout gives it; with notes switched
// on every symbol key does. A letter with Shift still types its capital.
TEST(SudokuInput, ShiftedDigitsAndNotesModeToggleNotes) {
    struct Case {
        bool notesMode;
        Qt::Key key;
        const char* text;
        Qt::KeyboardModifiers modifiers;
        // The X11 key code: 10 … 18 are the digit keys 1 … 9.
        quint32 scanCode;
        uint8_t entry;
        uint16_t notes;
    } cases[] = {
        {false, Qt::Key_Exclam, "!", Qt::ShiftModifier, 10, 0, 1u << 1},
        {false, Qt::Key_Exclam, "!", Qt::ShiftModifier, 0, 0, 0},
        {false, Qt::Key_section, "\xa7", Qt::ShiftModifier, 12, 0, 1u << 3},
        {false, Qt::Key_ParenRight, ")", Qt::ShiftModifier, 18, 0, 1u << 9},
        {false, Qt::Key_Equal, "=", Qt::ShiftModifier, 19, 0, 0},
        {false, Qt::Key_5, "%", Qt::ShiftModifier, 0, 0, 1u << 5},
        {false, Qt::Key_5, "5", {}, 14, '5', 0},
        {false, Qt::Key_B, "B", Qt::ShiftModifier, 56, 'B', 0},
        {true, Qt::Key_7, "7", {}, 16, 0, 1u << 7},
        {true, Qt::Key_C, "c", {}, 54, 0, 1u << 12},
        {true, Qt::Key_D, "d", {}, 40, 0, 0},
        {true, Qt::Key_Space, " ", {}, 65, 0, 0},
    };
    for (const Case& c : cases) {
        TSudokuRiddle grid;
        TSudokuRiddleData& s = grid.Riddle();
        Build(s, ss12Symbols);
        grid.SetNotesMode(c.notesMode);
        grid.SelectOnly(1, 1);
        const std::string name = std::string(c.text) + (c.notesMode ? " in notes mode" : "");
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, c.scanCode, 0, 0, QString::fromLatin1(c.text));
        QApplication::sendEvent(&grid, &press);
        EXPECT_TRUE(press.isAccepted()) << name;
        EXPECT_EQ(s.Cell(1, 1).Entry(), c.entry) << name;
        EXPECT_EQ(s.Cell(1, 1).Notes(), c.notes) << name;
    }
}

TEST(SudokuInput, WrongSymbolIsReportedWhileWrongSymbolsShow) {
    struct Case {
        bool showFail;
        const char* symbol;
        int reports;
    } cases[] = {{true, "3", 1}, {true, "1", 0}, {false, "3", 0}};
    for (const Case& c : cases) {
        TSudokuRiddle grid;
        Build(grid.Riddle(), ss9Symbols);
        grid.Riddle().SetPaintOptions(c.showFail ? TPaintOptions{poShowFail} : TPaintOptions{});
        grid.SelectOnly(1, 1);
        int reports = 0;
        QObject::connect(&grid, &TSudokuRiddle::OnInputError,
                         [&](TObject*, TInputError Kind) { reports += Kind == ieWrongLetter; });
        Press(grid, Qt::Key_1, QString::fromLatin1(c.symbol));
        EXPECT_EQ(reports, c.reports) << c.showFail << " " << c.symbol;
    }
}

TEST(SudokuInput, ARangeIsSelectedOnlyWhileEditing) {
    for (auto [mode, range] :
         {std::pair{dmSolving, false}, std::pair{dmSolution, false}, std::pair{dmEditing, true}}) {
        TSudokuRiddle grid;
        grid.Riddle().SetDisplayMode(mode);
        grid.Riddle().SetSize(ss6Symbols);
        // A move that extends the selection spans the cells between only while editing.
        grid.MoveCurrent(1, 1, false);
        grid.MoveCurrent(3, 2, true);
        EXPECT_EQ(grid.Selection(),
                  range ? QRect(QPoint(1, 1), QPoint(3, 2)) : QRect(QPoint(3, 2), QPoint(3, 2)))
            << mode;
    }
}

TEST(SudokuPaint, WrongAndFilledInSymbols) {
    struct Case {
        const char* name;
        bool showFail;
        uint8_t entry;
        bool revealed;
        TColor text;
    } cases[] = {
        {"right symbol", true, '1', false, clNavy},
        {"wrong symbol marked", true, '3', false, clPurple},
        {"wrong symbol unmarked", false, '3', false, clNavy},
        {"filled in over nothing", true, 0, true, clBlue},
        {"filled in over a wrong symbol", true, '3', true, clBlue},
    };
    for (const Case& c : cases) {
        TSudokuRiddle grid;
        Build(grid.Riddle(), ss9Symbols);
        grid.Riddle().SetPaintOptions(c.showFail ? TPaintOptions{poShowFail} : TPaintOptions{});
        grid.Riddle().Cell(1, 1).SetEntry(c.entry);
        grid.Riddle().Cell(1, 1).SetRevealed(c.revealed);
        TColor text = 0, background = 0;
        grid.GetCellColors(1, 1, ptImage, text, background);
        EXPECT_EQ(text, c.text) << c.name;
    }
}

// The only possible symbol of a cell is drawn whole, off the cell's lines, in its own sub-cell:
// box width across and box height down.
TEST(SudokuPaint, PossibleSymbolsSitInTheirSubCells) {
    for (TSudokuSize size : {ss6Symbols, ss9Symbols, ss12Symbols})
        for (int cellSize : {20, 30, 60}) {
            TSudokuRiddle grid;
            TSudokuRiddleData& s = grid.Riddle();
            s.SetSize(size);
            s.SetPaintOptions(TPaintOptions{poShowHintGrids});
            const int n = s.Symbols();
            for (int k = 1; k <= n; ++k) {
                // The other cells of row 1 hold every symbol but k.
                for (int c = 2, v = 1; c <= n; ++c, ++v)
                    s.Cell(c, 1).SetEntry(SymbolOf(v == k ? ++v : v));
                ASSERT_EQ(s.PossibleCount(1, 1), 1);
                QImage image(cellSize + 4, cellSize + 4, QImage::Format_RGB32);
                image.fill(Qt::white);
                const QRect cell(2, 2, cellSize, cellSize);
                {
                    QPainter p(&image);
                    TSudokuPainter(s, grid.Fonts(), nullptr).PaintCell(p, 1, 1, ptImage, cell);
                }
                // Inside the cell's lines, which cover its outermost pixels.
                const QRect inner = cell.adjusted(1, 1, -1, -1);
                QRect ink;
                for (int y = inner.top(); y <= inner.bottom(); ++y)
                    for (int x = inner.left(); x <= inner.right(); ++x)
                        if (qGray(image.pixel(x, y)) < 224)
                            ink |= QRect(x, y, 1, 1);
                const std::string name = std::to_string(n) + " symbols, cell " + std::to_string(cellSize) +
                                         ", symbol " + std::to_string(k);
                ASSERT_FALSE(ink.isEmpty()) << name;
                EXPECT_TRUE(inner.adjusted(1, 1, -1, -1).contains(ink)) << name << " touches the lines";
                const double across = double(inner.width()) / s.BoxWidth(),
                             down = double(inner.height()) / s.BoxHeight();
                EXPECT_LT(ink.width(), across) << name;
                EXPECT_LT(ink.height(), down) << name;
                const QPointF centre = QRectF(ink).center() - QPointF(inner.topLeft());
                EXPECT_EQ(int(centre.x() / across), (k - 1) % s.BoxWidth()) << name;
                EXPECT_EQ(int(centre.y() / down), (k - 1) / s.BoxWidth()) << name;
            }
        }
}

} // namespace
