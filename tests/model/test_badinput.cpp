// Damaged riddle files: damage gives the section error and nothing crashes, a section that runs
// past the end is read as far as it goes; fixed texts with an oversized length byte stay in step;
// sections the reader does not need are skipped.

#include "RiddleTestSupport.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Damage = std::function<QByteArray(rt::Sections)>;

Damage PatchI32(const char* Tag, int Offset, int32_t Value) {
    return [=](rt::Sections S) {
        rt::PutI32(rt::Find(S, Tag).payload, Offset, Value);
        return rt::Join(S);
    };
}
Damage PatchU8(const char* Tag, int Offset, uint8_t Value) {
    return [=](rt::Sections S) {
        rt::Find(S, Tag).payload[Offset] = char(Value);
        return rt::Join(S);
    };
}
// Grows (or shrinks) a payload; the length field follows the payload.
Damage Resize(const char* Tag, int Delta) {
    return [=](rt::Sections S) {
        QByteArray& p = rt::Find(S, Tag).payload;
        p = Delta < 0 ? p.left(p.size() + Delta) : p + QByteArray(Delta, '\0');
        return rt::Join(S);
    };
}
// The length field of section `index` says `length`, the payload stays.
Damage Length(int Index, int32_t Length) {
    return [=](rt::Sections S) {
        QByteArray out;
        for (size_t i = 0; i < S.size(); ++i)
            out +=
                int(i) == Index ? rt::SectionBytes(S[i].tag, S[i].payload, Length) : rt::SectionBytes(S[i]);
        return out;
    };
}

rt::Sections WordSections() {
    TWordRiddleData r;
    rt::FillLine(r, QStringLiteral("ABC"));
    r.SetRiddleOptions(TRiddleOptions{roHasKeyword});
    r.Keyword().SetWord(QStringLiteral("CAB"));
    r.TextColors().SetBase(TRiddleColors::Char, 0x00BB00);
    r.SetState(stReady);
    return rt::Split(rt::Save(r));
}

rt::Sections SudokuSections() {
    TSudokuRiddleData s;
    rt::BuildSudoku(s, ss9Symbols);
    return rt::Split(rt::Save(s));
}

TEST(BadInput, DamagedFilesGiveTheSectionError) {
    struct Case {
        const char* name;
        bool sudoku;
        Damage damage;
        bool stateOnly = false;
    } cases[] = {
        {"columns 0", false, PatchI32("GLOBAL", 634, 0)},
        {"columns 100", false, PatchI32("GLOBAL", 634, 100)},
        {"rows 0", false, PatchI32("GLOBAL", 638, 0)},
        {"rows 100", false, PatchI32("GLOBAL", 638, 100)},
        {"riddle type 7", false, PatchU8("GLOBAL", 902, 7)},
        {"state 7", false, PatchU8("GLOBAL", 903, 7)},
        {"state 7, state only", false, PatchU8("GLOBAL", 903, 7), true},
        {"GLOBAL one byte short", false, Resize("GLOBAL", -1)},
        {"GLOBAL one byte long", false, Resize("GLOBAL", 1)},
        {"GLOBAL length 0", false, Length(0, 0)},
        {"GLOBAL length negative", false, Length(0, -904)},
        {"clue direction 0", false, PatchU8("LEGLST", 4 + 156, 0)},
        {"clue direction 3", false, PatchU8("LEGLST", 4 + 156, 3)},
        {"clue count negative", false, PatchI32("LEGLST", 0, -1)},
        {"clue count too high", false, PatchI32("LEGLST", 0, 2)},
        {"clue count 0 with a record", false, PatchI32("LEGLST", 0, 0)},
        {"clue list one byte long", false, Resize("LEGLST", 1)},
        {"clue list cut in its count", false, Resize("LEGLST", -162)},
        {"cell list one byte short", false, Resize("CLLLST", -1)},
        {"cell list one record long", false, Resize("CLLLST", 27)},
        {"letter legend 599 bytes", false, Resize("CHRLST", -1)},
        {"letter legend 606 bytes", false, Resize("CHRLST", 6)},
        {"solution word too short", false, Resize("KEYWRD", -1)},
        {"colour set too short", false, Resize("TXTCLR", -4)},
        {"section length negative", false, Length(1, -1)},
        {"section length most negative", false, Length(2, INT32_MIN)},
        {"sudoku size 3", true, PatchU8("GLOBAL", 309, 3)},
        {"sudoku state 7", true, PatchU8("GLOBAL", 631, 7)},
        {"sudoku GLOBAL short", true, Resize("GLOBAL", -1)},
        {"sudoku cell list short", true, Resize("CLLLST", -13)},
    };
    const rt::Sections word = WordSections(), sudoku = SudokuSections();
    ASSERT_EQ(word.size(), 7u);
    for (const Case& c : cases) {
        const QByteArray bytes = c.damage(c.sudoku ? sudoku : word);
        std::unique_ptr<TRiddleData> target = rt::NewRiddle(c.sudoku);
        EXPECT_EQ(rt::Load(*target, bytes, c.stateOnly), rfSectionError) << c.name;
        EXPECT_EQ(rt::Load(*target, c.sudoku ? rt::Join(sudoku) : rt::Join(word)), rfOk)
            << "after " << c.name;
    }
}

