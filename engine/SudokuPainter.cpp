#include "SudokuPainter.h"

namespace {
// The solver's notes: green, apart from the black possible symbols and the blue entries.
const QColor kNoteColor(0x00, 0x80, 0x40);
} // namespace

TSudokuPainter::TSudokuPainter(const TSudokuRiddleData& Riddle, const TCellFonts& Fonts,
                               const TScreenState* Screen, TSudokuHintLayout* Hints)
    : riddle_(Riddle), fonts_(Fonts), screen_(Screen), hints_(Hints ? Hints : &ownHints_) {}

bool TSudokuPainter::IsCurrent(int ACol, int ARow, TPaintTarget Target) const {
    return Target == ptScreen && screen_ && ACol == screen_->Col && ARow == screen_->Row;
}

void TSudokuPainter::GetCellColors(int ACol, int ARow, TPaintTarget Target, TColor& Text,
                                   TColor& Background) const {
    const TSudokuGridCell& cell = riddle_.Cell(ACol, ARow);
    const TRiddleColors& bg = riddle_.BackgroundColors();
    const TRiddleColors& tx = riddle_.TextColors();
    const TDisplayMode mode = riddle_.DisplayMode();
    TRiddleColors::Entry entry = TRiddleColors::Keyword;
    Background = bg.Get(TRiddleColors::Keyword);
    if (!cell.Highlighted() || Target != ptScreen) {
        Background = bg.Get(TRiddleColors::Char);
        entry = cell.Revealed() ? TRiddleColors::Help : TRiddleColors::CurrentWord;
    }
    Text = tx.Get(entry);
    if (mode != dmSolving && cell.Solution() != cell.Entry()) {
        Text = tx.Get(TRiddleColors::Help);
    } else if (IsCurrent(ACol, ARow, Target)) {
        if (mode == dmEditing) {
            Background = bg.CharSelected();
            Text = tx.CharSelected();
        } else if (cell.Highlighted()) {
            Background = bg.CurrentWordKeyword();
            Text = tx.CurrentWordKeyword();
        } else {
            Background = bg.Get(TRiddleColors::CurrentWord);
            Text = tx.Get(TRiddleColors::CurrentWord);
        }
    }
    // A symbol filled in by the help shows the solution, whatever was typed there before.
    if (riddle_.PaintOptions().Contains(poShowFail) && cell.Solution() != cell.ShownSymbol() && !cell.Given())
        Text = tx.Get(TRiddleColors::Fail);
}

void TSudokuPainter::PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, const QRect& Rect,
                               int LineWeight) const {
    if (ACol == 0 || ARow == 0)
        return;
    TColor text = 0, background = 0;
    GetCellColors(ACol, ARow, Target, text, background);
    Painter.fillRect(Rect, ToQColor(background));
    const int left = Rect.left(), top = Rect.top(), right = Rect.left() + Rect.width(),
              bottom = Rect.top() + Rect.height();
    const int width = Target == ptPrinter ? 3 * LineWeight + 3 : 3;
    const int boxWidth = riddle_.BoxWidth(), boxHeight = riddle_.BoxHeight();
    auto line = [&](bool OnBox, int X1, int Y1, int X2, int Y2) {
        Painter.setPen(QPen(OnBox ? QColor(Qt::black) : ToQColor(clGray), width));
        Painter.drawLine(X1, Y1, X2, Y2);
    };
    line((ARow - 1) % boxHeight == 0, left - 1, top - 1, right, top - 1);
    line((ACol - 1) % boxWidth == 0, left - 1, top - 1, left - 1, bottom);
    line(ARow % boxHeight == 0, left - 1, bottom, right, bottom);
    line(ACol % boxWidth == 0, right, top - 1, right, bottom);
    const TSudokuGridCell& cell = riddle_.Cell(ACol, ARow);
    const uint8_t symbol = riddle_.DisplayMode() != dmSolving ? cell.Solution() : cell.ShownSymbol();
    if (symbol != 0) {
        Painter.setFont(fonts_.LetterFont(Rect.height()));
        Painter.setPen(ToQColor(text));
        Painter.drawText(Rect, Qt::AlignCenter | Qt::TextSingleLine, QString(QChar(symbol)));
        return;
    }
    // The solver's own notes stand where the possible symbols would, in a colour of their own, and
    // take their place; they are the solver's, so paper never shows them.
    const bool notes = cell.Notes() != 0 && Target == ptScreen && riddle_.DisplayMode() == dmSolving;
    if (!notes && !riddle_.PaintOptions().Contains(poShowHintGrids))
        return;
    // A line is centred on the grid line before the cell, so half of it lies within the cell.
    hints_->Prepare(fonts_.NumberFont, Rect.size(), width / 2, boxWidth, boxHeight);
    Painter.setFont(hints_->Font());
    Painter.setPen(notes ? kNoteColor : QColor(Qt::black));
    for (int k = 1; k <= riddle_.Symbols(); ++k)
        if (notes ? (cell.Notes() & (1u << k)) != 0 : cell.IsCandidate(k))
            Painter.drawText(hints_->Position(k, Rect), QString(QChar(SymbolOf(k))));
}

void TSudokuPainter::PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target,
                             int& CellSize) const {
    const int n = riddle_.Symbols();
    if (CellSize == 0)
        CellSize = qMin(Rect.width() / n, Rect.height() / n);
    Rect = QRect(Rect.left(), Rect.top(), CellSize * n, CellSize * n);
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            PaintCell(Painter, c, r, Target,
                      QRect(Rect.left() + (c - 1) * CellSize + 2, Rect.top() + (r - 1) * CellSize + 2,
                            CellSize, CellSize),
                      LineWeight);
}
