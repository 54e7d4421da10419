// Word riddle state: solve evaluation, reset, copying and the solve clock.

#include "RiddleTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using rt::FillLine;
// A scenario is a list of steps "action:state" on the riddle ABC in one row. Actions: "2B" enters
// B in column 2, "2_" clears it, "3!" reveals column 3, "=C_" guesses the solution word "C ",
// "L20" enters the letter legend A … Z with entry 20 wrong ("L*": none wrong, "L-5": entry 5 left
// empty). States: R(eady),
// P(artial), W(rong chars), S(olved).
struct Scenario {
    const char* name;
    TRiddleType type;
    const char* keyword;
    const char* steps;
};

void RunScenario(const Scenario& S) {
    TWordRiddleData r;
    FillLine(r, QStringLiteral("ABC"), S.type);
    for (int i = 0; i < TWordRiddleData::kNumberLetters; ++i)
        r.LetterLegend(i).SetSolution(uint8_t('A' + i));
    if (S.keyword) {
        r.SetRiddleOptions(TRiddleOptions{roHasKeyword});
        r.Keyword().SetWord(QString::fromLatin1(S.keyword));
    }
    r.SetState(stReady);
    for (const QString& step : QString::fromLatin1(S.steps).split(u' ')) {
        QString act = step.section(u':', 0, 0);
        if (act[0] == u'=') {
            r.Keyword().SetGuess(act.mid(1).replace(u'_', u' '));
        } else if (act[0] == u'L') {
            for (int i = 0; i < TWordRiddleData::kNumberLetters; ++i) {
                const bool wrong = act.mid(1) == QString::number(i);
                const bool empty = act[1] == u'-' && act.mid(2) == QString::number(i);
                r.LetterLegend(i).SetEntry(uint8_t(empty ? 0 : wrong ? 'Y' : 'A' + i));
            }
        } else if (act[1] == u'!') {
            r.Cell(act[0].digitValue(), 1).SetRevealed(true);
        } else {
            r.Cell(act[0].digitValue(), 1).SetEntry(act[1] == u'_' ? 0 : uint8_t(act[1].toLatin1()));
        }
        const TRiddleState expected = TRiddleState(QStringLiteral("..RP.WS").indexOf(step.back()));
        EXPECT_EQ(r.State(), expected) << S.name << ", step " << step.toStdString();
    }
}

// 0 empty, 1 right, 2 wrong.
TEST(WordState, CellStatusByKind) {
    struct Case {
        const char* name;
        TRiddleType type;
        uint16_t flags;
        uint8_t entry;
        bool revealed, marked, autoFill;
        uint8_t status;
    } cases[] = {
        {"empty", rtSwedish, cfLetter, 0, false, false, false, 0},
        {"right", rtSwedish, cfLetter, 'A', false, false, false, 1},
        {"wrong", rtSwedish, cfLetter, 'X', false, false, false, 2},
        {"wrong but revealed", rtSwedish, cfLetter, 'X', true, false, false, 1},
        {"revealed and empty", rtSwedish, cfLetter, 0, true, false, false, 1},
        {"revealed with automatic filling", rtSwedish, cfLetter, 'X', true, false, true, 1},
        {"american black cell found", rtAmerican, cfBlack | cfUserBlack, 0, false, false, false, 1},
        {"american black cell not found", rtAmerican, cfBlack, 0, false, false, false, 0},
        {"american letter cell", rtAmerican, cfLetter, 'X', false, false, false, 2},
        {"hidden word letter marked", rtFindWords, cfLetter, 0, false, true, false, 1},
        {"hidden word letter unmarked", rtFindWords, cfLetter, 0, false, false, false, 2},
        {"other letter marked", rtFindWords, 0, 0, false, true, false, 2},
        {"other letter unmarked", rtFindWords, 0, 0, false, false, false, 1},
    };
    for (const Case& c : cases) {
        TWordRiddleData r;
        FillLine(r, QStringLiteral("AB"), c.type);
        r.SetHelpFlags(c.autoFill ? THelpFlags{hfAutoFill} : THelpFlags{});
        TWordGridCell& cell = r.Cell(1, 1);
        cell.SetFlags(c.flags);
        cell.SetEntry(c.entry);
        cell.SetRevealed(c.revealed);
        cell.SetMarked(c.marked ? 1 : 0);
        EXPECT_EQ(r.ComputeStatus(cell), c.status) << c.name;
    }
}

