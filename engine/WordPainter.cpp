#include "WordPainter.h"

#include "DrawGrid.h"
#include "RiddleDrawTools.h"
#include "RiddlePicture.h"

#include <QGuiApplication>
#include <QPalette>
#include <cmath>

namespace {
constexpr TColor kPictureGray = 0x808080;

QColor PaletteColor(QPalette::ColorRole Role) {
    return QGuiApplication::palette().color(Role);
}

// Edges of a cell rectangle, right and bottom exclusive.
struct TEdges {
    int L, T, R, B;
    explicit TEdges(const QRect& Rect)
        : L(Rect.left()), T(Rect.top()), R(Rect.left() + Rect.width()), B(Rect.top() + Rect.height()) {}
    QRect Rect() const { return QRect(L, T, R - L, B - T); }
};

// The frame of a word-search or puzzle letter cell covers (Left - 1, Top - 1) to (Right, Bottom),
// right and bottom included: the lines around the cell rather than its own edge pixels.
QRect LetterFrameOuter(const QRect& Cell) {
    return Cell.adjusted(-1, -1, 1, 1);
}
} // namespace

TPictureArea ImageBounds(const TWordRiddleData& Riddle) {
    if (!Riddle.RiddleOptions().Contains(roHasImage))
        return TPictureArea{0, 0, Riddle.RiddleCols() + 1, Riddle.RiddleRows() + 1};
    TPictureArea area;
    for (int c = 1; c <= Riddle.RiddleCols(); ++c)
        for (int r = 1; r <= Riddle.RiddleRows(); ++r)
            if (Riddle.Cell(c, r).Has(cfPicture)) {
                if (area.FirstCol == 0)
                    area.FirstCol = c;
                if (area.FirstRow == 0)
                    area.FirstRow = r;
                area.LastCol = c;
                area.LastRow = r;
            }
    return area;
}

void RenderImage(const TWordRiddleData& Riddle, QImage& Bitmap, bool FitToArea, int Pitch) {
    const QImage& image = Riddle.Image();
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        return;
    if (FitToArea) {
        const TPictureArea area = ImageBounds(Riddle);
        Bitmap = QImage(qMax(1, (area.LastCol - area.FirstCol + 1) * Pitch),
                        qMax(1, (area.LastRow - area.FirstRow + 1) * Pitch), QImage::Format_RGB32);
    }
    const bool horizontal = Riddle.ImageOptions().Contains(ioFitHorizontal);
    const bool vertical = Riddle.ImageOptions().Contains(ioFitVertical);
    if (horizontal && vertical)
        ScaleImage(image, Bitmap, 0, 3);
    else if (horizontal)
        ScaleImage(image, Bitmap, Bitmap.width(), 1);
    else if (vertical)
        ScaleImage(image, Bitmap, Bitmap.height(), 2);
    else
        ScaleImage(image, Bitmap, 0, 0);
    if (Riddle.ImageOptions().Contains(ioGrayScale))
        MakeGrayscale(Bitmap);
}

TPictureBitmap RenderPictureBitmap(const TWordRiddleData& Riddle, int Pitch) {
    TPictureBitmap picture;
    picture.Area = ImageBounds(Riddle);
    // A picture over many large cells would need a huge bitmap (99 × 99 cells of 100 pixels:
    // 400 MB). Beyond the size the decoder accepts for a picture it is rendered at a smaller
    // pitch, and its tiles are stretched to the cells when painted.
    const qint64 cols = qMax(1, picture.Area.LastCol - picture.Area.FirstCol + 1);
    const qint64 rows = qMax(1, picture.Area.LastRow - picture.Area.FirstRow + 1);
    const qint64 fitting = qint64(std::sqrt(double(kMaxPicturePixels) / double(cols * rows)));
    picture.Pitch = int(qBound(qint64(1), qint64(Pitch), qMax(qint64(1), fitting)));
    RenderImage(Riddle, picture.Bitmap, true, picture.Pitch);
    return picture;
}

TWordPainter::TWordPainter(const TWordRiddleData& Riddle, const TCellFonts& Fonts,
                           const TPictureBitmap& Picture, int GridLineWidth, const TScreenState* Screen,
                           const TGridWordData* CurrentWord)
    : riddle_(Riddle), fonts_(Fonts), picture_(Picture), gridLineWidth_(GridLineWidth), screen_(Screen),
      currentWord_(CurrentWord) {}

bool IsBlackWordCell(const TWordRiddleData& Riddle, int ACol, int ARow) {
    const TWordGridCell& cell = Riddle.Cell(ACol, ARow);
    const TRiddleType type = Riddle.RiddleType();
    const TDisplayMode mode = Riddle.DisplayMode();
    if (type == rtAmerican)
        return (cell.Has(cfUserBlack) && mode == dmSolving) || (cell.Has(cfBlack) && mode != dmSolving);
    return cell.Has(cfBlack) && type <= rtFrench;
}

