// riddlepack: builds riddle files from JSON sources, appends them to the player and shows what
// the player reads from them.

#include "AuthoringCommands.h"
#include "Dumper.h"
#include "Packer.h"
#include "SourceBuilder.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QStringList>
#include <cstdio>

namespace {
const char* const kUsage = "usage: riddlepack build SOURCE.json -o FILE.rid\n"
                           "       riddlepack pack [PLAYER] FILE.rid -o OUT\n"
                           "       riddlepack dump FILE\n"
                           "       riddlepack dump --embedded EXECUTABLE\n"
                           "       riddlepack solve FILE [--json]\n"
                           "       riddlepack generate sudoku --size N --skill SKILL [options] -o FILE.rid\n"
                           "       riddlepack import FILE (-o FILE.rid | --json FILE.json)\n"
                           "       riddlepack --version\n"
                           "Each command explains itself with --help.\n";

const char* const kBuildHelp =
    "usage: riddlepack build SOURCE.json -o FILE.rid\n"
    "Builds a riddle file from a JSON riddle source (see docs/riddle-source.md).\n"
    "Cell flags, clue numbers and legend numbers are derived from the grid; an inconsistent\n"
    "source is refused with a message that names the place.\n";

const char* const kPackHelp =
    "usage: riddlepack pack [PLAYER] FILE.rid -o OUT\n"
    "Writes OUT: the player executable with the riddle file appended, ready to run.\n"
    "PLAYER must be the quivane program of this project, without a riddle of its own;\n"
    "without it the player installed with riddlepack is taken.\n";

const char* const kDumpHelp =
    "usage: riddlepack dump FILE\n"
    "       riddlepack dump --embedded EXECUTABLE\n"
    "Reads a riddle file (or the riddle appended to a player) with the player's reader and\n"
    "prints what it read as JSON. The exit status is the reader's result code (0 = read).\n";

const char* const kSolveHelp =
    "usage: riddlepack solve FILE [--json]\n"
    "Counts the solutions of a sudoku (a source or a riddle file): 0, 1 or \"mehr als eine\".\n"
    "With exactly one it prints the solution and the skill a person needs, found by solving it\n"
    "with the techniques of that skill. --json prints the same as JSON.\n";

const char* const kGenerateHelp =
    "usage: riddlepack generate sudoku --size 6|9|12 --skill SKILL [--seed N] [--title TEXT]\n"
    "                                  [--symmetric] (-o FILE.rid | --json FILE.json)\n"
    "Generates a sudoku with exactly one solution that needs the skill asked for:\n"
    "  leicht         naked and hidden singles\n"
    "  mittelschwer   also locked candidates\n"
    "  schwer         also naked and hidden pairs and triples\n"
    "  \"sehr schwer\"  more than that\n"
    "The same seed gives the same sudoku; without --seed a random one is taken and printed.\n"
    "--symmetric keeps the givens symmetric under a half turn. -o writes a riddle file,\n"
    "--json the riddle source.\n";

const char* const kImportHelp =
    "usage: riddlepack import FILE (-o FILE.rid | --json FILE.json)\n"
    "Reads a crossword, sudoku or word search in the ipuz format, or an Across Lite crossword\n"
    "(.puz), and writes a riddle file, or the riddle source that builds it. What the player\n"
    "cannot show (rebus cells, grids above 99 cells a side, answers of other characters than\n"
    "letters) is refused; circles and shading are dropped with a note.\n";

int UsageError(const QString& Problem, const char* Usage) {
    std::fprintf(stderr, "riddlepack: %s\n%s", Problem.toLocal8Bit().constData(), Usage);
    return 1;
}

int Help(const char* Text) {
    std::fputs(Text, stdout);
    return 0;
}

int Failure(const QString& Message) {
    std::fprintf(stderr, "riddlepack: %s\n", Message.toLocal8Bit().constData());
    return 1;
}

// Splits the arguments after the command into plain ones and the -o value.
struct TArgs {
    QStringList Plain;
    QString Output;
    bool HasOutput = false;
    bool Help = false;
    bool Embedded = false;
    QString Error;
};

TArgs ParseArgs(const QStringList& Args, bool TakesOutput, bool TakesEmbedded) {
    TArgs parsed;
    for (qsizetype i = 0; i < Args.size(); ++i) {
        const QString& a = Args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            parsed.Help = true;
        } else if (TakesOutput && (a == QLatin1String("-o") || a == QLatin1String("--output"))) {
            if (i + 1 >= Args.size() || parsed.HasOutput) {
                parsed.Error =
                    parsed.HasOutput ? QStringLiteral("-o given twice") : QStringLiteral("-o needs a file");
                return parsed;
            }
            parsed.Output = Args[++i];
            parsed.HasOutput = true;
        } else if (TakesEmbedded && a == QLatin1String("--embedded")) {
            parsed.Embedded = true;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            parsed.Error = QStringLiteral("unknown option %1").arg(a);
            return parsed;
        } else {
            parsed.Plain << a;
        }
    }
    return parsed;
}

