#include "WordRiddle.h"

#include "RiddleDrawTools.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
constexpr TColor kPictureGray = 0x808080;

QColor PaletteColor(QPalette::ColorRole role) {
    return QGuiApplication::palette().color(role);
}

// Edges of a cell rectangle, right and bottom exclusive.
struct TEdges {
    int L, T, R, B;
    explicit TEdges(const QRect& r)
        : L(r.left()), T(r.top()), R(r.left() + r.width()), B(r.top() + r.height()) {}
    QRect Rect() const { return QRect(L, T, R - L, B - T); }
};
} // namespace

TWordRiddle::TWordRiddle(QWidget* parent) : TGridRiddleOf(parent) {
    SyncGeometry();
}

void TWordRiddle::UpdateHeaderLines() {
    const bool headers = RiddleType() == rtFrench || RiddleType() == rtAmerican;
    const int size = headers ? (GridSize() > 0 ? GridSize() : 30) : 0;
    SetColWidth(0, size);
    SetRowHeight(0, size);
}

bool TWordRiddle::WantsRangeSelect() const {
    return DisplayMode() == 2 || RiddleType() == rtFindWords;
}

void TWordRiddle::RiddleTypeChanged() {
    SetGridLineWidth(RiddleType() == rtPuzzle ? 0 : 1);
    UpdateHeaderLines();
    SetRangeSelect(WantsRangeSelect());
    if (PaintOptions().Contains(poAutoSize))
        AdjustClientSize();
}

void TWordRiddle::GridSizeChanged() {
    if (RiddleOptions().Contains(roHasImage))
        RebuildPictureBitmap();
}

bool TWordRiddle::IsBlackCell(int col, int row) const {
    const TWordGridCell& cell = Cell(col, row);
    const TRiddleType type = RiddleType();
    if (type == rtAmerican)
        return (cell.Has(cfUserBlack) && DisplayMode() == 0) || (cell.Has(cfBlack) && DisplayMode() != 0);
    return cell.Has(cfBlack) && type <= rtFrench;
}

bool TWordRiddle::IsInCurrentWord(int col, int row) const {
    return currentWord_.Length > 0 && currentWord_.Contains(col, row);
}

void TWordRiddle::GetCellColors(int col, int row, int target, int drawState, TColor& text,
                                TColor& background) const {
    const TRiddleColors& bg = BackgroundColors();
    const TRiddleColors& tx = TextColors();
    text = tx.Get(TRiddleColors::Char);
    if (col == 0 || row == 0) {
        background = bg.Get(TRiddleColors::Fixed);
        return;
    }
    const TWordGridCell& cell = Cell(col, row);
    const uint8_t mode = DisplayMode();
    if (RiddleType() == rtFindWords) {
        background = bg.Get(TRiddleColors::Gray);
        if (cell.Has(cfBlack) && mode == 2)
            return;
        const QRect sel = Selection();
        const bool dragging = (drawState & gdSelected) && (sel.width() > 1 || sel.height() > 1);
        if (!cell.Marked()) {
            if (dragging) {
                background = bg.CharSelected();
                text = tx.CharSelected();
            }
        } else if (dragging) {
            background = bg.MarkedSelected();
            text = tx.MarkedSelected();
        } else {
            background = bg.Get(TRiddleColors::Marked);
            const bool strayMark = PaintOptions().Contains(poShowFail) && !cell.Has(cfLetter);
            text = tx.Get(strayMark ? TRiddleColors::Fail : TRiddleColors::Marked);
        }
        if (mode != 0 && cell.Has(cfBlack))
            background = bg.Get(cell.Marked() ? TRiddleColors::BlackFail : TRiddleColors::Black);
        return;
    }
    background = bg.Get(TRiddleColors::Char);
    const bool inSelection = Selection().contains(col, row);
    const bool picture = RiddleOptions().Contains(roHasImage) && cell.Has(cfPicture);
    if (IsBlackCell(col, row)) {
        if (inSelection && !picture && mode == 2)
            background = bg.BlackSelected();
        else {
            background = bg.Get(TRiddleColors::Black);
            if (RiddleType() == rtAmerican && PaintOptions().Contains(poShowFail) && !cell.Has(cfBlack))
                background = bg.Get(TRiddleColors::BlackFail);
            if (RiddleType() == rtPuzzle)
                background = bg.Get(TRiddleColors::Gray);
        }
        if (picture)
            background = kPictureGray;
        return;
    }
    bool inWord = PaintOptions().Contains(poMarkCurrWord) && target == 0 && IsInCurrentWord(col, row);
    if (mode == 2 && inSelection)
        inWord = false;
    if (RiddleOptions().Contains(roHasKeyword) && cell.Has(cfKeyword)) {
        if (inWord) {
            background = bg.CurrentWordKeyword();
            text = tx.CurrentWordKeyword();
        } else if (inSelection && mode == 2) {
            background = bg.KeywordSelected();
            text = tx.KeywordSelected();
        } else {
            background = bg.Get(TRiddleColors::Keyword);
            text = tx.Get(TRiddleColors::Keyword);
        }
    } else if (inWord) {
        background = bg.Get(TRiddleColors::CurrentWord);
        text = tx.Get(TRiddleColors::CurrentWord);
    } else if (inSelection && mode == 2) {
        background = bg.CharSelected();
        text = tx.CharSelected();
    }
    if (PaintOptions().Contains(poShowFail) && cell.Solution() != cell.Entry())
        text = tx.Get(TRiddleColors::Fail);
    if (mode != 0 || (cell.Revealed() && cell.Solution() != cell.Entry()))
        text = tx.Get(TRiddleColors::Help);
}