bool TWordPainter::IsBlackCell(int ACol, int ARow) const {
    return IsBlackWordCell(riddle_, ACol, ARow);
}

bool TWordPainter::IsInCurrentWord(int ACol, int ARow) const {
    return currentWord_ && currentWord_->Length > 0 && currentWord_->Contains(ACol, ARow);
}

bool TWordPainter::OnScreenCursor(int ACol, int ARow, TPaintTarget Target) const {
    return Target == ptScreen && screen_ && screen_->Focused && ACol == screen_->Col &&
           ARow == screen_->Row && riddle_.DisplayMode() != dmSolution;
}

void TWordPainter::GetCellColors(int ACol, int ARow, TPaintTarget Target, int DrawState, TColor& Text,
                                 TColor& Background) const {
    const TRiddleColors& bg = riddle_.BackgroundColors();
    const TRiddleColors& tx = riddle_.TextColors();
    Text = tx.Get(TRiddleColors::Char);
    if (ACol == 0 || ARow == 0) {
        Background = bg.Get(TRiddleColors::Fixed);
        return;
    }
    const TWordGridCell& cell = riddle_.Cell(ACol, ARow);
    const TDisplayMode mode = riddle_.DisplayMode();
    const QRect selection = screen_ ? screen_->Selection : QRect();
    if (riddle_.RiddleType() == rtFindWords) {
        Background = bg.Get(TRiddleColors::Gray);
        if (cell.Has(cfBlack) && mode == dmEditing)
            return;
        const bool dragging = (DrawState & gdSelected) && (selection.width() > 1 || selection.height() > 1);
        if (!cell.Marked()) {
            if (dragging) {
                Background = bg.CharSelected();
                Text = tx.CharSelected();
            }
        } else if (dragging) {
            Background = bg.MarkedSelected();
            Text = tx.MarkedSelected();
        } else {
            Background = bg.Get(TRiddleColors::Marked);
            const bool strayMark = riddle_.PaintOptions().Contains(poShowFail) && !cell.Has(cfLetter);
            Text = tx.Get(strayMark ? TRiddleColors::Fail : TRiddleColors::Marked);
        }
        if (mode != dmSolving && cell.Has(cfBlack))
            Background = bg.Get(cell.Marked() ? TRiddleColors::BlackFail : TRiddleColors::Black);
        return;
    }
    Background = bg.Get(TRiddleColors::Char);
    const bool inSelection = selection.contains(ACol, ARow);
    const bool picture = riddle_.RiddleOptions().Contains(roHasImage) && cell.Has(cfPicture);
    if (IsBlackCell(ACol, ARow)) {
        if (inSelection && !picture && mode == dmEditing)
            Background = bg.BlackSelected();
        else {
            Background = bg.Get(TRiddleColors::Black);
            if (riddle_.RiddleType() == rtAmerican && riddle_.PaintOptions().Contains(poShowFail) &&
                !cell.Has(cfBlack))
                Background = bg.Get(TRiddleColors::BlackFail);
            if (riddle_.RiddleType() == rtPuzzle)
                Background = bg.Get(TRiddleColors::Gray);
        }
        if (picture)
            Background = kPictureGray;
        return;
    }
    bool inWord =
        riddle_.PaintOptions().Contains(poMarkCurrWord) && Target == ptScreen && IsInCurrentWord(ACol, ARow);
    if (mode == dmEditing && inSelection)
        inWord = false;
    if (riddle_.RiddleOptions().Contains(roHasKeyword) && cell.Has(cfKeyword)) {
        if (inWord) {
            Background = bg.CurrentWordKeyword();
            Text = tx.CurrentWordKeyword();
        } else if (inSelection && mode == dmEditing) {
            Background = bg.KeywordSelected();
            Text = tx.KeywordSelected();
        } else {
            Background = bg.Get(TRiddleColors::Keyword);
            Text = tx.Get(TRiddleColors::Keyword);
        }
    } else if (inWord) {
        Background = bg.Get(TRiddleColors::CurrentWord);
        Text = tx.Get(TRiddleColors::CurrentWord);
    } else if (inSelection && mode == dmEditing) {
        Background = bg.CharSelected();
        Text = tx.CharSelected();
    }
    if (riddle_.PaintOptions().Contains(poShowFail) && cell.Solution() != cell.Entry())
        Text = tx.Get(TRiddleColors::Fail);
    if (mode != dmSolving || (cell.Revealed() && cell.Solution() != cell.Entry()))
        Text = tx.Get(TRiddleColors::Help);
}

