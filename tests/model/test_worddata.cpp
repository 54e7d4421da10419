// Word riddle setters: cell rules, change announcements, update nesting, row and column states
// and the hooks of the grid control.

#include "RiddleTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace {

using rt::FillLine;

TEST(WordCell, ClearingTheLetterFlagEmptiesTheCell) {
    TWordRiddleData r;
    TWordGridCell& cell = r.Cell(4, 5);
    cell.SetFlags(cfLetter | cfKeyword | cfStartAcross | cfStartDown | cfEndAcross | cfEndDown);
    cell.SetSolution('S');
    cell.SetEntry('E');
    cell.SetKeywordIndex(4);
    cell.SetClueFlags(kClueAcross | kClueDown);
    cell.SetClueNumber(7);
    cell.SetFlags(uint16_t(cell.Flags() & ~cfLetter));
    EXPECT_EQ(cell.Flags(), cfEndAcross | cfEndDown);
    EXPECT_EQ(cell.Solution(), 0);
    EXPECT_EQ(cell.Entry(), 0);
    EXPECT_EQ(cell.KeywordIndex(), 0);
    EXPECT_EQ(cell.ClueFlags(), 0);
    EXPECT_EQ(cell.ClueNumber(), 0);
    EXPECT_EQ(cell.Col(), 4);
    EXPECT_EQ(cell.Row(), 5);
}

TEST(WordCell, StatusRules) {
    struct Case {
        const char* name;
        TRiddleType type;
        uint16_t flags;
        uint8_t entry;
        bool revealed;
        uint8_t marked;
        uint8_t status;
    } cases[] = {
        {"empty letter", rtSwedish, cfLetter, 0, false, 0, 0},
        {"blank entry is empty", rtSwedish, cfLetter, ' ', false, 0, 0},
        {"right letter", rtSwedish, cfLetter, 'A', false, 0, 1},
        {"wrong letter", rtSwedish, cfLetter, 'B', false, 0, 2},
        {"revealed over a wrong letter", rtSwedish, cfLetter, 'B', true, 0, 1},
        {"revealed without entry", rtFillup, cfLetter, 0, true, 0, 1},
        {"findwords letter not marked", rtFindWords, cfLetter, 0, false, 0, 2},
        {"findwords letter marked", rtFindWords, cfLetter, 0, false, 1, 1},
        {"findwords filler not marked", rtFindWords, 0, 0, false, 0, 1},
        {"findwords filler marked", rtFindWords, 0, 0, false, 1, 2},
    };
    for (const Case& c : cases) {
        TWordRiddleData r;
        r.SetRiddleType(c.type);
        TWordGridCell& cell = r.Cell(2, 3);
        cell.SetFlags(c.flags);
        if (c.flags & cfLetter)
            cell.SetSolution('A');
        cell.SetEntry(c.entry);
        cell.SetRevealed(c.revealed);
        cell.SetMarked(c.marked);
        EXPECT_EQ(cell.Status(), c.status) << c.name;
        if (c.entry == ' ') {
            EXPECT_EQ(cell.Entry(), 0) << c.name;
        }
    }
}

