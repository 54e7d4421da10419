// The word entry dialog: its layout, its keys and what it returns.

#include "WordBoxGrid.h"
#include "WordEditDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr TColor kBack = 0x80FFFF;    // light yellow
constexpr TColor kFocused = 0xFFFF00; // cyan
constexpr TColor kText = 0x0000FF;    // red

struct Colors {
    TRiddleColors background, text;
    Colors() {
        background.SetBase(TRiddleColors::Char, kBack);
        background.SetBase(TRiddleColors::CurrentWord, kFocused);
        text.SetBase(TRiddleColors::Char, kText);
    }
};

// Shows the dialog without a modal loop and waits until the boxes have the focus.
void ShowActive(TWordEditDlg& Dlg) {
    Dlg.show();
    Dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg));
    ASSERT_TRUE(Dlg.GridBegriff->hasFocus());
}

TEST(WordEditDialog, Layout) {
    struct Case {
        const char* name;
        int letters, cell;
        QString label;
        QRect row;
        QSize client;
    } cases[] = {
        // The buttons are wider than a short row; a long row widens the dialog.
        {"short word", 3, 30, "Begriff mit 3 Buchstaben:", {56, 21, 93, 31}, {220, 93}},
        {"long word", 12, 30, "Wort:", {56, 21, 363, 31}, {427, 93}},
        {"small cells", 12, 20, "Wort:", {56, 21, 243, 21}, {307, 83}},
        // A long clue widens the dialog instead of being cut off (width checked below).
        {"long clue", 2, 30, QString(80, 'W') + ':', {56, 21, 63, 31}, {0, 93}},
    };
    Colors colors;
    for (const Case& c : cases) {
        TWordEditDlg dlg(colors.background, colors.text, TWordBoxLook{c.cell, c.cell, "Arial"});
        dlg.LblBegriff->setText(c.label);
        dlg.SetText(QString(c.letters, QLatin1Char('A')));
        dlg.show();
        EXPECT_EQ(dlg.GridBegriff->geometry(), c.row) << c.name;
        EXPECT_EQ(dlg.LblBegriff->pos(), QPoint(56, 5)) << c.name;
        EXPECT_EQ(dlg.BtnOK->y(), c.row.bottom() + 1 + 8) << c.name;
        EXPECT_EQ(dlg.BtnCancel->y(), dlg.BtnOK->y()) << c.name;
        EXPECT_EQ(dlg.height(), c.client.height()) << c.name;
        EXPECT_EQ(dlg.width(),
                  c.client.width() ? c.client.width() : dlg.LblBegriff->geometry().right() + 1 + 8)
            << c.name;
    }
}

TEST(WordEditDialog, BoxLettersHaveTheClassicFontHeight) {
    // As in the riddle's cells: the line of the font is the box's cell height - 4 tall, of which a
    // capital takes 1409 of 2288 units in Liberation Sans (Arial's stand-in).
    TWordBoxColors colors;
    for (int size : {20, 30, 45, 60}) {
        TWordBoxGrid boxes(colors, TWordBoxLook{size, size, "Arial"});
        boxes.SetText(QStringLiteral("E"));
        boxes.resize(boxes.RowSize());
        const QImage image = boxes.viewport()->grab(boxes.CellRect(0, 0)).toImage();
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (765 - c.red() - c.green() - c.blue() > 255) {
                    ++rows;
                    break;
                }
            }
        EXPECT_NEAR(rows, (size - 4) * 1409.0 / 2288.0, 1.5) << size;
    }
}

TEST(WordEditDialog, NamesTextsAndInitialState) {
    Colors colors;
    TWordEditDlg dlg(colors.background, colors.text);
    EXPECT_EQ(dlg.findChild<QLabel*>("LblBegriff"), dlg.LblBegriff);
    EXPECT_EQ(dlg.findChild<TWordBoxGrid*>("GridBegriff"), dlg.GridBegriff);
    EXPECT_EQ(dlg.GridBegriff->toolTip(), QString("Den gesuchten Begriff eingeben"));
    auto* ok = dlg.findChild<QPushButton*>("BtnOK");
    auto* cancel = dlg.findChild<QPushButton*>("BtnCancel");
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->text(), QString("OK"));
    EXPECT_EQ(cancel->text(), QString("Abbruch"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->toolTip(), QString("Den Begriff ins Rätsel aufnehmen und das Dialogfenster schließen"));
    EXPECT_EQ(cancel->toolTip(),
              QString("Das Dialogfenster schließen ohne den Begriff ins Rätsel zu übernehmen"));
}

TEST(WordEditDialog, KeysFollowTheBoxesAndOKReturnsTheText) {
    Colors colors;
    TWordEditDlg dlg(colors.background, colors.text);
    dlg.SetText(QStringLiteral("H  SE"));
    ShowActive(dlg);
    EXPECT_FALSE(dlg.BtnOK->isEnabled());
    QWidget* grid = dlg.GridBegriff;
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_7);
    EXPECT_EQ(dlg.GridBegriff->Boxes().Text(), QString("H  SE"));
    QTest::sendKeyEvent(QTest::Click, grid, Qt::Key_Adiaeresis, QString::fromUtf8("ä"), Qt::NoModifier);
    EXPECT_EQ(dlg.GridBegriff->Boxes().Current(), 3);
    EXPECT_EQ(dlg.GridBegriff->Col(), 3);
    EXPECT_TRUE(dlg.BtnOK->isEnabled());
    QTest::keyClick(grid, Qt::Key_End);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_FALSE(dlg.BtnOK->isEnabled());
    // With OK disabled, Return must not close the dialog.
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClick(grid, Qt::Key_N);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Text(), QString("HAESN"));
}

TEST(WordEditDialog, CancelKeepsTheInitialText) {
    Colors colors;
    TWordEditDlg dlg(colors.background, colors.text);
    dlg.SetText(QStringLiteral("HAUS"));
    ShowActive(dlg);
    QTest::keyClick(dlg.GridBegriff, Qt::Key_X);
    QTest::keyClick(dlg.GridBegriff, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.Text(), QString("HAUS"));
}

TEST(WordEditDialog, BoxColoursFollowTheFocus) {
    Colors colors;
    TWordEditDlg dlg(colors.background, colors.text);
    dlg.SetText(QStringLiteral("H  "));
    ShowActive(dlg);
    auto pixelOfEmptyBox = [&] {
        const QRect box = dlg.GridBegriff->CellRect(2, 0);
        return dlg.GridBegriff->viewport()->grab().toImage().pixelColor(box.center());
    };
    EXPECT_EQ(pixelOfEmptyBox(), ToQColor(kFocused));
    // The cross bar of the H runs through the box's middle line in the text colour.
    const QImage image = dlg.GridBegriff->viewport()->grab().toImage();
    const QRect h = dlg.GridBegriff->CellRect(0, 0);
    bool ink = false;
    for (int x = h.left(); x <= h.right(); ++x)
        ink |= image.pixelColor(x, h.center().y()) == ToQColor(kText);
    EXPECT_TRUE(ink);

    // Leaving the row must repaint every box, not only the current one.
    struct PaintWatch : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* E) override {
            if (E->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent*>(E)->region();
            return false;
        }
    } watch;
    dlg.GridBegriff->viewport()->installEventFilter(&watch);
    dlg.BtnCancel->setFocus();
    QTest::qWait(50);
    EXPECT_TRUE(watch.painted.contains(dlg.GridBegriff->CellRect(2, 0)));
    EXPECT_EQ(pixelOfEmptyBox(), ToQColor(kBack));
    dlg.GridBegriff->viewport()->removeEventFilter(&watch);
}

} // namespace
