#include "LayoutPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// A page of A4 in miniature, and how far the second page of two stands off the first.
constexpr QSize kPortraitPage(34, 48);
constexpr int kSecondPageOffset = 14;
constexpr int kPadding = 2;
} // namespace

TLayoutPicture::TLayoutPicture(TKind Kind, bool Landscape, const QString& Hint, QWidget* Parent)
    : QWidget(Parent), kind_(Kind), landscape_(Landscape) {
    setToolTip(Hint);
    setAccessibleName(Hint);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize TLayoutPicture::sizeHint() const {
    const QSize page = landscape_ ? kPortraitPage.transposed() : kPortraitPage;
    const int extra = kind_ == lkTwoPages ? kSecondPageOffset : 0;
    return QSize(page.width() + extra + 2 * kPadding, page.height() + extra / 2 + 2 * kPadding);
}

void TLayoutPicture::PaintPage(QPainter& Painter, const QPoint& Origin, bool Riddle, bool Legend) const {
    const QSize page = landscape_ ? kPortraitPage.transposed() : kPortraitPage;
    const QRect sheet(Origin, page);
    Painter.setPen(palette().color(QPalette::Dark));
    Painter.setBrush(Qt::white);
    Painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    const QRect inner = sheet.adjusted(4, 4, -4, -4);
    // The title.
    Painter.fillRect(QRect(inner.topLeft(), QSize(inner.width() / 2, 2)), Qt::black);
    QRect grid(inner.left(), inner.top() + 5, 0, 0);
    QRect legend = inner.adjusted(0, 5, 0, 0);
    if (Riddle) {
        const int side = kind_ == lkLegendRight    ? qMin(inner.width() * 3 / 5, inner.height() - 5)
                         : kind_ == lkLegendBottom ? qMin(inner.width(), (inner.height() - 5) * 3 / 5)
                                                   : qMin(inner.width(), inner.height() - 5);
        grid.setSize(QSize(side, side));
        Painter.setPen(QColor(0x80, 0x80, 0x80));
        Painter.setBrush(Qt::white);
        Painter.drawRect(grid.adjusted(0, 0, -1, -1));
        for (int k = 4; k < side; k += 4) {
            Painter.drawLine(grid.left() + k, grid.top(), grid.left() + k, grid.bottom());
            Painter.drawLine(grid.left(), grid.top() + k, grid.right(), grid.top() + k);
        }
        if (kind_ == lkLegendRight)
            legend.setLeft(grid.right() + 3);
        else
            legend.setTop(grid.bottom() + 3);
    }
    if (!Legend)
        return;
    for (int y = legend.top(); y + 1 <= legend.bottom(); y += 3)
        Painter.fillRect(QRect(legend.left(), y, legend.width() * ((y / 3) % 3 == 2 ? 2 : 3) / 3, 1),
                         QColor(0x40, 0x40, 0x40));
}

void TLayoutPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPoint origin(kPadding, kPadding);
    if (kind_ == lkTwoPages) {
        PaintPage(painter, origin + QPoint(kSecondPageOffset, kSecondPageOffset / 2), false, true);
        PaintPage(painter, origin, true, false);
    } else {
        PaintPage(painter, origin, true, true);
    }
    if (!isEnabled())
        painter.fillRect(rect(), QColor(255, 255, 255, 128));
}

void TLayoutPicture::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton)
        emit Clicked();
}
