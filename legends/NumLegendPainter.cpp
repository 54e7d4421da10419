#include "NumLegendPainter.h"

#include "NumLegend.h"
#include "RiddleDrawTools.h"

namespace {
QFont CaptionFont(const QFont& Base) {
    QFont f = Base;
    f.setBold(true);
    f.setUnderline(true);
    return f;
}

// The caption takes the height of two lines of text.
int CaptionHeight(const QFont& Base) {
    return 2 * QFontMetrics(CaptionFont(Base)).height();
}
} // namespace

void TNumLegendPainter::PaintCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect,
                                  bool Selected) const {
    const int index = TNumLegend::EntryAt(ACol, ARow);
    if (index < 0)
        return;
    const TCharLegendData& entry = riddle_.LetterLegend(index);
    const TRiddleColors& bg = riddle_.BackgroundColors();
    const TRiddleColors& tx = riddle_.TextColors();
    const bool vacant = entry.Solution() == 0;
    const TDisplayMode mode = riddle_.DisplayMode();
    QString text;
    if (ACol % 2 == 0) {
        Painter.fillRect(Rect, ToQColor(clBtnFace));
        Painter.setFont(fonts_.NumberFont);
        Painter.setPen(Qt::black);
        // An entry that is not in use has no number (0) to show.
        if (entry.Number() > 0)
            text = QString::number(entry.Number());
    } else {
        const TColor back = vacant     ? clBtnFace
                            : Selected ? bg.Get(TRiddleColors::CurrentWord)
                                       : bg.Get(TRiddleColors::Char);
        Painter.fillRect(Rect, ToQColor(back));
        const uint8_t letter = mode == dmSolution ? entry.Solution() : entry.Entry();
        TColor colour = tx.Get(TRiddleColors::Char);
        if (riddle_.PaintOptions().Contains(poShowFail) && mode != dmSolution && entry.Entry() != 0 &&
            entry.Entry() != entry.Solution())
            colour = tx.Get(TRiddleColors::Fail);
        if (mode != dmSolving && !vacant && entry.Revealed())
            colour = tx.Get(TRiddleColors::Help);
        Painter.setFont(fonts_.LetterFont(Rect.height()));
        Painter.setPen(ToQColor(colour));
        if (letter != 0)
            text = QString(QChar(letter));
    }
    Painter.drawText(Rect, Qt::AlignCenter | Qt::TextSingleLine, text);
    Painter.save();
    Painter.setPen(QPen(Qt::black, 1));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(Rect.adjusted(-1, -1, 0, 0));
    Painter.restore();
    if (Selected && ACol % 2 == 1)
        DrawCursorFrame(Painter, Rect, 0, true);
}

void TNumLegendPainter::DrawNumberLegend(QPainter& Painter, QRect Rect, bool Upright, int CellSize) const {
    if (CellSize == 0)
        CellSize = (Upright ? Rect.width() : Rect.height()) / 4;
    // The cells set their own fonts and pens; whoever draws next gets the painter as it was.
    Painter.save();
    const int captionHeight = CaptionHeight(Painter.font());
    Painter.setFont(CaptionFont(Painter.font()));
    Painter.setBackgroundMode(Qt::TransparentMode);
    Painter.setPen(Qt::black);
    Painter.drawText(QPoint(Rect.left() + 1, Rect.top() + 1 + Painter.fontMetrics().ascent()),
                     QStringLiteral("Legende:"));
    Rect.setTop(Rect.top() + captionHeight);
    for (int i = 0; i < TNumLegend::kRows; ++i)
        for (int j = 0; j < TNumLegend::kCols; ++j) {
            const int x = Upright ? j : i, y = Upright ? i : j;
            PaintCell(
                Painter, j, i,
                QRect(Rect.left() + x * CellSize, Rect.top() + y * CellSize, CellSize - 1, CellSize - 1),
                false);
        }
    Painter.restore();
}

QSize TNumLegendPainter::MeasureNumberLegend(const QPainter& Painter, int CellSize, bool Upright) {
    const int pitch = CellSize + 1;
    QSize size = Upright ? QSize(TNumLegend::kCols * pitch, TNumLegend::kRows * pitch)
                         : QSize(TNumLegend::kRows * pitch, TNumLegend::kCols * pitch);
    size.rheight() += CaptionHeight(Painter.font());
    return size;
}