TEST(WordRiddle, SettersRefuseOrAdjustValues) {
    TWordRiddleData r;
    r.SetLanguage(3);
    r.SetRiddleCols(12);
    r.SetRiddleRows(13);
    for (int v : {-1, 0, 100, 255}) {
        r.SetLanguage(uint8_t(v == 0 ? 6 : v));
        r.SetRiddleCols(v);
        r.SetRiddleRows(v);
    }
    EXPECT_EQ(r.Language(), 3);
    EXPECT_EQ(r.RiddleCols(), 12);
    EXPECT_EQ(r.RiddleRows(), 13);
    r.SetRiddleCols(99);
    r.SetRiddleRows(1);
    EXPECT_EQ(r.RiddleCols(), 99);
    EXPECT_EQ(r.RiddleRows(), 1);

    ASSERT_TRUE(r.PaintOptions().Contains(poShowFail));
    r.SetHelpFlags(THelpFlags{hfShowFail, hfShowRiddle});
    EXPECT_TRUE(r.PaintOptions().Contains(poShowFail));
    r.SetHelpFlags(THelpFlags{hfAutoFill});
    EXPECT_EQ(r.PaintOptions(), kDefaultPaintOptions.Without(poShowFail));

    r.Keyword().SetWord(QStringLiteral("ABC"));
    EXPECT_EQ(r.Keyword().Guess(), QStringLiteral("   "));
    EXPECT_EQ(r.Keyword().WordLength(), 3);
    r.SetState(stReady);
    int announced = 0;
    QObject::connect(&r, &TRiddleData::OnBeforeChange, [&] { ++announced; });
    r.Keyword().SetWord(QStringLiteral("ABC"));
    EXPECT_EQ(announced, 0);
    r.Keyword().SetWord(QString(60, u'X'));
    EXPECT_EQ(r.Keyword().WordLength(), 50);

    // A changed value marks the riddle modified; the same value again changes nothing.
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"skill", [&] { r.SetSkill(rsHard); }},
        {"picture", [&] { r.SetImage(QImage(2, 2, QImage::Format_RGB32)); }},
        {"language", [&] { r.SetLanguage(4); }},
        {"columns", [&] { r.SetRiddleCols(7); }},
        {"rows", [&] { r.SetRiddleRows(8); }},
    };
    for (const auto& [name, change] : changes) {
        r.SetModified(false);
        change();
        EXPECT_TRUE(r.Modified()) << name;
    }
    r.SetModified(false);
    r.SetSkill(rsHard);
    r.SetLanguage(4);
    EXPECT_FALSE(r.Modified());
    EXPECT_EQ(r.Skill(), rsHard);
}

struct Announcement {
    const char* name;
    std::function<void(TWordRiddleData&)> act;
    uint8_t kind;
    const char* text;
};

const Announcement kAnnouncements[] = {
    {"cell entry", [](TWordRiddleData& R) { R.Cell(2, 1).SetEntry('B'); }, 1, "Buchstaben eingeben"},
    {"cell mark", [](TWordRiddleData& R) { R.Cell(2, 1).SetMarked(1); }, 1, "Markierung ändern"},
    {"cell revealed", [](TWordRiddleData& R) { R.Cell(2, 1).SetRevealed(true); }, 1, "Rätselfeld ändern"},
    {"cell flags", [](TWordRiddleData& R) { R.Cell(2, 1).SetFlags(cfLetter | cfGiven); }, 3,
     "Rätselfeld ändern"},
    {"cell solution", [](TWordRiddleData& R) { R.Cell(2, 1).SetSolution('Z'); }, 3, "Rätselfeld ändern"},
    {"clue word", [](TWordRiddleData& R) { R.Clue(0).SetWord(QStringLiteral("ABD")); }, 3, "Legende ändern"},
    {"clue solved", [](TWordRiddleData& R) { R.Clue(0).SetSolved(true); }, 1, "Legendeneintrag markieren"},
    {"letter legend entry", [](TWordRiddleData& R) { R.LetterLegend(0).SetEntry('Q'); }, 1, "Legende ändern"},
    {"help flags", [](TWordRiddleData& R) { R.SetHelpFlags(THelpFlags{hfAutoFill}); }, 2,
     "Hilfeoptionen ändern"},
    {"riddle type", [](TWordRiddleData& R) { R.SetRiddleType(rtFillup); }, 2, "Rätseltyp ändern"},
    {"image options", [](TWordRiddleData& R) { R.SetImageOptions(TImageOptions{ioGrayScale}); }, 2,
     "Bild ändern"},
    {"language", [](TWordRiddleData& R) { R.SetLanguage(2); }, 2, "Rätsel bearbeiten"},
    {"keyword word", [](TWordRiddleData& R) { R.Keyword().SetWord(QStringLiteral("XY")); }, 1,
     "Lösungswort ändern"},
    {"keyword guess", [](TWordRiddleData& R) { R.Keyword().SetGuess(QStringLiteral("C ")); }, 1,
     "Lösungswort ändern"},
};

