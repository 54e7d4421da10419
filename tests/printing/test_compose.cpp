// Whole pages composed from a loaded riddle onto a PDF writer and a picture, the copies sent as
// jobs, and the print dialog's choices.

#include "LayoutPicture.h"
#include "LegendTestSupport.h"
#include "PageComposer.h"
#include "PrintDialog.h"
#include "PrintJob.h"
#include "SudokuRiddle.h"

#include <QBuffer>
#include <QComboBox>
#include <QGroupBox>
#include <QPdfWriter>
#include <QPicture>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct TLoaded {
    TWordRiddle Grid;
    TPrintSource Source;
    explicit TLoaded(const char* Type) {
        legendtest::Load(Grid, legendtest::HausSource(Type));
        Source.Riddle = &Grid.Riddle();
        Source.Fonts = &Grid.Fonts();
        Source.ClueLegend.emplace(BuildLegendLists(Grid, false, false),
                                  LegendColumns(Grid.Riddle().RiddleType()), clBlack);
    }
};

int PdfPages(const QByteArray& Pdf) {
    return int(Pdf.count("/Type /Page\n") + Pdf.count("/Type /Page\r") + Pdf.count("/Type /Page "));
}

// Composes one copy into a PDF in memory; the result is the PDF.
QByteArray ComposePdf(const TPrintSource& Source, const TPrintOptions& Options) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    QPainter painter(&writer);
    const TPageFrame page = SetUpPageCoordinates(painter, writer);
    EXPECT_EQ(page.W, 2000);
    EXPECT_EQ(page.H, 2870);
    TPageComposer(Source, Options).Compose(painter, page, [&] {
        writer.newPage();
        SetUpPageCoordinates(painter, writer);
    });
    painter.end();
    return buffer.data();
}
} // namespace

TEST(PageComposer, PagesOfEachComposition) {
    TLoaded swedish("swedish");
    TSudokuRiddle sudoku;
    sudoku.Riddle().SetSize(ss9Symbols);
    const TPrintSource sudokuSource{&sudoku.Riddle(), &sudoku.Fonts(), std::nullopt, false};
    TPrintSource withoutLegend = swedish.Source;
    withoutLegend.ClueLegend.reset();
    struct Case {
        const char* name;
        const TPrintSource& source;
        bool onePage;
        int pages;
    };
    const Case cases[] = {
        {"one page", swedish.Source, true, 1},
        {"separate pages", swedish.Source, false, 2},
        {"separate pages without an open legend", withoutLegend, false, 1},
        {"a sudoku", sudokuSource, false, 1},
    };
    for (const Case& c : cases) {
        TPrintOptions options;
        options.OnePage = c.onePage;
        EXPECT_EQ(PdfPages(ComposePdf(c.source, options)), c.pages) << c.name;
    }
}

TEST(PageComposer, EverythingStaysOnThePage) {
    // Title, riddle, boxes and legend all within the printable area, whichever way they are put.
    TLoaded swedish("swedish");
    for (const bool right : {false, true})
        for (const bool stretch : {false, true}) {
            TPrintOptions options;
            options.OnePage = true;
            options.LegendRight = right;
            options.AutoGridSize = stretch;
            QPicture picture;
            QPainter painter(&picture);
            const TPageFrame page{2000, 2870};
            TPageComposer composer(swedish.Source, options);
            const TPageLayout layout = composer.Layout(painter, page);
            EXPECT_EQ(composer.Compose(painter, page, {}), 1);
            painter.end();
            const QRect drawn = picture.boundingRect();
            EXPECT_TRUE(drawn.contains(layout.Grid.united(layout.LegendRect))) << right << stretch;
            EXPECT_TRUE(QRect(0, 0, page.W, page.H).contains(drawn))
                << right << stretch << " drew " << drawn.x() << "," << drawn.y() << " " << drawn.width()
                << "x" << drawn.height();
            EXPECT_FALSE(layout.LegendRect.intersects(layout.Grid)) << right << stretch;
        }
}

