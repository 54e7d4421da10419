// The riddle file: byte layout of the worked example, byte-exact round trips, the section loop
// and the result codes of reading and writing files.

#include "Cp1252.h"
#include "RiddleTestSupport.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

using rt::FillLine;

QByteArray Fixed(const QString& Text, int Capacity) {
    QByteArray field(Capacity + 1, '\0');
    const QByteArray bytes = ToCp1252(Text);
    field[0] = char(bytes.size());
    field.replace(1, bytes.size(), bytes);
    return field;
}

QImage TestPicture() {
    QImage image(48, 32, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 5, y * 7, (x * y) % 256));
    return image;
}

TEST(RiddleFile, WorkedExampleLayout) {
    QTemporaryDir dir;
    TWordRiddleData r;
    rt::BuildExample(r);
    r.SetGridSize(34);
    r.SetRiddleType(rtFillup);
    r.SetBestTime(0x0102);
    r.SetTime(0x1234);
    r.SetState(stPartial);
    const QString path = dir.filePath(QStringLiteral("beispiel.rid"));
    ASSERT_EQ(r.SaveToFile(path, 0, false), rfOk);
    const QByteArray file = rt::ReadFile(path);
    EXPECT_EQ(file.size(), 37184);

    EXPECT_EQ(file.left(7), QByteArray("\x06RIDFIL"));
    EXPECT_EQ(rt::I32At(file, 7), 42);
    EXPECT_EQ(file.mid(11, 21), Fixed(QStringLiteral("WordRiddle"), 20));
    EXPECT_EQ(file.mid(32, 21), Fixed(QStringLiteral("8.04"), 20));

    const rt::Sections sections = rt::Split(file.mid(53));
    const std::pair<const char*, int> layout[] = {{"GLOBAL", 904}, {"CLLLST", 24360}, {"LEGLST", 11113},
                                                  {"CHRLST", 600}, {"BGCLR_", 44},    {"TXTCLR", 44}};
    ASSERT_EQ(sections.size(), std::size(layout));
    for (size_t i = 0; i < sections.size(); ++i) {
        EXPECT_EQ(sections[i].tag, QByteArray(layout[i].first));
        EXPECT_EQ(sections[i].payload.size(), layout[i].second) << layout[i].first;
    }

    const QByteArray& global = sections[0].payload;
    EXPECT_EQ(global.mid(0, 51), Fixed(QStringLiteral("Quivane"), 50));
    EXPECT_EQ(rt::U16At(global, 51), 0x0102);
    EXPECT_EQ(rt::I32At(global, 566), 34);
    EXPECT_EQ(rt::I32At(global, 634), 30);
    EXPECT_EQ(rt::I32At(global, 638), 30);
    EXPECT_EQ(rt::U16At(global, 644), 0x1234);
    EXPECT_EQ(global.mid(646, 256), Fixed(QStringLiteral("Beispielrätsel"), 255));
    EXPECT_EQ(global[902], char(rtFillup));
    EXPECT_EQ(global[903], char(stPartial));

    const QByteArray& cells = sections[1].payload;
    const struct {
        int offset;
        int size;
        int32_t value;
        const char* field;
    } record[] = {{0, 2, 0x00A0, "Flags"},    {2, 1, 'I', "Solution"}, {7, 4, 1, "Col"},
                  {16, 4, 1, "Row"},          {22, 1, 2, "ClueFlags"}, {23, 4, 1, "ClueNumber"},
                  {27 + 16, 4, 2, "next Row"}};
    for (const auto& f : record) {
        const qsizetype at = 60 + f.offset;
        const int32_t v = f.size == 4   ? rt::I32At(cells, at)
                          : f.size == 2 ? rt::U16At(cells, at)
                                        : uchar(cells[at]);
        EXPECT_EQ(v, f.value) << f.field;
    }
}