// A section whose length runs to or past the end of the stream is the last one: what is there of
// it is read, as far as its reader can make sense of it, and nothing after it.
TEST(BadInput, SectionsRunningPastTheEndAreReadAsFarAsTheyGo) {
    // Cuts the joined sections up to and including section `count`, less `chop` bytes.
    auto cut = [](int Count, int Chop) {
        return [=](rt::Sections S) {
            return rt::Join(rt::Sections(S.begin(), S.begin() + Count)).chopped(Chop);
        };
    };
    auto appended = [](QByteArray Trailer) { return [=](rt::Sections S) { return rt::Join(S) + Trailer; }; };
    struct Case {
        const char* name;
        Damage damage;
        uint8_t result;
        bool cells, keyword, colours; // read into the riddle
    } cases[] = {
        {"64 bytes of 0xFF appended", appended(QByteArray(64, '\xFF')), rfOk, true, true, true},
        {"9 bytes of another tag appended", appended(QByteArray("\x06XTRA01ab")), rfOk, true, true, true},
        // A known tag (its length byte and six letters) with its own length cut off: fewer than 8 bytes
        // are no section at all, 8 to 10 bytes a broken one.
        {"known tag appended", appended(QByteArray("\x06LEGLST", 7)), rfOk, true, true, true},
        {"known tag and 1 byte appended", appended(QByteArray("\x06LEGLST\x01", 8)), rfSectionError, true,
         true, true},
        {"known tag and 3 bytes appended", appended(QByteArray("\x06LEGLST\x01\x00\x00", 10)), rfSectionError,
         true, true, true},
        {"known tag, length 0 appended", appended(QByteArray("\x06LEGLST\x00\x00\x00\x00", 11)), rfOk, true,
         true, true},
    };
    for (const Case& c : cases) {
        TWordRiddleData target;
        EXPECT_EQ(rt::Load(target, c.damage(WordSections())), c.result) << c.name;
        EXPECT_EQ(target.Cell(1, 1).Solution(), c.cells ? 'A' : 0) << c.name;
        EXPECT_EQ(target.Keyword().Word(), c.keyword ? QStringLiteral("CAB") : QString()) << c.name;
        EXPECT_EQ(target.TextColors().Base(TRiddleColors::Char), c.colours ? 0x00BB00 : 0x800000) << c.name;
    }
    for (const auto& [damage, result] :
         {std::pair{Length(1, 1054), rfOk}, std::pair{Resize("CLLLST", 1), rfOk},
          std::pair{Damage(cut(2, 13)), rfSectionError}}) {
        TSudokuRiddleData target;
        EXPECT_EQ(rt::Load(target, damage(SudokuSections())), result);
        EXPECT_EQ(target.Cell(1, 1).Solution(), result == rfOk ? SymbolOf(1) : 0);
    }
}

