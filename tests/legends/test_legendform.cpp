// The clue legend window on a grid: rows follow the grid and lead it, solved marks reach the
// clues or only the rows, hiding and the list choice, and the word typed for a clue.

#include "DragState.h"
#include "LegendTestSupport.h"
#include "LegendeDialog.h"
#include "WordEditDialog.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
using namespace legendtest;

struct Legend {
    explicit Legend(const char* Type) {
        Load(grid, HausSource(Type));
        grid.resize(300, 300);
        form = new TLegendForm(nullptr, &grid);
        form->FormShow();
        form->show();
    }
    ~Legend() { delete form; }
    // The row of clue number N in the list, or -1.
    static int RowOf(const TLegendList* List, int32_t N) {
        const auto& rows = List->Model()->Rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].Data.ClueNumber == N)
                return int(i);
        return -1;
    }
    TWordLegendData& Clue(int32_t N, TWordDirection D) {
        return grid.Riddle().Clue(grid.Riddle().FindClueIndex(N, D));
    }
    void ClickMark(TLegendList* List, int Row) {
        const QRect cell = List->visualRect(List->Model()->index(Row, List->Model()->Columns().FirstShown));
        QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 6, cell.center().y()));
    }
    TWordRiddle grid;
    TLegendForm* form;
};

TEST(DragCursors, EachWayHasItsOwnPictureWithTheHotSpotInItsMiddle) {
    LoadRiddleCursors();
    struct Case {
        bool vertical, reversed;
        int slot;
    } cases[] = {{false, false, crDragLTR},
                 {false, true, crDragRTL},
                 {true, false, crDragTTB},
                 {true, true, crDragBTT}};
    QList<QImage> pictures;
    for (const Case& c : cases) {
        EXPECT_EQ(DragCursorSlot(c.vertical, c.reversed), c.slot) << c.vertical << c.reversed;
        const QCursor cursor = RiddleCursor(c.slot);
        const QImage picture = cursor.pixmap().toImage();
        ASSERT_FALSE(picture.isNull()) << c.slot;
        EXPECT_EQ(cursor.hotSpot(), QPoint(picture.width() / 2, picture.height() / 2)) << c.slot;
        EXPECT_FALSE(pictures.contains(picture)) << c.slot;
        pictures << picture;
    }
    EXPECT_FALSE(RiddleCursor(crDragMove).pixmap().isNull());
    for (int outside : {crDragLTR - 1, crDragMove + 1})
        EXPECT_TRUE(RiddleCursor(outside).pixmap().isNull()) << outside;
}

TEST(LegendForm, RowsFollowTheGridAndLeadIt) {
    Legend l("swedish");
    l.grid.Riddle().SetState(stReady);
    // Focusing a clue row moves the grid to its word.
    l.form->VTSenkrecht->FocusRow(Legend::RowOf(l.form->VTSenkrecht, 2));
    EXPECT_EQ(QPoint(l.grid.Col(), l.grid.Row()), QPoint(3, 1));
    EXPECT_EQ(l.grid.Riddle().InputDirection(), wdVertical);
    QCoreApplication::processEvents();
    // The cursor's word selects its row, which does not move the grid back.
    l.grid.MoveCurrent(2, 3, false);
    l.grid.SetInputDirection(wdHorizontal);
    QCoreApplication::processEvents();
    EXPECT_EQ(l.form->VTWaagerecht->FocusedRow(), Legend::RowOf(l.form->VTWaagerecht, 5));
    EXPECT_EQ(QPoint(l.grid.Col(), l.grid.Row()), QPoint(2, 3));
    EXPECT_TRUE(
        l.form->VTWaagerecht->selectionModel()->isRowSelected(l.form->VTWaagerecht->FocusedRow(), {}));
    EXPECT_FALSE(l.form->VTSenkrecht->selectionModel()->hasSelection());
    // A word without a clue, or a clue index the list does not know, selects nothing.
    EXPECT_FALSE(l.form->SelectClue(-1));
    EXPECT_FALSE(l.form->SelectClue(l.grid.Riddle().ClueCount()));
    EXPECT_FALSE(l.form->VTWaagerecht->selectionModel()->hasSelection());
}