std::unique_ptr<TRiddleData> Word(bool Extras) {
    auto r = std::make_unique<TWordRiddleData>();
    rt::BuildExample(*r);
    if (Extras) {
        r->SetRiddleOptions(TRiddleOptions{roHasKeyword, roHasImage, roReverseWords});
        r->Keyword().SetWord(QStringLiteral("RAETSEL"));
        r->Keyword().SetClueText(QStringLiteral("Gesucht"));
        r->SetImage(TestPicture());
        r->SetImageOptions(TImageOptions{ioFitHorizontal});
        r->SetLanguage(1);
        r->SetAutoMarkLegend(true);
        r->SetState(stPartial);
        r->Cell(1, 1).SetEntry('J');
        r->SetRowState(30, 2);
    }
    return r;
}

std::unique_ptr<TRiddleData> Sudoku(TSudokuSize Size) {
    auto s = std::make_unique<TSudokuRiddleData>();
    rt::BuildSudoku(*s, Size);
    return s;
}

TEST(RiddleFile, SaveLoadSaveGivesTheSameBytes) {
    struct Case {
        const char* name;
        std::unique_ptr<TRiddleData> riddle;
        int jpegQuality, globalLength, cellListLength;
    } cases[] = {
        {"word", Word(false), 0, 904, 24360},           {"word, JPEG", Word(true), 80, 904, 24360},
        {"word, BMP", Word(true), 0, 904, 24360},       {"sudoku 6", Sudoku(ss6Symbols), 0, 632, 13 * 36},
        {"sudoku 9", Sudoku(ss9Symbols), 0, 632, 1053}, {"sudoku 12", Sudoku(ss12Symbols), 0, 632, 13 * 144}};
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("1.rid")),
                  second = dir.filePath(QStringLiteral("2.rid"));
    for (const Case& c : cases) {
        ASSERT_EQ(c.riddle->SaveToFile(first, c.jpegQuality, false), rfOk);
        std::unique_ptr<TRiddleData> loaded = rt::NewRiddle(c.riddle->RiddleType() == rtSudoku);
        ASSERT_EQ(loaded->LoadFromFile(first, false), rfOk) << c.name;
        EXPECT_EQ(loaded->Title(), c.riddle->Title());
        EXPECT_FALSE(loaded->Modified());
        ASSERT_EQ(loaded->SaveToFile(second, c.jpegQuality, false), rfOk);
        const QByteArray bytes = rt::ReadFile(first);
        EXPECT_EQ(rt::ReadFile(second), bytes) << c.name;

        rt::Sections sections = rt::Split(bytes.mid(53));
        EXPECT_EQ(rt::Find(sections, "GLOBAL").payload.size(), c.globalLength) << c.name;
        EXPECT_EQ(rt::Find(sections, "CLLLST").payload.size(), c.cellListLength) << c.name;
        if (c.riddle->RiddleOptions().Contains(roHasImage)) {
            EXPECT_EQ(static_cast<TWordRiddleData&>(*loaded).Image().size(), TestPicture().size());
            EXPECT_EQ(rt::Find(sections, "IMAGE_").payload.at(0), char(c.jpegQuality > 0 ? 1 : 0));
        }
    }
}

// A source riddle saved into sections, and a different riddle of the same size to load into.
class SectionLoop : public ::testing::Test {
protected:
    void SetUp() override {
        FillLine(src, QStringLiteral("ABC"));
        src.SetTitle(QStringLiteral("Quelle"));
        src.SetRiddleOptions(TRiddleOptions{roHasKeyword, roHasImage});
        src.Keyword().SetWord(QStringLiteral("NEU"));
        src.SetImage(TestPicture());
        src.BackgroundColors().SetBase(TRiddleColors::Keyword, 0x0000AA);
        src.TextColors().SetBase(TRiddleColors::Char, 0x00BB00);
        src.SetState(stPartial);
        sections = rt::Split(rt::Save(src, 75));

        FillLine(dst, QStringLiteral("XYZ"));
        dst.AddClue().SetWord(QStringLiteral("QQ"));
        dst.SetTitle(QStringLiteral("Ziel"));
        dst.SetRiddleOptions(TRiddleOptions{roHasImage});
        dst.SetImage(TestPicture().scaled(5, 5));
        dst.Keyword().SetWord(QStringLiteral("ALT"));
    }
    bool HasSourceColors() const {
        return dst.BackgroundColors().BaseValues() == src.BackgroundColors().BaseValues() &&
               dst.TextColors().BaseValues() == src.TextColors().BaseValues();
    }
    TWordRiddleData src, dst;
    rt::Sections sections;
};

