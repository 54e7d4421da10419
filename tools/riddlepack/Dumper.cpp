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
QJsonValue Letter(uint8_t b) {
    return b == 0 ? QString() : FromCp1252(QByteArray(1, char(b)));
}

QJsonArray Colors(const TRiddleColors& colors) {
    QJsonArray out;
    for (TColor c : colors.BaseValues())
        out.append(c);
    return out;
}

QJsonObject WordGlobal(const TWordRiddleData& r) {
    return {{"Author", r.Author()},
            {"BestTime", r.BestTime()},
            {"Comment", r.Comment()},
            {"DictionaryFile", r.DictionaryFile()},
            {"PaintOptions", r.PaintOptions().Raw()},
            {"GridSize", r.GridSize()},
            {"HelpFlags", r.HelpFlags().Raw()},
            {"ImageOptions", r.ImageOptions().Raw()},
            {"Language", r.Language()},
            {"AutoMarkLegend", r.AutoMarkLegend()},
            {"ExtraCode", r.ExtraCode()},
            {"BestTimeHolder", r.BestTimeHolder()},
            {"RiddleCols", r.RiddleCols()},
            {"RiddleRows", r.RiddleRows()},
            {"RiddleOptions", r.RiddleOptions().Raw()},
            {"Skill", r.Skill()},
            {"Time", r.Time()},
            {"Title", r.Title()},
            {"RiddleType", r.RiddleType()},
            {"State", r.State()}};
}

QJsonObject WordCell(const TWordCellRecord& c) {
    return {{"Flags", c.Flags},
            {"Solution", Letter(c.Solution)},
            {"Number", c.Number},
            {"Col", c.Col},
            {"KeywordIndex", c.KeywordIndex},
            {"Marked", c.Marked},
            {"Row", c.Row},
            {"Entry", Letter(c.Entry)},
            {"Revealed", c.Revealed},
            {"ClueFlags", c.ClueFlags},
            {"ClueNumber", c.ClueNumber}};
}

QJsonObject Clue(const TWordLegendData& c) {
    return {{"ExtraByte", c.ExtraByte()}, {"ClueText", c.ClueText()},    {"Solved", c.Solved()},
            {"Reversed", c.Reversed()},   {"Category", c.Category()},    {"Word", c.Word()},
            {"Direction", c.Direction()}, {"ClueNumber", c.ClueNumber()}};
}

// The class the header names, or null when the player has no such class.
std::unique_ptr<TRiddleData> RiddleOfClass(const QByteArray& className) {
    if (className == "WordRiddle")
        return std::make_unique<TWordRiddleData>();
    if (className == "SudokuRiddle")
        return std::make_unique<TSudokuRiddleData>();
    return nullptr;
}

QJsonObject DumpRiddle(const TRiddleData& riddle) {
    if (const auto* word = dynamic_cast<const TWordRiddleData*>(&riddle))
        return DumpWordRiddle(*word);
    return DumpSudoku(dynamic_cast<const TSudokuRiddleData&>(riddle));
}

// Reads the riddle that starts right after its header at the file's current position.
TDump ReadAndDump(QFile& file, const TRiddleHeader& header) {
    TDump dump;
    dump.Json = {{"class", QString::fromLatin1(header.ClassName)}, {"version", header.Version}};
    std::unique_ptr<TRiddleData> riddle = RiddleOfClass(header.ClassName);
    if (!riddle) {
        dump.Result = rfWrongFormat;
        return dump;
    }
    const qint64 start = file.pos();
    dump.Result = riddle->LoadFromStream(file, false);
    QJsonObject body = DumpRiddle(*riddle);
    if (body.contains(QStringLiteral("picture")) && !body.value(QStringLiteral("picture")).isNull()) {
        const std::optional<bool> jpeg = StoredPictureIsJpeg(file, start);
        QJsonObject picture = body.value(QStringLiteral("picture")).toObject();
        if (jpeg)
            picture.insert(QStringLiteral("format"), *jpeg ? QStringLiteral("jpeg") : QStringLiteral("bmp"));
        body.insert(QStringLiteral("picture"), picture);
    }
    for (auto it = body.begin(); it != body.end(); ++it)
        dump.Json.insert(it.key(), it.value());
    return dump;
}

TDump Failed(int result) {
    TDump dump;
    dump.Json = {{"class", QJsonValue()}, {"version", QJsonValue()}};
    dump.Result = result;
    return dump;
}

TDump WithResult(TDump dump) {
    dump.Json.insert(QStringLiteral("result"), dump.Result);
    return dump;
}
} // namespace

