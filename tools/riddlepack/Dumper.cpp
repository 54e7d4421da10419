#include "Dumper.h"

#include "Cp1252.h"
#include "EmbeddedRiddle.h"
#include "SudokuRiddleData.h"
#include "WordRiddleData.h"

#include <QFile>
#include <QJsonArray>
#include <memory>

namespace {
// Letters are single Windows-1252 bytes; 0 stands for "none".
QJsonValue Letter(uint8_t B) {
    return B == 0 ? QString() : FromCp1252(QByteArray(1, char(B)));
}

QJsonArray Colors(const TRiddleColors& Colors) {
    QJsonArray out;
    for (TColor c : Colors.BaseValues())
        out.append(c);
    return out;
}

QJsonObject WordGlobal(const TWordRiddleData& R) {
    return {{"Author", R.Author()},
            {"BestTime", R.BestTime()},
            {"Comment", R.Comment()},
            {"DictionaryFile", R.DictionaryFile()},
            {"PaintOptions", R.PaintOptions().Raw()},
            {"GridSize", R.GridSize()},
            {"HelpFlags", R.HelpFlags().Raw()},
            {"ImageOptions", R.ImageOptions().Raw()},
            {"Language", R.Language()},
            {"AutoMarkLegend", R.AutoMarkLegend()},
            {"ExtraCode", R.ExtraCode()},
            {"BestTimeHolder", R.BestTimeHolder()},
            {"RiddleCols", R.RiddleCols()},
            {"RiddleRows", R.RiddleRows()},
            {"RiddleOptions", R.RiddleOptions().Raw()},
            {"Skill", R.Skill()},
            {"Time", R.Time()},
            {"Title", R.Title()},
            {"RiddleType", R.RiddleType()},
            {"State", R.State()}};
}

QJsonObject WordCell(const TWordCellRecord& C) {
    return {{"Flags", C.Flags},
            {"Solution", Letter(C.Solution)},
            {"Number", C.Number},
            {"Col", C.Col},
            {"KeywordIndex", C.KeywordIndex},
            {"Marked", C.Marked},
            {"Row", C.Row},
            {"Entry", Letter(C.Entry)},
            {"Revealed", C.Revealed},
            {"ClueFlags", C.ClueFlags},
            {"ClueNumber", C.ClueNumber}};
}

QJsonObject Clue(const TWordLegendData& C) {
    return {{"ExtraByte", C.ExtraByte()}, {"ClueText", C.ClueText()},    {"Solved", C.Solved()},
            {"Reversed", C.Reversed()},   {"Category", C.Category()},    {"Word", C.Word()},
            {"Direction", C.Direction()}, {"ClueNumber", C.ClueNumber()}};
}

// The class the header names, or null when the player has no such class.
std::unique_ptr<TRiddleData> RiddleOfClass(const QByteArray& ClassName) {
    if (ClassName == "WordRiddle")
        return std::make_unique<TWordRiddleData>();
    if (ClassName == "SudokuRiddle")
        return std::make_unique<TSudokuRiddleData>();
    return nullptr;
}

QJsonObject DumpRiddle(const TRiddleData& Riddle) {
    if (const auto* word = dynamic_cast<const TWordRiddleData*>(&Riddle))
        return DumpWordRiddle(*word);
    return DumpSudoku(dynamic_cast<const TSudokuRiddleData&>(Riddle));
}

// Reads the riddle that starts right after its header at the file's current position.
TDump ReadAndDump(QFile& File, const TRiddleHeader& Header) {
    TDump dump;
    dump.Json = {{"class", QString::fromLatin1(Header.ClassName)}, {"version", Header.Version}};
    std::unique_ptr<TRiddleData> riddle = RiddleOfClass(Header.ClassName);
    if (!riddle) {
        dump.Result = rfWrongFormat;
        dump.Problem = QStringLiteral("the riddle class \"%1\" is neither WordRiddle nor SudokuRiddle")
                           .arg(QString::fromLatin1(Header.ClassName));
        return dump;
    }
    dump.Result = riddle->LoadFromStream(File, false);
    if (dump.Result == rfWrongFormat)
        dump.Problem = QStringLiteral("the riddle does not begin with its section GLOBAL");
    else if (dump.Result != rfOk)
        dump.Problem = QStringLiteral("a section of the riddle is damaged or cut short");
    QJsonObject body = DumpRiddle(*riddle);
    for (auto it = body.begin(); it != body.end(); ++it)
        dump.Json.insert(it.key(), it.value());
    return dump;
}

TDump Failed(int Result, const QString& Problem) {
    TDump dump;
    dump.Json = {{"class", QJsonValue()}, {"version", QJsonValue()}};
    dump.Result = Result;
    dump.Problem = Problem;
    return dump;
}

QString Unreadable(const QFile& File) {
    return QStringLiteral("the file cannot be read (%1)").arg(File.errorString());
}

TDump WithResult(TDump Dump) {
    Dump.Json.insert(QStringLiteral("result"), Dump.Result);
    return Dump;
}
} // namespace