TEST_F(SectionLoop, CompleteStreamTakesEverything) {
    ASSERT_EQ(rt::Load(dst, rt::Join(sections)), rfOk);
    EXPECT_EQ(dst.Title(), QStringLiteral("Quelle"));
    EXPECT_EQ(dst.Cell(1, 1).Solution(), 'A');
    EXPECT_EQ(dst.ClueCount(), 1);
    EXPECT_EQ(dst.Keyword().Word(), QStringLiteral("NEU"));
    EXPECT_EQ(dst.Image().size(), TestPicture().size());
    EXPECT_TRUE(HasSourceColors()) << "picture followed by both colour sets";
}

TEST_F(SectionLoop, StreamEndingAfterGlobalKeepsTheCells) {
    ASSERT_EQ(rt::Load(dst, rt::SectionBytes(sections[0])), rfOk);
    EXPECT_EQ(dst.Title(), QStringLiteral("Quelle"));
    EXPECT_EQ(dst.Cell(1, 1).Solution(), 'X');
    EXPECT_EQ(dst.ClueCount(), 2);
}

TEST_F(SectionLoop, FewerThanEightTrailingBytesEndTheLoop) {
    for (int n = 1; n < 8; ++n) {
        TWordRiddleData target;
        EXPECT_EQ(rt::Load(target, rt::Join(sections) + QByteArray(n, '\x06')), rfOk) << n;
        EXPECT_EQ(target.TextColors().BaseValues(), src.TextColors().BaseValues()) << n;
    }
}

TEST_F(SectionLoop, EmptyClueListKeepsTheClues) {
    rt::Find(sections, "LEGLST").payload.clear();
    ASSERT_EQ(rt::Load(dst, rt::Join(sections)), rfOk);
    ASSERT_EQ(dst.ClueCount(), 2);
    EXPECT_EQ(dst.Clue(0).Word(), QStringLiteral("XYZ"));
    EXPECT_EQ(dst.Cell(1, 1).Solution(), 'A');
}

TEST_F(SectionLoop, MissingSolutionWordKeepsThePreviousOne) {
    std::erase_if(sections, [](const rt::Section& S) { return S.tag == "KEYWRD"; });
    ASSERT_EQ(rt::Load(dst, rt::Join(sections)), rfOk);
    EXPECT_TRUE(dst.RiddleOptions().Contains(roHasKeyword));
    EXPECT_EQ(dst.Keyword().Word(), QStringLiteral("ALT"));
}

TEST_F(SectionLoop, StateOnlyTakesTheStateFromAnyGlobal) {
    const QByteArray full = sections[0].payload;
    const QByteArray globals[] = {full, QByteArray(1, char(stPartial)), QByteArray(9, 'x') + char(stPartial)};
    for (const QByteArray& global : globals) {
        TWordRiddleData target;
        FillLine(target, QStringLiteral("XYZ"));
        target.SetTitle(QStringLiteral("Ziel"));
        target.SetRiddleOptions(TRiddleOptions{roHasImage});
        target.SetState(stReady);
        sections[0].payload = global;
        ASSERT_EQ(rt::Load(target, rt::Join(sections), true), rfOk) << global.size();
        EXPECT_EQ(target.State(), stPartial);
        EXPECT_EQ(target.Title(), QStringLiteral("Ziel"));
        EXPECT_TRUE(target.Image().isNull());
        EXPECT_EQ(target.BackgroundColors().BaseValues(), TRiddleColors::BackgroundDefaults());
        EXPECT_EQ(target.TextColors().BaseValues(), TRiddleColors::TextDefaults());
    }
}

