// Dumping built riddle files, damaged ones, and riddles appended to a player.

#include "Dumper.h"
#include "Packer.h"
#include "RiddlepackTestSupport.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {
class RiddleDump : public testing::Test {
protected:
    // Builds and saves the source; returns the file's path.
    QString Save(const QJsonObject& Source, const QString& Name) {
        const TBuiltRiddle built = BuildOk(Source, QDir(dir.path()));
        const QString path = dir.filePath(Name);
        EXPECT_EQ(built.Riddle->SaveToFile(path, built.JpegQuality, false), rfOk);
        return path;
    }
    QString Keyworded() {
        QJsonObject source = HausSource();
        source["keyword"] =
            QJsonObject{{"word", "SE"}, {"cells", QJsonArray{QJsonArray{4, 1}, QJsonArray{4, 2}}}};
        source["title"] = "Haus";
        return Save(source, "haus.rid");
    }
    QTemporaryDir dir;
};

TEST_F(RiddleDump, ShowsEveryPartOfAWordRiddle) {
    const TDump dump = DumpRiddleFile(Keyworded());
    ASSERT_EQ(dump.Result, rfOk);
    const QJsonObject& j = dump.Json;
    EXPECT_EQ(j["class"], "WordRiddle");
    EXPECT_EQ(j["version"], "8.04");
    EXPECT_EQ(j["result"], 0);
    const QJsonObject global = j["global"].toObject();
    const QString keys =
        QStringLiteral("Author BestTime Comment DictionaryFile PaintOptions GridSize HelpFlags "
                       "ImageOptions Language AutoMarkLegend ExtraCode BestTimeHolder RiddleCols "
                       "RiddleRows RiddleOptions Skill Time Title RiddleType State");
    QStringList expected = keys.split(' ');
    expected.sort();
    EXPECT_EQ(global.keys(), expected);
    EXPECT_EQ(global["Title"], "Haus");
    EXPECT_EQ(global["State"], stReady);
    EXPECT_EQ(global["RiddleOptions"], TRiddleOptions({roHasKeyword, roAllowEdit}).Raw());
    EXPECT_EQ(j["columnStates"].toArray().size(), 4);
    EXPECT_EQ(j["rowStates"].toArray().size(), 3);

    // Column by column, as the file stores them: entry 1 is column 1, row 2.
    const QJsonArray cells = j["cells"].toArray();
    ASSERT_EQ(cells.size(), 12);
    EXPECT_EQ(cells[1].toObject(), (QJsonObject{{"Flags", cfLetter},
                                                {"Solution", "A"},
                                                {"Number", 0},
                                                {"Col", 1},
                                                {"KeywordIndex", 0},
                                                {"Marked", 0},
                                                {"Row", 2},
                                                {"Entry", ""},
                                                {"Revealed", false},
                                                {"ClueFlags", kClueDown},
                                                {"ClueNumber", 0}}));
    EXPECT_EQ(cells[9].toObject()["KeywordIndex"], 1);
    EXPECT_EQ(cells[4].toObject()["Solution"], ""); // the black cell

    const QJsonArray clues = j["clues"].toArray();
    ASSERT_EQ(clues.size(), 6);
    EXPECT_EQ(clues[0].toObject(), (QJsonObject{{"ExtraByte", 0},
                                                {"ClueText", "Gebäude"},
                                                {"Solved", false},
                                                {"Reversed", false},
                                                {"Category", 1},
                                                {"Word", "HAUS"},
                                                {"Direction", wdHorizontal},
                                                {"ClueNumber", 1}}));
    EXPECT_EQ(j["letterLegend"].toArray().size(), 100);
    EXPECT_EQ(j["keyword"].toObject(),
              (QJsonObject{
                  {"ExtraByte", 0}, {"ClueText", ""}, {"WordLength", 2}, {"Category", 1}, {"Word", "SE"}}));
    EXPECT_TRUE(j["picture"].isNull());
    EXPECT_EQ(j["backgroundColors"].toArray().size(), 11);
    EXPECT_EQ(j["textColors"].toArray().size(), 11);
}