TEST(PageComposer, TheChosenLineWeightShowsOnPaper) {
    TLoaded swedish("swedish");
    TSudokuRiddle sudoku;
    sudoku.Riddle().SetSize(ss9Symbols);
    const TPrintSource sudokuSource{&sudoku.Riddle(), &sudoku.Fonts(), std::nullopt, false};
    for (const TPrintSource* source : {static_cast<const TPrintSource*>(&swedish.Source), &sudokuSource}) {
        // The pixels of grid lines (silver between word cells, grey between sudoku cells) on a row
        // through the middle of the riddle.
        auto lineInk = [&](int LineWeight) {
            TPrintOptions options;
            options.OnePage = true;
            options.LineWeight = LineWeight;
            QImage page(2000, 2870, QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter painter(&page);
            TPageComposer composer(*source, options);
            const TPageLayout layout = composer.Layout(painter, {2000, 2870});
            composer.Compose(painter, {2000, 2870}, {});
            painter.end();
            int ink = 0;
            const int y = layout.Grid.top() + layout.CellSize / 2;
            for (int x = layout.Grid.left() - 20; x < layout.Grid.right() + 20; ++x)
                ink += page.pixel(x, y) == ToQColor(clSilver).rgb() ||
                       page.pixel(x, y) == ToQColor(clGray).rgb();
            return ink;
        };
        EXPECT_GT(lineInk(3), lineInk(1)) << (source == &sudokuSource ? "sudoku" : "word riddle");
    }
}

TEST(PrintJob, EveryCopyIsAJobAndAFailedJobStopsTheRest) {
    TLoaded swedish("swedish");
    const TPageComposer composer(swedish.Source, TPrintOptions{});
    QTemporaryDir dir;
    struct Case {
        QString file;
        int sent;
    };
    const Case cases[] = {{dir.filePath(QStringLiteral("riddle.pdf")), 3},
                          {dir.filePath(QStringLiteral("missing/riddle.pdf")), 0}};
    for (const Case& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(c.file);
        int progress = 0;
        EXPECT_EQ(PrintCopies(printer, composer, 3, [&] { ++progress; }), c.sent) << c.file.toStdString();
        // Two pages a copy: one step at the page break, one at the end.
        EXPECT_EQ(progress, 2 * c.sent);
        // The riddle has no title of its own: the job is named after its kind, spelled out.
        EXPECT_EQ(printer.docName(), QStringLiteral("Schwedenraetsel"));
    }
}

TEST(PrintDialog, DefaultsFormsAndNames) {
    for (const bool sudoku : {false, true}) {
        TPrintDlg dialog(nullptr, sudoku);
        dialog.show();
        const TPrintOptions o = dialog.Options();
        EXPECT_EQ(std::tuple(o.Landscape, o.OnePage, o.LegendRight, o.AutoGridSize, o.GridSize, o.LineWeight),
                  std::tuple(false, false, false, false, 10, 1));
        EXPECT_EQ(std::tuple(o.LeftMargin, o.TopMargin, o.LegendFontSize, o.Copies),
                  std::tuple(20, 20, 3, 1));
        EXPECT_EQ(dialog.GBLayout->isVisible(), !sudoku);
        EXPECT_EQ(dialog.SELegFontSize->isVisible(), !sudoku);
        // Every control, and every picture that can be clicked, is named for screen readers.
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            const bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<TLayoutPicture*>(w);
            const bool part =
                qobject_cast<QSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget());
            if (control && !part) {
                EXPECT_FALSE(w->accessibleName().isEmpty())
                    << w->metaObject()->className() << " " << w->objectName().toStdString();
            }
        }
    }
}

TEST(PrintDialog, ChoicesEnableWhatDependsOnThem) {
    TPrintDlg dialog(nullptr, false);
    dialog.show();
    EXPECT_FALSE(dialog.RBLegendRight->isEnabled());
    QTest::mouseClick(dialog.ImgOnePagePortraitB, Qt::LeftButton);
    EXPECT_TRUE(dialog.RBOnePage->isChecked());
    EXPECT_TRUE(dialog.RBLegendRight->isEnabled());
    dialog.RBLandscape->click();
    dialog.RBLegendRight->click();
    EXPECT_TRUE(dialog.ImgOnePageLandscapeR->isVisible());
    EXPECT_FALSE(dialog.ImgOnePagePortraitB->isVisible());
    EXPECT_TRUE(dialog.ImgTwoPagesLandscape->isVisible());
    QTest::mouseClick(dialog.ImgTwoPagesLandscape, Qt::LeftButton);
    EXPECT_TRUE(dialog.RBTwoPages->isChecked());
    dialog.RBAutoGridSize->click();
    EXPECT_FALSE(dialog.SEGridSize->isEnabled());
    dialog.RBManGridSize->click();
    EXPECT_TRUE(dialog.SEGridSize->isEnabled());
    // Escape in a spin box cancels the dialog.
    QTest::keyClick(dialog.SpinLMargin, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}