TEST(LegendForm, TheMarkReachesTheClueTheMenuCommandOnlyTheRow) {
    Legend l("swedish");
    l.grid.Riddle().SetState(stReady);
    QStringList steps;
    QObject::connect(&l.grid.Riddle(), &TRiddleData::OnBeforeChange,
                     [&steps](TObject*, TRiddleChangeTypes, const QString& Text) { steps << Text; });
    TLegendList* across = l.form->VTWaagerecht;
    const int haus = Legend::RowOf(across, 1);
    l.ClickMark(across, haus);
    EXPECT_TRUE(l.Clue(1, wdHorizontal).Solved());
    EXPECT_TRUE(across->Model()->Rows()[size_t(haus)].Solved);
    EXPECT_EQ(steps, QStringList{QStringLiteral("Legendeneintrag markieren")});

    const int user = Legend::RowOf(across, 5);
    across->FocusRow(user);
    l.form->MItemLegendeBearbeitetClick();
    EXPECT_TRUE(across->Model()->Rows()[size_t(user)].Solved);
    EXPECT_FALSE(l.Clue(5, wdHorizontal).Solved());
    // A rebuild takes the marks from the clues again.
    l.form->RefreshLegend();
    EXPECT_FALSE(across->Model()->Rows()[size_t(Legend::RowOf(across, 5))].Solved);
    EXPECT_TRUE(across->Model()->Rows()[size_t(Legend::RowOf(across, 1))].Solved);
}

TEST(LegendForm, HidingSolvedClues) {
    Legend l("swedish");
    l.grid.Riddle().SetState(stReady);
    TLegendList* across = l.form->VTWaagerecht;
    l.Clue(4, wdHorizontal).SetSolved(true);
    l.form->MItemLegendeAusblendenClick();
    EXPECT_TRUE(across->isRowHidden(Legend::RowOf(across, 4), {}));
    EXPECT_FALSE(l.form->SBBegrMarkieren->isEnabled());
    EXPECT_FALSE(l.form->SBBegrNichtMarkieren->isEnabled());
    // A clue the grid marks solved keeps its row until the next rebuild ...
    l.Clue(5, wdHorizontal).SetSolved(true);
    EXPECT_TRUE(across->Model()->Rows()[size_t(Legend::RowOf(across, 5))].Solved);
    EXPECT_FALSE(across->isRowHidden(Legend::RowOf(across, 5), {}));
    // ... a click on a row's mark hides it at once, and a second click in the menu shows it again.
    l.ClickMark(across, Legend::RowOf(across, 1));
    EXPECT_TRUE(across->isRowHidden(Legend::RowOf(across, 1), {}));
    l.form->MItemLegendeAusblendenClick();
    EXPECT_FALSE(across->isRowHidden(Legend::RowOf(across, 1), {}));
    EXPECT_TRUE(l.form->SBBegrMarkieren->isEnabled());
}

TEST(LegendForm, OneListOrTwo) {
    Legend l("fillup");
    EXPECT_TRUE(l.form->PanelTop->isHidden());
    EXPECT_TRUE(l.form->PanelLblSenkr->isHidden());
    EXPECT_EQ(l.form->VTSenkrecht->Model()->rowCount(), 6);
    l.form->MItemLegendeEineLegendeClick();
    EXPECT_FALSE(l.form->PanelTop->isHidden());
    EXPECT_FALSE(l.form->PanelLblSenkr->isHidden());
    EXPECT_EQ(l.form->VTWaagerecht->Model()->rowCount(), 3);
    EXPECT_EQ(l.form->VTSenkrecht->Model()->rowCount(), 3);
    EXPECT_TRUE(l.form->SBZweiLegenden->isChecked());
    // No header is cut off at its design width.
    for (TLegendList* list : {l.form->VTWaagerecht, l.form->VTSenkrecht})
        for (int c = 0; c < kLegendColumnCount; ++c) {
            const int header = list->header()->fontMetrics().horizontalAdvance(LegendHeader(c));
            EXPECT_TRUE(list->isColumnHidden(c) || list->columnWidth(c) >= header) << c;
        }
}

TEST(LegendForm, TypedWordIsSpelledOutAndMarksTheRow) {
    Legend l("swedish");
    l.grid.Riddle().SetState(stReady);
    TLegendList* across = l.form->VTWaagerecht;
    const int haus = Legend::RowOf(across, 1);
    across->FocusRow(haus);
    QString prompt;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<TWordEditDlg*>(QApplication::activeModalWidget())) {
            prompt = dialog->LblBegriff->text();
            dialog->SetText(QStringLiteral("hß"));
            dialog->accept();
        }
    });
    answer.start(5);
    l.form->MItemLegendeEingebenClick();
    EXPECT_EQ(prompt, QStringLiteral("Gebäude:"));
    QString entries;
    for (int c = 1; c <= 4; ++c)
        entries += QChar(l.grid.Riddle().Cell(c, 1).Entry() ? l.grid.Riddle().Cell(c, 1).Entry() : '.');
    EXPECT_EQ(entries, QStringLiteral("HSS."));
    EXPECT_TRUE(across->Model()->Rows()[size_t(haus)].Solved);
    EXPECT_FALSE(l.Clue(1, wdHorizontal).Solved());
}

} // namespace
