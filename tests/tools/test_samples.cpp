// Every sample riddle builds, and the riddle file it gives loads back into the same riddle; the
// executable riddles packed from them are what a puzzle fan is sent.

#include "EmbeddedRiddle.h"
#include "RiddlepackTestSupport.h"

#include <QBuffer>
#include <QTemporaryDir>

namespace {

QByteArray Saved(TRiddleData& Riddle, int Quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Riddle.SaveToStream(buffer, Quality, false);
    return bytes;
}

TEST(Samples, EveryKindIsThereAndLoadsBack) {
    const QDir samples(QStringLiteral(QUIVANE_SAMPLES_DIR));
    const QStringList sources = samples.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QSet<int> wordKinds, sudokuSizes;
    QTemporaryDir dir;
    for (const QString& name : sources) {
        SCOPED_TRACE(name.toStdString());
        TBuiltRiddle built;
        ASSERT_NO_THROW(built = BuildRiddleFile(samples.filePath(name)));
        // The solver switches this help on; a riddle does not open with the answers' colours.
        EXPECT_FALSE(built.Riddle->PaintOptions().Contains(poShowFail));
        EXPECT_FALSE(built.Riddle->PaintOptions().Contains(poShowHintGrids));
        const QString path = dir.filePath(name + QStringLiteral(".rid"));
        ASSERT_EQ(built.Riddle->SaveToFile(path, built.JpegQuality, false), rfOk);
        std::unique_ptr<TRiddleData> loaded;
        if (built.Riddle->RiddleType() == rtSudoku) {
            sudokuSizes.insert(dynamic_cast<TSudokuRiddleData&>(*built.Riddle).Symbols());
            loaded = std::make_unique<TSudokuRiddleData>();
        } else {
            wordKinds.insert(built.Riddle->RiddleType());
            loaded = std::make_unique<TWordRiddleData>();
        }
        ASSERT_EQ(loaded->LoadFromFile(path, false), rfOk);
        EXPECT_EQ(loaded->State(), stReady);
        EXPECT_EQ(loaded->Version(), built.Riddle->Version());
        EXPECT_EQ(Saved(*loaded, built.JpegQuality), Saved(*built.Riddle, built.JpegQuality));
        loaded->StopClock();
        built.Riddle->StopClock();
    }
    for (int kind = rtSwedish; kind <= rtFindWords; ++kind)
        EXPECT_TRUE(wordKinds.contains(kind)) << "no sample of kind " << RiddleTypeName(kind).toStdString();
    for (int symbols : {6, 9, 12})
        EXPECT_TRUE(sudokuSizes.contains(symbols)) << "no sudoku of " << symbols << " symbols";
}

TEST(Samples, DefaultRiddleHasEverythingItShows) {
    const QDir samples(QStringLiteral(QUIVANE_SAMPLES_DIR));
    TBuiltRiddle built = BuildRiddleFile(samples.filePath(QStringLiteral("schwedenraetsel.json")));
    TWordRiddleData& riddle = WordOf(built);
    riddle.StopClock();
    EXPECT_EQ(riddle.RiddleType(), rtSwedish);
    EXPECT_TRUE(riddle.RiddleOptions().Contains(roHasKeyword));
    EXPECT_TRUE(riddle.RiddleOptions().Contains(roHasImage));
    EXPECT_TRUE(riddle.RiddleOptions().Contains(roCountTime));
    EXPECT_GT(riddle.BestTime(), 0);
    EXPECT_FALSE(riddle.Image().isNull());
    EXPECT_GT(riddle.CountFlagAll(2, false), 0) << "no cell under the picture";
    EXPECT_EQ(riddle.CountFlagAll(6, false), riddle.Keyword().Word().size());
}

// A packed riddle carries the player without its debug information and symbol table, which stay
// in the debug file beside the player; the player's mark and the riddle behind it stay found.
TEST(Samples, PackedRiddlesLeaveTheDebugInformationBehind) {
    const QDir samples(QStringLiteral(QUIVANE_SAMPLES_DIR)),
        packed(QStringLiteral(QUIVANE_PACKED_SAMPLES_DIR));
    struct Case {
        QString file;
        bool debugInformation;
    };
    QList<Case> cases{{QStringLiteral(QUIVANE_PLAYER_EXE ".debug"), true}};
    for (const QFileInfo& source : samples.entryInfoList({QStringLiteral("*.json")}, QDir::Files))
        cases.append({packed.filePath(source.completeBaseName()), false});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QFile file(c.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> names = ElfSectionNames(file);
        const bool debugSections = std::any_of(names.begin(), names.end(),
                                               [](const QByteArray& n) { return n.startsWith(".debug"); });
        EXPECT_EQ(debugSections, c.debugInformation);
        EXPECT_EQ(names.contains(".symtab"), c.debugInformation);
        if (c.debugInformation)
            continue;
        EXPECT_LT(file.size(), 1 << 20);
        EXPECT_TRUE(names.contains(QUIVANE_PLAYER_SECTION));
        EXPECT_TRUE(names.contains(".gnu_debuglink"));
        TRiddleHeader header;
        EXPECT_EQ(LocateEmbeddedRiddle(file, header), rfOk);
    }
}

} // namespace