TEST(WordState, EvaluationFollowsTheEntriesAndNeverLowersTheState) {
    const Scenario scenarios[] = {
        {"wrong last letter, cleared, corrected", rtSwedish, nullptr, "1A:P 2B:P 3X:W 3_:W 3C:S 2_:S"},
        {"revealed letter counts as right", rtFillup, nullptr, "1A:P 2B:P 3!:S"},
        {"numbers riddle, wrong letter legend entry", rtNumbers, nullptr, "L20:R 1A:P 2B:P 3C:W"},
        {"numbers riddle, right letter legend", rtNumbers, nullptr, "L*:R 1A:P 2B:P 3C:S"},
        {"numbers riddle, legend entry still empty", rtNumbers, nullptr, "1A:P 2B:P 3C:P L-5:P L*:S"},
        {"numbers riddle, wrong grid, legend open", rtNumbers, nullptr, "L-5:R 1A:P 2B:P 3X:W"},
        {"solution word still open", rtSwedish, "CA", "1A:P 2B:P 3C:P =C_:P =CA:S"},
        {"solution word wrong", rtSwedish, "CA", "1A:P 2B:P 3C:P =CB:W"}};
    for (const Scenario& s : scenarios)
        RunScenario(s);
}

TEST(WordState, AWordSearchIsSolvedWithEveryHiddenLetterMarkedAndNoOther) {
    struct Case {
        const char* name;
        const char* marks; // per cell of "AB#": '1' marked
        TRiddleState state;
    } cases[] = {
        {"one of two letters", "100", stPartial},
        {"both letters", "110", stSolved},
        {"both letters and the other cell", "111", stPartial},
        {"only the other cell", "001", stPartial},
    };
    for (const Case& c : cases) {
        TWordRiddleData r;
        FillLine(r, QStringLiteral("ABX"), rtFindWords);
        r.Cell(3, 1).SetFlags(cfBlack);
        r.SetState(stReady);
        r.StopClock();
        // The other cell first: a solved riddle stays solved.
        for (int col = 3; col >= 1; --col)
            r.Cell(col, 1).SetMarked(c.marks[col - 1] == '1' ? 1 : 0);
        EXPECT_EQ(r.State(), c.state) << c.name;
    }
}

TEST(WordState, AnAmericanRiddleIsSolvedWithItsBlackCellsFound) {
    struct Case {
        const char* name;
        uint16_t middle; // the flags of the middle cell
        TRiddleState state;
    } cases[] = {
        {"the black cell found", cfBlack | cfUserBlack, stSolved},
        {"the black cell missed", cfBlack, stWrongChars},
        {"a black cell over a letter: the letter is still missing", cfLetter | cfUserBlack, stPartial},
    };
    for (const Case& c : cases) {
        TWordRiddleData r;
        FillLine(r, QStringLiteral("AXB"), rtAmerican);
        r.Cell(2, 1).SetFlags(c.middle);
        r.SetState(stReady);
        r.StopClock();
        r.Cell(1, 1).SetEntry('A');
        r.Cell(3, 1).SetEntry('B');
        EXPECT_EQ(r.State(), c.state) << c.name;
    }
}

TEST(WordState, TellsWhenOnlyTheSolutionWordIsMissing) {
    struct Case {
        const char* name;
        const char* keyword;
        const char* entries;
        const char* guess;
        bool awaits;
    } cases[] = {
        {"grid still open", "CA", "AB ", "", false},
        {"grid full and right", "CA", "ABC", "", true},
        {"grid full with a wrong letter", "CA", "ABX", "", true},
        {"solution word half typed", "CA", "ABC", "C ", true},
        {"solution word complete", "CA", "ABC", "CA", false},
        {"no solution word", nullptr, "ABC", "", false},
    };
    for (const Case& c : cases) {
        TWordRiddleData r;
        FillLine(r, QStringLiteral("ABC"));
        if (c.keyword) {
            r.SetRiddleOptions(TRiddleOptions{roHasKeyword});
            r.Keyword().SetWord(QString::fromLatin1(c.keyword));
        }
        r.SetState(stReady);
        for (int col = 1; col <= 3; ++col)
            r.Cell(col, 1).SetEntry(uint8_t(c.entries[col - 1]));
        r.Keyword().SetGuess(QString::fromLatin1(c.guess));
        EXPECT_EQ(r.AwaitsKeyword(), c.awaits) << c.name;
    }
}

// A three-letter riddle with its middle cell given, entries in the other two, a solved clue
// and a guessed solution word.
void PrepareForReset(TWordRiddleData& R) {
    FillLine(R, QStringLiteral("ABC"));
    R.SetRiddleOptions(TRiddleOptions{roHasKeyword});
    R.Keyword().SetWord(QStringLiteral("CA"));
    R.SetTitle(QStringLiteral("Titel"));
    R.Cell(2, 1).SetFlags(cfLetter | cfGiven);
    R.Cell(2, 1).SetRevealed(true);
    R.SetState(stReady);
    R.Cell(1, 1).SetEntry('A');
    R.Cell(3, 1).SetEntry('X');
    R.Cell(3, 1).SetMarked(1);
    R.Clue(0).SetSolved(true);
    R.Keyword().SetGuess(QStringLiteral("CA"));
    R.LetterLegend(0).SetEntry('K');
    R.SetTime(99);
}