TEST_F(SectionLoop, UnknownTagEndsTheLoop) {
    auto txt =
        std::find_if(sections.begin(), sections.end(), [](const auto& S) { return S.tag == "TXTCLR"; });
    sections.insert(txt, rt::Section{"XTRA01", QByteArray(20, 'j')});
    ASSERT_EQ(rt::Load(dst, rt::Join(sections)), rfOk);
    EXPECT_EQ(dst.BackgroundColors().BaseValues(), src.BackgroundColors().BaseValues());
    EXPECT_EQ(dst.TextColors().BaseValues(), TRiddleColors::TextDefaults());
}

TEST(RiddleFile, EveryLoadedCellHasTheStatusOfItsEntry) {
    // Per cell of "ABC": the entry ('_' none) and the status after loading (0 empty, 1 right, 2 wrong).
    const std::pair<const char*, const char*> cases[] = {{"AXC", "121"}, {"_BX", "012"}, {"XX_", "220"}};
    for (auto [entries, statuses] : cases) {
        TWordRiddleData source;
        FillLine(source, QStringLiteral("ABC"));
        for (int c = 1; c <= 3; ++c)
            source.Cell(c, 1).SetEntry(entries[c - 1] == '_' ? 0 : uint8_t(entries[c - 1]));
        TWordRiddleData loaded;
        ASSERT_EQ(rt::Load(loaded, rt::Save(source)), rfOk);
        std::string shown;
        for (int c = 1; c <= 3; ++c)
            shown += char('0' + loaded.Cell(c, 1).Status());
        EXPECT_EQ(shown, statuses) << entries;
    }
}

TEST(RiddleFile, LoadAndSaveResults) {
    QTemporaryDir dir;
    TWordRiddleData word;
    FillLine(word, QStringLiteral("AB"));
    const QByteArray stream = rt::Save(word);
    const QByteArray good = rt::Header(QStringLiteral("WordRiddle")) + stream;
    QByteArray badMagic = good;
    badMagic[6] = 'X';
    rt::Sections reordered = rt::Split(stream);
    std::swap(reordered[0], reordered[1]);
    const struct {
        const char* name;
        QByteArray bytes;
        uint8_t expected;
    } cases[] = {{"ok", good, rfOk},
                 {"empty", QByteArray(), rfHeaderError},
                 {"cut in the length", good.left(9), rfHeaderError},
                 {"cut in the class name", good.left(30), rfHeaderError},
                 {"wrong magic", badMagic, rfWrongFormat},
                 {"wrong class", rt::Header(QStringLiteral("SudokuRiddle")) + stream, rfWrongFormat},
                 {"first section not GLOBAL", rt::Header(QStringLiteral("WordRiddle")) + rt::Join(reordered),
                  rfWrongFormat}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(rt::WriteFile(path, c.bytes));
        TWordRiddleData target;
        EXPECT_EQ(target.LoadFromFile(path, false), c.expected) << c.name;
    }
    TWordRiddleData target;
    EXPECT_EQ(target.LoadFromFile(dir.filePath(QStringLiteral("missing.rid")), false), rfFileMissing);
    EXPECT_EQ(word.SaveToFile(dir.filePath(QStringLiteral("no/such/dir.rid")), 0, false), rfCreateError);
    TSudokuRiddleData sudoku;
    EXPECT_EQ(sudoku.LoadFromFile(dir.filePath(QStringLiteral("ok")), false), rfWrongFormat);
}

} // namespace
