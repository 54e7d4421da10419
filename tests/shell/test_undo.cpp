// The one-step undo: which changes are backed up, what undo brings back, and the solve clock
// after an undo.

#include "PackedPlayer.h"
#include "UndoKeeper.h"

#include <QAction>
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
    EXPECT_EQ(m->UndoText, QStringLiteral("Buchstaben eingeben"));
    EXPECT_FALSE(m->TBBeaRueckgaengig->isEnabled());
    m->MItemBearbeitenClick();
    EXPECT_FALSE(undo->isEnabled());
    m->MItemBeaRueckgaengigClick();
    EXPECT_EQ(p.FilledCells(), 5);

    // The next letter is the fifth after the last backup and makes a new one.
    p.Type(6, 1, 'x');
    EXPECT_TRUE(m->TBBeaRueckgaengig->isEnabled());
}

TEST(Undo, WholeWordIsOneStep) {
    Player p(Layout(6, 2));
    TRMMainForm* m = p.main();
    p.Type(1, 2, 'x');
    p.Type(2, 2, 'x');
    p.word()->EnterWord(QStringLiteral("ABCDEF"), 1, 1, wdHorizontal);
    EXPECT_EQ(p.FilledCells(), 8);
    EXPECT_EQ(m->UndoText, QStringLiteral("Begriff eintragen"));
    m->MItemBeaRueckgaengigClick();
    EXPECT_EQ(p.FilledCells(), 2);
    // Four letters after the word make no backup; the fifth does.
    for (int c = 1; c <= 4; ++c)
        p.Type(c, 1, 'x');
    EXPECT_FALSE(m->TBBeaRueckgaengig->isEnabled());
    p.Type(5, 1, 'x');
    EXPECT_TRUE(m->TBBeaRueckgaengig->isEnabled());
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

// A 6 × 6 sudoku that counts time, its solution by the rule, every cell open.
void WriteOpenSudoku(QFile& Out) {
    TSudokuRiddleData r;
    r.SetSize(ss6Symbols);
    for (int c = 1; c <= 6; ++c)
        for (int row = 1; row <= 6; ++row)
            r.Cell(c, row).SetSolution(SymbolOf((3 * ((row - 1) % 2) + (row - 1) / 2 + c - 1) % 6 + 1));
    r.SetRiddleOptions(TRiddleOptions{roCountTime});
    r.SetState(stReady);
    TStreamWriter w(Out);
    WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
    r.SaveToStream(Out, 0, false);
}

// Typed symbols are backed up like typed letters; undo puts back the cells, and the state and the
// solve clock follow the cells put back.
TEST(Undo, SudokuSymbolsAreUndoneInGroups) {
    Player p(WriteOpenSudoku);
    TRMMainForm* m = p.main();
    TSudokuRiddle* grid = p.form()->Sudoku;
    TSudokuRiddleData& s = grid->Riddle();
    // The message for a solved riddle has its own test.
    QObject::disconnect(&s, &TRiddleData::OnStateChange, nullptr, nullptr);
    QDateTime now = QDateTime(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);
    s.Now = [&now] { return now; };
    auto type = [&](int ACol, int ARow) {
        grid->MoveCurrent(ACol, ARow, false);
        QTest::keyClick(grid, char(s.Cell(ACol, ARow).Solution()));
    };
    auto filled = [&] {
        int n = 0;
        for (int c = 1; c <= 6; ++c)
            for (int r = 1; r <= 6; ++r)
                n += s.Cell(c, r).ShownSymbol() != 0;
        return n;
    };
    for (int c = 1; c <= 6; ++c)
        type(c, 1);
    m->MItemBeaRueckgaengigClick();
    EXPECT_EQ(filled(), 5);
    EXPECT_EQ(m->UndoText, QStringLiteral("Symbol eingeben"));
    EXPECT_FALSE(m->TBBeaRueckgaengig->isEnabled());

    // Solved, a symbol deleted and filled in again by the help: undo brings back the open cell.
    for (int c = 1; c <= 6; ++c)
        for (int r = 1; r <= 6; ++r)
            type(c, r);
    ASSERT_EQ(s.State(), stSolved);
    ASSERT_FALSE(s.ClockRunning());
    s.SetHelpFlags(THelpFlags{hfAutoFill});
    grid->MoveCurrent(4, 4, false);
    QTest::keyClick(grid, Qt::Key_Delete);
    p.form()->MItemPlayBuchstEintragenClick();
    EXPECT_EQ(m->UndoText, QStringLiteral("Rätselfeld ändern"));
    EXPECT_EQ(filled(), 36);
    now = now.addSecs(100);
    s.SetTime(70);
    m->MItemBeaRueckgaengigClick();
    EXPECT_EQ(filled(), 35);
    EXPECT_EQ(s.State(), stPartial);
    EXPECT_TRUE(s.ClockRunning());
    EXPECT_EQ(s.ClockStart(), now.addSecs(-70));
}

} // namespace
