#include "IpuzImporter.h"

#include "RiddleData.h"
#include "RiddleText.h"
#include "SourceFields.h"
#include "SudokuRiddleData.h"
#include "WordGrid.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
class TIpuz {
public:
    explicit TIpuz(QJsonObject Root) : root_(std::move(Root)) {}
    TImported Import();

private:
    QString Text(const char* Key) const { return root_.value(QLatin1String(Key)).toString(); }
    void ReadDimensions();
    // The grid under `key`: `rows_` rows of `cols_` values.
    QJsonArray Grid(const char* Key) const;
    static QJsonValue CellValue(const QJsonValue& Cell, const char* Inner);
    QJsonObject StyleOf(const QJsonValue& Cell) const;
    TImported Crossword();
    TImported Sudoku();
    TImported WordSearch();
    void AddSharedKeys(TImported& Imported) const;

    QJsonObject root_;
    int cols_ = 0, rows_ = 0;
};

QJsonArray TIpuz::Grid(const char* Key) const {
    const QJsonValue value = root_.value(QLatin1String(Key));
    if (!value.isArray() || value.toArray().size() != rows_)
        Refuse(QLatin1String(Key), QStringLiteral("expected a list of %1 rows").arg(rows_));
    QJsonArray cells;
    const QJsonArray rows = value.toArray();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QJsonArray row = rows[r].toArray();
        if (!rows[r].isArray() || row.size() != cols_)
            Refuse(QStringLiteral("%1 row %2").arg(QLatin1String(Key)).arg(r + 1),
                   QStringLiteral("expected %1 cells").arg(cols_));
        for (const QJsonValue& cell : row)
            cells.append(cell);
    }
    return cells;
}

void TIpuz::ReadDimensions() {
    const QJsonObject dims = root_.value(QLatin1String("dimensions")).toObject();
    cols_ = ReadInt(dims.value(QLatin1String("width")), QStringLiteral("dimensions.width"), 1, kMaxRiddleDim);
    rows_ =
        ReadInt(dims.value(QLatin1String("height")), QStringLiteral("dimensions.height"), 1, kMaxRiddleDim);
}

// A cell is a plain value or an object that holds it under `inner` beside its style.
QJsonValue TIpuz::CellValue(const QJsonValue& Cell, const char* Inner) {
    return Cell.isObject() ? Cell.toObject().value(QLatin1String(Inner)) : Cell;
}

QJsonObject TIpuz::StyleOf(const QJsonValue& Cell) const {
    const QJsonValue style = Cell.toObject().value(QLatin1String("style"));
    if (style.isString())
        return root_.value(QLatin1String("styles")).toObject().value(style.toString()).toObject();
    return style.toObject();
}

void TIpuz::AddSharedKeys(TImported& Imported) const {
    Imported.Source["title"] = CheckedText(Text("title"), 255, QStringLiteral("title"));
    Imported.Source["author"] = CheckedText(Text("author"), 50, QStringLiteral("author"));
    Imported.Source["comment"] = CommentOf({Text("copyright"), Text("notes")}, Imported.Notes);
}

TImported TIpuz::Crossword() {
    TForeignCrossword x;
    x.Cols = cols_;
    x.Rows = rows_;
    const QJsonArray puzzle = Grid("puzzle"), solution = Grid("solution");
    const QString block = root_.value(QLatin1String("block")).toString(QStringLiteral("#"));
    for (qsizetype cell = 0; cell < puzzle.size(); ++cell) {
        const QJsonValue label = CellValue(puzzle[cell], "cell");
        const QJsonValue letter = CellValue(solution[cell], "value");
        // An omitted cell (null) is no part of the grid: for the player, a block.
        const bool isBlock =
            label.isNull() || label.toString() == block || letter.isNull() || letter.toString() == block;
        x.Block.push_back(isBlock);
        x.Letters.push_back(letter.isString() ? letter.toString() : QString());
        const int number = label.isDouble() ? label.toInt() : label.toString().toInt();
        x.Labels.push_back(isBlock ? 0 : number);
        const QJsonObject style = StyleOf(puzzle[cell]);
        if (!isBlock && style.contains(QLatin1String("shapebg")))
            x.Circled.push_back(int(cell));
        else if (!isBlock &&
                 (style.contains(QLatin1String("color")) || style.contains(QLatin1String("highlight"))))
            x.Shaded.push_back(int(cell));
    }
    const QJsonObject clues = root_.value(QLatin1String("clues")).toObject();
    for (auto it = clues.begin(); it != clues.end(); ++it) {
        const QString direction = it.key().section(QLatin1Char(':'), 0, 0);
        if (direction != QLatin1String("Across") && direction != QLatin1String("Down"))
            Refuse(QStringLiteral("clues.%1").arg(it.key()),
                   QStringLiteral("the player has clues across and down only"));
        const QJsonArray list = it.value().toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString place = QStringLiteral("clues.%1[%2]").arg(it.key()).arg(i);
            const QJsonValue item = list[i];
            const QJsonValue number =
                item.isArray() ? item.toArray().at(0) : item.toObject().value(QLatin1String("number"));
            const QJsonValue text =
                item.isArray() ? item.toArray().at(1) : item.toObject().value(QLatin1String("clue"));
            const int n = number.isDouble() ? number.toInt() : number.toString().toInt();
            if (n <= 0 || !text.isString())
                Refuse(place, QStringLiteral("expected a clue with a number and a text"));
            x.Clues.push_back({n, direction == QLatin1String("Across") ? wdHorizontal : wdVertical,
                               text.toString(), place});
        }
    }
    QStringList notes;
    x.Title = Text("title");
    x.Author = Text("author");
    x.Comment = CommentOf({Text("copyright"), Text("notes")}, notes);
    TImported imported = CrosswordSource(x);
    imported.Notes = notes + imported.Notes;
    return imported;
}

