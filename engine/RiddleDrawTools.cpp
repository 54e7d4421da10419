#include "RiddleDrawTools.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <cmath>

namespace {
// Our own arrow glyphs; '#' is the arrow, '.' the magenta background.
constexpr const char* kArrowRight[9] = {"....#....", "....##...", "....###..", "#########", "#########",
                                        "#########", "....###..", "....##...", "....#...."};
constexpr const char* kArrowDown[9] = {"...###...", "...###...", "...###...", "...###...", "#########",
                                       ".#######.", "..#####..", "...###...", "....#...."};

QImage MakeGlyph(const char* const* Rows) {
    QImage image(9, 9, QImage::Format_ARGB32);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            image.setPixel(x, y, Rows[y][x] == '#' ? qRgb(0, 0, 0) : qRgba(255, 0, 255, 0));
    return image;
}
} // namespace

const QImage& ArrowGlyph(int Index) {
    static const std::array<QImage, 2> glyphs{MakeGlyph(kArrowRight), MakeGlyph(kArrowDown)};
    return glyphs[Index == 1 ? 1 : 0];
}

void DrawLine(QPainter& Painter, int X1, int Y1, int X2, int Y2) {
    Painter.drawLine(X1, Y1, X2, Y2);
}

void DrawCursorFrame(QPainter& Painter, const QRect& Rect, int Kind, bool Focused) {
    // Edges as right and bottom exclusive, the way the cell rectangles are measured.
    const int left = Rect.left(), top = Rect.top(), right = Rect.left() + Rect.width(),
              bottom = Rect.top() + Rect.height();
    Painter.save();
    Painter.setBrush(Qt::NoBrush);
    if (Focused) {
        Painter.setPen(QPen(QGuiApplication::palette().color(QPalette::Highlight), 2));
        const QPoint frame[] = {{left + 1, top + 1},
                                {right - 2, top + 1},
                                {right - 2, bottom - 2},
                                {left + 1, bottom - 2},
                                {left + 1, top}};
        Painter.drawPolyline(frame, 5);
    } else {
        Painter.setPen(QPen(Qt::black, 1));
        const QPoint bracket[] = {
            {left + 2, bottom - 7}, {left + 2, bottom - 4}, {right - 4, bottom - 4}, {right - 4, bottom - 7}};
        Painter.drawPolyline(bracket, 4);
    }
    if (Kind == 1)
        Painter.drawImage(right - 11, top + (bottom - top - 9) / 2, ArrowGlyph(0));
    else if (Kind == 2)
        Painter.drawImage(left + (right - left - 9) / 2, bottom - 11, ArrowGlyph(1));
    Painter.restore();
}

void ScaleImage(const QImage& Source, QImage& Dest, int Size, int Mode) {
    if (Source.isNull() || Source.width() == 0 || Source.height() == 0)
        return;
    if (Mode == 4)
        Mode = Source.width() > Source.height() ? 1 : 2;
    QSize target;
    switch (Mode) {
    case 1:
        target = QSize(Size, int(std::nearbyint(double(Size) * Source.height() / Source.width())));
        break;
    case 2:
        target = QSize(int(std::nearbyint(double(Size) * Source.width() / Source.height())), Size);
        break;
    case 3:
        target = Dest.size();
        break;
    default:
        Dest = Source.convertToFormat(QImage::Format_RGB32);
        return;
    }
    if (target.width() <= 0 || target.height() <= 0) {
        Dest = QImage();
        return;
    }
    Dest = Source.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
               .convertToFormat(QImage::Format_RGB32);
}

void MakeGrayscale(QImage& Image) {
    if (Image.isNull())
        return;
    Image = Image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < Image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(Image.scanLine(y));
        for (int x = 0; x < Image.width(); ++x) {
            const int g = (77 * qRed(line[x]) + 151 * qGreen(line[x]) + 28 * qBlue(line[x])) >> 8;
            line[x] = qRgb(g, g, g);
        }
    }
}
