// The one-step undo: which changes are backed up, what undo brings back, and the solve clock
// after an undo.

#include "FormParts.h"
#include "LegendeDialog.h"
#include "SourcePlayer.h"
#include "UndoKeeper.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>

using namespace packed;

namespace {

TEST(UndoKeeper, TypedLettersAreBackedUpInGroupsOfFive) {
    const QString letter = QString::fromUtf8(ChangeText::EnterLetter);
    const QString symbol = QString::fromUtf8(ChangeText::EnterSymbol);
    const QString word = QString::fromUtf8(ChangeText::EnterWord);
    const QString mark = QString::fromUtf8(ChangeText::ChangeMark);
    struct Step {
        TRiddleChangeTypes change;
        QString text;
    };
    const Step L{kChangeProgress, letter}, S{kChangeProgress, symbol}, W{kChangeProgress, word},
        M{kChangeProgress, mark}, D{kChangeBoth, letter};
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<int> backups;
    };
    const Case cases[] = {
        {"ten letters", {L, L, L, L, L, L, L, L, L, L}, {0, 5}},
        {"six symbols", {S, S, S, S, S, S}, {0, 5}},
        {"a word restarts the count", {L, L, L, W, L, L, L, L, L, L}, {0, 3, 8}},
        {"other changes every time", {M, M, L, M}, {0, 1, 3}},
        {"a letter that changes the definition", {L, D, L, L}, {0, 1}},
    };
    for (const Case& c : cases) {
        int countdown = 1;
        std::vector<int> backups;
        for (size_t i = 0; i < c.steps.size(); ++i)
            if (CountDownUndo(countdown, c.steps[i].change, c.steps[i].text))
                backups.push_back(int(i));
        EXPECT_EQ(backups, c.backups) << c.name;
    }
}

