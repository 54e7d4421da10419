#include "SourceBuilder.h"

#include "SudokuRiddleData.h"
#include "WordRiddleData.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

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
QString Position(const QByteArray& json, int offset) {
    const QByteArray before = json.left(offset);
    const int line = int(before.count('\n')) + 1;
    const int column = offset - int(before.lastIndexOf('\n'));
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

TRiddleType ReadType(TSourceObject& root) {
    const QString name = root.RequiredText(QStringLiteral("type"), 20);
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

void SourceBuilderDetail::ApplySharedKeys(TSourceObject& root, TRiddleData& riddle) {
    riddle.SetTitle(root.Text(QStringLiteral("title"), QString(), 255));
    riddle.SetAuthor(root.Text(QStringLiteral("author"), QString(), 50));
    riddle.SetComment(root.Text(QStringLiteral("comment"), QString(), 255));
    riddle.SetVersion(root.Text(QStringLiteral("version"), QStringLiteral("8.04"), 20));
    riddle.SetBestTime(uint16_t(root.Int(QStringLiteral("bestTime"), 0, 0, 65535)));
    riddle.SetBestTimeHolder(root.Text(QStringLiteral("bestTimeHolder"), QString(), 50));
    const int options = root.NameSet(QStringLiteral("options"), kDefaultRiddleOptions.Raw(), kOptionNames);
    riddle.SetRiddleOptions(TRiddleOptions::FromBits(uint8_t(options)));

    const bool paintGiven = root.Has(QStringLiteral("paintOptions"));
    // Riddles for the player size their grid to the cells unless the source says otherwise.
    const uint8_t paintDefault = kDefaultPaintOptions.With(poAutoSize).Raw();
    const auto paint = TPaintOptions::FromBits(
        uint8_t(root.NameSet(QStringLiteral("paintOptions"), paintDefault, kPaintOptionNames)));
    const auto help = THelpFlags::FromBits(
        uint8_t(root.NameSet(QStringLiteral("helpFlags"), kDefaultHelpFlags.Raw(), kHelpFlagNames)));
    // The player never shows failures that the help flags forbid; it drops the paint option when
    // the help flag goes. Only an explicit request for both contradicts itself.
    if (paintGiven && paint.Contains(poShowFail) && !help.Contains(hfShowFail))
        Refuse(QStringLiteral("paintOptions"), QStringLiteral("showFail needs showFail in helpFlags"));
    riddle.SetPaintOptions(paint);
    riddle.SetHelpFlags(help);
}

TBuiltRiddle BuildRiddle(const QByteArray& json, const QString& sourceName, const QDir& baseDir) {
    try {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
        if (error.error != QJsonParseError::NoError)
            Refuse(QString(), QStringLiteral("not valid JSON at %1: %2")
                                  .arg(Position(json, error.offset), error.errorString()));
        if (!doc.isObject())
            Refuse(QString(), QStringLiteral("the source must be a JSON object"));
        TSourceObject root(doc.object(), QString());
        const TRiddleType type = ReadType(root);
        TBuiltRiddle built;
        if (type == rtSudoku)
            built.Riddle = BuildSudoku(root);
        else
            built.Riddle = BuildWordRiddle(root, type, baseDir, built.JpegQuality);
        root.RefuseUnknownKeys(QStringLiteral("unknown key for a riddle of type \"%1\"")
                                   .arg(root.Value(QStringLiteral("type")).toString()));
        // Last, as the player expects of a riddle that is ready to be solved; the clock that this
        // may start belongs to a solving session, not to the file.
        built.Riddle->SetTime(0);
        built.Riddle->SetState(stReady);
        built.Riddle->StopClock();
        return built;
    } catch (const TSourceError& e) {
        throw TSourceError(sourceName + QStringLiteral(": ") + e.Message());
    }
}

TBuiltRiddle BuildRiddleFile(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TSourceError(QStringLiteral("%1: cannot read the file (%2)").arg(path, file.errorString()));
    return BuildRiddle(file.readAll(), info.fileName(), info.absoluteDir());
}

QString BuildAndSave(const QString& sourcePath, const QString& outPath) {
    TBuiltRiddle built;
    try {
        built = BuildRiddleFile(sourcePath);
    } catch (const TSourceError& e) {
        return e.Message();
    }
    const uint8_t result = built.Riddle->SaveToFile(outPath, built.JpegQuality, false);
    if (result != rfOk)
        return QStringLiteral("%1: cannot write the riddle file (result %2)").arg(outPath).arg(result);
    // The writer swallows a failing device and leaves a short file; reading it back catches that.
    std::unique_ptr<TRiddleData> check;
    if (built.Riddle->RiddleType() == rtSudoku)
        check = std::make_unique<TSudokuRiddleData>();
    else
        check = std::make_unique<TWordRiddleData>();
    const uint8_t readBack = check->LoadFromFile(outPath, false);
    if (readBack != rfOk)
        return QStringLiteral("%1: the written file does not read back (result %2)")
            .arg(outPath)
            .arg(readBack);
    return QString();
}
