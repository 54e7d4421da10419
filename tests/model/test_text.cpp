// Text helpers, display texts of the vocabulary and the Windows-1252 code page.

#include "Cp1252.h"
#include "RiddleTestSupport.h"
#include "RiddleText.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TEST(TextHelpers, FormatSolveTimeTakesSecondsAsSixteenBits) {
    struct Case {
        int seconds;
        bool unit;
        const char* expected;
    } cases[] = {{75, true, "01:15 min."},    {3600, false, "60:00"},    {5, true, "00:05 min."},
                 {65536 + 5, false, "00:05"}, {65535, false, "1092:15"}, {0, false, "00:00"}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatSolveTime(c.seconds, c.unit), QString::fromUtf8(c.expected)) << c.seconds;
}

TEST(TextHelpers, NormalizeWordKeepsLettersAndSpellsOutUmlauts) {
    const char* cases[][3] = {{"Größe", "50", "GROESSE"},
                              {"Rhein-Main 2024", "50", "RHEINMAIN"},
                              {"Äpfel Öl", "50", "AEPFELOEL"},
                              {"Straße", "4", "STRA"},
                              {"Maß", "3", "MAS"},
                              {"ab", "0", ""},
                              {"12 - 34", "50", ""},
                              {"GROẞE", "50", "GROSSE"},
                              {"ẞ", "1", "S"}};
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeWord(QString::fromUtf8(c[0]), atoi(c[1])), QString::fromUtf8(c[2])) << c[0];
}

TEST(TextHelpers, CompareVersionsOrdersTwoDigitMajors) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {{"8.04", "6.00", 1}, {"5.10", "6.00", -1}, {"10.00", "6.00", 1},  {"2.50", "6.00", 1},
                 {"6.00", "6.00", 1}, {"6.00", "8.04", -1}, {"6.00B", "6.00a", 1}, {"6.00a", "6.00B", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(CompareVersions(QString::fromLatin1(c.a), QString::fromLatin1(c.b)), c.expected)
            << c.a << " vs " << c.b;
}

TEST(TextHelpers, SmallHelpers) {
    EXPECT_EQ(ReverseText(QStringLiteral("Rätsel")), QStringLiteral("lestäR"));
    EXPECT_EQ(ReverseText(QString()), QString());
}

using TextFunction = QString (*)(int);

TEST(DisplayTexts, MembersHaveTheirTextsAndOutOfRangeIsEmpty) {
    struct Case {
        TextFunction fn;
        int count;
        int value;
        const char* expected;
    } cases[] = {{RiddleTypeName, kRiddleTypeCount, rtFrench, "Französisches Rätsel"},
                 {RiddleTypeName, kRiddleTypeCount, rtFindWords, "Suchrätsel"},
                 {RiddleSkillText, kRiddleSkillCount, rsHardest, "sehr schwer"},
                 {SudokuSizeText, kSudokuSizeCount, ss6Symbols, "klein"},
                 {SudokuSizeText, kSudokuSizeCount, ss9Symbols, "mittel"},
                 {SudokuSizeText, kSudokuSizeCount, ss12Symbols, "groß"},
                 {SudokuSkillText, kSudokuSkillCount, skMedium, "mittelschwer"},
                 {LanguageText, kLanguageCount, 5, "lateinisch"}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.fn(c.value), QString::fromUtf8(c.expected)) << c.expected;
        for (int v : {-1, c.count, 255})
            EXPECT_TRUE(c.fn(v).isEmpty()) << c.expected << " " << v;
    }
}

TEST(RiddleDescription, UntitledRiddlesAreDescribedByKind) {
    TWordRiddleData american;
    american.SetRiddleType(rtAmerican);
    american.SetRiddleOptions(TRiddleOptions{roHasKeyword, roAllowEdit});
    EXPECT_EQ(RiddleDescription(american), QStringLiteral("Amerikanisches Rätsel mit Lösungswort"));
    american.SetTitle(QStringLiteral("Sommerrätsel"));
    EXPECT_EQ(RiddleDescription(american), QStringLiteral("Sommerrätsel"));
    TSudokuRiddleData sudoku;
    sudoku.SetSkill(skMedium);
    EXPECT_EQ(RiddleDescription(sudoku), QStringLiteral("Sudoku (mittelschwer)"));
    sudoku.SetTitle(QStringLiteral("Nr. 12"));
    EXPECT_EQ(RiddleDescription(sudoku), QStringLiteral("Nr. 12"));
}

TEST(Cp1252, HighRangeBytesAndRoundTripOfEveryByte) {
    const std::pair<uchar, char16_t> cases[] = {{0x80, u'€'}, {0x84, u'„'}, {0x96, u'–'}, {0x9F, u'Ÿ'},
                                                {0xE4, u'ä'}, {0xDF, u'ß'}, {0x81, 0x81}};
    for (auto [byte, expected] : cases)
        EXPECT_EQ(FromCp1252(QByteArray(1, char(byte))), QString(QChar(expected))) << int(byte);
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = FromCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_TRUE(IsCp1252Representable(text));
    EXPECT_EQ(ToCp1252(text), all);
}

TEST(Cp1252, UnrepresentableCharactersBecomeQuestionMarks) {
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"Ω", "?"}, {u"a\u0080b", "a?b"}, {u"\u0083", "?"}, {u"łódź", "?\363d?"}, {u"😀", "??"}};
    for (auto [text, expected] : cases) {
        EXPECT_EQ(ToCp1252(QString::fromUtf16(text)), QByteArray(expected));
        EXPECT_FALSE(IsCp1252Representable(QString::fromUtf16(text)));
    }
}

} // namespace