TEST(WordState, RestartEmptiesEntriesAndKeepsGivensUnlessAskedTo) {
    for (bool alsoGiven : {false, true}) {
        TWordRiddleData r;
        PrepareForReset(r);
        ASSERT_EQ(r.State(), stWrongChars);
        r.Reset(false, alsoGiven);
        EXPECT_EQ(r.State(), stReady) << alsoGiven;
        EXPECT_EQ(r.Time(), 0);
        EXPECT_EQ(r.Cell(2, 1).Revealed(), !alsoGiven);
        EXPECT_EQ(r.Cell(2, 1).Status(), alsoGiven ? 0 : 1);
        for (int col : {1, 3}) {
            EXPECT_EQ(r.Cell(col, 1).Entry(), 0) << col;
            EXPECT_FALSE(r.Cell(col, 1).Revealed());
            EXPECT_EQ(r.Cell(col, 1).Status(), 0);
        }
        EXPECT_EQ(r.Cell(3, 1).Marked(), 0);
        EXPECT_FALSE(r.Clue(0).Solved());
        EXPECT_EQ(r.Keyword().Guess(), QStringLiteral("  "));
        EXPECT_EQ(r.LetterLegend(0).Entry(), 0);
        EXPECT_EQ(r.Title(), QStringLiteral("Titel"));
    }
}

TEST(WordState, FullResetReturnsToANewRiddle) {
    TWordRiddleData r;
    PrepareForReset(r);
    r.SetRiddleType(rtFrench);
    r.SetHelpFlags(THelpFlags{hfAutoFill});
    r.SetSkill(rsHardest);
    r.Reset(true, false);
    EXPECT_EQ(r.State(), stNew);
    EXPECT_EQ(r.Time(), 0);
    EXPECT_TRUE(r.Title().isEmpty());
    EXPECT_EQ(r.ClueCount(), 0);
    EXPECT_EQ(r.Cell(1, 1).Flags(), cfBlack);
    EXPECT_FALSE(r.Cell(2, 1).Revealed());
    EXPECT_TRUE(r.Keyword().Word().isEmpty());
    EXPECT_EQ(r.LetterLegend(0).Solution(), 0);
    EXPECT_EQ(r.RiddleType(), rtSwedish);
    EXPECT_EQ(r.RiddleOptions(), kDefaultRiddleOptions);
    EXPECT_EQ(r.HelpFlags(), kDefaultHelpFlags);
    EXPECT_EQ(r.Skill(), rsEasy);
}

TEST(WordState, AssignCopiesContentAndOptionallyTheSession) {
    QImage sourcePicture(8, 6, QImage::Format_RGB32);
    sourcePicture.fill(Qt::red);
    QImage targetPicture(4, 4, QImage::Format_RGB32);
    targetPicture.fill(Qt::blue);
    for (bool contentOnly : {true, false}) {
        TWordRiddleData src;
        FillLine(src, QStringLiteral("QUIZ"), rtFillup);
        src.SetImage(sourcePicture);
        src.SetHelpFlags(THelpFlags{hfAutoFill});
        src.SetPaintOptions(TPaintOptions{poAutoSize});
        src.SetState(stReady);
        src.Cell(2, 1).SetEntry('U');
        src.SetTime(50);
        TWordRiddleData dst;
        dst.SetImage(targetPicture);
        dst.SetTime(7);
        dst.Assign(src, contentOnly);
        EXPECT_EQ(dst.RiddleType(), rtFillup);
        EXPECT_EQ(dst.RiddleCols(), 4);
        EXPECT_EQ(dst.State(), stPartial);
        EXPECT_EQ(dst.Cell(4, 1).Solution(), 'Z');
        EXPECT_EQ(dst.Cell(2, 1).Entry(), 'U');
        ASSERT_EQ(dst.ClueCount(), 1);
        EXPECT_EQ(dst.Clue(0).Word(), QStringLiteral("QUIZ"));
        EXPECT_EQ(dst.Time(), contentOnly ? 7 : 50);
        EXPECT_EQ(dst.Image().size(), (contentOnly ? targetPicture : sourcePicture).size());
        EXPECT_EQ(dst.HelpFlags(), contentOnly ? kDefaultHelpFlags : src.HelpFlags());
        EXPECT_EQ(dst.PaintOptions(), contentOnly ? kDefaultPaintOptions : src.PaintOptions());
    }
}

