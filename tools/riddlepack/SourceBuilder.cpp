#include "SourceBuilder.h"

#include "SudokuRiddleData.h"
#include "WordRiddleData.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>

using namespace SourceBuilderDetail;

namespace {
const TNameTable kTypeNames = {{"swedish", rtSwedish},     {"numbers", rtNumbers}, {"fillup", rtFillup},
                               {"puzzle", rtPuzzle},       {"french", rtFrench},   {"american", rtAmerican},
                               {"findwords", rtFindWords}, {"sudoku", rtSudoku}};

// hasKeyword and hasImage are left out: they follow from the keyword and picture keys.
const TNameTable kOptionNames = {{"enumKeywordChars", roEnumKeywordChars},
                                 {"reverseWords", roReverseWords},
                                 {"countTime", roCountTime},
                                 {"allowEdit", roAllowEdit}};
const TNameTable kHelpFlagNames = {
    {"showFail", hfShowFail}, {"autoFill", hfAutoFill}, {"showRiddle", hfShowRiddle}};
const TNameTable kPaintOptionNames = {{"autoSize", poAutoSize},
                                      {"showLength", poShowLength},
                                      {"showFail", poShowFail},
                                      {"showHintGrids", poShowHintGrids},
                                      {"markCurrWord", poMarkCurrWord}};

// Line and column of a byte offset, for the parser's complaints.
QString Position(const QByteArray& Json, int Offset) {
    const QByteArray before = Json.left(Offset);
    const int line = int(before.count('\n')) + 1;
    const int column = Offset - int(before.lastIndexOf('\n'));
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

TRiddleType ReadType(TSourceObject& Root) {
    const QString name = Root.RequiredText(QStringLiteral("type"), 20);
    for (const auto& [known, type] : kTypeNames)
        if (name == QLatin1String(known))
            return TRiddleType(type);
    QStringList allowed;
    for (const auto& entry : kTypeNames)
        allowed << QLatin1String(entry.first);
    Refuse(QStringLiteral("type"),
           QStringLiteral("unknown type \"%1\" (allowed: %2)").arg(name, allowed.join(QStringLiteral(", "))));
}
} // namespace

void SourceBuilderDetail::ApplySharedKeys(TSourceObject& Root, TRiddleData& Riddle) {
    Riddle.SetTitle(Root.Text(QStringLiteral("title"), QString(), 255));
    Riddle.SetAuthor(Root.Text(QStringLiteral("author"), QString(), 50));
    Riddle.SetComment(Root.Text(QStringLiteral("comment"), QString(), 255));
    Riddle.SetVersion(Root.Text(QStringLiteral("version"), QStringLiteral("8.04"), 20));
    Riddle.SetBestTime(uint16_t(Root.Int(QStringLiteral("bestTime"), 0, 0, 65535)));
    Riddle.SetBestTimeHolder(Root.Text(QStringLiteral("bestTimeHolder"), QString(), 50));
    const int options = Root.NameSet(QStringLiteral("options"), kDefaultRiddleOptions.Raw(), kOptionNames);
    Riddle.SetRiddleOptions(TRiddleOptions::FromBits(uint8_t(options)));

    const bool paintGiven = Root.Has(QStringLiteral("paintOptions"));
    // Riddles for the player size their grid to the cells unless the source says otherwise. They
    // open without wrong letters marked and without the possible symbols: a new solver should not
    // see the answers at the first letter, and switches that help on when wanted.
    const uint8_t paintDefault = TPaintOptions{poAutoSize, poShowLength, poMarkCurrWord}.Raw();
    const auto paint = TPaintOptions::FromBits(
        uint8_t(Root.NameSet(QStringLiteral("paintOptions"), paintDefault, kPaintOptionNames)));
    const auto help = THelpFlags::FromBits(
        uint8_t(Root.NameSet(QStringLiteral("helpFlags"), kDefaultHelpFlags.Raw(), kHelpFlagNames)));
    // The player never shows failures that the help flags forbid; it drops the paint option when
    // the help flag goes. Only an explicit request for both contradicts itself.
    if (paintGiven && paint.Contains(poShowFail) && !help.Contains(hfShowFail))
        Refuse(QStringLiteral("paintOptions"), QStringLiteral("showFail needs showFail in helpFlags"));
    Riddle.SetPaintOptions(paint);
    Riddle.SetHelpFlags(help);
}

TBuiltRiddle BuildRiddle(const QByteArray& Json, const QString& SourceName, const QDir& BaseDir) {
    try {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(Json, &error);
        if (error.error != QJsonParseError::NoError)
            Refuse(QString(), QStringLiteral("not valid JSON at %1: %2")
                                  .arg(Position(Json, error.offset), error.errorString()));
        if (!doc.isObject())
            Refuse(QString(), QStringLiteral("the source must be a JSON object"));
        TSourceObject root(doc.object(), QString());
        const TRiddleType type = ReadType(root);
        TBuiltRiddle built;
        if (type == rtSudoku)
            built.Riddle = BuildSudoku(root, built.Warnings);
        else
            built.Riddle = BuildWordRiddle(root, type, BaseDir, built.JpegQuality);
        root.RefuseUnknownKeys(QStringLiteral("unknown key for a riddle of type \"%1\"")
                                   .arg(root.Value(QStringLiteral("type")).toString()));
        // Last, as the player expects of a riddle that is ready to be solved; the clock that this
        // may start belongs to a solving session, not to the file.
        built.Riddle->SetTime(0);
        built.Riddle->SetState(stReady);
        built.Riddle->StopClock();
        for (QString& warning : built.Warnings)
            warning = SourceName + QStringLiteral(": ") + warning;
        return built;
    } catch (const TSourceError& e) {
        throw TSourceError(SourceName + QStringLiteral(": ") + e.Message());
    }
}

TBuiltRiddle BuildRiddleFile(const QString& Path) {
    const QFileInfo info(Path);
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw TSourceError(QStringLiteral("%1: cannot read the file (%2)").arg(Path, file.errorString()));
    return BuildRiddle(file.readAll(), info.fileName(), info.absoluteDir());
}

QString BuildAndSave(const QString& SourcePath, const QString& OutPath) {
    TBuiltRiddle built;
    try {
        built = BuildRiddleFile(SourcePath);
    } catch (const TSourceError& e) {
        return e.Message();
    }
    PrintNotes(built.Warnings);
    return SaveBuilt(built, OutPath);
}

QString SaveBuilt(const TBuiltRiddle& Built, const QString& OutPath) {
    const uint8_t result = Built.Riddle->SaveToFile(OutPath, Built.JpegQuality, false);
    if (result != rfOk)
        return QStringLiteral("%1: cannot write the riddle file (result %2)").arg(OutPath).arg(result);
    // The writer swallows a failing device and leaves a short file; reading it back catches that.
    std::unique_ptr<TRiddleData> check;
    if (Built.Riddle->RiddleType() == rtSudoku)
        check = std::make_unique<TSudokuRiddleData>();
    else
        check = std::make_unique<TWordRiddleData>();
    const uint8_t readBack = check->LoadFromFile(OutPath, false);
    if (readBack != rfOk)
        return QStringLiteral("%1: the written file does not read back (result %2)")
            .arg(OutPath)
            .arg(readBack);
    return QString();
}

void PrintNotes(const QStringList& Notes) {
    for (const QString& note : Notes)
        std::fprintf(stderr, "riddlepack: %s\n", note.toLocal8Bit().constData());
}
