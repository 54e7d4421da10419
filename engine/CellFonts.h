#pragma once

// The fonts a riddle grid paints with, shared by the screen and the printout.

#include "RiddleColors.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

// The font with a line height (ascent plus descent, the internal leading included) of
// LineHeight pixels: what a riddle means by "font height = cell height - 4". Taken as the em size
// instead, letters come out a ninth too large and crowd the clue number in the cell's corner.
QFont FontOfLineHeight(QFont Font, int LineHeight);

class TCellFonts {
public:
    TCellFonts();

    // Clue texts in the grid.
    QFont DescriptionFont;
    // Line numbers of the header lines, and their colour.
    QFont IndexFont;
    TColor IndexColor = clBtnText;
    // Clue numbers, number codes, lengths and sudoku candidates.
    QFont NumberFont;
    // The face of the letters.
    QString FontName = QStringLiteral("Arial");
    // What the letters leave of a cell's height: 4 pixels on screen, as much in proportion on paper.
    int LetterMargin = 4;

    // The bold letter font for cells of this height (line height = cell height - LetterMargin);
    // built once per height, margin and face.
    const QFont& LetterFont(int CellHeight) const;
    // The number font's metrics, measured once per font.
    const QFontMetrics& NumberMetrics() const;

private:
    mutable QFont letterFont_;
    mutable int letterFontHeight_ = -1;
    mutable int letterFontMargin_ = -1;
    mutable QString letterFontName_;
    mutable QFont measuredNumberFont_;
    mutable QFontMetrics numberMetrics_{QFont()};
};
