#include "SudokuRiddle.h"

#include <QPainter>

TSudokuRiddle::TSudokuRiddle(QWidget* parent) : TGridRiddleOf(parent) {
    NumberFont.setPixelSize(11);
    SyncGeometry();
}

void TSudokuRiddle::UpdateHeaderLines() {
    SetColWidth(0, 0);
    SetRowHeight(0, 0);
}

void TSudokuRiddle::GetCellColors(int col, int row, int target, TColor& text, TColor& background) const {
    const TSudokuGridCell& cell = Cell(col, row);
    const TRiddleColors& bg = BackgroundColors();
    const TRiddleColors& tx = TextColors();
    TRiddleColors::Entry entry = TRiddleColors::Keyword;
    background = bg.Get(TRiddleColors::Keyword);
    if (!cell.Highlighted() || target != 0) {
        background = bg.Get(TRiddleColors::Char);
        entry = cell.Revealed() ? TRiddleColors::Help : TRiddleColors::CurrentWord;
    }
    text = tx.Get(entry);
    if (DisplayMode() != 0 && cell.Solution() != cell.Entry()) {
        text = tx.Get(TRiddleColors::Help);
    } else if (col == Col() && row == Row() && target == 0) {
        if (DisplayMode() == 2) {
            background = bg.CharSelected();
            text = tx.CharSelected();
        } else if (cell.Highlighted()) {
            background = bg.CurrentWordKeyword();
            text = tx.CurrentWordKeyword();
        } else {
            background = bg.Get(TRiddleColors::CurrentWord);
            text = tx.Get(TRiddleColors::CurrentWord);
        }
    }
    if (PaintOptions().Contains(poShowFail) && cell.Solution() != cell.Entry() && !cell.Given())
        text = tx.Get(TRiddleColors::Fail);
}

void TSudokuRiddle::PaintCell(QPainter& painter, int col, int row, int target, int, const QRect& rect) {
    if (col == 0 || row == 0)
        return;
    TColor text = 0, background = 0;
    GetCellColors(col, row, target, text, background);
    painter.fillRect(rect, ToQColor(background));
    const int left = rect.left(), top = rect.top(), right = rect.left() + rect.width(),
              bottom = rect.top() + rect.height();
    const int width = target == 2 ? 3 + 3 : 3;
    auto line = [&](bool onBox, int x1, int y1, int x2, int y2) {
        painter.setPen(QPen(onBox ? QColor(Qt::black) : ToQColor(clGray), width));
        painter.drawLine(x1, y1, x2, y2);
    };
    line((row - 1) % BoxHeight() == 0, left - 1, top - 1, right, top - 1);
    line((col - 1) % BoxWidth() == 0, left - 1, top - 1, left - 1, bottom);
    line(row % BoxHeight() == 0, left - 1, bottom, right, bottom);
    line(col % BoxWidth() == 0, right, top - 1, right, bottom);
    const TSudokuGridCell& cell = Cell(col, row);
    const uint8_t symbol = DisplayMode() != 0 ? cell.Solution() : cell.ShownSymbol();
    if (symbol != 0) {
        painter.setFont(LetterFont(rect.height()));
        painter.setPen(ToQColor(text));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, QString(QChar(symbol)));
        return;
    }
    if (!PaintOptions().Contains(poShowHintGrids))
        return;
    painter.setFont(NumberFont);
    painter.setPen(Qt::black);
    const int w = rect.width() / BoxWidth(), h = rect.height() / BoxHeight();
    for (int k = 1; k <= Symbols(); ++k)
        if (IsPossible(k, col, row))
            painter.drawText(
                QRect(left + ((k - 1) % BoxWidth()) * w, top + ((k - 1) / BoxWidth()) * h, w - 1, h - 1),
                Qt::AlignCenter, QString(QChar(SymbolOf(k))));
}

void TSudokuRiddle::PaintTo(QPainter& painter, QRect& rect, int, int target, int& cellSize) {
    const int n = Symbols();
    if (cellSize == 0)
        cellSize = qMin(rect.width() / n, rect.height() / n);
    rect = QRect(rect.left(), rect.top(), cellSize * n, cellSize * n);
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            PaintCell(painter, c, r, target, 0,
                      QRect(rect.left() + (c - 1) * cellSize + 2, rect.top() + (r - 1) * cellSize + 2,
                            cellSize, cellSize));
}
