#include "AuthoringCommands.h"

#include "Importer.h"
#include "SudokuCommands.h"

#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <cstdio>
#include <map>

namespace {
// Options with a value (`--size 9`), switches (`--symmetric`) and plain arguments.
struct TOptions {
    std::map<QString, QString> Values;
    QStringList Switches;
    QStringList Plain;
    QString Error;
    bool Help = false;

    bool Has(const char* Name) const { return Values.count(QLatin1String(Name)) != 0; }
    QString Value(const char* Name) const { return Has(Name) ? Values.at(QLatin1String(Name)) : QString(); }
    bool Switch(const char* Name) const { return Switches.contains(QLatin1String(Name)); }
};

TOptions Parse(const QStringList& Args, const QStringList& WithValue, const QStringList& Switches) {
    TOptions o;
    for (qsizetype i = 0; i < Args.size(); ++i) {
        const QString& a = Args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.Help = true;
        } else if (WithValue.contains(a)) {
            if (i + 1 >= Args.size() || o.Values.count(a)) {
                o.Error = o.Values.count(a) ? QStringLiteral("%1 given twice").arg(a)
                                            : QStringLiteral("%1 needs a value").arg(a);
                return o;
            }
            o.Values[a] = Args[++i];
        } else if (Switches.contains(a)) {
            o.Switches << a;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            o.Error = QStringLiteral("unknown option %1").arg(a);
            return o;
        } else {
            o.Plain << a;
        }
    }
    return o;
}

int Usage(const QString& Problem, const char* Help) {
    std::fprintf(stderr, "riddlepack: %s\n%s", Problem.toLocal8Bit().constData(), Help);
    return 1;
}

int Fail(const QString& Message) {
    std::fprintf(stderr, "riddlepack: %s\n", Message.toLocal8Bit().constData());
    return 1;
}

void Print(const QString& Text) {
    const QByteArray bytes = Text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

QString WriteJson(const QJsonObject& Source, const QString& Path) {
    QFile file(Path);
    const QByteArray json = QJsonDocument(Source).toJson(QJsonDocument::Indented);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.flush())
        return QStringLiteral("%1: cannot write the file (%2)").arg(Path, file.errorString());
    return QString();
}

// Writes the source as JSON, or builds it into a riddle file; the build's warnings go to stderr.
int Write(const QJsonObject& Source, const TOptions& O, const QString& Name) {
    QString error;
    if (O.Has("--json")) {
        error = WriteJson(Source, O.Value("--json"));
    } else {
        try {
            const TBuiltRiddle built = BuildImported(TImported{Source, {}}, Name);
            PrintNotes(built.Warnings);
            error = SaveBuilt(built, O.Value("-o"));
        } catch (const TSourceError& e) {
            error = e.Message();
        }
    }
    return error.isEmpty() ? 0 : Fail(error);
}
} // namespace

int SolveCommand(const QStringList& Args, const char* Help) {
    const TOptions o = Parse(Args, {}, {QStringLiteral("--json")});
    if (o.Help)
        return std::fputs(Help, stdout), 0;
    if (!o.Error.isEmpty())
        return Usage(o.Error, Help);
    if (o.Plain.size() != 1)
        return Usage(QStringLiteral("solve needs exactly one file"), Help);
    try {
        const TSudokuReport report = SolveSudokuFile(o.Plain[0]);
        Print(o.Switch("--json") ? QString::fromUtf8(QJsonDocument(ReportJson(report)).toJson())
                                 : ReportText(report));
        return 0;
    } catch (const TSourceError& e) {
        return Fail(e.Message());
    }
}

int GenerateCommand(const QStringList& Args, const char* Help) {
    const QStringList withValue{"--size", "--skill", "--seed", "--title", "-o", "--json"};
    const TOptions o = Parse(Args, withValue, {QStringLiteral("--symmetric")});
    if (o.Help)
        return std::fputs(Help, stdout), 0;
    if (!o.Error.isEmpty())
        return Usage(o.Error, Help);
    if (o.Plain != QStringList{QStringLiteral("sudoku")})
        return Usage(QStringLiteral("generate makes a sudoku: riddlepack generate sudoku …"), Help);
    if (o.Has("-o") == o.Has("--json"))
        return Usage(QStringLiteral("generate needs -o FILE.rid or --json FILE.json"), Help);
    TSudokuRequest request;
    request.Size = o.Value("--size").toInt();
    if (request.Size != 6 && request.Size != 9 && request.Size != 12)
        return Usage(QStringLiteral("--size must be 6, 9 or 12"), Help);
    request.Skill = SkillNamed(o.Value("--skill"));
    if (request.Skill == skNone)
        return Usage(QStringLiteral("--skill must be leicht, mittelschwer, schwer or \"sehr schwer\""), Help);
    bool seedOk = true;
    request.Seed =
        o.Has("--seed") ? o.Value("--seed").toULongLong(&seedOk) : QRandomGenerator::system()->generate64();
    if (!seedOk)
        return Usage(QStringLiteral("--seed must be a whole number 0 … 18446744073709551615"), Help);
    request.Symmetric = o.Switch("--symmetric");
    // Six symbols leave little room for the harder techniques, so a search may need many attempts.
    const std::optional<TGeneratedSudoku> sudoku = GenerateSudoku(request, 20000);
    if (!sudoku)
        return Fail(
            QStringLiteral("no sudoku of this skill found with seed %1; try another seed").arg(request.Seed));
    if (!o.Has("--seed"))
        std::fprintf(stderr, "riddlepack: seed %llu\n", static_cast<unsigned long long>(request.Seed));
    return Write(GeneratedSource(request, *sudoku, o.Value("--title")), o, QStringLiteral("sudoku.json"));
}

int ImportCommand(const QStringList& Args, const char* Help) {
    const TOptions o = Parse(Args, {QStringLiteral("-o"), QStringLiteral("--json")}, {});
    if (o.Help)
        return std::fputs(Help, stdout), 0;
    if (!o.Error.isEmpty())
        return Usage(o.Error, Help);
    if (o.Plain.size() != 1 || o.Has("-o") == o.Has("--json"))
        return Usage(QStringLiteral("import needs one file and -o FILE.rid or --json FILE.json"), Help);
    try {
        const TImported imported = ImportFile(o.Plain[0]);
        PrintNotes(imported.Notes);
        return Write(imported.Source, o, o.Plain[0]);
    } catch (const TSourceError& e) {
        return Fail(e.Message());
    }
}