void TWordPainter::PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, int DrawState,
                             const QRect& Rect) const {
    if (ACol == 0 || ARow == 0) {
        PaintHeaderCell(Painter, ACol, ARow, Rect);
        return;
    }
    TColor text = 0, background = 0;
    GetCellColors(ACol, ARow, Target, DrawState, text, background);
    if (IsBlackCell(ACol, ARow))
        PaintBlackCell(Painter, ACol, ARow, Target, background, Rect);
    else
        PaintLetterCell(Painter, ACol, ARow, Target, text, background, Rect);
}

void TWordPainter::PaintHeaderCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect) const {
    QRect r = Rect;
    if (ARow == 0)
        r.setWidth(r.width() + 1);
    if (ACol == 0)
        r.setHeight(r.height() + 1);
    Painter.fillRect(r, ToQColor(riddle_.BackgroundColors().Get(TRiddleColors::Fixed)));
    const TRiddleType type = riddle_.RiddleType();
    if ((type != rtFrench && type != rtAmerican) || (ACol == 0 && ARow == 0))
        return;
    Painter.setFont(fonts_.IndexFont);
    Painter.setPen(ToQColor(fonts_.IndexColor));
    Painter.drawText(Rect, Qt::AlignCenter | Qt::TextSingleLine, QString::number(ACol == 0 ? ARow : ACol));
}

void TWordPainter::PaintBlackCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target,
                                  TColor Background, QRect Rect) const {
    const bool picture =
        riddle_.RiddleOptions().Contains(roHasImage) && riddle_.Cell(ACol, ARow).Has(cfPicture);
    TEdges e(Rect);
    auto blackAt = [this](int C, int R) {
        return C > riddle_.RiddleCols() || R > riddle_.RiddleRows() || riddle_.Cell(C, R).Has(cfBlack);
    };
    const TRiddleType type = riddle_.RiddleType();
    if (picture) {
        e.R += gridLineWidth_;
        e.B += gridLineWidth_;
    }
    Painter.fillRect(e.Rect(), ToQColor(Background));
    if (!picture && (type == rtPuzzle || type == rtFindWords)) {
        // The frames of the neighbouring letter cells reach one pixel into this cell. Painted here
        // as well, they stay whole whichever of the cells is painted last.
        for (int dc = -1; dc <= 1; ++dc)
            for (int dr = -1; dr <= 1; ++dr) {
                const int c = ACol + dc, r = ARow + dr;
                if ((dc == 0 && dr == 0) || c < 1 || r < 1 || blackAt(c, r))
                    continue;
                const QRect neighbour = Rect.translated(dc * (Rect.width() + gridLineWidth_),
                                                        dr * (Rect.height() + gridLineWidth_));
                Painter.fillRect(LetterFrameOuter(neighbour).intersected(Rect), Qt::black);
            }
    }
    if (type == rtAmerican && !picture && OnScreenCursor(ACol, ARow, Target))
        DrawCursorFrame(Painter, e.Rect(), 0, true);
    if (!picture || picture_.Bitmap.isNull())
        return;
    const TPictureArea& area = picture_.Area;
    const int pitch = picture_.Pitch;
    const QRect tile = QRect((ACol - area.FirstCol) * pitch, (ARow - area.FirstRow) * pitch, pitch, pitch)
                           .intersected(picture_.Bitmap.rect());
    if (!tile.isEmpty()) {
        const QRect dest(e.L, e.T, tile.width() * e.Rect().width() / pitch,
                         tile.height() * e.Rect().height() / pitch);
        Painter.drawImage(dest, picture_.Bitmap, tile);
    }
    const QColor highlight = PaletteColor(QPalette::Highlight);
    const QColor shadow = picture_.Selected ? highlight : PaletteColor(QPalette::Dark);
    const QColor light = picture_.Selected ? highlight : PaletteColor(QPalette::Light);
    if (ACol == area.FirstCol)
        Painter.fillRect(e.L, e.T, 2, e.B - e.T, shadow);
    if (ARow == area.FirstRow)
        Painter.fillRect(e.L, e.T, e.R - e.L, 2, shadow);
    if (ACol == area.LastCol)
        Painter.fillRect(e.R - 2, e.T, 2, e.B - e.T, light);
    if (ARow == area.LastRow)
        Painter.fillRect(e.L, e.B - 2, e.R - e.L, 2, light);
}

