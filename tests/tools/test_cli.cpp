// The riddlepack program itself: arguments, exit status and where its messages go.

#include "RiddlepackTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {
struct ProgramRun {
    int exitCode = -1;
    QByteArray out, err;
};

ProgramRun Riddlepack(const QStringList& Args, const QString& Program = QStringLiteral(RIDDLEPACK_EXE)) {
    QProcess p;
    p.start(Program, Args);
    ProgramRun run;
    if (!p.waitForFinished(30000))
        return run;
    run.exitCode = p.exitCode();
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

TEST(RiddlepackProgram, SeparatesHelpFromUsageErrors) {
    const struct {
        QStringList args;
        int exitCode;
        bool onStdout; // else the text goes to stderr and stdout stays empty
    } table[] = {
        {{}, 1, false},
        {{"--help"}, 0, true},
        {{"build", "--help"}, 0, true},
        {{"dump", "--help"}, 0, true},
        {{"build", "a.json"}, 1, false},
        {{"build", "a.json", "-o"}, 1, false},
        {{"pack", "-o", "out"}, 1, false},
        {{"pack", "player", "a.rid", "b.rid", "-o", "out"}, 1, false},
        {{"dump", "--bogus", "x.rid"}, 1, false},
        {{"unpack", "x"}, 1, false},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.args.join(' ').toStdString());
        const ProgramRun run = Riddlepack(t.args);
        EXPECT_EQ(run.exitCode, t.exitCode);
        EXPECT_EQ(run.out.contains("usage:"), t.onStdout);
        EXPECT_EQ(run.err.contains("usage:"), !t.onStdout);
    }
}

TEST(RiddlepackProgram, BuildsPacksAndDumps) {
    QTemporaryDir dir;
    auto write = [&](const char* Name, const QByteArray& Content) {
        QFile f(dir.filePath(Name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Content);
        return f.fileName();
    };
    const QString good = write("gut.json", ToJson(TinySource()));
    QJsonObject broken = TinySource();
    broken["grid"] = QJsonArray{"AB", "C##"};
    const QString bad = write("kaputt.json", ToJson(broken));
    const QString rid = dir.filePath("gut.rid");

    ProgramRun run = Riddlepack({"build", bad, "-o", rid});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "riddlepack: kaputt.json: grid row 2: expected 2 characters, found 3\n");
    EXPECT_FALSE(QFile::exists(rid));

    run = Riddlepack({"build", good, "-o", rid});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString packed = dir.filePath("packed");
    // Only the player takes a riddle: any other program would carry it along unseen.
    run = Riddlepack({"pack", "/bin/ls", rid, "-o", packed});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "riddlepack: /bin/ls: not a Quivane player; riddles are packed onto the quivane "
                       "program of this project\n");
    EXPECT_FALSE(QFile::exists(packed));
    run = Riddlepack({"pack", QUIVANE_PLAYER_EXE, rid, "-o", packed});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    run = Riddlepack({"dump", "--embedded", packed});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject dump = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(dump["class"], "WordRiddle");
    EXPECT_EQ(dump["clues"].toArray().size(), 2);

    // The exit status is the reader's result, and the JSON still comes; stderr says why in words.
    const QString missing = dir.filePath("fehlt.rid");
    QFile whole(rid);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QString truncated = write("kurz.rid", whole.read(80));
    const struct {
        QStringList args;
        int result;
        QString reason;
    } failures[] = {
        {{"dump", missing}, rfFileMissing, missing + ": the file does not exist"},
        {{"dump", truncated},
         rfSectionError,
         truncated + ": a section of the riddle is damaged or cut short"},
        {{"dump", good}, rfWrongFormat, good + ": not a riddle file: it does not begin with RIDFIL"},
        {{"dump", "--embedded", QUIVANE_PLAYER_EXE},
         rfWrongFormat,
         QUIVANE_PLAYER_EXE ": no riddle file is appended to the program"},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.args.join(' ').toStdString());
        run = Riddlepack(f.args);
        EXPECT_EQ(run.exitCode, f.result);
        EXPECT_EQ(QJsonDocument::fromJson(run.out).object()["result"], f.result);
        EXPECT_EQ(QString::fromLocal8Bit(run.err),
                  QStringLiteral("riddlepack: %1 (result %2)\n").arg(f.reason).arg(f.result));
    }
}

// Installed, riddlepack takes the player from lib/quivane beside its own bin folder.
TEST(RiddlepackProgram, PacksOntoTheInstalledPlayerWhenNoneIsNamed) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("lib/quivane"));
    const QString tool = prefix.filePath("bin/riddlepack"), player = prefix.filePath("lib/quivane/quivane");
    ASSERT_TRUE(QFile::copy(RIDDLEPACK_EXE, tool));
    QFile source(prefix.filePath("gut.json"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write(ToJson(TinySource()));
    source.close();
    const QString rid = prefix.filePath("gut.rid"), packed = prefix.filePath("packed");
    ASSERT_EQ(Riddlepack({"build", source.fileName(), "-o", rid}, tool).exitCode, 0);

    ProgramRun run = Riddlepack({"pack", rid, "-o", packed}, tool);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromLocal8Bit(run.err),
              "riddlepack: " + player + ": cannot read the player (No such file or directory)\n");
    EXPECT_FALSE(QFile::exists(packed));

    ASSERT_TRUE(QFile::copy(QUIVANE_PLAYER_EXE, player));
    run = Riddlepack({"pack", rid, "-o", packed}, tool);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = Riddlepack({"dump", "--embedded", packed}, tool);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object()["class"], "WordRiddle");
}

TEST(RiddlepackProgram, TellsItsVersion) {
    const ProgramRun run = Riddlepack({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("riddlepack " QUIVANE_VERSION "\n"));
    EXPECT_TRUE(run.err.isEmpty());
}
} // namespace