TEST(BadInput, StoredCellSizeIsKeptWithinTenToHundredPixels) {
    const struct {
        int32_t stored, expected;
    } cases[] = {{INT32_MIN, 10}, {-1, 10},   {0, 10},    {9, 10},      {10, 10},
                 {57, 57},        {100, 100}, {101, 100}, {20000, 100}, {INT32_MAX, 100}};
    for (const auto& c : cases) {
        TWordRiddleData target;
        ASSERT_EQ(rt::Load(target, PatchI32("GLOBAL", 566, c.stored)(WordSections())), rfOk) << c.stored;
        EXPECT_EQ(target.GridSize(), c.expected) << c.stored;
    }
}

TEST(BadInput, OversizedTextLengthIsClampedAndTheStreamStaysInStep) {
    struct Case {
        const char* name;
        bool sudoku;
        int offset, capacity; // of the text field in GLOBAL
        uint8_t length;       // written into its length byte
    } cases[] = {{"title", false, 646, 255, 255},         {"author", false, 0, 50, 200},
                 {"extra code", false, 574, 8, 9},        {"best time holder", false, 583, 50, 51},
                 {"sudoku author", true, 0, 50, 255},     {"sudoku title", true, 313, 255, 255},
                 {"sudoku extra code", true, 570, 8, 200}};
    for (const Case& c : cases) {
        rt::Sections s = c.sudoku ? SudokuSections() : WordSections();
        QByteArray& global = s[0].payload;
        global.replace(c.offset, c.capacity + 1, char(c.length) + QByteArray(c.capacity, 'q'));
        std::unique_ptr<TRiddleData> target = rt::NewRiddle(c.sudoku);
        ASSERT_EQ(rt::Load(*target, rt::Join(s)), rfOk) << c.name;
        // Saved again, every field is where it was; only the length byte is now the true one.
        global[c.offset] = char(c.capacity);
        EXPECT_EQ(rt::Split(rt::Save(*target))[0].payload, global) << c.name;
    }
}

TEST(BadInput, SectionsWithoutUseAreSkippedByLength) {
    for (const char* tag : {"CLLDAT", "LEGDAT", "EMPTY_", "IMAGE_"}) {
        rt::Sections s = WordSections();
        const auto txt =
            std::find_if(s.begin(), s.end(), [](const rt::Section& X) { return X.tag == "TXTCLR"; });
        s.insert(txt, rt::Section{tag, QByteArray("\x01") + "garbage that no reader could parse"});
        TWordRiddleData target;
        ASSERT_EQ(rt::Load(target, rt::Join(s)), rfOk) << tag;
        EXPECT_EQ(target.TextColors().Base(TRiddleColors::Char), 0x00BB00) << tag;
        EXPECT_TRUE(target.Image().isNull()) << tag;
    }
}

TEST(BadInput, CellPositionComesFromTheRecordOrder) {
    rt::Sections word = WordSections();
    QByteArray& cells = rt::Find(word, "CLLLST").payload;
    rt::PutI32(cells, 3 + 1 + 7, 77);
    rt::PutI32(cells, 3 + 1 + 16, 88);
    TWordRiddleData w;
    ASSERT_EQ(rt::Load(w, rt::Join(word)), rfOk);
    EXPECT_EQ(w.Cell(1, 1).Col(), 1);
    EXPECT_EQ(w.Cell(1, 1).Row(), 1);
    EXPECT_EQ(w.Cell(1, 1).Solution(), 'A');
    EXPECT_EQ(w.Cell(77, 88).Solution(), 0);
    EXPECT_EQ(w.Cell(77, 88).Col(), 77);

    rt::Sections sudoku = SudokuSections();
    QByteArray& records = rt::Find(sudoku, "CLLLST").payload;
    rt::PutI32(records, 13 + 3, 50);
    rt::PutI32(records, 13 + 7, -60);
    TSudokuRiddleData s;
    ASSERT_EQ(rt::Load(s, rt::Join(sudoku)), rfOk);
    EXPECT_EQ(s.Cell(1, 2).Col(), 1);
    EXPECT_EQ(s.Cell(1, 2).Row(), 2);
}

} // namespace