void TWordRiddle::PaintCell(QPainter& painter, int col, int row, int target, int drawState,
                            const QRect& rect) {
    if (col == 0 || row == 0) {
        PaintHeaderCell(painter, col, row, rect);
        return;
    }
    TColor text = 0, background = 0;
    GetCellColors(col, row, target, drawState, text, background);
    if (IsBlackCell(col, row))
        PaintBlackCell(painter, col, row, target, background, rect);
    else
        PaintLetterCell(painter, col, row, target, text, background, rect);
}

void TWordRiddle::PaintHeaderCell(QPainter& painter, int col, int row, const QRect& rect) {
    QRect r = rect;
    if (row == 0)
        r.setWidth(r.width() + 1);
    if (col == 0)
        r.setHeight(r.height() + 1);
    painter.fillRect(r, ToQColor(BackgroundColors().Get(TRiddleColors::Fixed)));
    if ((RiddleType() != rtFrench && RiddleType() != rtAmerican) || (col == 0 && row == 0))
        return;
    painter.setFont(IndexFont);
    painter.setPen(ToQColor(TextColors().Get(TRiddleColors::Fixed)));
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, QString::number(col == 0 ? row : col));
}

void TWordRiddle::PaintBlackCell(QPainter& painter, int col, int row, int target, TColor background,
                                 QRect rect) {
    const bool picture = RiddleOptions().Contains(roHasImage) && Cell(col, row).Has(cfPicture);
    TEdges e(rect);
    auto blackAt = [this](int c, int r) {
        return c > RiddleCols() || r > RiddleRows() || Cell(c, r).Has(cfBlack);
    };
    if (!picture && (RiddleType() == rtPuzzle || RiddleType() == rtFindWords)) {
        painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
        if (!blackAt(col + 1, row)) {
            painter.drawLine(e.R - 1, e.T, e.R - 1, e.B);
            e.R -= 2;
        }
        if (!blackAt(col, row + 1)) {
            painter.drawLine(e.L, e.B - 1, e.R, e.B - 1);
            e.B -= 2;
        }
    }
    if (picture) {
        e.R += GridLineWidth();
        e.B += GridLineWidth();
    }
    painter.fillRect(e.Rect(), ToQColor(background));
    if (RiddleType() == rtAmerican && target == 0 && !picture && col == Col() && row == Row() && hasFocus() &&
        isEnabled() && DisplayMode() != 1)
        DrawCursorFrame(painter, e.Rect(), 0, true);
    if (!picture || pictureBitmap_.isNull())
        return;
    const int pitch = qMax(1, GridSize() + GridLineWidth());
    const QRect tile =
        QRect((col - pictureArea_.FirstCol) * pitch, (row - pictureArea_.FirstRow) * pitch, pitch, pitch)
            .intersected(pictureBitmap_.rect());
    if (!tile.isEmpty()) {
        const QRect dest(e.L, e.T, tile.width() * e.Rect().width() / pitch,
                         tile.height() * e.Rect().height() / pitch);
        painter.drawImage(dest, pictureBitmap_, tile);
    }
    const QColor highlight = PaletteColor(QPalette::Highlight);
    const QColor shadow = pictureSelected_ ? highlight : PaletteColor(QPalette::Dark);
    const QColor light = pictureSelected_ ? highlight : PaletteColor(QPalette::Light);
    if (col == pictureArea_.FirstCol)
        painter.fillRect(e.L, e.T, 2, e.B - e.T, shadow);
    if (row == pictureArea_.FirstRow)
        painter.fillRect(e.L, e.T, e.R - e.L, 2, shadow);
    if (col == pictureArea_.LastCol)
        painter.fillRect(e.R - 2, e.T, 2, e.B - e.T, light);
    if (row == pictureArea_.LastRow)
        painter.fillRect(e.L, e.B - 2, e.R - e.L, 2, light);
}

