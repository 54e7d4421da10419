#include "LanguageFlags.h"

#include <QPainter>

namespace {
// The flag's field inside the 16 × 16 image.
constexpr QRect kField(0, 3, 16, 11);

void Stripes(QPainter& P, const std::initializer_list<QColor>& Colours, bool Vertical) {
    const int n = int(Colours.size());
    int i = 0;
    for (const QColor& c : Colours) {
        const QRect stripe = Vertical ? QRect(kField.left() + kField.width() * i / n, kField.top(),
                                              kField.width() / n + 1, kField.height())
                                      : QRect(kField.left(), kField.top() + kField.height() * i / n,
                                              kField.width(), kField.height() / n + 1);
        P.fillRect(stripe.intersected(kField), c);
        ++i;
    }
}
} // namespace

QPixmap LanguageFlag(int Language) {
    if (Language < 1 || Language > 5)
        return QPixmap();
    QPixmap flag(16, 16);
    flag.fill(Qt::transparent);
    QPainter p(&flag);
    switch (Language) {
    case 1: // German: black, red, gold
        Stripes(p, {QColor(0, 0, 0), QColor(0xDD, 0, 0), QColor(0xFF, 0xCE, 0)}, false);
        break;
    case 2: { // English: the union flag, drawn small
        p.fillRect(kField, QColor(0x01, 0x21, 0x69));
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(kField.topLeft(), kField.bottomRight());
        p.drawLine(kField.bottomLeft(), kField.topRight());
        p.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 1));
        p.drawLine(kField.topLeft(), kField.bottomRight());
        p.drawLine(kField.bottomLeft(), kField.topRight());
        const QPoint centre = kField.center();
        p.fillRect(QRect(kField.left(), centre.y() - 2, kField.width(), 5), Qt::white);
        p.fillRect(QRect(centre.x() - 2, kField.top(), 5, kField.height()), Qt::white);
        p.fillRect(QRect(kField.left(), centre.y() - 1, kField.width(), 3), QColor(0xC8, 0x10, 0x2E));
        p.fillRect(QRect(centre.x() - 1, kField.top(), 3, kField.height()), QColor(0xC8, 0x10, 0x2E));
        break;
    }
    case 3: // French: blue, white, red
        Stripes(p, {QColor(0, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39)}, true);
        break;
    case 4: // Spanish: red, a double yellow band, red
        Stripes(p,
                {QColor(0xAA, 0x15, 0x1B), QColor(0xF1, 0xBF, 0), QColor(0xF1, 0xBF, 0),
                 QColor(0xAA, 0x15, 0x1B)},
                false);
        break;
    case 5: // Latin: the flag of the state whose language it is, yellow and white
        Stripes(p, {QColor(0xFF, 0xE0, 0), Qt::white}, true);
        break;
    }
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kField.adjusted(0, 0, -1, -1));
    return flag;
}
