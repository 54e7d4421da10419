// The number legend, the solution word window and the stopwatch in the running player: where the
// riddle window puts them, how the main window follows them, and the stopwatch's rules.

#include "BevelLabel.h"
#include "FormParts.h"
#include "LedDisplay.h"
#include "LegendeDialog.h"
#include "LoesungDialog.h"
#include "PauseCover.h"
#include "RiddleMessages.h"
#include "SourcePlayer.h"
#include "StopuhrDialog.h"
#include "StopwatchRules.h"
#include "ToolWindowHomes.h"
#include "ZahlenDialog.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>

namespace {
using namespace legendtest;

using packed::SourcePlayer;

// The small Swedish riddle with a solution word of eight letters, timed, with a best time.
QJsonObject TimedKeywordSource(int BestTime) {
    QJsonObject source = HausSource("swedish");
    source["keyword"] = QJsonObject{
        {"word", "AUSRUHEN"},
        {"clue", "Pause machen"},
        {"cells", QJsonArray{QJsonArray{2, 1}, QJsonArray{3, 1}, QJsonArray{4, 1}, QJsonArray{4, 3},
                             QJsonArray{1, 3}, QJsonArray{1, 1}, QJsonArray{4, 2}, QJsonArray{3, 2}}}};
    source["options"] = QJsonArray{"countTime", "allowEdit"};
    source["bestTime"] = BestTime;
    source["bestTimeHolder"] = "Lena";
    return source;
}

bool Overlap(const QRect& A, const QRect& B) {
    return A.intersects(B);
}

TEST(ToolWindows, StandApartInsideTheMainWindow) {
    packed::Player p = SourcePlayer(TimedKeywordSource(420));
    TRiddleForm* f = p.form();
    ASSERT_TRUE(parts::ToolOf<TLegendForm>(f) && parts::ToolOf<TLoesungForm>(f) &&
                parts::ToolOf<TStopuhrForm>(f));
    EXPECT_EQ(p.main()->FindToolWindow(twSolution), parts::ToolOf<TLoesungForm>(f));
    EXPECT_EQ(p.main()->FindToolWindow(twStopwatch), parts::ToolOf<TStopuhrForm>(f));
    const QRect riddle = f->geometry();
    // The solution word is wider than the small riddle window: it stands below the legend too.
    EXPECT_EQ(parts::ToolOf<TLoesungForm>(f)->geometry().topLeft(),
              QPoint(riddle.left(), parts::ToolOf<TLegendForm>(f)->geometry().bottom() + 1));
    EXPECT_EQ(parts::ToolOf<TStopuhrForm>(f)->x(), riddle.right() + 1);
    auto check = [&](const char* When) {
        const QRect area = p.main()->MdiArea()->viewport()->rect();
        const std::vector<QRect> windows = {f->geometry(), parts::ToolOf<TLegendForm>(f)->geometry(),
                                            parts::ToolOf<TLoesungForm>(f)->geometry(),
                                            parts::ToolOf<TStopuhrForm>(f)->geometry()};
        for (size_t i = 0; i < windows.size(); ++i) {
            EXPECT_TRUE(area.contains(windows[i])) << When << ": window " << i << " outside the client area";
            for (size_t j = i + 1; j < windows.size(); ++j)
                EXPECT_FALSE(Overlap(windows[i], windows[j])) << When << ": windows " << i << " and " << j;
        }
    };
    check("after loading");
    EXPECT_EQ(parts::ToolOf<TStopuhrForm>(f)->LblBestTime->text(), QStringLiteral("Lena: 07:00 min."));
    // A grown riddle window pushes the windows beside and below it away.
    for (int i = 0; i < 3; ++i)
        f->MItemPlayZoomInClick(parts::Named<QToolButton>(f, "SBZoomIn"));
    p.main()->resize(1200, 900);
    check("after zooming in");
    EXPECT_EQ(parts::ToolOf<TLoesungForm>(f)->widget()->width(), 8 * (33 + 1) - 1 + 10);

    // The message 2085 puts the stopwatch back in its place.
    const QPoint home = parts::ToolOf<TStopuhrForm>(f)->pos();
    parts::ToolOf<TStopuhrForm>(f)->move(5, 5);
    QCoreApplication::postEvent(qApp, new QEvent(RiddleEventType(kMsgStopwatch)));
    QCoreApplication::sendPostedEvents(qApp);
    EXPECT_EQ(parts::ToolOf<TStopuhrForm>(f)->pos(), home);
}

TEST(ToolWindows, StatusLineSaysWhenOnlyTheSolutionWordIsMissing) {
    packed::Player p = SourcePlayer(TimedKeywordSource(0));
    const QLabel* hints = p.main()->findChild<QLabel*>(QStringLiteral("LblHints"));
    const QString missing =
        QStringLiteral("Das Rätselgitter ist ausgefüllt – es fehlt noch das Lösungswort.");
    const QStringList rows{"HAUS", "A#NE", "USER"};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            if (rows[r - 1][c - 1] != QLatin1Char('#')) {
                // Told once the last cell is filled.
                EXPECT_NE(hints->text(), missing) << c << "," << r;
                p.Type(c, r, rows[r - 1][c - 1].toLatin1());
            }
    EXPECT_EQ(hints->text(), missing);
    EXPECT_EQ(p.word()->Riddle().State(), stPartial);
}

TEST(ToolWindows, StopwatchFollowsTheClockUntilSolved) {
    packed::Player p = SourcePlayer(TimedKeywordSource(0));
    TStopuhrForm* watch = parts::ToolOf<TStopuhrForm>(p.form());
    ASSERT_NE(watch, nullptr);
    EXPECT_TRUE(parts::Named<QToolButton>(watch, "SBCountUp")->isChecked());
    EXPECT_FALSE(parts::Named<QToolButton>(watch, "SBCountDown")->isEnabled())
        << "no best time to count down from";
    EXPECT_TRUE(watch->LblBestTime->text().isEmpty());
    EXPECT_TRUE(watch->LblMinus->isHidden());
    TWordRiddleData& riddle = p.word()->Riddle();
    EXPECT_TRUE(riddle.ClockRunning());
    riddle.SetTime(75);
    EXPECT_EQ(watch->LEDTime->Text(), QStringLiteral("1:15"));
    EXPECT_EQ(watch->LEDTime->SegmentColor(), ToQColor(clBlue));

    // The grid and then the solution word: the clock stops with the last letter.
    packed::ModalAnswerer answerer(QString(), [](QWidget* W) { W->close(); });
    const char* rows[] = {"HAUS", "A#NE", "USER"};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            if (rows[r - 1][c - 1] != '#')
                p.Type(c, r, rows[r - 1][c - 1]);
    EXPECT_TRUE(riddle.ClockRunning());
    TLoesungForm* solution = parts::ToolOf<TLoesungForm>(p.form());
    solution->GridKeyword->setFocus();
    QTest::keyClicks(solution->GridKeyword, "ausruhen");
    EXPECT_EQ(riddle.State(), stSolved);
    EXPECT_FALSE(riddle.ClockRunning());
}

// A pause stops the clock and covers the grid and the solution word; a key or a click on a cover
// goes on where the clock stood, and that key types nothing.
TEST(ToolWindows, PauseCoversTheRiddleAndStopsTheClock) {
    enum TWay { PauseKey, CtrlShiftP, Button };
    struct Case {
        TWay pause;
        bool resumeByClick;
    } cases[] = {{PauseKey, false}, {CtrlShiftP, true}, {Button, false}, {Button, true}};
    for (const Case& c : cases) {
        packed::Player p = SourcePlayer(TimedKeywordSource(0));
        TWordRiddleData& riddle = p.word()->Riddle();
        QDateTime now = QDateTime::currentDateTimeUtc();
        riddle.Now = [&] { return now; };
        riddle.StartClock(now.addSecs(-30));
        auto* pause = parts::Named<QToolButton>(p.main(), "TBAnsPause");
        p.main()->UpdateCommands();
        ASSERT_TRUE(pause->isVisible() && pause->isEnabled()) << c.pause;
        p.main()->FocusGrid();
        if (c.pause == Button)
            pause->click();
        else
            QTest::keyClick(p.word(), c.pause == PauseKey ? Qt::Key_Pause : Qt::Key_P,
                            c.pause == PauseKey ? Qt::NoModifier : Qt::ControlModifier | Qt::ShiftModifier);
        const QList<TPauseCover*> covers = p.form()->findChildren<TPauseCover*>();
        const QList<TPauseCover*> solutionCovers =
            parts::ToolOf<TLoesungForm>(p.form())->findChildren<TPauseCover*>();
        ASSERT_EQ(covers.size() + solutionCovers.size(), 2) << c.pause;
        EXPECT_FALSE(riddle.ClockRunning()) << c.pause;
        EXPECT_EQ(riddle.Time(), 30) << c.pause;
        EXPECT_FALSE(pause->isEnabled()) << c.pause;
        EXPECT_EQ(QApplication::focusWidget(), covers.front()) << c.pause;

        now = now.addSecs(600);
        if (c.resumeByClick)
            QTest::mouseClick(solutionCovers.front(), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(p.form()->findChildren<TPauseCover*>().isEmpty()) << c.pause;
        EXPECT_EQ(p.FilledCells(), 0) << c.pause;
        EXPECT_EQ(QApplication::focusWidget(), p.word()) << c.pause;
        now = now.addSecs(5);
        riddle.ClockTick();
        EXPECT_EQ(riddle.Time(), 35) << c.pause;
        EXPECT_TRUE(pause->isEnabled()) << c.pause;
    }
    // Without a running clock there is nothing to pause.
    packed::Player untimed = SourcePlayer(HausSource("swedish"));
    untimed.main()->UpdateCommands();
    EXPECT_FALSE(parts::Named<QToolButton>(untimed.main(), "TBAnsPause")->isEnabled());
    untimed.main()->MItemAnsPauseClick();
    EXPECT_TRUE(untimed.form()->findChildren<TPauseCover*>().isEmpty());
}

TEST(ToolWindows, NumberRiddleIsSolvedThroughItsLegend) {
    packed::Player p = SourcePlayer(HausSource("numbers"));
    TRiddleForm* f = p.form();
    ASSERT_NE(parts::ToolOf<TNumLegendForm>(f), nullptr);
    EXPECT_EQ(parts::ToolOf<TLegendForm>(f), nullptr) << "a number riddle has no clue legend";
    EXPECT_EQ(parts::ToolOf<TNumLegendForm>(f)->pos(), f->geometry().topRight() + QPoint(1, 0));
    TRMMainForm* m = p.main();
    m->MItemAnsLegendeClick();
    EXPECT_FALSE(parts::Named<QAction>(m, "MIemAnsAusblenden")->isVisible());
    EXPECT_TRUE(parts::Named<QAction>(m, "MItemAnsLegAutomatisch")->isVisible());
    EXPECT_FALSE(parts::Named<QAction>(m, "MItemAnsLegAutomatisch")->isChecked());
    EXPECT_TRUE(parts::Named<QAction>(m, "MItemAnsLegUebernehmen")->isVisible());
    EXPECT_FALSE(parts::Named<QAction>(m, "MItemAnsLegEintragen")->isEnabled())
        << "no letter in the legend yet";

    // With automatic entry a letter typed into the grid reaches the legend.
    m->MItemAnsLegAutomatischClick();
    m->MItemAnsLegendeClick();
    EXPECT_TRUE(parts::Named<QAction>(m, "MItemAnsLegAutomatisch")->isChecked());
    TWordRiddleData& riddle = p.word()->Riddle();
    p.Type(1, 1, 'h');
    TCharLegendData* h = riddle.FindLetter('H');
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->Entry(), uint8_t('H'));
    m->MItemAnsLegendeClick();
    EXPECT_TRUE(parts::Named<QAction>(m, "MItemAnsLegEintragen")->isEnabled());

    // The legend's letters go into the riddle; the last one typed into the legend solves it.
    packed::ModalAnswerer answerer(QString(), [](QWidget* W) { W->close(); });
    TNumLegend legend(*p.word());
    for (int e = 0; e < TNumLegend::kEntries; ++e)
        if (!legend.Vacant(e))
            riddle.LetterLegend(e).SetEntry(riddle.LetterLegend(e).Solution());
    EXPECT_NE(riddle.State(), stSolved);
    m->MItemAnsLegEintragenClick();
    EXPECT_EQ(riddle.State(), stSolved);
}

TEST(Stopwatch, CountsUpOrDownFromTheBestTime) {
    struct Case {
        const char* name;
        uint16_t time, best;
        bool up;
        TStopwatchView view;
        const char* display;
    };
    const QString plus = QStringLiteral("+"), minus = QStringLiteral("-");
    const TColor green = 0x008000, lime = 0x00FF00, red = 0x0000FF;
    const Case cases[] = {
        {"up without a best time", 75, 0, true, {75, false, plus, green, 24, clBlue}, "1:15"},
        {"up with a best time", 75, 600, true, {75, false, plus, green, 24, lime}, "1:15"},
        {"down within the best time", 30, 600, false, {570, true, plus, green, 24, lime}, "9:30"},
        {"down at the best time", 600, 600, false, {0, true, plus, green, 24, lime}, "0:00"},
        {"down past the best time", 630, 600, false, {-30, true, minus, clMaroon, 26, red}, "0:30"},
        {"down past by minutes", 700, 600, false, {-100, true, minus, clMaroon, 26, red}, "1:40"},
        {"minutes are not hours", 65535, 0, true, {65535, false, plus, green, 24, clBlue}, "1092:15"},
    };
    TLEDDisplay display;
    display.SetDigits(5, 2);
    for (const Case& c : cases) {
        const TStopwatchView v = StopwatchView(c.time, c.best, c.up);
        EXPECT_EQ(v, c.view) << c.name;
        display.SetValue(StopwatchValue(v.Seconds));
        EXPECT_EQ(display.Text(), QLatin1String(c.display)) << c.name;
    }
    EXPECT_EQ(BestTimeText(QStringLiteral("Lena"), 754), QStringLiteral("Lena: 12:34 min."));
    EXPECT_EQ(BestTimeText(QString(), 754), QStringLiteral("12:34 min."));
    EXPECT_EQ(BestTimeText(QStringLiteral("Lena"), 0), QString());
}

TEST(Stopwatch, StandsBelowTheWindowsBesideAndBelowTheRiddle) {
    const QRect riddle(0, 0, 300, 200);
    struct Case {
        const char* name;
        QRect legend, solution;
        QPoint home;
    };
    const Case cases[] = {
        {"alone: beside the riddle window", QRect(), QRect(), QPoint(300, 0)},
        {"below the legend", QRect(300, 0, 300, 200), QRect(0, 200, 100, 50), QPoint(300, 200)},
        {"below a taller number legend", QRect(300, 0, 140, 450), QRect(), QPoint(300, 450)},
        {"below a solution word wider than the riddle", QRect(300, 0, 300, 200), QRect(0, 200, 400, 50),
         QPoint(300, 250)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StopwatchHome(riddle, c.legend, c.solution), c.home) << c.name;
}

TEST(ToolWindows, SolutionWordStandsBelowTheRiddleAndAnyLegendItReaches) {
    struct Case {
        const char* name;
        QRect riddle;
        int width;
        QPoint home;
    } cases[] = {
        {"large riddle: legend as high", QRect(0, 0, 450, 500), 257, QPoint(0, 500)},
        {"small riddle, short word: beside the taller legend", QRect(0, 0, 190, 150), 150, QPoint(0, 150)},
        {"small riddle, long word: below the taller legend", QRect(0, 0, 190, 150), 257, QPoint(0, 419)},
    };
    for (const Case& c : cases) {
        const QRect legend = LegendHome(c.riddle);
        EXPECT_EQ(legend, QRect(c.riddle.right() + 1, 0, 300, std::max(c.riddle.height(), 419))) << c.name;
        EXPECT_EQ(SolutionHome(c.riddle, legend, c.width), c.home) << c.name;
    }
}

} // namespace