TEST(WordState, ClockRoundsToSixteenBitsOfSeconds) {
    const QDateTime start(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC);
    struct Case {
        qint64 elapsedMs;
        uint16_t time;
    } cases[] = {{0, 0},        {59000, 59},   {1400, 1},     {1500, 2},
                 {2500, 2},     {2600, 3},     {499, 0},      {65535000, 65535},
                 {65536000, 0}, {65539000, 3}, {65535600, 0}, {2 * 65536000 + 10000, 10}};
    for (const Case& c : cases) {
        TWordRiddleData r;
        QDateTime now = start;
        r.Now = [&] { return now; };
        r.StartClock(start);
        now = start.addMSecs(c.elapsedMs);
        r.ClockTick();
        EXPECT_EQ(r.Time(), c.time) << c.elapsedMs;
        r.StopClock();
    }
    // The grid's timer follows the clock: told once when it starts and once when it stops.
    TWordRiddleData r;
    QList<bool> told;
    QObject::connect(&r, &TRiddleData::ClockRunningChanged, [&](bool Running) { told << Running; });
    r.StartClock(start);
    r.StartClock(start.addSecs(5));
    r.StopClock();
    r.StopClock();
    EXPECT_EQ(told, QList<bool>({true, false}));
}

// Events are milliseconds after the start: the clock is paused, resumed or read (Time then).
TEST(WordState, PausedTimeNeverCounts) {
    const QDateTime start(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC);
    enum TStep { Pause, Resume, Read, Restart };
    struct Case {
        const char* name;
        std::vector<std::pair<qint64, TStep>> steps;
        std::vector<uint16_t> times;
        bool runningAtEnd;
    } cases[] = {
        {"no pause", {{10400, Read}}, {10}, true},
        {"paused time left out",
         {{10000, Pause}, {70000, Read}, {70000, Resume}, {75000, Read}},
         {10, 15},
         true},
        // The part second before the pause is kept, not rounded away twice.
        {"part seconds carried", {{10400, Pause}, {20000, Resume}, {20300, Read}}, {11}, true},
        {"second pause, second resume",
         {{5000, Pause}, {9000, Resume}, {9000, Pause}, {60000, Resume}, {61000, Read}},
         {6},
         true},
        {"resume without pause", {{3000, Resume}, {4000, Read}}, {4}, true},
        {"still paused", {{2000, Pause}, {90000, Read}}, {2}, false},
        {"a restart ends the pause",
         {{2000, Pause}, {3000, Restart}, {3000, Resume}, {8000, Read}},
         {5},
         true},
    };
    for (const Case& c : cases) {
        TWordRiddleData r;
        QDateTime now = start;
        r.Now = [&] { return now; };
        r.StartClock(start);
        std::vector<uint16_t> times;
        for (const auto& [ms, step] : c.steps) {
            now = start.addMSecs(ms);
            if (step == Pause)
                r.PauseClock();
            else if (step == Resume)
                r.ResumeClock();
            else if (step == Restart)
                r.StartClock(now);
            else {
                if (r.ClockRunning())
                    r.ClockTick();
                times.push_back(r.Time());
            }
        }
        EXPECT_EQ(times, c.times) << c.name;
        EXPECT_EQ(r.ClockRunning(), c.runningAtEnd) << c.name;
        EXPECT_EQ(r.ClockPaused(), !c.runningAtEnd) << c.name;
        r.StopClock();
    }
}

// Loads a riddle saved in `state` with roCountTime and 100 seconds at a fixed moment.
void CheckClockAfterLoad() {
    const QDateTime now(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC);
    for (TRiddleState state : {stReady, stPartial, stSolved}) {
        TWordRiddleData src;
        FillLine(src, QStringLiteral("AB"));
        src.SetRiddleOptions(TRiddleOptions{roCountTime});
        src.SetState(state);
        src.StopClock();
        src.SetTime(100);
        TWordRiddleData dst;
        dst.Now = [&] { return now; };
        ASSERT_EQ(rt::Load(dst, rt::Save(src)), rfOk);
        EXPECT_EQ(dst.Time(), 100);
        EXPECT_EQ(dst.ClockRunning(), state != stSolved) << state;
        if (state != stSolved) {
            EXPECT_EQ(dst.ClockStart(), now.addSecs(-100)) << state;
        }
        dst.StopClock();
    }
}

TEST(WordState, LoadingASolvingRiddleResumesTheClock) {
    CheckClockAfterLoad();
}

} // namespace
