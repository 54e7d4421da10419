#include "LegendRenderer.h"

namespace {
// Added to the widest text of every column: the text's inset on both sides and a little air.
constexpr int kColumnExtra = 24;
constexpr int kTextInset = 10;
// Between the solved mark and the text, and between the two lists.
constexpr int kBoxGap = 4;
constexpr int kListGap = 20;

QFont HeadingFont(const QFont& Base) {
    QFont f = Base;
    f.setBold(true);
    f.setUnderline(true);
    return f;
}

// A box with a tick, drawn rather than taken from the widget style: it has to look the same on
// paper at any size. It keeps a small inset so that the boxes of adjacent rows stay apart.
void DrawCheckBox(QPainter& Painter, const QRect& Row, bool Ticked) {
    const int inset = Row.width() / 8;
    const QRect Box = Row.adjusted(inset, inset, -inset, -inset);
    const qreal side = Box.width();
    Painter.setBrush(Qt::white);
    Painter.setPen(QPen(Qt::black, qMax<qreal>(1.0, side / 12.0)));
    Painter.drawRect(Box);
    if (!Ticked)
        return;
    Painter.setPen(QPen(Qt::black, qMax<qreal>(1.0, side / 8.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tick[] = {QPointF(Box.left() + 0.22 * side, Box.top() + 0.52 * side),
                            QPointF(Box.left() + 0.42 * side, Box.top() + 0.74 * side),
                            QPointF(Box.left() + 0.80 * side, Box.top() + 0.26 * side)};
    Painter.drawPolyline(tick, 3);
}
} // namespace

TLegendMetrics TLegendMetrics::Of(const QFontMetrics& Metrics) {
    return TLegendMetrics{[Metrics](const QString& Text) { return Metrics.horizontalAdvance(Text); },
                          Metrics.height()};
}

TLegendRenderer::TLegendRenderer(TLegendLists Lists, const TLegendColumns& Columns, TColor Black)
    : lists_(std::move(Lists)), columns_(Columns), black_(Black) {
    if (!lists_.TwoLists)
        lists_.Across.clear();
}

std::array<int, kLegendColumnCount + 1> TLegendRenderer::ColumnPositions(const TLegendMetrics& Metrics,
                                                                         bool Upper) const {
    std::array<int, kLegendColumnCount + 1> x{};
    for (int k = 0; k < kLegendColumnCount; ++k) {
        int width = 0;
        if (columns_.Shown[size_t(k)]) {
            for (const TLegendRow& row : Rows(Upper))
                width = qMax(width, Metrics.TextWidth(LegendCellText(row.Data, k)));
            width += kColumnExtra;
            if (k == columns_.FirstShown)
                width += Metrics.TextHeight + kBoxGap;
        }
        x[size_t(k) + 1] = x[size_t(k)] + width;
    }
    return x;
}

QSize TLegendRenderer::MeasureLegend(const TLegendMetrics& Metrics, bool Stacked) const {
    const int lh = LineHeight(Metrics);
    const int wL = ColumnPositions(Metrics, false).back();
    const int hL = lh * (int(lists_.Down.size()) + 2);
    if (!lists_.TwoLists)
        return QSize(wL, hL);
    const int wU = ColumnPositions(Metrics, true).back();
    const int hU = lh * (int(lists_.Across.size()) + 2);
    if (Stacked)
        return QSize(qMax(wL, wU), hL + hU + kListGap);
    return QSize(wL + wU + kListGap, qMax(hL, hU));
}

std::vector<TLegendPlacement> TLegendRenderer::DrawPlacements(const TLegendMetrics& Metrics,
                                                              const QRect& Rect, bool Stacked) const {
    const int lh = LineHeight(Metrics);
    std::vector<TLegendPlacement> out;
    auto placeList = [&](bool Upper, int Left, int Top) {
        out.push_back({1, true, Upper, -1, Left + 1, Top + 1});
        const int rows = int(Rows(Upper).size());
        for (int i = 0; i < rows; ++i)
            out.push_back({1, false, Upper, i, Left, Top + (i + 2) * lh});
    };
    int dx = 0, dy = 0;
    if (lists_.TwoLists) {
        placeList(true, Rect.left(), Rect.top());
        if (Stacked)
            dy = (int(lists_.Across.size()) + 2) * lh + 2 + kListGap;
        else
            dx = ColumnPositions(Metrics, true).back() + kListGap;
    }
    placeList(false, Rect.left() + dx, Rect.top() + dy);
    return out;
}

std::vector<TLegendPlacement> TLegendRenderer::PrintPlacements(const TLegendMetrics& Metrics, int W, int H,
                                                               int L, int T) const {
    const int lh = LineHeight(Metrics);
    std::vector<TLegendPlacement> out;
    int n = 0, p = 1;
    auto placeRows = [&](bool Upper, int Left) {
        const int rows = int(Rows(Upper).size());
        for (int i = 0; i < rows; ++i) {
            if (T + n * lh + lh - 1 > H - T) {
                ++p;
                n = 0;
            }
            out.push_back({p, false, Upper, i, Left, T + n * lh});
            ++n;
        }
    };
    int wU = 0;
    if (lists_.TwoLists) {
        out.push_back({p, true, true, -1, L + 1, T + 1});
        n = 2;
        placeRows(true, L);
        n += 2;
        if (T + (n + 1) * lh > H - T) {
            ++p;
            n = 0;
        }
        wU = ColumnPositions(Metrics, true).back();
    }
    int offset = 0;
    if (p == 1 && ColumnPositions(Metrics, false).back() + wU < W - 3 * L) {
        offset = L + wU;
        n = 0;
    }
    out.push_back({p, true, false, -1, L + offset + 1, T + n * lh});
    n += 2;
    placeRows(false, L + offset);
    return out;
}

QString TLegendRenderer::HeadingText(bool Upper) const {
    if (Upper)
        return QStringLiteral("Waagerecht:");
    return lists_.TwoLists ? QStringLiteral("Senkrecht:") : QStringLiteral("Legende:");
}

void TLegendRenderer::DrawLegend(QPainter& Painter, const QRect& Rect, bool Stacked) const {
    Painter.fillRect(Rect, Qt::white);
    Paint(Painter, DrawPlacements(TLegendMetrics::Of(Painter.fontMetrics()), Rect, Stacked), {});
}

int TLegendRenderer::PrintLegend(QPainter& Painter, int W, int H, int L, int T,
                                 const std::function<void()>& NewPage) const {
    const std::vector<TLegendPlacement> placements =
        PrintPlacements(TLegendMetrics::Of(Painter.fontMetrics()), W, H, L, T);
    Paint(Painter, placements, NewPage);
    return placements.empty() ? 1 : placements.back().Page;
}

void TLegendRenderer::Paint(QPainter& Painter, const std::vector<TLegendPlacement>& Placements,
                            const std::function<void()>& NewPage) const {
    const TLegendMetrics metrics = TLegendMetrics::Of(Painter.fontMetrics());
    const int lh = LineHeight(metrics);
    const std::array<int, kLegendColumnCount + 1> xUpper = ColumnPositions(metrics, true);
    const std::array<int, kLegendColumnCount + 1> xLower = ColumnPositions(metrics, false);
    const QFont font = Painter.font();
    int page = 1;
    for (const TLegendPlacement& at : Placements) {
        for (; page < at.Page; ++page)
            if (NewPage)
                NewPage();
        Painter.save();
        Painter.setFont(font);
        if (at.Heading) {
            Painter.setFont(HeadingFont(font));
            Painter.setBackgroundMode(Qt::TransparentMode);
            Painter.setPen(Qt::black);
            Painter.drawText(QPoint(at.X, at.Y + Painter.fontMetrics().ascent()), HeadingText(at.Upper));
        } else {
            PaintRow(Painter, Rows(at.Upper)[size_t(at.Row)], at.Upper ? xUpper : xLower, at.X, at.Y, lh,
                     metrics.TextHeight);
        }
        Painter.restore();
    }
}

void TLegendRenderer::PaintRow(QPainter& Painter, const TLegendRow& Row,
                               const std::array<int, kLegendColumnCount + 1>& X, int Left, int Top,
                               int LineHeight, int Box) const {
    for (int k = 0; k < kLegendColumnCount; ++k)
        if (columns_.Shown[size_t(k)])
            PaintCell(Painter, Row, k,
                      QRect(Left + X[size_t(k)], Top, X[size_t(k) + 1] - X[size_t(k)], LineHeight), Box);
}

void TLegendRenderer::PaintCell(QPainter& Painter, const TLegendRow& Row, int Column, QRect Rect,
                                int Box) const {
    QColor background = Qt::white, text = Qt::black;
    QFont font = Painter.font();
    font.setBold(Column == lcZeile);
    if (Column == lcZeile) {
        background = ToQColor(clBtnFace);
        text = ToQColor(clBtnText);
    } else if (Column == lcSchwarzfelder) {
        background = ToQColor(black_);
        text = Qt::white;
    }
    Painter.fillRect(Rect, background);
    if (Column == columns_.FirstShown) {
        DrawCheckBox(Painter, QRect(Rect.left(), Rect.top() + (Rect.height() - Box) / 2, Box, Box),
                     Row.Solved);
        Rect.setLeft(Rect.left() + Box + kBoxGap);
    }
    Painter.setFont(font);
    Painter.setPen(text);
    const Qt::Alignment align =
        LegendColumnRightAligned(Column) || Column == lcLaenge ? Qt::AlignRight : Qt::AlignLeft;
    Painter.drawText(Rect.adjusted(kTextInset, 0, -kTextInset, 0),
                     align | Qt::AlignVCenter | Qt::TextSingleLine, LegendCellText(Row.Data, Column));
}