TEST(WordRiddle, ChangesAreAnnouncedWithKindAndText) {
    enum Condition { Solving, StillNew, InUpdate, NotRecording };
    for (const Announcement& a : kAnnouncements)
        for (Condition condition : {Solving, StillNew, InUpdate, NotRecording}) {
            TWordRiddleData r;
            FillLine(r, QStringLiteral("ABC"));
            r.Keyword().SetWord(QStringLiteral("CA"));
            r.SetState(condition == StillNew ? stNew : stReady);
            std::vector<std::pair<uint8_t, QString>> seen;
            QObject::connect(&r, &TRiddleData::OnBeforeChange,
                             [&](TObject* Sender, TRiddleChangeTypes Kind, const QString& Text) {
                                 EXPECT_EQ(Sender, static_cast<TObject*>(&r));
                                 seen.emplace_back(Kind.Raw(), Text);
                             });
            if (condition == InUpdate)
                r.BeginUpdate();
            r.SetChangeRecording(condition != NotRecording);
            a.act(r);
            if (condition != Solving) {
                EXPECT_TRUE(seen.empty()) << a.name << " in condition " << condition;
                continue;
            }
            ASSERT_EQ(seen.size(), 1u) << a.name;
            EXPECT_EQ(seen[0].first, a.kind) << a.name;
            EXPECT_EQ(seen[0].second, QString::fromUtf8(a.text)) << a.name;
        }
}

// Changes inside an update reach the control once, when the outermost update ends.
void CheckUpdateNesting(std::initializer_list<int> Changes, bool AlreadyModified) {
    for (int index : Changes) {
        const Announcement& a = kAnnouncements[index];
        TWordRiddleData r;
        FillLine(r, QStringLiteral("ABC"));
        r.Keyword().SetWord(QStringLiteral("CA"));
        r.SetState(stReady);
        r.SetModified(AlreadyModified);
        QStringList events;
        QObject::connect(&r, &TRiddleData::OnChange, [&] { events << QStringLiteral("change"); });
        QObject::connect(&r, &TRiddleData::OnLegendChange, [&] { events << QStringLiteral("legend"); });
        QObject::connect(&r, &TRiddleData::OnLegendStateChange,
                         [&] { events << QStringLiteral("legend state"); });
        r.BeginUpdate();
        r.BeginUpdate();
        a.act(r);
        r.EndUpdate();
        EXPECT_TRUE(events.isEmpty()) << a.name << ": " << events.join(u',').toStdString();
        r.EndUpdate();
        EXPECT_EQ(events, QStringList({QStringLiteral("change"), QStringLiteral("legend")})) << a.name;
        EXPECT_TRUE(r.Modified()) << a.name;
    }
}

TEST(WordRiddle, UpdateHoldsEventsBackAndRaisesThemOnce) {
    CheckUpdateNesting({0, 1, 3, 4, 5, 6, 7, 8, 9, 11}, false);

    TWordRiddleData idle;
    int events = 0;
    QObject::connect(&idle, &TRiddleData::OnChange, [&] { ++events; });
    QObject::connect(&idle, &TRiddleData::OnLegendChange, [&] { ++events; });
    idle.BeginUpdate();
    idle.EndUpdate();
    EXPECT_EQ(events, 0) << "an update without changes raised events";
}

TEST(WordRiddle, UpdateOfAModifiedRiddleRaisesEventsOnce) {
    CheckUpdateNesting({0, 4, 5, 7, 11}, true);
}

