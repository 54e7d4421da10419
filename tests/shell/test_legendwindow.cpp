// The clue legend and the hints window in the running player: placed beside the riddle window
// inside the grown main window, steered from the view menu, and the mouse over the grid.

#include "FormParts.h"
#include "HelpTexts.h"
#include "HinweisDialog.h"
#include "LegendeDialog.h"
#include "SourcePlayer.h"
#include "Variables.h"
#include "ZahlenDialog.h"

#include <QAction>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>

namespace {
using namespace legendtest;

using packed::SourcePlayer;

QPoint CellCentre(TWordRiddle* Grid, int ACol, int ARow) {
    return Grid->CellRect(ACol, ARow).center();
}

// Words across Cols cells in every other of 2 × Words − 1 rows, black rows between them.
QJsonObject RowsSource(int Cols, int Words) {
    QJsonArray grid, clues;
    for (int w = 0; w < Words; ++w) {
        if (w > 0)
            grid.append(QString(Cols, QLatin1Char('#')));
        grid.append(QString(Cols, QLatin1Char('A' + w)));
        clues.append(Clue(w + 1, "across", QStringLiteral("Zeile %1").arg(w + 1)));
    }
    return {{"type", "fillup"}, {"grid", grid}, {"clues", clues}};
}

TEST(LegendWindow, StandsBesideTheRiddleInsideTheMainWindow) {
    struct Case {
        const char* name;
        QJsonObject source;
        // The riddle window's client width; 0: as wide as the grid.
        int clientWidth;
        bool asHighAsTheRiddle;
    } cases[] = {
        // The tool bar's last button (the word entry, at 156) ends 4 pixels before the edge, and the
        // legend keeps its own height so that both lists show several rows.
        {"small riddle", HausSource("swedish"), 182, false},
        {"large riddle", RowsSource(12, 7), 0, true},
    };
    for (const Case& c : cases) {
        packed::Player p = SourcePlayer(c.source);
        TLegendForm* legend = parts::ToolOf<TLegendForm>(p.form());
        ASSERT_NE(legend, nullptr) << c.name;
        const QRect riddle = p.form()->geometry();
        EXPECT_EQ(p.form()->widget()->width(), c.clientWidth ? c.clientWidth : p.word()->width()) << c.name;
        EXPECT_EQ(legend->geometry(),
                  QRect(riddle.right() + 1, riddle.top(), 300, c.asHighAsTheRiddle ? riddle.height() : 419))
            << c.name;
        // The main window grows to hold it (the tall riddle passes the test screen's height).
        if (!c.asHighAsTheRiddle) {
            EXPECT_TRUE(p.main()->MdiArea()->viewport()->rect().contains(legend->geometry())) << c.name;
        }
        EXPECT_EQ(legend->windowTitle(), QStringLiteral("Legende")) << c.name;
        // The keys stay with the grid.
        EXPECT_TRUE(p.word()->hasFocus()) << c.name;
        // After a zoom the legend stands beside the riddle window again.
        p.form()->MItemPlayZoomInClick(parts::Named<QToolButton>(p.form(), "SBZoomIn"));
        const QRect zoomed = p.form()->geometry();
        EXPECT_EQ(legend->geometry().height(), c.asHighAsTheRiddle ? zoomed.height() : 419) << c.name;
        EXPECT_EQ(legend->geometry().left(), zoomed.right() + 1) << c.name;
    }
}

TEST(LegendWindow, WideRiddleIsShownWholeFromItsCorner) {
    // 30 columns and the legend beside them pass the room right of the centred main window: it
    // moves left to make room rather than scroll.
    packed::Player p = SourcePlayer(RowsSource(30, 3));
    QMdiArea* area = p.main()->MdiArea();
    QCoreApplication::processEvents();
    QRect used;
    for (QMdiSubWindow* w : area->subWindowList())
        used |= w->geometry();
    EXPECT_EQ(used.topLeft(), QPoint(0, 0));
    EXPECT_EQ(area->viewport()->size(), used.size());
    EXPECT_TRUE(p.main()->screen()->availableGeometry().contains(p.main()->frameGeometry()));
    // Zoomed beyond the screen the client area scrolls, and still shows the riddle's corner.
    for (int zoom = 1; zoom <= 12; ++zoom) {
        p.form()->MItemPlayZoomInClick(parts::Named<QToolButton>(p.form(), "SBZoomIn"));
        QCoreApplication::processEvents();
        EXPECT_EQ(p.form()->pos(), QPoint(0, 0)) << zoom;
    }
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_EQ(area->horizontalScrollBar()->value(), 0);
}

TEST(LegendWindow, ContextMenuItemsShowTheirHintInTheStatusLine) {
    // The items the menu offers when it opens over a fresh riddle.
    const std::pair<const char*, int> cases[] = {{"swedish", 3}, {"numbers", 2}};
    for (const auto& [type, offered] : cases) {
        packed::Player p = SourcePlayer(HausSource(type));
        QWidget* legend = QLatin1String(type) == QLatin1String("numbers")
                              ? static_cast<QWidget*>(parts::ToolOf<TNumLegendForm>(p.form()))
                              : static_cast<QWidget*>(parts::ToolOf<TLegendForm>(p.form()));
        ASSERT_NE(legend, nullptr) << type;
        auto* menu = legend->findChild<QMenu*>(QStringLiteral("MenuLegende"));
        ASSERT_NE(menu, nullptr) << type;
        menu->popup(legend->mapToGlobal(QPoint(20, 40)));
        const QLabel* hints = p.main()->findChild<QLabel*>(QStringLiteral("LblHints"));
        int shown = 0;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator() || !item->isVisible() || !item->isEnabled())
                continue;
            menu->setActiveAction(item);
            EXPECT_EQ(hints->text(), item->statusTip()) << type << " " << item->objectName().toStdString();
            ++shown;
        }
        EXPECT_EQ(shown, offered) << type;
        menu->close();
    }
}

