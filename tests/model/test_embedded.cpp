// A riddle appended to the player's executable: the magic search, the end of the ELF image and
// finding the riddle behind a copy of this test program.

#include "EmbeddedRiddle.h"
#include "RiddleTestSupport.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

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

// A 64-bit ELF file of `Size` zero bytes with its header, program headers and section headers;
// the section header names are offsets into a name table that the last section holds.
struct TElfPart {
    uint32_t type;
    uint64_t offset, length;
};
QByteArray Elf(qint64 Size, uint16_t PhEntSize, const std::vector<TElfPart>& Segments, uint16_t ShEntSize,
               const std::vector<TElfPart>& Sections) {
    QByteArray f(Size, '\0');
    auto put = [&f](qint64 At, auto Value) { qToLittleEndian(Value, f.data() + At); };
    f.replace(0, 6, QByteArray("\177ELF\2\1"));
    const uint64_t phoff = 64, shoff = phoff + uint64_t(PhEntSize) * Segments.size();
    put(32, phoff);
    put(40, shoff);
    put(52, uint16_t(64));
    put(54, PhEntSize);
    put(56, uint16_t(Segments.size()));
    put(58, ShEntSize);
    put(60, uint16_t(Sections.size()));
    put(62, uint16_t(Sections.empty() ? 0 : Sections.size() - 1));
    for (size_t i = 0; i < Segments.size(); ++i) {
        put(qint64(phoff + i * PhEntSize + 8), Segments[i].offset);
        put(qint64(phoff + i * PhEntSize + 32), Segments[i].length);
    }
    for (size_t i = 0; i < Sections.size(); ++i) {
        const qint64 at = qint64(shoff + i * ShEntSize);
        put(at, uint32_t(1 + 6 * i)); // the names ".s0", ".s1" ... each in 6 bytes of the table
        put(at + 4, Sections[i].type);
        put(at + 24, Sections[i].offset);
        put(at + 32, Sections[i].length);
    }
    return f;
}

TEST(EmbeddedRiddle, ElfImageEndIsTheFurthestPartOfTheFile) {
    constexpr uint32_t kBits = 1, kNoBits = 8;
    struct Case {
        const char* name;
        uint16_t phEntSize;
        std::vector<TElfPart> segments;
        uint16_t shEntSize;
        std::vector<TElfPart> sections;
        qint64 end;
    } cases[] = {
        {"header only", 56, {}, 64, {}, 64},
        {"a segment behind the header", 56, {{1, 300, 100}}, 64, {}, 400},
        {"a segment's bytes end the file", 56, {{1, 300, 700}}, 64, {}, 1000},
        {"a segment past the end of the file", 56, {{1, 300, 701}}, 64, {}, 1000},
        {"program headers too small to read", 55, {{1, 300, 100}}, 64, {}, 64 + 55},
        {"a section behind its table", 56, {}, 64, {{kBits, 500, 20}}, 520},
        {"a section without bits", 56, {}, 64, {{kNoBits, 500, 20}}, 128},
        {"section headers too small to read", 56, {}, 63, {{kBits, 500, 20}}, 127},
        {"the section table is the furthest",
         56,
         {{1, 100, 10}},
         64,
         {{kBits, 150, 1}, {kBits, 200, 2}},
         64 + 56 + 128},
        {"the furthest of several", 56, {{1, 600, 10}}, 64, {{kBits, 700, 50}, {kBits, 300, 1}}, 750},
    };
    for (const Case& c : cases) {
        QByteArray bytes = Elf(1000, c.phEntSize, c.segments, c.shEntSize, c.sections);
        QBuffer file(&bytes);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(ElfImageEnd(file), c.end) << c.name;
    }
}

TEST(EmbeddedRiddle, SectionNamesComeFromTheNameTable) {
    struct Case {
        const char* name;
        uint16_t shEntSize;
        int sections;
        const char* names;
    } cases[] = {
        {"three sections", 64, 3, ".s0 .s1 .s2"},
        {"one section, its own name table", 64, 1, ".s0"},
        {"section headers too small", 63, 3, ""},
        {"no sections", 64, 0, ""},
    };
    for (const Case& c : cases) {
        // The last section holds the names at offset 800.
        std::vector<TElfPart> parts(size_t(c.sections), TElfPart{1, 0, 0});
        if (c.sections > 0)
            parts.back() = {3, 800, 1 + 6 * uint64_t(c.sections)};
        QByteArray bytes = Elf(1000, 56, {}, c.shEntSize, parts);
        for (int i = 0; i < c.sections; ++i)
            bytes.replace(801 + 6 * i, 3, QStringLiteral(".s%1").arg(i).toLatin1());
        QBuffer file(&bytes);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(ElfSectionNames(file).join(' '), QByteArray(c.names)) << c.name;
        EXPECT_EQ(HasElfSection(file, ".s0"), c.sections > 0 && c.shEntSize >= 64) << c.name;
    }
    // A name of 255 letters is read; a longer one is taken for damage and left out.
    for (int length : {255, 256}) {
        QByteArray bytes = Elf(2000, 56, {}, 64, {{3, 1000, uint64_t(length) + 2}});
        bytes.replace(1001, length, QByteArray(length, 'n'));
        QBuffer file(&bytes);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(ElfSectionNames(file),
                  length == 255 ? QList<QByteArray>{QByteArray(255, 'n')} : QList<QByteArray>{})
            << length;
    }
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
                 {"short ELF ident", QByteArray("\177ELF")},
                 {"64-bit header with a wrong magic", QByteArray("\177ELX\2\1", 6) + QByteArray(58, '\0')},
                 {"64-bit big-endian header", QByteArray("\177ELF\2\2", 6) + QByteArray(58, '\0')}};
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
