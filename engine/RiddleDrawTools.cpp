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

QImage MakeGlyph(const char* const* rows) {
    QImage image(9, 9, QImage::Format_ARGB32);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            image.setPixel(x, y, rows[y][x] == '#' ? qRgb(0, 0, 0) : qRgba(255, 0, 255, 0));
    return image;
}
} // namespace

const QImage& ArrowGlyph(int index) {
    static const std::array<QImage, 2> glyphs{MakeGlyph(kArrowRight), MakeGlyph(kArrowDown)};
    return glyphs[index == 1 ? 1 : 0];
}

void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2) {
    painter.drawLine(x1, y1, x2, y2);
}

void DrawCursorFrame(QPainter& painter, const QRect& rect, int kind, bool focused) {
    // Edges as right and bottom exclusive, the way the cell rectangles are measured.
    const int left = rect.left(), top = rect.top(), right = rect.left() + rect.width(),
              bottom = rect.top() + rect.height();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (focused) {
        painter.setPen(QPen(QGuiApplication::palette().color(QPalette::Highlight), 2));
        const QPoint frame[] = {{left + 1, top + 1},
                                {right - 2, top + 1},
                                {right - 2, bottom - 2},
                                {left + 1, bottom - 2},
                                {left + 1, top}};
        painter.drawPolyline(frame, 5);
    } else {
        painter.setPen(QPen(Qt::black, 1));
        const QPoint bracket[] = {
            {left + 2, bottom - 7}, {left + 2, bottom - 4}, {right - 4, bottom - 4}, {right - 4, bottom - 7}};
        painter.drawPolyline(bracket, 4);
    }
    if (kind == 1)
        painter.drawImage(right - 11, top + (bottom - top - 9) / 2, ArrowGlyph(0));
    else if (kind == 2)
        painter.drawImage(left + (right - left - 9) / 2, bottom - 11, ArrowGlyph(1));
    painter.restore();
}

void ScaleImage(const QImage& source, QImage& dest, int size, int mode) {
    if (source.isNull() || source.width() == 0 || source.height() == 0)
        return;
    if (mode == 4)
        mode = source.width() > source.height() ? 1 : 2;
    QSize target;
    switch (mode) {
    case 1:
        target = QSize(size, int(std::nearbyint(double(size) * source.height() / source.width())));
        break;
    case 2:
        target = QSize(int(std::nearbyint(double(size) * source.width() / source.height())), size);
        break;
    case 3:
        target = dest.size();
        break;
    default:
        dest = source.convertToFormat(QImage::Format_RGB32);
        return;
    }
    if (target.width() <= 0 || target.height() <= 0) {
        dest = QImage();
        return;
    }
    dest = source.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
               .convertToFormat(QImage::Format_RGB32);
}

void MakeGrayscale(QImage& image) {
    if (image.isNull())
        return;
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int g = (77 * qRed(line[x]) + 151 * qGreen(line[x]) + 28 * qBlue(line[x])) >> 8;
            line[x] = qRgb(g, g, g);
        }
    }
}
