// Importing ipuz and Across Lite files: what the fixtures become, what is refused and why, and
// that an import builds exactly the riddle that `build` makes of the imported source.

#include "Importer.h"
#include "IpuzImporter.h"
#include "PuzImporter.h"
#include "RiddlepackTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace {
QString Fixture(const char* Name) {
    return QStringLiteral(QUIVANE_IMPORT_DATA "/") + QLatin1String(Name);
}

QByteArray Bytes(const char* Name) {
    QFile file(Fixture(Name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << Name;
    return file.readAll();
}

QString Clues(const QJsonArray& Clues) {
    QStringList list;
    for (const QJsonValue& c : Clues) {
        const QJsonObject o = c.toObject();
        list << (o.contains("word") ? o["word"].toString()
                                    : QStringLiteral("%1%2 %3")
                                          .arg(o["number"].toInt())
                                          .arg(o["direction"].toString().front())
                                          .arg(o["clue"].toString()));
    }
    return list.join(QStringLiteral(" | "));
}

TEST(Import, TurnsFixturesIntoOurOwnSources) {
    const char* const katzeClues =
        "1a Haustier, das miaut | 4a Spur einer verheilten Wunde | 5a Organ, das das Blut "
        "reinigt | 1d Lied, dessen Stimmen nacheinander einsetzen | 2d Kuchen mit Sahne "
        "und Früchten | 3d Flaches Land";
    const struct {
        const char* file;
        const char* grid; // rows joined by '/'
        const char* clues;
        const char* comment;
        const char* notes;
    } table[] = {
        {"katze.ipuz", "KATZE/A#O#B/NARBE/O#T#N/NIERE", katzeClues,
         "© 2025 Quivane-Team, frei verwendbar\nVon Hand nach der ipuz-Beschreibung geschrieben.",
         "circles dropped at row 1, column 3; row 3, column 3\nshading dropped at row 5, column 5"},
        {"katze-xpuz.puz", "KATZE/A#O#B/NARBE/O#T#N/NIERE", katzeClues,
         "© 2025 Quivane-Team, frei verwendbar\nVon Hand nach der ipuz-Beschreibung geschrieben.", ""},
        {"kanon.puz", "KANON/A#A#I/TORTE/Z#B#R/EBENE",
         "1a Mehrstimmiges Lied | 4a Kuchen mit Sahne | 5a Flaches Land | 1d Haustier | 2d Spur einer Wunde "
         "| "
         "3d Organ",
         "© 2025 Quivane-Team\nVon Hand nach der Formatbeschreibung geschrieben.",
         "circles dropped at row 3, column 3"},
        {"tiere.ipuz", "HUNDX/AQZDH/SLESE/EPYMR", "HUND | HASE | ESEL | REH", "", ""},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.file);
        const TImported imported = ImportFile(Fixture(t.file));
        QStringList grid;
        for (const QJsonValue& row : imported.Source["grid"].toArray())
            grid << row.toString();
        EXPECT_EQ(grid.join('/'), t.grid);
        EXPECT_EQ(Clues(imported.Source["clues"].toArray()), QString::fromUtf8(t.clues));
        EXPECT_EQ(imported.Source["comment"].toString(), QString::fromUtf8(t.comment));
        EXPECT_EQ(imported.Notes.join('\n'), t.notes);
        EXPECT_EQ(BuildImported(imported, Fixture(t.file)).Warnings, QStringList());
    }
    // The word search reads one word backwards; the sudoku keeps its givens and gets its skill.
    EXPECT_EQ(ImportFile(Fixture("tiere.ipuz")).Source["options"].toArray(),
              QJsonArray({"reverseWords", "allowEdit"}));
    const TImported sudoku = ImportFile(Fixture("raster.ipuz"));
    EXPECT_EQ(sudoku.Source["givens"].toArray().first(), "3.4.6....");
    const TBuiltRiddle built = BuildImported(sudoku, Fixture("raster.ipuz"));
    EXPECT_EQ(dynamic_cast<TSudokuRiddleData&>(*built.Riddle).Skill(), skHard);
    built.Riddle->StopClock();
}

// Sets `key` of the ipuz fixture's root to the JSON `value` (or removes it when empty).
QByteArray IpuzWith(const char* Key, const char* Value) {
    QJsonObject root = QJsonDocument::fromJson(Bytes("katze.ipuz")).object();
    if (*Value == 0)
        root.remove(Key);
    else
        root[Key] = QJsonDocument::fromJson(QByteArray("[") + Value + "]").array().first();
    return QJsonDocument(root).toJson();
}

QByteArray PuzWith(const std::function<void(QByteArray&)>& Change) {
    QByteArray bytes = Bytes("kanon.puz");
    Change(bytes);
    return bytes;
}

QByteArray WithRebusSection(QByteArray Bytes) {
    QByteArray grbs(25, '\0');
    grbs[0] = 1;
    const uint16_t sum = PuzChecksum(grbs.constData(), grbs.size(), 0);
    return Bytes + "GRBS" + QByteArray("\x19\x00", 2) + char(sum & 0xFF) + char(sum >> 8) + grbs + '\0';
}

QString ImportError(const QByteArray& Bytes, bool Puz) {
    try {
        Puz ? ImportPuz(Bytes) : ImportIpuz(Bytes);
    } catch (const TSourceError& e) {
        return e.Message();
    }
    return QString();
}

TEST(Import, RefusesDamagedFilesAndWhatThePlayerCannotShow) {
    const auto solution = [](const char* FirstRow) {
        return QByteArray("[") + FirstRow +
               R"(, ["A","#","O","#","B"], ["N","A","R","B","E"], ["O","#","T","#","N"], ["N","I","E","R","E"]])";
    };
    const struct {
        QByteArray bytes;
        bool puz;
        const char* message;
    } table[] = {
        {IpuzWith("solution", ""), false, "solution: expected a list of 5 rows"},
        {IpuzWith("dimensions", ""), false, "dimensions.width: expected a whole number 1 … 99"},
        {IpuzWith("dimensions", R"({"width": 100, "height": 5})"), false,
         "dimensions.width: expected a whole number 1 … 99, found 100"},
        {IpuzWith("kind", R"(["http://ipuz.org/acrostic#1"])"), false,
         "kind: \"http://ipuz.org/acrostic#1\" is no crossword, sudoku or word search"},
        {IpuzWith("solution", solution(R"(["KA","A","T","Z","E"])")), false,
         "row 1, column 1: \"KA\" is several characters in one cell (a rebus)"},
        {IpuzWith("solution", solution(R"(["Ä","A","T","Z","E"])")), false,
         "row 1, column 1: \"Ä\" is written AE in a riddle, two letters for one cell"},
        {IpuzWith("solution", solution(R"(["7","A","T","Z","E"])")), false,
         "row 1, column 1: \"7\" is not a letter"},
        {IpuzWith("clues", R"({"Across": [[1, "a"], [4, "b"], [5, "c"]], "Diagonal": [[1, "d"]]})"), false,
         "clues.Diagonal: the player has clues across and down only"},
        {IpuzWith("clues", R"({"Across": [[1, "a"], [4, "b"], [5, "c"], [2, "x"]]})"), false,
         "clues.Across[3]: no across word of the grid starts at number 2"},
        {IpuzWith("author", R"("Ein Name, der für das Feld des Autors viel zu lang geraten ist")"), false,
         "author: at most 50 characters, found 62"},
        {"{\"kind\": ", false, "not an ipuz file: no JSON object (unterminated object)"},
        {PuzWith([](QByteArray& B) { B.truncate(40); }), true, "header: the file ends inside it"},
        {PuzWith([](QByteArray& B) { B.truncate(90); }), true, "grid: the file ends inside it"},
        {PuzWith([](QByteArray& B) { B.truncate(150); }), true, "clue 1: the file ends inside it"},
        {PuzWith([](QByteArray& B) { B[0x0E] = char(B[0x0E] ^ 1); }), true,
         "header: wrong checksum; the file is damaged"},
        {PuzWith([](QByteArray& B) { B[B.indexOf("Haustier")] = 'M'; }), true,
         "file checksum: wrong checksum; the file is damaged"},
        {PuzWith([](QByteArray& B) { B[B.indexOf("GEXT") + 20] = 1; }), true, "section GEXT: wrong checksum"},
        {PuzWith([](QByteArray& B) { B[0x32] = 4; }), true,
         "the solution is scrambled (a locked puzzle); unlock it in the tool that made it first"},
        {WithRebusSection(Bytes("kanon.puz")), true,
         "row 1, column 1: a rebus (several letters in one cell), which the player cannot show"},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.message);
        EXPECT_EQ(ImportError(t.bytes, t.puz).toStdString(), t.message);
    }
}

TEST(Import, BuildsWhatBuildMakesOfTheImportedSource) {
    QTemporaryDir dir;
    auto run = [](const QStringList& Args) {
        QProcess p;
        p.start(QStringLiteral(RIDDLEPACK_EXE), Args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return p.exitCode();
    };
    auto read = [](const QString& Path) {
        QFile f(Path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << Path.toStdString();
        return f.readAll();
    };
    for (const char* name : {"katze.ipuz", "kanon.puz", "raster.ipuz", "tiere.ipuz"}) {
        SCOPED_TRACE(name);
        const QString json = dir.filePath("quelle.json"), built = dir.filePath("a.rid"),
                      imported = dir.filePath("b.rid");
        ASSERT_EQ(run({"import", Fixture(name), "--json", json}), 0);
        ASSERT_EQ(run({"build", json, "-o", built}), 0);
        ASSERT_EQ(run({"import", Fixture(name), "-o", imported}), 0);
        EXPECT_EQ(read(built), read(imported));
    }
    EXPECT_EQ(run({"import", Fixture("README.md"), "-o", dir.filePath("c.rid")}), 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("c.rid")));
}
} // namespace