TEST(LegendWindow, ViewMenuFollowsAndSteersTheLegend) {
    packed::Player p = SourcePlayer(HausSource("swedish"));
    TRMMainForm* m = p.main();
    m->MItemAnsLegendeClick();
    EXPECT_TRUE(parts::Named<QAction>(m, "MIemAnsAusblenden")->isVisible());
    EXPECT_FALSE(parts::Named<QAction>(m, "MIemAnsAusblenden")->isChecked());
    EXPECT_TRUE(parts::Named<QAction>(m, "MItemAnsMarkieren")->isVisible() &&
                parts::Named<QAction>(m, "MItemAnsMarkieren")->isEnabled());
    EXPECT_FALSE(parts::Named<QAction>(m, "MItemAnsEineLegende")->isVisible());
    EXPECT_FALSE(parts::Named<QAction>(m, "MItemAnsLegAutomatisch")->isVisible());
    m->MIemAnsAusblendenClick();
    m->MItemAnsLegendeClick();
    EXPECT_TRUE(parts::ToolOf<TLegendForm>(p.form())->Options().HideSolved);
    EXPECT_TRUE(parts::Named<QAction>(m, "MIemAnsAusblenden")->isChecked());
    EXPECT_FALSE(parts::Named<QAction>(m, "MItemAnsMarkieren")->isEnabled());
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

TEST(LegendWindow, HeaderTooltipStaysWhileTheMouseRestsInItsCell) {
    packed::Player p = SourcePlayer(HausSource("american"));
    TRiddleForm* f = p.form();
    f->MItemPlayShowHintsClick();
    QWidget* view = p.word()->viewport();
    // Column 2 holds one black cell; its count is shown below the header cell, over the cell itself.
    const QRect header(view->mapToGlobal(p.word()->CellRect(2, 0).topLeft()),
                       p.word()->CellRect(2, 0).size());
    const QPoint inHeader = p.word()->CellRect(2, 0).center();
    f->WordGridMouseMove(&p.word()->Riddle(), {}, inHeader.x(), inHeader.y());
    THintForm* hint = THintForm::Current();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->Hinweis->text(), QStringLiteral("1"));
    QWidget* label = hint->Hinweis;
    auto enter = [&](const QPoint& Global) {
        QCursor::setPos(Global);
        QEnterEvent e(label->mapFromGlobal(Global), label->mapFromGlobal(Global), Global);
        QApplication::sendEvent(label, &e);
    };
    auto move = [&](const QPoint& Global) {
        QCursor::setPos(Global);
        QMouseEvent e(QEvent::MouseMove, label->mapFromGlobal(Global), Global, Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(label, &e);
    };
    const QRect over = hint->geometry() & header;
    ASSERT_FALSE(over.isEmpty());
    // Wherever in the header cell the mouse rests on the tooltip, the tooltip stays.
    for (const QPoint& at : {over.topLeft(), over.center(), over.bottomRight()}) {
        enter(at);
        move(at);
        ASSERT_EQ(THintForm::Current(), hint) << at.x() << "," << at.y();
    }
    // The grid underneath loses the mouse to the tooltip, which does not count as leaving it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    ASSERT_EQ(THintForm::Current(), hint);
    // Moved on over the tooltip beyond the cell, the tooltip closes.
    move(QPoint(header.right() + 1, over.center().y()));
    EXPECT_EQ(THintForm::Current(), nullptr);
    // Leaving the grid elsewhere closes a tooltip too.
    f->WordGridMouseMove(&p.word()->Riddle(), {}, p.word()->CellRect(3, 0).center().x(), inHeader.y());
    ASSERT_NE(THintForm::Current(), nullptr);
    QCursor::setPos(view->mapToGlobal(QPoint(-50, -50)));
    QApplication::sendEvent(view, &leave);
    EXPECT_EQ(THintForm::Current(), nullptr);
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
        TLegendForm* legend = parts::ToolOf<TLegendForm>(p.form());
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