void TWordRiddle::PaintLetterCell(QPainter& painter, int col, int row, int target, TColor text,
                                  TColor background, QRect rect) {
    const TWordGridCell& cell = Cell(col, row);
    const TRiddleType type = RiddleType();
    TEdges e(rect);
    if (type == rtPuzzle || type == rtFindWords) {
        painter.setPen(QPen(Qt::black, type == rtPuzzle ? 2 : 1));
        painter.setBrush(ToQColor(background));
        painter.drawRect(QRect(e.L - 1, e.T - 1, e.R - e.L, e.B - e.T));
    } else {
        painter.fillRect(rect, ToQColor(background));
    }
    uint8_t letter = 0;
    if (type == rtFindWords) {
        e.R -= 1;
        e.B -= 1;
        letter = DisplayMode() != 2 && cell.Has(cfBlack) ? cell.Entry() : cell.Solution();
    } else {
        letter = DisplayMode() != 0 || cell.Revealed() ? cell.Solution() : cell.Entry();
    }
    if (letter != 0) {
        painter.setFont(LetterFont(rect.height()));
        painter.setPen(ToQColor(text));
        painter.drawText(e.Rect(), Qt::AlignCenter | Qt::TextSingleLine, QString(QChar(letter)));
    }
    if (type != rtFindWords && target == 0 && col == Col() && row == Row() && isEnabled() && hasFocus() &&
        DisplayMode() != 1)
        DrawCursorFrame(painter, e.Rect(), InputDirection(), true);
    PaintCellNumbers(painter, cell, e.Rect());
}