// A copy, a restart or a restored snapshot changes many cells, clues and letters, yet tells its
// listeners once: the step it is (if any) before, one change and one legend change after.
TEST(RiddleData, BulkChangesAreOneChange) {
    TWordRiddleData word;
    rt::BuildExample(word);
    word.SetAutoMarkLegend(true);
    word.SetState(stReady);
    word.Cell(1, 1).SetEntry('I');
    TSudokuRiddleData sudoku;
    rt::BuildSudoku(sudoku, ss9Symbols);
    const TSudokuRiddleData::TSnapshot empty = TSudokuRiddleData().TakeSnapshot();
    const QStringList edit{QStringLiteral("before Rätsel bearbeiten")};
    const QStringList once{QStringLiteral("change"), QStringLiteral("legend")};
    const struct {
        const char* name;
        bool sudoku;
        std::function<void(TRiddleData&)> act;
        QStringList events;
    } cases[] = {
        {"word copy", false, [&](TRiddleData& R) { R.Assign(word, true); }, edit + once},
        {"whole word copy", false, [&](TRiddleData& R) { R.Assign(word, false); }, edit + once},
        {"word restart", false, [](TRiddleData& R) { R.Reset(false, true); }, once},
        {"sudoku copy", true, [&](TRiddleData& R) { R.Assign(sudoku, true); }, edit + once},
        {"sudoku restart", true, [](TRiddleData& R) { R.Reset(false, true); }, once},
        {"snapshot", true, [&](TRiddleData& R) { static_cast<TSudokuRiddleData&>(R).RestoreSnapshot(empty); },
         edit + once},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TRiddleData> target = rt::NewRiddle(c.sudoku);
        target->Assign(c.sudoku ? static_cast<TRiddleData&>(sudoku) : word, false);
        target->SetModified(false);
        QStringList events;
        QObject::connect(
            target.get(), &TRiddleData::OnBeforeChange,
            [&](TObject*, TRiddleChangeTypes, const QString& Text) { events << "before " + Text; });
        QObject::connect(target.get(), &TRiddleData::OnChange, [&] { events << QStringLiteral("change"); });
        QObject::connect(target.get(), &TRiddleData::OnLegendChange,
                         [&] { events << QStringLiteral("legend"); });
        QObject::connect(target.get(), &TRiddleData::OnLegendStateChange,
                         [&] { events << QStringLiteral("legend state"); });
        QObject::connect(target.get(), &TRiddleData::OnRowOrColStateChange,
                         [&] { events << QStringLiteral("line state"); });
        c.act(*target);
        EXPECT_EQ(events, c.events) << c.name;
    }
}

TEST(WordRiddle, RowAndColumnStatesInsideTheGridOnly) {
    struct Case {
        bool column;
        int index;
        bool accepted;
    } cases[] = {{true, 0, false},   {true, 1, true},   {true, 4, true},  {true, 5, false},
                 {true, 100, false}, {false, 0, false}, {false, 1, true}, {false, 3, true},
                 {false, 4, false},  {false, -1, false}};
    for (const Case& c : cases) {
        TWordRiddleData r;
        r.SetRiddleCols(4);
        r.SetRiddleRows(3);
        r.SetModified(false);
        std::vector<std::tuple<int, int, TWordDirection>> events;
        QObject::connect(
            &r, &TRiddleData::OnRowOrColStateChange,
            [&](TObject*, int ACol, int ARow, TWordDirection Dir) { events.emplace_back(ACol, ARow, Dir); });
        for (int round = 0; round < 2; ++round) // the second round repeats the value
            c.column ? r.SetColumnState(c.index, 2) : r.SetRowState(c.index, 2);
        const uint8_t stored = c.column ? r.ColumnState(c.index) : r.RowState(c.index);
        EXPECT_EQ(r.Modified(), c.accepted) << c.column << " " << c.index;
        if (!c.accepted) {
            EXPECT_TRUE(events.empty()) << c.column << " " << c.index;
            EXPECT_EQ(stored, 0);
            continue;
        }
        EXPECT_EQ(stored, 2);
        ASSERT_EQ(events.size(), 1u) << c.column << " " << c.index;
        const auto expected =
            c.column ? std::make_tuple(c.index, 0, wdVertical) : std::make_tuple(0, c.index, wdHorizontal);
        EXPECT_EQ(events[0], expected);
    }
}

