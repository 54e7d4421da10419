#include "SudokuHintLayout.h"

#include "SudokuRiddleData.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace {
// Where the ink of Text lies from its baseline origin, found by drawing it: the font's own
// bounding boxes include the side bearings, which would shrink the font more than it needs.
QRect InkOf(const QFont& Font, const QString& Text) {
    const QFontMetrics metrics(Font);
    const int margin = metrics.height();
    const QPoint origin(margin, 2 * margin);
    QImage image(metrics.horizontalAdvance(Text) + 2 * margin, 3 * margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setFont(Font);
        p.setPen(Qt::black);
        p.drawText(origin, Text);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            // Every visibly inked pixel counts, the soft edge of antialiasing included.
            if (qGray(line[x]) < 224)
                ink |= QRect(x, y, 1, 1);
    }
    return ink.translated(-origin);
}

// Count symbols of this extent fit into Room with a free pixel before, between and after them.
bool Fits(int Extent, int Count, int Room) {
    return Count * Extent + Count + 1 <= Room;
}

// The start of the ink of the Index-th of Count symbols spread evenly over Room.
int Start(int Index, int Count, int Room, int Extent) {
    return int(std::lround((Index + 0.5) * Room / Count - Extent / 2.0));
}
} // namespace

void TSudokuHintLayout::Prepare(const QFont& NumberFont, const QSize& Cell, int Line, int BoxWidth,
                                int BoxHeight) {
    if (NumberFont == base_ && Cell == cell_ && Line == line_ && BoxWidth == boxWidth_ &&
        BoxHeight == boxHeight_)
        return;
    base_ = NumberFont;
    cell_ = Cell;
    line_ = Line;
    boxWidth_ = BoxWidth;
    boxHeight_ = BoxHeight;
    const int symbols = qMin(BoxWidth * BoxHeight, int(ink_.size()) - 1);
    const QSize room = Cell - QSize(2 * Line, 2 * Line);
    font_ = NumberFont;
    int pixels = NumberFont.pixelSize() > 0 ? NumberFont.pixelSize() : QFontInfo(NumberFont).pixelSize();
    for (;; --pixels) {
        font_.setPixelSize(qMax(1, pixels));
        QSize largest;
        for (int k = 1; k <= symbols; ++k) {
            ink_[size_t(k)] = InkOf(font_, QString(QChar(SymbolOf(k))));
            largest = largest.expandedTo(ink_[size_t(k)].size());
        }
        if (pixels <= 1 || (Fits(largest.width(), BoxWidth, room.width()) &&
                            Fits(largest.height(), BoxHeight, room.height())))
            break;
    }
}

QPoint TSudokuHintLayout::Position(int K, const QRect& Cell) const {
    if (K < 1 || K >= int(ink_.size()) || boxWidth_ < 1 || boxHeight_ < 1)
        return Cell.topLeft();
    const QRect& ink = ink_[size_t(K)];
    const QSize room = cell_ - QSize(2 * line_, 2 * line_);
    const int x = Start((K - 1) % boxWidth_, boxWidth_, room.width(), ink.width());
    const int y = Start((K - 1) / boxWidth_, boxHeight_, room.height(), ink.height());
    return Cell.topLeft() + QPoint(line_, line_) + QPoint(x, y) - ink.topLeft();
}
