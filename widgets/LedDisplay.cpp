#include "LedDisplay.h"

#include <QAccessible>
#include <QPainter>
#include <QPolygonF>
#include <array>
#include <cmath>

namespace {
// Segments a (top), b (top right), c (bottom right), d (bottom), e (bottom left), f (top left),
// g (middle), as bits 0 … 6 for the digits 0 … 9.
constexpr std::array<uint8_t, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                    0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// A bar of thickness T along the line from (X1, Y1) to (X2, Y2), horizontal or vertical.
QPolygonF Bar(double X1, double Y1, double X2, double Y2, double T, bool Bevelled) {
    const double h = T / 2;
    const bool horizontal = Y1 == Y2;
    if (!Bevelled) {
        return horizontal ? QPolygonF(QRectF(X1, Y1 - h, X2 - X1, T))
                          : QPolygonF(QRectF(X1 - h, Y1, T, Y2 - Y1));
    }
    if (horizontal)
        return QPolygonF({QPointF(X1, Y1), QPointF(X1 + h, Y1 - h), QPointF(X2 - h, Y1 - h), QPointF(X2, Y1),
                          QPointF(X2 - h, Y1 + h), QPointF(X1 + h, Y1 + h)});
    return QPolygonF({QPointF(X1, Y1), QPointF(X1 + h, Y1 + h), QPointF(X1 + h, Y2 - h), QPointF(X1, Y2),
                      QPointF(X1 - h, Y2 - h), QPointF(X1 - h, Y1 + h)});
}

QColor Blend(const QColor& From, const QColor& To, double Share) {
    return QColor(int(From.red() + (To.red() - From.red()) * Share),
                  int(From.green() + (To.green() - From.green()) * Share),
                  int(From.blue() + (To.blue() - From.blue()) * Share));
}
} // namespace

TLEDDisplay::TLEDDisplay(QWidget* Parent) : QFrame(Parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAccessibleDescription(Text());
}

void TLEDDisplay::SetValue(double Value) {
    if (Value == value_)
        return;
    value_ = Value;
    Changed();
}

QString TLEDDisplay::Positions() const {
    const int fraction = qBound(0, fractionDigits_, 9);
    const double scale = std::pow(10.0, fraction);
    // Rounded once, so that 1.15 shows 1:15 and not 1:14.
    const long long scaled = std::llround(std::fabs(value_) * scale);
    const long long unit = (long long)scale;
    QString whole = QString::number(scaled / unit);
    const int wholeDigits = qMax(digits_ - fraction, int(whole.size()));
    QString shown = whole.rightJustified(wholeDigits, QLatin1Char(' '));
    if (fraction > 0)
        shown += separator_ + QString::number(scaled % unit).rightJustified(fraction, QLatin1Char('0'));
    return shown;
}

QString TLEDDisplay::Text() const {
    return Positions().trimmed();
}

void TLEDDisplay::Changed() {
    const QString text = Text();
    if (text != accessibleDescription()) {
        setAccessibleDescription(text);
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    update();
}

void TLEDDisplay::SetDigits(int Count, int FractionDigits) {
    digits_ = qMax(1, Count);
    fractionDigits_ = qBound(0, FractionDigits, digits_ - 1);
    Changed();
}

void TLEDDisplay::SetSeparator(QChar Separator) {
    separator_ = Separator;
    Changed();
}

void TLEDDisplay::SetBackgroundColor(const QColor& Color) {
    background_ = Color;
    update();
}

void TLEDDisplay::SetSegmentColor(const QColor& Color) {
    segment_ = Color;
    update();
}

void TLEDDisplay::SetUnlitContrast(int Contrast) {
    unlitContrast_ = qBound(0, Contrast, 10);
    update();
}

void TLEDDisplay::SetSegmentWidth(int Width) {
    segmentWidth_ = qMax(1, Width);
    update();
}

void TLEDDisplay::SetBevelled(bool On) {
    bevelled_ = On;
    update();
}

void TLEDDisplay::paintEvent(QPaintEvent* Event) {
    QFrame::paintEvent(Event);
    QPainter p(this);
    const QRect area = contentsRect();
    p.fillRect(area, background_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QString positions = Positions();
    int digits = 0;
    for (QChar c : positions)
        digits += c == separator_ ? 0 : 1;
    const bool withSeparator = digits < positions.size();
    const double margin = 4;
    const double gap = 4;
    // A separator takes half a digit's room.
    const double units = digits + (withSeparator ? 0.5 : 0.0);
    const double cell = (area.width() - 2 * margin) / units;
    const double width = cell - gap;
    const double top = area.top() + margin;
    const double height = area.height() - 2 * margin;
    const double t = qMin<double>(segmentWidth_, width / 3);
    const QColor unlit = Blend(background_, segment_, (10 - unlitContrast_) / 20.0);
    double x = area.left() + margin + gap / 2;
    for (QChar c : positions) {
        if (c == separator_) {
            const double cx = x + cell / 4 - gap / 2;
            p.setBrush(segment_);
            for (double y : {top + height / 3, top + 2 * height / 3})
                p.drawRect(QRectF(cx - t / 2, y - t / 2, t, t));
            x += cell / 2;
            continue;
        }
        const uint8_t lit = c.isDigit() ? kDigitSegments[size_t(c.digitValue())] : 0;
        const double l = x + t / 2, r = x + width - t / 2;
        const double yt = top + t / 2, ym = top + height / 2, yb = top + height - t / 2;
        const double s = 1; // the small gap between neighbouring segments
        const std::array<QPolygonF, 7> segments = {
            Bar(l + s, yt, r - s, yt, t, bevelled_), Bar(r, yt + s, r, ym - s, t, bevelled_),
            Bar(r, ym + s, r, yb - s, t, bevelled_), Bar(l + s, yb, r - s, yb, t, bevelled_),
            Bar(l, ym + s, l, yb - s, t, bevelled_), Bar(l, yt + s, l, ym - s, t, bevelled_),
            Bar(l + s, ym, r - s, ym, t, bevelled_)};
        for (size_t i = 0; i < segments.size(); ++i) {
            p.setBrush((lit >> i) & 1 ? segment_ : unlit);
            p.drawPolygon(segments[i]);
        }
        x += cell;
    }
}
