// The clue legend and the hints window in the running player: placed beside the riddle window
// inside the grown main window, steered from the view menu, and the mouse over the grid.

#include "HelpTexts.h"
#include "HinweisDialog.h"
#include "LegendeDialog.h"
#include "SourcePlayer.h"
#include "Variables.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>

namespace {
using namespace legendtest;

using packed::SourcePlayer;

QPoint CellCentre(TWordRiddle* Grid, int ACol, int ARow) {
    return Grid->CellRect(ACol, ARow).center();
}

TEST(LegendWindow, StandsBesideTheRiddleInsideTheMainWindow) {
    packed::Player p = SourcePlayer(HausSource("swedish"));
    TLegendForm* legend = p.form()->LegendWindow;
    ASSERT_NE(legend, nullptr);
    const QRect riddle = p.form()->geometry();
    EXPECT_EQ(legend->geometry(), QRect(riddle.right() + 1, riddle.top(), 300, riddle.height()));
    EXPECT_TRUE(p.main()->MdiArea()->viewport()->rect().contains(legend->geometry()));
    EXPECT_EQ(legend->windowTitle(), QStringLiteral("Legende"));
    // The keys stay with the grid.
    EXPECT_TRUE(p.word()->hasFocus());
    // After a zoom the legend is as high as the riddle window again.
    p.form()->MItemPlayZoomInClick(p.form()->SBZoomIn);
    EXPECT_EQ(legend->geometry().height(), p.form()->geometry().height());
    EXPECT_EQ(legend->geometry().left(), p.form()->geometry().right() + 1);
}

TEST(LegendWindow, ViewMenuFollowsAndSteersTheLegend) {
    packed::Player p = SourcePlayer(HausSource("swedish"));
    TRMMainForm* m = p.main();
    m->MItemAnsLegendeClick();
    EXPECT_TRUE(m->MIemAnsAusblenden->isVisible());
    EXPECT_FALSE(m->MIemAnsAusblenden->isChecked());
    EXPECT_TRUE(m->MItemAnsMarkieren->isVisible() && m->MItemAnsMarkieren->isEnabled());
    EXPECT_FALSE(m->MItemAnsEineLegende->isVisible());
    EXPECT_FALSE(m->MItemAnsLegAutomatisch->isVisible());
    m->MIemAnsAusblendenClick();
    m->MItemAnsLegendeClick();
    EXPECT_TRUE(p.form()->LegendWindow->Options().HideSolved);
    EXPECT_TRUE(m->MIemAnsAusblenden->isChecked());
    EXPECT_FALSE(m->MItemAnsMarkieren->isEnabled());
    m->MItemAnsMarkierenClick();
    EXPECT_TRUE(p.word()->Riddle().AutoMarkLegend());
}

TEST(LegendWindow, HelpShowsTheTextOfTheRiddleKind) {
    for (const char* type : {"swedish", "american"}) {
        packed::Player p = SourcePlayer(HausSource(type));
        p.form()->MItemPlayHilfeClick();
        THintForm* hint = THintForm::Current();
        ASSERT_NE(hint, nullptr) << type;
        const QString key = QLatin1String(type) == QLatin1String("american") ? QStringLiteral("Raetsel2")
                                                                             : QStringLiteral("Raetsel0");
        EXPECT_EQ(hint->TopicKey, key) << type;
        EXPECT_EQ(hint->Hinweis->text(), HelpText(key)) << type;
        // The pop-up menu covers no hint.
        p.form()->MenuRaetselPopup();
        EXPECT_EQ(THintForm::Current(), nullptr) << type;
    }
}

TEST(LegendWindow, MouseOverTheGridShowsTooltipAndDescription) {
    packed::Player p = SourcePlayer(HausSource("swedish"));
    TRiddleForm* f = p.form();
    f->MItemPlayShowHintsClick();
    const QPoint first = CellCentre(p.word(), 1, 1);
    f->WordGridMouseMove(&p.word()->Riddle(), {}, first.x(), first.y());
    ASSERT_NE(THintForm::Current(), nullptr);
    EXPECT_EQ(THintForm::Current()->Hinweis->text(), QStringLiteral("W: Gebäude\r\nS: Übermut"));
    EXPECT_EQ(p.main()->findChild<QLabel*>(QStringLiteral("LblHints"))->text(),
              QStringLiteral("Dieses Feld enthält einen Buchstaben"));
    const QPoint black = CellCentre(p.word(), 2, 2);
    f->WordGridMouseMove(&p.word()->Riddle(), {}, black.x(), black.y());
    EXPECT_EQ(THintForm::Current(), nullptr);
    EXPECT_EQ(p.main()->findChild<QLabel*>(QStringLiteral("LblHints"))->text(),
              QStringLiteral("Dieses Feld ist ein Leerfeld"));
}

TEST(LegendWindow, ShiftTurnsDraggedWordsDownOnlyWithOneList) {
    for (const char* type : {"fillup", "swedish"}) {
        packed::Player p = SourcePlayer(HausSource(type));
        const bool oneList = QLatin1String(type) == QLatin1String("fillup");
        DragVertical = false;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
        QApplication::sendEvent(p.word(), &press);
        EXPECT_EQ(DragVertical, oneList) << type;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
        QApplication::sendEvent(p.word(), &release);
        EXPECT_FALSE(DragVertical) << type;
    }
}

TEST(LegendWindow, DroppedPuzzleWordsStandInTheGrid) {
    struct Case {
        const char* name;
        bool reverseOption;
        Qt::KeyboardModifiers keys;
        const char* row1;
    } cases[] = {
        {"dropped as it reads", false, Qt::ControlModifier, "HAUS"},
        {"Ctrl writes a reversible riddle's word reversed", true, Qt::ControlModifier, "SUAH"},
    };
    for (const Case& c : cases) {
        QJsonObject source = HausSource("puzzle");
        if (c.reverseOption)
            source.insert("options", QJsonArray{"reverseWords", "allowEdit"});
        packed::Player p = SourcePlayer(source);
        TLegendForm* legend = p.form()->LegendWindow;
        ASSERT_NE(legend, nullptr) << c.name;
        TLegendList* list = legend->VTSenkrecht;
        const auto& rows = list->Model()->Rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].Data.Word == QLatin1String("HAUS"))
                list->FocusRow(int(i));
        const QPoint at = CellCentre(p.word(), 3, 1);
        EXPECT_TRUE(p.form()->WordGridDragOver(&p.word()->Riddle(), list, at.x(), at.y(), c.keys)) << c.name;
        p.form()->WordGridDragDrop(&p.word()->Riddle(), list, at.x(), at.y(), c.keys);
        QString row1;
        for (int col = 1; col <= 4; ++col)
            row1 += QChar(p.word()->Riddle().Cell(col, 1).Entry());
        EXPECT_EQ(row1, QString::fromLatin1(c.row1)) << c.name;
        EXPECT_EQ(QPoint(p.word()->Col(), p.word()->Row()), QPoint(1, 1)) << c.name;
        EXPECT_EQ(p.word()->Riddle().InputDirection(), wdHorizontal) << c.name;
    }
}

} // namespace
