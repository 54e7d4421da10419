#include "PageLayout.h"

#include <cmath>

namespace {
// The gap between title, riddle, solution word and legend.
constexpr int kGap = 30;
// A number legend beside a short riddle still takes the height of this many rows.
constexpr int kNumberLegendRows = 15;

int RoundEven(double Value) {
    return int(std::nearbyint(Value));
}

// The cells the grid painter makes of a rectangle: the given size, or the largest that fits.
int PaintedCellSize(const QSize& Room, int CellSize, const TRiddleShape& Shape) {
    if (CellSize > 0)
        return CellSize;
    return qMax(0, qMin(Room.width() / Shape.Cols, Room.height() / Shape.Rows));
}

class TLayouter {
public:
    TLayouter(const TPageFrame& Page, const TPrintOptions& Options, const TRiddleShape& Shape,
              int TitleHeight, const TLegendMeasure& Measure)
        : page_(Page), o_(Options), shape_(Shape), th_(TitleHeight), measure_(Measure) {
        shape_.Cols = qMax(1, shape_.Cols);
        shape_.Rows = qMax(1, shape_.Rows);
        l_ = Options.LeftMargin * 10;
        t_ = Options.TopMargin * 10;
        c_ = Options.GridSize * 10;
        sudoku_ = shape_.Type == rtSudoku;
        ratio_ = sudoku_ ? 1.0 : double(shape_.Rows) / shape_.Cols;
    }

    TPageLayout Run() {
        TPageLayout out;
        out.L = l_;
        out.T = t_;
        out.Title = QPoint(l_, t_);
        ChooseRoom();
        out.CellSize = o_.AutoGridSize ? 0 : c_;
        QSize size = FitRiddle(ratio_, a_, b_, widthFirst_);
        if (shape_.KeywordLength > 0) {
            // The boxes take a cell's height below the grid; the riddle shrinks to leave it.
            const int box = KeywordBox(size, out.CellSize);
            size = FitRiddle(ratio_, a_, qMax(0, b_ - kGap - box), widthFirst_);
        }
        // A fixed size that would run off the page gives way to the largest that fits.
        if (out.CellSize > 0 &&
            (out.CellSize * shape_.Cols > size.width() || out.CellSize * shape_.Rows > size.height()))
            out.CellSize = 0;
        out.Riddle = QRect(QPoint(l_, t_ + th_ + kGap), size);
        const int cell = PaintedCellSize(size, out.CellSize, shape_);
        out.Grid = QRect(out.Riddle.topLeft(), QSize(cell * shape_.Cols, cell * shape_.Rows));
        int below = out.Grid.top() + out.Grid.height();
        if (shape_.KeywordLength > 0) {
            out.KeywordBox = qMin(cell, out.Grid.width() / shape_.KeywordLength);
            const int width = out.KeywordBox * shape_.KeywordLength;
            out.Keyword =
                QRect(out.Grid.left() + (out.Grid.width() - width) / 2, below + kGap, width, out.KeywordBox);
            below = out.Keyword.top() + out.Keyword.height();
        }
        PlaceLegend(out, below);
        return out;
    }

private:
    // The room for the riddle: A × B and which way it is fitted.
    void ChooseRoom() {
        const bool numbers = shape_.Type == rtNumbers;
        const bool keyword = shape_.KeywordLength > 0;
        const int W = page_.W, H = page_.H, L = l_, T = t_;
        if (sudoku_ || !o_.OnePage) {
            Room(W - 2 * L, H - 2 * T - th_, true);
        } else if (o_.LegendRight && numbers) {
            if (o_.AutoGridSize)
                c_ = (W - 2 * L - kGap) / (shape_.Cols + 4);
            int e = H - 2 * T - (keyword ? 2 * c_ : 0);
            const int n = measure_ ? qMax(shape_.Rows, kNumberLegendRows) : shape_.Rows;
            if (e >= n * c_)
                e = shape_.Cols * c_;
            Room(e, H - th_ - 2 * T - kGap, false);
        } else if (o_.LegendRight) {
            const int lw = measure_ ? measure_(true, 0).width() : 0;
            Room(W - 2 * L - lw - kGap, H - th_ - 2 * T - kGap, false);
        } else if (numbers) {
            if (o_.AutoGridSize)
                c_ = (H - 2 * T - 4 * th_ - kGap) / (shape_.Rows + (keyword ? 6 : 4));
            Room(W - 2 * L, shape_.Rows * c_, true);
        } else {
            const int lh = measure_ ? measure_(false, 0).height() : 0;
            Room(W - 2 * L, H - 2 * T - lh - th_ - 2 * kGap, true);
        }
        c_ = qMax(1, c_);
    }

