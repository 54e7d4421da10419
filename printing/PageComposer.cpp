#include "PageComposer.h"

#include "NumLegendPainter.h"
#include "SudokuPainter.h"
#include "SudokuRiddleData.h"
#include "WordPainter.h"
#include "WordRiddleData.h"

namespace {
// The screen's cell in pixels that the grid's fonts are made for.
constexpr int kScreenCellSize = 30;
constexpr int kTitleHeight = 50;

// Page units are large: hinting made for screen pixels would only warp the letters.
QFont Unhinted(QFont Font) {
    Font.setHintingPreference(QFont::PreferNoHinting);
    return Font;
}

QFont Scaled(QFont Font, double Factor) {
    const double pixels = Font.pixelSize() > 0 ? Font.pixelSize() : Font.pointSizeF() * 96.0 / 72.0;
    Font.setPixelSize(qMax(1, qRound(pixels * Factor)));
    return Unhinted(Font);
}
} // namespace

TPageFrame SetUpPageCoordinates(QPainter& Painter, const QPagedPaintDevice& Device) {
    const QRectF mm = Device.pageLayout().paintRect(QPageLayout::Millimeter);
    const TPageFrame page{qRound(mm.width() * 10), qRound(mm.height() * 10)};
    Painter.setViewport(0, 0, Device.width(), Device.height());
    Painter.setWindow(0, 0, page.W, page.H);
    return page;
}

QFont PrintTitleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setUnderline(true);
    return Unhinted(FontOfLineHeight(font, kTitleHeight));
}

QFont PrintLegendFont(int SizeMm) {
    return Unhinted(FontOfLineHeight(QFont(QStringLiteral("Arial")), SizeMm * 10));
}

TCellFonts PrintCellFonts(const TCellFonts& Screen, int CellSize) {
    const double factor = double(qMax(1, CellSize)) / kScreenCellSize;
    TCellFonts fonts = Screen;
    fonts.DescriptionFont = Scaled(Screen.DescriptionFont, factor);
    fonts.IndexFont = Scaled(Screen.IndexFont, factor);
    fonts.NumberFont = Scaled(Screen.NumberFont, factor);
    fonts.LetterMargin = qRound(Screen.LetterMargin * factor);
    return fonts;
}

TPageComposer::TPageComposer(const TPrintSource& Source, const TPrintOptions& Options)
    : source_(Source), options_(Options) {}

QString TPageComposer::Title() const {
    return RiddleDescription(*source_.Riddle);
}

bool TPageComposer::Numbers() const {
    return source_.Riddle->RiddleType() == rtNumbers;
}

TRiddleShape TPageComposer::Shape() const {
    TRiddleShape shape;
    shape.Type = source_.Riddle->RiddleType();
    if (const auto* sudoku = dynamic_cast<const TSudokuRiddleData*>(source_.Riddle)) {
        shape.Cols = shape.Rows = sudoku->Symbols();
    } else if (const auto* word = dynamic_cast<const TWordRiddleData*>(source_.Riddle)) {
        shape.Cols = word->RiddleCols();
        shape.Rows = word->RiddleRows();
        if (word->RiddleOptions().Contains(roHasKeyword))
            shape.KeywordLength = int(word->Keyword().Word().size());
    }
    return shape;
}

TPageLayout TPageComposer::Layout(QPainter& Painter, const TPageFrame& Page) const {
    const int titleHeight = QFontMetrics(PrintTitleFont()).height();
    Painter.save();
    Painter.setFont(PrintLegendFont(options_.LegendFontSize));
    TLegendMeasure measure;
    if (Numbers() && source_.NumberLegend) {
        measure = [&Painter](bool Upright, int CellSize) {
            return TNumLegendPainter::MeasureNumberLegend(Painter, CellSize, Upright);
        };
    } else if (!Numbers() && source_.ClueLegend) {
        const TLegendMetrics metrics = TLegendMetrics::Of(Painter.fontMetrics());
        measure = [this, metrics](bool Stacked, int) {
            return source_.ClueLegend->MeasureLegend(metrics, Stacked);
        };
    }
    const TPageLayout layout = LayoutPages(Page, options_, Shape(), titleHeight, measure);
    Painter.restore();
    return layout;
}