void TWordPainter::PaintLetterCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, TColor Text,
                                   TColor Background, QRect Rect) const {
    const TWordGridCell& cell = riddle_.Cell(ACol, ARow);
    const TRiddleType type = riddle_.RiddleType();
    const TDisplayMode mode = riddle_.DisplayMode();
    TEdges e(Rect);
    if (type == rtPuzzle || type == rtFindWords) {
        // The frame runs over the grid lines (or cell edges) around the cell, so neighbours share it.
        const QRect outer = LetterFrameOuter(Rect);
        const int frame = type == rtPuzzle ? 2 : 1;
        Painter.fillRect(outer, Qt::black);
        Painter.fillRect(outer.adjusted(frame, frame, -frame, -frame), ToQColor(Background));
    } else {
        Painter.fillRect(Rect, ToQColor(Background));
    }
    uint8_t letter = 0;
    if (type == rtFindWords) {
        e.R -= 1;
        e.B -= 1;
        letter = mode != dmEditing && cell.Has(cfBlack) ? cell.Entry() : cell.Solution();
    } else {
        letter = mode != dmSolving || cell.Revealed() ? cell.Solution() : cell.Entry();
    }
    if (letter != 0) {
        Painter.setFont(fonts_.LetterFont(Rect.height()));
        Painter.setPen(ToQColor(Text));
        Painter.drawText(e.Rect(), Qt::AlignCenter | Qt::TextSingleLine, QString(QChar(letter)));
    }
    if (type != rtFindWords && OnScreenCursor(ACol, ARow, Target))
        DrawCursorFrame(Painter, e.Rect(), screen_->InputDirection, true);
    PaintCellNumbers(Painter, cell, e.Rect());
}

void TWordPainter::PaintCellNumbers(QPainter& Painter, const TWordGridCell& Cell, const QRect& Rect) const {
    const TEdges e(Rect);
    Painter.setFont(fonts_.NumberFont);
    Painter.setPen(Qt::black);
    const QFontMetrics& metrics = fonts_.NumberMetrics();
    auto drawAt = [&](int X, int Y, const QString& Number) {
        Painter.drawText(QRect(X, Y, Rect.width() * 2, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                         Number);
    };
    const TRiddleType type = riddle_.RiddleType();
    const TRiddleOptions options = riddle_.RiddleOptions();
    if (options.Contains(roHasKeyword) && options.Contains(roEnumKeywordChars) && Cell.Has(cfKeyword) &&
        Cell.KeywordIndex() > 0)
        drawAt(e.L + 1, e.B - metrics.height(), QString::number(Cell.KeywordIndex()));
    if (type == rtNumbers && !Cell.Has(cfBlack))
        drawAt(e.L + 1, e.T, QString::number(Cell.Number()));
    if (type == rtSwedish && Cell.ClueNumber() > 0)
        drawAt(e.L + 1, e.T, QString::number(Cell.ClueNumber()));
    if (type == rtPuzzle && riddle_.PaintOptions().Contains(poShowLength) && Cell.ClueNumber() > 0) {
        if (Cell.ClueFlags() & kClueAcross)
            if (const int i = riddle_.FindClueIndex(Cell.ClueNumber(), wdHorizontal); i >= 0)
                drawAt(e.L + 2, e.T, QString::number(riddle_.Clue(i).Word().size()));
        if (Cell.ClueFlags() & kClueDown)
            if (const int i = riddle_.FindClueIndex(Cell.ClueNumber(), wdVertical); i >= 0) {
                const QString n = QString::number(riddle_.Clue(i).Word().size());
                drawAt(e.R - metrics.horizontalAdvance(n) - 3, e.T, n);
            }
    }
}

void TWordPainter::PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target,
                           int& CellSize) const {
    const int cols = riddle_.RiddleCols(), rows = riddle_.RiddleRows();
    if (CellSize == 0)
        CellSize = qMin(Rect.width() / cols, Rect.height() / rows);
    Rect = QRect(Rect.left(), Rect.top(), CellSize * cols, CellSize * rows);
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            PaintCell(
                Painter, c, r, Target, 0,
                QRect(Rect.left() + (c - 1) * CellSize, Rect.top() + (r - 1) * CellSize, CellSize, CellSize));
    const TRiddleType type = riddle_.RiddleType();
    const bool framed = type == rtPuzzle || type == rtFindWords;
    const bool printer = Target == ptPrinter;
    const int width = framed ? (printer ? 3 * LineWeight + 3 : 3) : (printer ? LineWeight + 1 : 1);
    Painter.setPen(QPen(ToQColor(clSilver), width));
    const int right = Rect.left() + CellSize * cols, bottom = Rect.top() + CellSize * rows;
    for (int k = 0; k <= cols; ++k)
        Painter.drawLine(Rect.left() + k * CellSize, Rect.top(), Rect.left() + k * CellSize, bottom);
    for (int k = 0; k <= rows; ++k)
        Painter.drawLine(Rect.left(), Rect.top() + k * CellSize, right, Rect.top() + k * CellSize);
}
