// The riddlepack program itself: arguments, exit status and where its messages go.

#include "RiddlepackTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {
struct ProgramRun {
    int exitCode = -1;
    QByteArray out, err;
};

ProgramRun Riddlepack(const QStringList& Args) {
    QProcess p;
    p.start(QStringLiteral(RIDDLEPACK_EXE), Args);
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
        {{"pack", "player", "-o", "out"}, 1, false},
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
    const QString player = write("player", "#!/bin/sh\n");
    const QString packed = dir.filePath("packed");
    run = Riddlepack({"pack", player, rid, "-o", packed});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    run = Riddlepack({"dump", "--embedded", packed});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject dump = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(dump["class"], "WordRiddle");
    EXPECT_EQ(dump["clues"].toArray().size(), 2);

    // The exit status is the reader's result, and the JSON still comes.
    run = Riddlepack({"dump", dir.filePath("fehlt.rid")});
    EXPECT_EQ(run.exitCode, rfFileMissing);
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object()["result"], rfFileMissing);
}
} // namespace