int Build(const QStringList& Args) {
    const TArgs a = ParseArgs(Args, true, false);
    if (a.Help)
        return Help(kBuildHelp);
    if (!a.Error.isEmpty())
        return UsageError(a.Error, kBuildHelp);
    if (a.Plain.size() != 1 || !a.HasOutput)
        return UsageError(QStringLiteral("build needs one source and -o FILE.rid"), kBuildHelp);
    const QString error = BuildAndSave(a.Plain[0], a.Output);
    return error.isEmpty() ? 0 : Failure(error);
}

int Pack(const QStringList& Args) {
    const TArgs a = ParseArgs(Args, true, false);
    if (a.Help)
        return Help(kPackHelp);
    if (!a.Error.isEmpty())
        return UsageError(a.Error, kPackHelp);
    if (a.Plain.isEmpty() || a.Plain.size() > 2 || !a.HasOutput)
        return UsageError(QStringLiteral("pack needs a riddle file and -o OUT"), kPackHelp);
    const QString player = a.Plain.size() == 2 ? a.Plain[0] : InstalledPlayer();
    const QString error = PackRiddle(player, a.Plain.last(), a.Output);
    return error.isEmpty() ? 0 : Failure(error);
}

int Dump(const QStringList& Args) {
    const TArgs a = ParseArgs(Args, false, true);
    if (a.Help)
        return Help(kDumpHelp);
    if (!a.Error.isEmpty())
        return UsageError(a.Error, kDumpHelp);
    if (a.Plain.size() != 1)
        return UsageError(QStringLiteral("dump needs exactly one file"), kDumpHelp);
    const TDump dump = a.Embedded ? DumpEmbeddedRiddle(a.Plain[0]) : DumpRiddleFile(a.Plain[0]);
    const QByteArray json = QJsonDocument(dump.Json).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    // The exit status carries the reader's code; a person reads the reason.
    if (!dump.Problem.isEmpty())
        std::fprintf(stderr, "riddlepack: %s: %s (result %d)\n", a.Plain[0].toLocal8Bit().constData(),
                     dump.Problem.toLocal8Bit().constData(), dump.Result);
    return dump.Result;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return UsageError(QStringLiteral("a command is missing"), kUsage);
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help"))
        return Help(kUsage);
    if (command == QLatin1String("--version")) {
        std::printf("riddlepack %s\n", QUIVANE_VERSION);
        return 0;
    }
    if (command == QLatin1String("build"))
        return Build(args);
    if (command == QLatin1String("pack"))
        return Pack(args);
    if (command == QLatin1String("dump"))
        return Dump(args);
    if (command == QLatin1String("solve"))
        return SolveCommand(args, kSolveHelp);
    if (command == QLatin1String("generate"))
        return GenerateCommand(args, kGenerateHelp);
    if (command == QLatin1String("import"))
        return ImportCommand(args, kImportHelp);
    return UsageError(QStringLiteral("unknown command %1").arg(command), kUsage);
}
