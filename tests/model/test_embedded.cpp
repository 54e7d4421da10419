// A riddle appended to the player's executable: the magic search, the end of the ELF image and
// finding the riddle behind a copy of this test program.

#include "EmbeddedRiddle.h"
#include "RiddleTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(EmbeddedRiddle, MagicSearchSkipsTheFiveBytesAfterAnR) {
    struct Case {
        const char* data;
        qint64 from;
        qint64 expected;
    } cases[] = {
        {"RRIDFIL", 0, -1},        {"RRIDFIL", 1, 7},           {"xxRIDFIL", 0, 8},  {"RIDFIL", 0, 6},
        {"RRIDFILxRIDFIL", 0, 14}, {"xRRRIDFIL", 0, -1},        {"xxRIDFIL", 3, -1}, {"RIDFI", 0, -1},
        {"ridfil", 0, -1},         {"xxRIDFILyyRIDFIL", 4, 16}, {"", 0, -1},         {"RIDFIL", 99, -1}};
    for (const Case& c : cases) {
        const QByteArray data(c.data);
        EXPECT_EQ(FindRiddleMagic(reinterpret_cast<const uchar*>(data.constData()), data.size(), c.from),
                  c.expected)
            << c.data << " from " << c.from;
    }
}

TEST(EmbeddedRiddle, ElfImageEndOfThisProgram) {
    QFile self(QStringLiteral("/proc/self/exe"));
    ASSERT_TRUE(self.open(QIODevice::ReadOnly));
    const qint64 end = ElfImageEnd(self);
    EXPECT_GT(end, 64);
    EXPECT_LE(end, self.size());
    // The program holds "RIDFIL" literals of its own, but none behind its image.
    TRiddleHeader header;
    EXPECT_EQ(LocateEmbeddedRiddle(self, header), rfWrongFormat);
}

QByteArray SudokuFile(TSudokuRiddleData& S) {
    rt::BuildSudoku(S, ss6Symbols);
    S.SetTitle(QStringLiteral("Angehängt"));
    return rt::Header(S.ClassName(), QStringLiteral("8.04")) + rt::Save(S);
}

TEST(EmbeddedRiddle, RiddleAppendedToACopyOfThisProgramIsFound) {
    QTemporaryDir dir;
    QByteArray program = rt::ReadFile(QStringLiteral("/proc/self/exe"));
    ASSERT_FALSE(program.isEmpty());
    TSudokuRiddleData original;
    const QString path = dir.filePath(QStringLiteral("player"));
    ASSERT_TRUE(rt::WriteFile(path, program + SudokuFile(original)));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_LE(ElfImageEnd(file), program.size());
    TRiddleHeader header;
    ASSERT_EQ(LocateEmbeddedRiddle(file, header), rfOk);
    EXPECT_EQ(header.ClassName, QByteArray("SudokuRiddle"));
    EXPECT_EQ(header.Version, QStringLiteral("8.04"));
    EXPECT_EQ(file.pos(), program.size() + 53);
    TSudokuRiddleData loaded;
    ASSERT_EQ(loaded.LoadFromStream(file, false), rfOk);
    EXPECT_EQ(loaded.Title(), QStringLiteral("Angehängt"));
    EXPECT_EQ(loaded.Size(), ss6Symbols);
    EXPECT_EQ(loaded.Cell(6, 6).Solution(), original.Cell(6, 6).Solution());
}

TEST(EmbeddedRiddle, FileWithoutElfImageIsSearchedFromTheStart) {
    QTemporaryDir dir;
    TSudokuRiddleData original;
    const QByteArray riddle = SudokuFile(original);
    const struct {
        const char* name;
        QByteArray prefix;
    } cases[] = {{"plain riddle file", QByteArray()},
                 {"32-bit ELF header", QByteArray("\177ELF\1\1\1", 7) + QByteArray(57, '\0')},
                 {"short ELF ident", QByteArray("\177ELF")}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(rt::WriteFile(path, c.prefix + riddle));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(ElfImageEnd(file), 0) << c.name;
        TRiddleHeader header;
        ASSERT_EQ(LocateEmbeddedRiddle(file, header), rfOk) << c.name;
        EXPECT_EQ(file.pos(), c.prefix.size() + 53) << c.name;
        TSudokuRiddleData loaded;
        EXPECT_EQ(loaded.LoadFromStream(file, false), rfOk) << c.name;
        EXPECT_EQ(loaded.Title(), original.Title());
    }
}

} // namespace