    void Room(int A, int B, bool WidthFirst) {
        a_ = qMax(0, A);
        b_ = qMax(0, B);
        widthFirst_ = WidthFirst;
    }

    int KeywordBox(const QSize& Size, int CellSize) const {
        const bool fits = CellSize * shape_.Cols <= Size.width() && CellSize * shape_.Rows <= Size.height();
        const int cell = PaintedCellSize(Size, fits ? CellSize : 0, shape_);
        return qMin(cell, cell * shape_.Cols / shape_.KeywordLength);
    }

    void PlaceLegend(TPageLayout& Out, int Below) const {
        if (!measure_ || sudoku_)
            return;
        const bool numbers = shape_.Type == rtNumbers;
        Out.LegendCellSize = numbers ? c_ : 0;
        if (!o_.OnePage) {
            if (!numbers) {
                Out.Legend = lpOwnPages;
                return;
            }
            Out.Legend = lpOwnPage;
            Out.LegendUpright = !o_.Landscape;
            Out.LegendRect = QRect(QPoint(l_, t_ + th_), measure_(Out.LegendUpright, c_));
            return;
        }
        Out.LegendUpright = o_.LegendRight;
        const QSize size = measure_(Out.LegendUpright, Out.LegendCellSize);
        if (o_.LegendRight) {
            Out.Legend = lpBeside;
            Out.LegendRect = QRect(QPoint(Out.Grid.left() + Out.Grid.width() + kGap, t_), size);
        } else {
            Out.Legend = lpBelow;
            Out.LegendRect = QRect(QPoint(l_, Below + kGap), size);
        }
    }

    TPageFrame page_;
    TPrintOptions o_;
    TRiddleShape shape_;
    int th_;
    const TLegendMeasure& measure_;
    int l_ = 0, t_ = 0, c_ = 0;
    bool sudoku_ = false;
    double ratio_ = 1.0;
    int a_ = 0, b_ = 0;
    bool widthFirst_ = true;
};
} // namespace

QSize FitRiddle(double Ratio, int A, int B, bool WidthFirst) {
    int w = 0, h = 0;
    if (WidthFirst) {
        w = A;
        h = RoundEven(Ratio * A);
        if (h > B) {
            h = B;
            w = RoundEven(B / Ratio);
        }
    } else {
        h = B;
        w = RoundEven(B / Ratio);
        if (w > A) {
            w = A;
            h = RoundEven(Ratio * A);
        }
    }
    return QSize(w, h);
}

TPageLayout LayoutPages(const TPageFrame& Page, const TPrintOptions& Options, const TRiddleShape& Shape,
                        int TitleHeight, const TLegendMeasure& Measure) {
    const TPageLayout layout = TLayouter(Page, Options, Shape, TitleHeight, Measure).Run();
    const QRect legend = layout.LegendRect;
    const bool legendFits = legend.isEmpty() || (legend.left() + legend.width() <= Page.W &&
                                                 legend.top() + legend.height() <= Page.H);
    if (!Options.OnePage || (legendFits && !layout.Grid.isEmpty()))
        return layout;
    // A legend too large to share the page would be cut off at its edge, or squeeze the riddle to
    // nothing:
    // it goes on pages of its own instead.
    TPrintOptions separate = Options;
    separate.OnePage = false;
    return TLayouter(Page, separate, Shape, TitleHeight, Measure).Run();
}

QString DocumentTitle(const QString& Title) {
    QString out;
    for (const QChar ch : Title) {
        switch (ch.unicode()) {
        case 0xC4:
            out += QStringLiteral("AE");
            break;
        case 0xD6:
            out += QStringLiteral("OE");
            break;
        case 0xDC:
            out += QStringLiteral("UE");
            break;
        case 0xDF:
            out += QStringLiteral("SS");
            break;
        case 0xE4:
            out += QStringLiteral("ae");
            break;
        case 0xF6:
            out += QStringLiteral("oe");
            break;
        case 0xFC:
            out += QStringLiteral("ue");
            break;
        default:
            if ((ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) ||
                (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')))
                out += ch;
        }
    }
    return out;
}