QJsonObject DumpWordRiddle(const TWordRiddleData& R) {
    QJsonArray columnStates, rowStates, cells, clues, legend;
    for (int c = 1; c <= R.RiddleCols(); ++c)
        columnStates.append(R.ColumnState(c));
    for (int row = 1; row <= R.RiddleRows(); ++row)
        rowStates.append(R.RowState(row));
    // The file's order: column by column.
    for (int c = 1; c <= R.RiddleCols(); ++c)
        for (int row = 1; row <= R.RiddleRows(); ++row)
            cells.append(WordCell(R.Cell(c, row).Record()));
    for (int i = 0; i < R.ClueCount(); ++i)
        clues.append(Clue(R.Clue(i)));
    for (int i = 0; i < TWordRiddleData::kLetterLegendSize; ++i) {
        const TCharLegendData& e = R.LetterLegend(i);
        legend.append(QJsonObject{
            {"Solution", Letter(e.Solution())}, {"Number", e.Number()}, {"Entry", Letter(e.Entry())}});
    }
    QJsonValue keyword;
    if (R.RiddleOptions().Contains(roHasKeyword)) {
        const TKeywordData& k = R.Keyword();
        keyword = QJsonObject{{"ExtraByte", k.ExtraByte()},
                              {"ClueText", k.ClueText()},
                              {"WordLength", k.WordLength()},
                              {"Category", k.Category()},
                              {"Word", k.Word()}};
    }
    QJsonValue picture;
    if (R.RiddleOptions().Contains(roHasImage)) {
        QJsonValue format;
        if (!R.StoredPicture().isEmpty())
            format = R.StoredPictureIsJpeg() ? QStringLiteral("jpeg") : QStringLiteral("bmp");
        picture =
            QJsonObject{{"format", format}, {"width", R.Image().width()}, {"height", R.Image().height()}};
    }
    return {{"global", WordGlobal(R)},
            {"columnStates", columnStates},
            {"rowStates", rowStates},
            {"cells", cells},
            {"clues", clues},
            {"letterLegend", legend},
            {"keyword", keyword},
            {"picture", picture},
            {"backgroundColors", Colors(R.BackgroundColors())},
            {"textColors", Colors(R.TextColors())}};
}

QJsonObject DumpSudoku(const TSudokuRiddleData& R) {
    const QJsonObject global{{"Author", R.Author()},
                             {"BestTime", R.BestTime()},
                             {"Comment", R.Comment()},
                             {"Size", R.Size()},
                             {"Skill", R.Skill()},
                             {"Time", R.Time()},
                             {"Title", R.Title()},
                             {"HelpFlags", R.HelpFlags().Raw()},
                             {"ExtraCode", R.ExtraCode()},
                             {"BestTimeHolder", R.BestTimeHolder()},
                             {"RiddleOptions", R.RiddleOptions().Raw()},
                             {"State", R.State()}};
    QJsonArray cells;
    for (int c = 1; c <= R.Symbols(); ++c)
        for (int row = 1; row <= R.Symbols(); ++row) {
            const TSudokuCellRecord& rec = R.Cell(c, row).Record();
            cells.append(QJsonObject{{"Flags", rec.Flags},
                                     {"Solution", Letter(rec.Solution)},
                                     {"Col", rec.Col},
                                     {"Row", rec.Row},
                                     {"Entry", Letter(rec.Entry)},
                                     {"Revealed", rec.Revealed}});
        }
    return {{"global", global}, {"cells", cells}};
}

TDump DumpRiddleFile(const QString& Path) {
    QFile file(Path);
    if (!file.exists())
        return WithResult(Failed(rfFileMissing, QStringLiteral("the file does not exist")));
    if (!file.open(QIODevice::ReadOnly))
        return WithResult(Failed(rfHeaderError, Unreadable(file)));
    TRiddleHeader header;
    const QString cutShort = QStringLiteral("the riddle file's header is cut short");
    try {
        TStreamReader in(file);
        if (ReadRiddleHeader(in, header) != rfOk)
            return WithResult(
                Failed(rfWrongFormat, QStringLiteral("not a riddle file: it does not begin with RIDFIL")));
    } catch (const TReadError&) {
        return WithResult(Failed(rfHeaderError, cutShort));
    }
    return WithResult(ReadAndDump(file, header));
}

TDump DumpEmbeddedRiddle(const QString& Executable) {
    QFile file(Executable);
    if (!file.exists())
        return WithResult(Failed(rfFileMissing, QStringLiteral("the file does not exist")));
    if (!file.open(QIODevice::ReadOnly))
        return WithResult(Failed(rfHeaderError, Unreadable(file)));
    TRiddleHeader header;
    const uint8_t located = LocateEmbeddedRiddle(file, header);
    if (located == rfWrongFormat)
        return WithResult(Failed(located, QStringLiteral("no riddle file is appended to the program")));
    if (located != rfOk)
        return WithResult(
            Failed(located, QStringLiteral("the appended riddle file's header cannot be read")));
    return WithResult(ReadAndDump(file, header));
}