TImported TIpuz::Sudoku() {
    if (cols_ != rows_ || (cols_ != 6 && cols_ != 9 && cols_ != 12))
        Refuse(QStringLiteral("dimensions"),
               QStringLiteral("%1 × %2 cells; a sudoku has 6, 9 or 12 a side").arg(cols_).arg(rows_));
    if (root_.value(QLatin1String("boxes")) == QJsonValue(false))
        Refuse(QStringLiteral("boxes"), QStringLiteral("the player has standard boxes only"));
    const QString charset =
        root_.value(QLatin1String("charset")).toString(QStringLiteral("123456789ABC").left(cols_));
    auto symbols = [&](const char* Key, const char* Inner, bool Empty) {
        QJsonArray rows;
        const QJsonArray cells = Grid(Key);
        for (int r = 0; r < rows_; ++r) {
            QString row;
            for (int c = 0; c < cols_; ++c) {
                const QJsonValue v = CellValue(cells[r * cols_ + c], Inner);
                const QString text = v.isDouble() ? QString::number(v.toDouble()) : v.toString();
                bool isNumber = false;
                const int number = text.toInt(&isNumber);
                const int value = isNumber ? number : (text.size() == 1 ? int(charset.indexOf(text) + 1) : 0);
                if (Empty && (v.isNull() || text.isEmpty() || (isNumber && number == 0))) {
                    row += QLatin1Char('.');
                    continue;
                }
                if (value < 1 || value > cols_)
                    Refuse(
                        QStringLiteral("%1 row %2, column %3").arg(QLatin1String(Key)).arg(r + 1).arg(c + 1),
                        QStringLiteral("\"%1\" is no symbol of this sudoku").arg(text));
                row += QChar(SymbolOf(value));
            }
            rows.append(row);
        }
        return rows;
    };
    TImported imported;
    imported.Source =
        QJsonObject{{"type", "sudoku"}, {"size", cols_}, {"givens", symbols("puzzle", "given", true)}};
    if (root_.contains(QLatin1String("solution")))
        imported.Source["solution"] = symbols("solution", "value", false);
    AddSharedKeys(imported);
    return imported;
}

TImported TIpuz::WordSearch() {
    const QJsonArray cells = Grid("puzzle");
    QStringList rows;
    for (int r = 0; r < rows_; ++r) {
        QString row;
        for (int c = 0; c < cols_; ++c) {
            const QJsonValue cell = cells[r * cols_ + c];
            const bool inValue = cell.isObject() && !cell.toObject().contains(QLatin1String("cell"));
            const QJsonValue v = CellValue(cell, inValue ? "value" : "cell");
            row += CellLetter(v.toString(), CellPlace(r * cols_ + c, cols_));
        }
        rows << row;
    }
    const TLetterGrid grid(rows);
    const QJsonValue solution = root_.value(QLatin1String("solution"));
    const QStringList words = solution.isObject() ? solution.toObject().keys() : [&] {
        QStringList list;
        for (const QJsonValue& w : solution.toArray())
            list << (w.isObject() ? w.toObject().value(QLatin1String("word")).toString() : w.toString());
        return list;
    }();
    if (words.isEmpty())
        Refuse(QStringLiteral("solution"), QStringLiteral("expected the list of hidden words"));
    QJsonArray clues;
    bool backwards = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString place = QStringLiteral("solution[%1]").arg(i);
        const QString word = NormalizeWord(CheckedText(words[i], 50, place), 50);
        if (word.size() < 2)
            Refuse(place, QStringLiteral("\"%1\" is not a word of two or more letters").arg(words[i]));
        if (FindHiddenWord(grid, word, false).empty()) {
            if (FindHiddenWord(grid, word, true).empty())
                Refuse(place,
                       QStringLiteral("%1 stands in the grid neither across nor down (the player has no "
                                      "diagonals)")
                           .arg(word));
            backwards = true;
        }
        clues.append(QJsonObject{{"word", word}});
    }
    TImported imported;
    imported.Source = QJsonObject{
        {"type", "findwords"}, {"language", 0}, {"grid", QJsonArray::fromStringList(rows)}, {"clues", clues}};
    if (backwards)
        imported.Source["options"] = QJsonArray{"reverseWords", "allowEdit"};
    AddSharedKeys(imported);
    return imported;
}

TImported TIpuz::Import() {
    QString kind;
    for (const QJsonValue& k : root_.value(QLatin1String("kind")).toArray())
        if (kind.isEmpty())
            kind = k.toString();
    ReadDimensions();
    if (kind.startsWith(QLatin1String("http://ipuz.org/crossword")))
        return Crossword();
    if (kind.startsWith(QLatin1String("http://ipuz.org/sudoku")))
        return Sudoku();
    if (kind.startsWith(QLatin1String("http://ipuz.org/wordsearch")))
        return WordSearch();
    Refuse(QStringLiteral("kind"),
           kind.isEmpty() ? QStringLiteral("missing")
                          : QStringLiteral("\"%1\" is no crossword, sudoku or word search").arg(kind));
}
} // namespace

TImported ImportIpuz(const QByteArray& Bytes) {
    QByteArray json = Bytes.trimmed();
    // Some files wrap the object in a call, as the format allows for loading in a browser.
    if (json.startsWith("ipuz(") && json.endsWith(")"))
        json = json.mid(5, json.size() - 6);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        Refuse(QString(), QStringLiteral("not an ipuz file: no JSON object (%1)").arg(error.errorString()));
    return TIpuz(doc.object()).Import();
}