TEST(WordRiddle, EveryTablePositionIsACellOfItsOwn) {
    TWordRiddleData r;
    r.SetRiddleCols(3);
    r.SetRiddleRows(2);
    const int last = TWordRiddleData::kTableSize - 1;
    // Read from the far corner first, as a painter may, then written everywhere.
    EXPECT_EQ(std::as_const(r).Cell(last, last).Flags(), cfBlack);
    for (int c = 0; c <= last; ++c)
        for (int row = 0; row <= last; ++row)
            r.Cell(c, row).SetNumber(c * 1000 + row);
    int wrong = 0;
    for (int c = 0; c <= last; ++c)
        for (int row = 0; row <= last; ++row) {
            const TWordGridCell* cell = r.CellAt(c, row);
            wrong += !cell || cell->Col() != c || cell->Row() != row || cell->Number() != c * 1000 + row;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(r.CellAt(last + 1, 0), nullptr);
    EXPECT_EQ(r.CellAt(0, -1), nullptr);
}

TEST(WordRiddle, CountsTheCellsWithAFlag) {
    TWordRiddleData r;
    FillLine(r, QStringLiteral("ABC"));
    r.Cell(3, 1).SetFlags(cfLetter | 0x8000);
    const struct {
        int bit;
        bool exact;
        int count;
    } cases[] = {{5, false, 3}, {5, true, 1},   {15, false, 1}, {15, true, 0},
                 {0, false, 0}, {16, false, 0}, {-1, false, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(r.CountFlagAll(c.bit, c.exact), c.count) << c.bit << " " << c.exact;
}

TEST(WordRiddle, ViewsAreToldWhatChanged) {
    struct Case {
        const char* name;
        bool autoMark, picture;
        std::function<void(TWordRiddleData&)> act;
        const char* expected;
        const char* forbidden;
    } cases[] = {
        {"entry", 0, 0, [](auto& R) { R.Cell(2, 1).SetEntry('B'); },
         "CellInvalidated 2,1;WordCellChanged 2,1", "SolvedMarksDue 2,1"},
        {"entry, legend marks", 1, 0, [](auto& R) { R.Cell(3, 1).SetEntry('C'); },
         "CellInvalidated 3,1;WordCellChanged 3,1;SolvedMarksDue 3,1", ""},
        {"flags", 0, 0, [](auto& R) { R.Cell(2, 1).SetFlags(cfBlack); },
         "CellInvalidated 2,1;WordCellChanged 2,1", ""},
        {"riddle type", 0, 0, [](auto& R) { R.SetRiddleType(rtFrench); }, "GeometryChanged", ""},
        {"columns", 0, 0, [](auto& R) { R.SetRiddleCols(7); }, "GeometryChanged;Invalidated", ""},
        {"image options, picture", 0, 1, [](auto& R) { R.SetImageOptions(TImageOptions{ioFitVertical}); },
         "PictureChanged;Invalidated", ""},
        {"image options", 0, 0, [](auto& R) { R.SetImageOptions(TImageOptions{ioFitVertical}); },
         "Invalidated", "PictureChanged"},
        {"colour", 0, 0, [](auto& R) { R.TextColors().SetBase(TRiddleColors::Char, 0x010203); },
         "Invalidated", "GeometryChanged"},
        {"automatic size", 0, 0,
         [](auto& R) {
             R.SetPaintOptions(R.PaintOptions().Toggled(poAutoSize, !R.PaintOptions().Contains(poAutoSize)));
         },
         "GeometryChanged;Invalidated", ""},
        {"paint option", 0, 0,
         [](auto& R) {
             R.SetPaintOptions(
                 R.PaintOptions().Toggled(poMarkCurrWord, !R.PaintOptions().Contains(poMarkCurrWord)));
         },
         "Invalidated", "GeometryChanged"},
        {"display mode", 0, 0, [](auto& R) { R.SetDisplayMode(dmSolution); }, "GeometryChanged;Invalidated",
         ""},
        {"solve time", 0, 0, [](auto& R) { R.SetTime(42); }, "TimeChanged", "Invalidated"},
        {"end of a bulk change, picture", 0, 1,
         [](auto& R) {
             R.BeginUpdate();
             R.EndUpdate();
         },
         "PictureChanged", ""},
        {"inner end of a nested bulk change", 0, 1,
         [](auto& R) {
             R.BeginUpdate();
             R.BeginUpdate();
             R.EndUpdate();
         },
         "", "PictureChanged;Invalidated"},
        {"end of a bulk change", 0, 0,
         [](auto& R) {
             R.BeginUpdate();
             R.EndUpdate();
         },
         "", "PictureChanged"},
    };
    for (const Case& c : cases) {
        TWordRiddleData r;
        FillLine(r, QStringLiteral("ABC"));
        r.SetAutoMarkLegend(c.autoMark);
        r.SetRiddleOptions(c.picture ? TRiddleOptions{roHasImage} : kDefaultRiddleOptions);
        r.SetState(stReady);
        rt::TViewSignalLog log(r);
        c.act(r);
        for (const QString& call : QString::fromLatin1(c.expected).split(u';', Qt::SkipEmptyParts))
            EXPECT_TRUE(log.Called(call)) << c.name << ": " << call.toStdString();
        for (const QString& call : QString::fromLatin1(c.forbidden).split(u';', Qt::SkipEmptyParts))
            EXPECT_FALSE(log.Called(call)) << c.name << ": " << call.toStdString();
    }
}

} // namespace