TEST(Undo, TenTypedLettersUndoTheLastFive) {
    Player p(Layout(6, 2));
    TRMMainForm* m = p.main();
    QAction* undo = m->findChild<QAction*>(QStringLiteral("MItemBeaRueckgaengig"));
    // Opened once before anything can be undone: the shortcut must not rely on a later opening.
    m->MItemBearbeitenClick();
    EXPECT_FALSE(undo->isEnabled());
    for (int i = 0; i < 10; ++i)
        p.Type(i % 6 + 1, i / 6 + 1, 'x');
    ASSERT_EQ(p.FilledCells(), 10);

    // Through the shortcut, as the solver would.
    QTest::keyClick(p.word(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(undo->text(), QStringLiteral("&Rückgängig: Buchstaben eingeben"));
    EXPECT_EQ(p.FilledCells(), 5);
    for (int c = 1; c <= 5; ++c)
        EXPECT_EQ(p.word()->Riddle().Cell(c, 1).Entry(), 'X') << c;
    // The copy back is no change of its own: the step name stays and nothing is left to undo.
    EXPECT_EQ(m->UndoText(), QStringLiteral("Buchstaben eingeben"));
    EXPECT_FALSE(parts::Named<QToolButton>(m, "TBBeaRueckgaengig")->isEnabled());
    m->MItemBearbeitenClick();
    EXPECT_FALSE(undo->isEnabled());
    m->MItemBeaRueckgaengigClick();
    EXPECT_EQ(p.FilledCells(), 5);
    // With nothing to undo the shortcut is no command, and no Backspace either.
    p.word()->MoveCurrent(3, 1, false);
    QTest::keyClick(p.word(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(p.FilledCells(), 5);

    // The next letter is the fifth after the last backup and makes a new one.
    p.Type(6, 1, 'x');
    EXPECT_TRUE(parts::Named<QToolButton>(m, "TBBeaRueckgaengig")->isEnabled());
}

TEST(Undo, WholeWordIsOneStep) {
    Player p(Layout(6, 2));
    TRMMainForm* m = p.main();
    p.Type(1, 2, 'x');
    p.Type(2, 2, 'x');
    p.word()->EnterWord(QStringLiteral("ABCDEF"), 1, 1, wdHorizontal);
    EXPECT_EQ(p.FilledCells(), 8);
    EXPECT_EQ(m->UndoText(), QStringLiteral("Begriff eintragen"));
    m->MItemBeaRueckgaengigClick();
    EXPECT_EQ(p.FilledCells(), 2);
    // Four letters after the word make no backup; the fifth does.
    for (int c = 1; c <= 4; ++c)
        p.Type(c, 1, 'x');
    EXPECT_FALSE(parts::Named<QToolButton>(m, "TBBeaRueckgaengig")->isEnabled());
    p.Type(5, 1, 'x');
    EXPECT_TRUE(parts::Named<QToolButton>(m, "TBBeaRueckgaengig")->isEnabled());
}

TEST(Undo, EveryWordSearchDragIsOneStep) {
    Player p(Layout(4, 3, rtFindWords));
    TRMMainForm* m = p.main();
    TWordRiddle* grid = p.word();
    auto drag = [grid](QPoint From, QPoint To, Qt::KeyboardModifiers Modifiers) {
        QWidget* view = grid->viewport();
        const QPoint a = grid->CellRect(From.x(), From.y()).center();
        const QPoint b = grid->CellRect(To.x(), To.y()).center();
        QTest::mousePress(view, Qt::LeftButton, Modifiers, a);
        QMouseEvent move(QEvent::MouseMove, b, view->mapToGlobal(b), Qt::NoButton, Qt::LeftButton, Modifiers);
        QApplication::sendEvent(view, &move);
        QTest::mouseRelease(view, Qt::LeftButton, Modifiers, b);
    };
    auto marked = [grid] {
        int n = 0;
        for (int c = 1; c <= 4; ++c)
            for (int r = 1; r <= 3; ++r)
                n += grid->Riddle().Cell(c, r).Marked() ? 1 : 0;
        return n;
    };
    drag({1, 1}, {4, 1}, Qt::NoModifier);
    drag({1, 2}, {1, 3}, Qt::NoModifier);
    ASSERT_EQ(marked(), 6);
    EXPECT_EQ(m->UndoText(), QStringLiteral("Markierung ändern"));
    m->MItemBeaRueckgaengigClick();
    EXPECT_EQ(marked(), 4) << "only the second line goes";
    drag({4, 1}, {1, 1}, Qt::ControlModifier);
    EXPECT_EQ(marked(), 0);
    // Ctrl+Z is undo as well.
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(marked(), 4);
}

// The copy back is one change, so the clue legend rebuilds its rows once, however many clues and
// letters the copy writes.
TEST(Undo, RebuildsTheLegendOnce) {
    Player p = SourcePlayer(legendtest::HausSource("swedish"));
    p.Type(2, 3, 's');
    int rebuilds = 0;
    const TLegendList* list =
        parts::ToolOf<TLegendForm>(p.form())->findChild<TLegendList*>(QStringLiteral("VTSenkrecht"));
    QObject::connect(list->Model(), &QAbstractItemModel::modelReset, [&rebuilds] { ++rebuilds; });
    p.main()->MItemBeaRueckgaengigClick();
    EXPECT_EQ(p.FilledCells(), 0);
    EXPECT_EQ(rebuilds, 1);
}

TEST(Undo, CtrlQEndsTheProgram) {
    Player p(Layout(4, 2));
    ASSERT_TRUE(p.main()->isVisible());
    QTest::keyClick(p.word(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(p.main()->isVisible());
}

TEST(Undo, RestoreResyncsTheSolveClock) {
    struct Case {
        const char* name;
        bool countTime;
        TRiddleState backedUp, later;
        bool running;
    };
    const Case cases[] = {
        {"solved, back to partial", true, stPartial, stSolved, true},
        {"partial, back to ready", true, stReady, stPartial, true},
        {"solved stays solved", true, stSolved, stSolved, false},
        {"solved, back to filled in wrongly", true, stWrongChars, stSolved, true},
        {"riddle without clock", false, stPartial, stSolved, false},
    };
    for (const Case& c : cases) {
        TWordLayout layout;
        layout.Options = c.countTime ? TRiddleOptions{roCountTime} : TRiddleOptions{};
        Player p(layout);
        TRiddleData& r = p.grid()->Riddle();
        // The message for a solved riddle has its own test.
        QObject::disconnect(&r, &TRiddleData::OnStateChange, nullptr, nullptr);
        QDateTime now = QDateTime(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);
        r.Now = [&now] { return now; };
        r.SetState(c.backedUp);
        r.SetTime(30);
        p.main()->SaveUndoState(QStringLiteral("Rätsel bearbeiten"));
        r.SetState(c.later);
        now = now.addSecs(100);
        r.SetTime(50);
        p.main()->MItemBeaRueckgaengigClick();
        EXPECT_EQ(r.State(), c.backedUp) << c.name;
        EXPECT_EQ(r.ClockRunning(), c.running) << c.name;
        if (c.running) {
            EXPECT_EQ(r.ClockStart(), now.addSecs(-50)) << c.name;
        }
    }
}

TEST(Undo, SudokuNeverEnablesUndo) {
    Player p([](QFile& F) { WriteSudoku(F, false); });
    parts::SudokuOf(p.form())->Riddle().Cell(1, 1).SetEntry('1');
    parts::SudokuOf(p.form())->Riddle().Cell(2, 1).SetEntry('2');
    EXPECT_FALSE(parts::Named<QToolButton>(p.main(), "TBBeaRueckgaengig")->isEnabled());
    EXPECT_TRUE(p.main()->UndoText().isEmpty());
}

} // namespace