// The picture lies over the '#' block and is stored in the format the source asks for.
TEST_F(RiddleDump, StoresThePictureAsAskedFor) {
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.filePath("p.png")));
    for (const char* format : {"jpeg", "bmp"}) {
        SCOPED_TRACE(format);
        const QJsonObject picture{{"file", "p.png"}, {"format", format}, {"col", 1},
                                  {"row", 1},        {"cols", 1},        {"rows", 2}};
        const QJsonObject source{{"type", "swedish"},
                                 {"grid", QJsonArray{"#AB", "#C#"}},
                                 {"clues", QJsonArray{Clue(1, "across"), Clue(1, "down")}},
                                 {"picture", picture}};
        const TDump dump = DumpRiddleFile(Save(source, "p.rid"));
        ASSERT_EQ(dump.Result, rfOk);
        EXPECT_EQ(dump.Json["picture"].toObject(),
                  (QJsonObject{{"format", format}, {"width", 5}, {"height", 3}}));
        EXPECT_EQ(dump.Json["global"].toObject()["RiddleOptions"],
                  TRiddleOptions({roAllowEdit, roHasImage}).Raw());
        const QJsonArray cells = dump.Json["cells"].toArray();
        for (int i : {0, 1})
            EXPECT_EQ(cells[i].toObject()["Flags"], cfBlack | cfPicture) << i;
        EXPECT_EQ(cells[5].toObject()["Flags"], cfBlack); // column 3, row 2
    }
}

TEST_F(RiddleDump, ShowsASudoku) {
    const TDump dump = DumpRiddleFile(Save(SudokuSource(), "s.rid"));
    ASSERT_EQ(dump.Result, rfOk);
    EXPECT_EQ(dump.Json["class"], "SudokuRiddle");
    EXPECT_EQ(dump.Json["global"].toObject()["Size"], ss6Symbols);
    const QJsonArray cells = dump.Json["cells"].toArray();
    ASSERT_EQ(cells.size(), 36);
    // Column 2, row 1: given "2".
    EXPECT_EQ(cells[6].toObject(), (QJsonObject{{"Flags", cfGiven},
                                                {"Solution", "2"},
                                                {"Col", 2},
                                                {"Row", 1},
                                                {"Entry", ""},
                                                {"Revealed", true}}));
}

TEST_F(RiddleDump, ReportsTheReadersResultForDamagedFiles) {
    const QString good = Keyworded();
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = goodFile.readAll();
    const struct {
        const char* what;
        QByteArray content;
        int result;
    } table[] = {
        {"empty", QByteArray(), rfHeaderError},
        {"cut inside the header", bytes.left(30), rfHeaderError},
        {"no riddle file", QByteArray("just some text, long enough to hold a whole header of 53 bytes."),
         rfWrongFormat},
        {"cut inside the cells", bytes.left(53 + 11 + 904 + 11 + 20), rfSectionError},
        {"cut inside the clue list", bytes.left(bytes.indexOf("LEGLST") + 30), rfSectionError},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.what);
        const QString path = dir.filePath("damaged.rid");
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(t.content);
        out.close();
        const TDump dump = DumpRiddleFile(path);
        EXPECT_EQ(dump.Result, t.result);
        EXPECT_EQ(dump.Json["result"], t.result);
        // What was read before the damage is still shown.
        if (t.result == rfSectionError) {
            EXPECT_EQ(dump.Json["global"].toObject()["Title"], "Haus");
        }
    }
    EXPECT_EQ(DumpRiddleFile(dir.filePath("missing.rid")).Result, rfFileMissing);
}

TEST_F(RiddleDump, ReadsBackARiddlePackedIntoAPlayer) {
    const QString riddle = Keyworded();
    const QString player = QStringLiteral(QUIVANE_PLAYER_EXE);
    const TDump plain = DumpRiddleFile(riddle);
    const QString packed = dir.filePath("packed");
    ASSERT_EQ(PackRiddle(player, riddle, packed), QString());
    EXPECT_TRUE(QFile::permissions(packed) & QFileDevice::ExeOwner);
    EXPECT_EQ(QFileInfo(packed).size(), QFileInfo(player).size() + QFileInfo(riddle).size());
    const TDump embedded = DumpEmbeddedRiddle(packed);
    EXPECT_EQ(embedded.Result, rfOk);
    EXPECT_EQ(embedded.Json, plain.Json);

    // A player that carries a riddle already would only ever show the first one.
    EXPECT_TRUE(
        PackRiddle(packed, riddle, packed + QStringLiteral("2")).contains("carries a riddle already"));
    EXPECT_EQ(DumpEmbeddedRiddle(player).Result, rfWrongFormat);
    EXPECT_TRUE(PackRiddle(player, player, dir.filePath("x")).contains("not a riddle file"));
    EXPECT_TRUE(PackRiddle(player, riddle, riddle).contains("must not overwrite"));
    // Neither a script nor another program is a player.
    const QString script = dir.filePath("script");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    for (const QString& other : {script, QStringLiteral("/bin/true")})
        EXPECT_TRUE(PackRiddle(other, riddle, dir.filePath("x")).contains("not a Quivane player"))
            << other.toStdString();
}
} // namespace