int TPageComposer::Compose(QPainter& Painter, const TPageFrame& Page,
                           const std::function<void()>& NewPage) const {
    const TPageLayout layout = Layout(Painter, Page);
    Painter.save();
    Painter.setFont(PrintTitleFont());
    Painter.setPen(Qt::black);
    Painter.setBackgroundMode(Qt::TransparentMode);
    Painter.drawText(QPoint(layout.Title.x(), layout.Title.y() + Painter.fontMetrics().ascent()), Title());
    Painter.restore();
    PaintRiddle(Painter, layout);
    PaintKeyword(Painter, layout);
    int pages = 1;
    PaintLegend(Painter, layout, Page, NewPage, pages);
    return pages;
}

void TPageComposer::PaintRiddle(QPainter& Painter, const TPageLayout& Layout) const {
    QRect rect = Layout.Riddle;
    int cellSize = Layout.CellSize;
    const TCellFonts fonts = PrintCellFonts(*source_.Fonts, Layout.Grid.width() / qMax(1, Shape().Cols));
    Painter.save();
    if (const auto* sudoku = dynamic_cast<const TSudokuRiddleData*>(source_.Riddle)) {
        TSudokuPainter(*sudoku, fonts, nullptr)
            .PaintTo(Painter, rect, options_.LineWeight, ptPrinter, cellSize);
    } else if (const auto* word = dynamic_cast<const TWordRiddleData*>(source_.Riddle)) {
        const int cell = Layout.Grid.width() / qMax(1, word->RiddleCols());
        const TPictureBitmap picture = RenderPictureBitmap(*word, cell);
        TWordPainter(*word, fonts, picture, 0, nullptr, nullptr)
            .PaintTo(Painter, rect, options_.LineWeight, ptPrinter, cellSize);
    }
    Painter.restore();
}

void TPageComposer::PaintKeyword(QPainter& Painter, const TPageLayout& Layout) const {
    const auto* word = dynamic_cast<const TWordRiddleData*>(source_.Riddle);
    if (!word || Layout.Keyword.isEmpty())
        return;
    const int box = Layout.KeywordBox;
    const int count = Layout.Keyword.width() / qMax(1, box);
    const bool numbered = word->RiddleOptions().Contains(roEnumKeywordChars);
    const int line = options_.LineWeight + 1;
    const TCellFonts fonts = PrintCellFonts(*source_.Fonts, box);
    Painter.save();
    Painter.setFont(fonts.NumberFont);
    const QFontMetrics metrics = Painter.fontMetrics();
    for (int i = 0; i < count; ++i) {
        const QRect cell(Layout.Keyword.left() + i * box, Layout.Keyword.top(), box, box);
        Painter.fillRect(cell, ToQColor(word->BackgroundColors().Get(TRiddleColors::Keyword)));
        Painter.setPen(QPen(Qt::black, line));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRect(cell);
        if (numbered)
            Painter.drawText(QPoint(cell.left() + line + 1, cell.top() + box - line - metrics.descent()),
                             QString::number(i + 1));
    }
    Painter.restore();
}

void TPageComposer::PaintLegend(QPainter& Painter, const TPageLayout& Layout, const TPageFrame& Page,
                                const std::function<void()>& NewPage, int& Pages) const {
    if (Layout.Legend == lpNone)
        return;
    auto nextPage = [&NewPage, &Pages] {
        ++Pages;
        if (NewPage)
            NewPage();
    };
    if (Layout.Legend == lpOwnPage || Layout.Legend == lpOwnPages)
        nextPage();
    Painter.save();
    Painter.setFont(PrintLegendFont(options_.LegendFontSize));
    if (Numbers()) {
        const auto& word = static_cast<const TWordRiddleData&>(*source_.Riddle);
        const TCellFonts fonts = PrintCellFonts(*source_.Fonts, Layout.LegendCellSize);
        TNumLegendPainter(word, fonts)
            .DrawNumberLegend(Painter, Layout.LegendRect, Layout.LegendUpright, Layout.LegendCellSize);
    } else if (Layout.Legend == lpOwnPages) {
        source_.ClueLegend->PrintLegend(Painter, Page.W, Page.H, Layout.L, Layout.T, nextPage);
    } else {
        source_.ClueLegend->DrawLegend(Painter, Layout.LegendRect, Layout.LegendUpright);
    }
    Painter.restore();
}