QJsonObject DumpWordRiddle(const TWordRiddleData& r) {
    QJsonArray columnStates, rowStates, cells, clues, legend;
    for (int c = 1; c <= r.RiddleCols(); ++c)
        columnStates.append(r.ColumnState(c));
    for (int row = 1; row <= r.RiddleRows(); ++row)
        rowStates.append(r.RowState(row));
    // The file's order: column by column.
    for (int c = 1; c <= r.RiddleCols(); ++c)
        for (int row = 1; row <= r.RiddleRows(); ++row)
            cells.append(WordCell(r.Cell(c, row).Record()));
    for (int i = 0; i < r.ClueCount(); ++i)
        clues.append(Clue(r.Clue(i)));
    for (int i = 0; i < TWordRiddleData::kLetterLegendSize; ++i) {
        const TCharLegendData& e = r.LetterLegend(i);
        legend.append(QJsonObject{
            {"Solution", Letter(e.Solution())}, {"Number", e.Number()}, {"Entry", Letter(e.Entry())}});
    }
    QJsonValue keyword;
    if (r.RiddleOptions().Contains(roHasKeyword)) {
        const TKeywordData& k = r.Keyword();
        keyword = QJsonObject{{"ExtraByte", k.ExtraByte()},
                              {"ClueText", k.ClueText()},
                              {"WordLength", k.WordLength()},
                              {"Category", k.Category()},
                              {"Word", k.Word()}};
    }
    QJsonValue picture;
    if (r.RiddleOptions().Contains(roHasImage))
        picture = QJsonObject{
            {"format", QJsonValue()}, {"width", r.Image().width()}, {"height", r.Image().height()}};
    return {{"global", WordGlobal(r)},
            {"columnStates", columnStates},
            {"rowStates", rowStates},
            {"cells", cells},
            {"clues", clues},
            {"letterLegend", legend},
            {"keyword", keyword},
            {"picture", picture},
            {"backgroundColors", Colors(r.BackgroundColors())},
            {"textColors", Colors(r.TextColors())}};
}

QJsonObject DumpSudoku(const TSudokuRiddleData& r) {
    const QJsonObject global{{"Author", r.Author()},
                             {"BestTime", r.BestTime()},
                             {"Comment", r.Comment()},
                             {"Size", r.Size()},
                             {"Skill", r.Skill()},
                             {"Time", r.Time()},
                             {"Title", r.Title()},
                             {"HelpFlags", r.HelpFlags().Raw()},
                             {"ExtraCode", r.ExtraCode()},
                             {"BestTimeHolder", r.BestTimeHolder()},
                             {"RiddleOptions", r.RiddleOptions().Raw()},
                             {"State", r.State()}};
    QJsonArray cells;
    for (int c = 1; c <= r.Symbols(); ++c)
        for (int row = 1; row <= r.Symbols(); ++row) {
            const TSudokuCellRecord& rec = r.Cell(c, row).Record();
            cells.append(QJsonObject{{"Flags", rec.Flags},
                                     {"Solution", Letter(rec.Solution)},
                                     {"Col", rec.Col},
                                     {"Row", rec.Row},
                                     {"Entry", Letter(rec.Entry)},
                                     {"Revealed", rec.Revealed}});
        }
    return {{"global", global}, {"cells", cells}};
}

std::optional<bool> StoredPictureIsJpeg(QIODevice& file, qint64 start) {
    try {
        TStreamReader in(file);
        in.Seek(start);
        while (in.Remaining() >= 11) {
            const QByteArray tag = in.FixedBytes(6);
            const int32_t length = in.I32();
            if (length < 0 || length > in.Remaining())
                return std::nullopt;
            if (tag == "IMAGE_")
                return length >= 1 ? std::optional<bool>(in.U8() != 0) : std::nullopt;
            in.Skip(length);
        }
    } catch (const TReadError&) {
    }
    return std::nullopt;
}

TDump DumpRiddleFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return WithResult(Failed(rfFileMissing));
    if (!file.open(QIODevice::ReadOnly))
        return WithResult(Failed(rfHeaderError));
    TRiddleHeader header;
    try {
        TStreamReader in(file);
        if (ReadRiddleHeader(in, header) != rfOk)
            return WithResult(Failed(rfWrongFormat));
    } catch (const TReadError&) {
        return WithResult(Failed(rfHeaderError));
    }
    return WithResult(ReadAndDump(file, header));
}

TDump DumpEmbeddedRiddle(const QString& executable) {
    QFile file(executable);
    if (!file.exists())
        return WithResult(Failed(rfFileMissing));
    if (!file.open(QIODevice::ReadOnly))
        return WithResult(Failed(rfHeaderError));
    TRiddleHeader header;
    const uint8_t located = LocateEmbeddedRiddle(file, header);
    if (located != rfOk)
        return WithResult(Failed(located));
    return WithResult(ReadAndDump(file, header));
}