void TWordRiddle::PaintCellNumbers(QPainter& painter, const TWordGridCell& cell, const QRect& rect) {
    const TEdges e(rect);
    painter.setFont(NumberFont);
    painter.setPen(Qt::black);
    const QFontMetrics& metrics = NumberMetrics();
    auto drawAt = [&](int x, int y, const QString& number) {
        painter.drawText(QRect(x, y, rect.width() * 2, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                         number);
    };
    const TRiddleType type = RiddleType();
    if (RiddleOptions().Contains(roHasKeyword) && RiddleOptions().Contains(roEnumKeywordChars) &&
        cell.Has(cfKeyword) && cell.KeywordIndex() > 0)
        drawAt(e.L + 1, e.B - metrics.height(), QString::number(cell.KeywordIndex()));
    if (type == rtNumbers && !cell.Has(cfBlack))
        drawAt(e.L + 1, e.T, QString::number(cell.Number()));
    if (type == rtSwedish && cell.ClueNumber() > 0)
        drawAt(e.L + 1, e.T, QString::number(cell.ClueNumber()));
    if (type == rtPuzzle && PaintOptions().Contains(poShowLength) && cell.ClueNumber() > 0) {
        auto* self = const_cast<TWordRiddle*>(this);
        if (cell.ClueFlags() & kClueAcross)
            if (const TWordLegendData* clue = self->FindClue(cell.ClueNumber(), wdHorizontal))
                drawAt(e.L + 2, e.T, QString::number(clue->Word().size()));
        if (cell.ClueFlags() & kClueDown)
            if (const TWordLegendData* clue = self->FindClue(cell.ClueNumber(), wdVertical)) {
                const QString n = QString::number(clue->Word().size());
                drawAt(e.R - metrics.horizontalAdvance(n) - 3, e.T, n);
            }
    }
}

void TWordRiddle::PaintTo(QPainter& painter, QRect& rect, int lineWeight, int target, int& cellSize) {
    const int cols = RiddleCols(), rows = RiddleRows();
    if (cellSize == 0)
        cellSize = qMin(rect.width() / cols, rect.height() / rows);
    rect = QRect(rect.left(), rect.top(), cellSize * cols, cellSize * rows);
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            PaintCell(
                painter, c, r, target, 0,
                QRect(rect.left() + (c - 1) * cellSize, rect.top() + (r - 1) * cellSize, cellSize, cellSize));
    const bool framed = RiddleType() == rtPuzzle || RiddleType() == rtFindWords;
    const int width = framed ? (target == 2 ? 3 * lineWeight + 3 : 3) : (target == 2 ? lineWeight + 1 : 1);
    painter.setPen(QPen(ToQColor(clSilver), width));
    const int right = rect.left() + cellSize * cols, bottom = rect.top() + cellSize * rows;
    for (int k = 0; k <= cols; ++k)
        painter.drawLine(rect.left() + k * cellSize, rect.top(), rect.left() + k * cellSize, bottom);
    for (int k = 0; k <= rows; ++k)
        painter.drawLine(rect.left(), rect.top() + k * cellSize, right, rect.top() + k * cellSize);
}

TPictureArea TWordRiddle::ImageBounds() const {
    if (!RiddleOptions().Contains(roHasImage))
        return TPictureArea{0, 0, RiddleCols() + 1, RiddleRows() + 1};
    TPictureArea area;
    for (int c = 1; c <= RiddleCols(); ++c)
        for (int r = 1; r <= RiddleRows(); ++r)
            if (Cell(c, r).Has(cfPicture)) {
                if (area.FirstCol == 0)
                    area.FirstCol = c;
                if (area.FirstRow == 0)
                    area.FirstRow = r;
                area.LastCol = c;
                area.LastRow = r;
            }
    return area;
}

void TWordRiddle::RenderImage(QImage& bitmap, bool FitToArea) {
    if (Image().isNull() || Image().width() == 0 || Image().height() == 0)
        return;
    pictureArea_ = ImageBounds();
    const int pitch = GridSize() + GridLineWidth();
    if (FitToArea)
        bitmap =
            QImage(qMax(1, (pictureArea_.LastCol - pictureArea_.FirstCol + 1) * pitch),
                   qMax(1, (pictureArea_.LastRow - pictureArea_.FirstRow + 1) * pitch), QImage::Format_RGB32);
    const bool horizontal = ImageOptions().Contains(ioFitHorizontal);
    const bool vertical = ImageOptions().Contains(ioFitVertical);
    if (horizontal && vertical)
        ScaleImage(Image(), bitmap, 0, 3);
    else if (horizontal)
        ScaleImage(Image(), bitmap, bitmap.width(), 1);
    else if (vertical)
        ScaleImage(Image(), bitmap, bitmap.height(), 2);
    else
        ScaleImage(Image(), bitmap, 0, 0);
    if (ImageOptions().Contains(ioGrayScale))
        MakeGrayscale(bitmap);
    InvalidateGrid();
}
