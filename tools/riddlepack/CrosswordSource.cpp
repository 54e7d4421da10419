#include "CrosswordSource.h"

#include "Cp1252.h"
#include "RiddleData.h"
#include "RiddleText.h"
#include "SourceFields.h"
#include "WordGrid.h"

#include <QJsonArray>
#include <algorithm>
#include <map>

namespace {
QString CellList(const std::vector<int>& Cells, int Cols) {
    QStringList places;
    for (int cell : Cells)
        places << CellPlace(cell, Cols);
    return places.join(QStringLiteral("; "));
}
} // namespace

QString CellPlace(int Cell, int Cols) {
    return QStringLiteral("row %1, column %2").arg(Cell / Cols + 1).arg(Cell % Cols + 1);
}

QChar CellLetter(const QString& Text, const QString& Place) {
    const QString text = Text.trimmed();
    const QString letters = NormalizeWord(text, 10);
    if (text.size() == 1 && letters.size() == 1)
        return letters.front();
    if (text.size() > 1)
        Refuse(Place, QStringLiteral("\"%1\" is several characters in one cell (a rebus)").arg(text));
    if (letters.size() > 1)
        Refuse(
            Place,
            QStringLiteral("\"%1\" is written %2 in a riddle, two letters for one cell").arg(text, letters));
    Refuse(Place, QStringLiteral("\"%1\" is not a letter").arg(text));
}

QString CheckedText(const QString& Text, int Capacity, const QString& Place) {
    if (!IsCp1252Representable(Text))
        Refuse(Place, QStringLiteral("\"%1\" has characters outside Windows-1252").arg(Text));
    if (Text.size() > Capacity)
        Refuse(Place, QStringLiteral("at most %1 characters, found %2").arg(Capacity).arg(Text.size()));
    return Text;
}

QString CommentOf(const QStringList& Parts, QStringList& Notes) {
    QStringList kept;
    for (const QString& part : Parts)
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    QString comment = kept.join(QLatin1Char('\n'));
    if (comment.size() > 255) {
        Notes << QStringLiteral("the comment (copyright and notes) is cut to its first 255 characters");
        comment.truncate(255);
    }
    return CheckedText(comment, 255, QStringLiteral("copyright and notes"));
}

TImported CrosswordSource(const TForeignCrossword& X) {
    if (X.Cols < 1 || X.Rows < 1 || X.Cols > kMaxRiddleDim || X.Rows > kMaxRiddleDim)
        Refuse(QStringLiteral("size"), QStringLiteral("%1 × %2 cells; the player shows 1 … %3 a side")
                                           .arg(X.Cols)
                                           .arg(X.Rows)
                                           .arg(kMaxRiddleDim));
    QStringList rows;
    for (int r = 0; r < X.Rows; ++r) {
        QString row;
        for (int c = 0; c < X.Cols; ++c) {
            const int cell = r * X.Cols + c;
            row += X.Block[size_t(cell)] ? QChar('#')
                                         : CellLetter(X.Letters[size_t(cell)], CellPlace(cell, X.Cols));
        }
        rows << row;
    }
    const TLetterGrid grid(rows);
    const std::vector<TGridWord> words = FindCrosswordWords(grid);

    // The file's number of a cell locates its clues; without printed numbers the reading order does.
    std::map<int, int> cellOfLabel;
    for (size_t cell = 0; cell < X.Labels.size(); ++cell)
        if (X.Labels[cell] > 0)
            cellOfLabel.emplace(X.Labels[cell], int(cell));
    std::vector<std::pair<const TGridWord*, QString>> clues;
    bool renumbered = false;
    for (const TForeignClue& clue : X.Clues) {
        const TGridWord* word = nullptr;
        for (const TGridWord& w : words) {
            const bool at = cellOfLabel.empty()
                                ? w.Number == clue.Number
                                : cellOfLabel.count(clue.Number) &&
                                      cellOfLabel[clue.Number] == (w.Row - 1) * X.Cols + w.Col - 1;
            if (at && w.Direction == clue.Direction)
                word = &w;
        }
        const QString dir =
            clue.Direction == wdHorizontal ? QStringLiteral("across") : QStringLiteral("down");
        if (word == nullptr)
            Refuse(clue.Place,
                   QStringLiteral("no %1 word of the grid starts at number %2").arg(dir).arg(clue.Number));
        renumbered = renumbered || word->Number != clue.Number;
        clues.emplace_back(word, CheckedText(clue.Text, 100, clue.Place));
    }
    std::sort(clues.begin(), clues.end(), [](const auto& A, const auto& B) {
        return std::pair(A.first->Direction, A.first->Number) <
               std::pair(B.first->Direction, B.first->Number);
    });
    QJsonArray clueList;
    for (const auto& [word, text] : clues)
        clueList.append(QJsonObject{{"number", word->Number},
                                    {"direction", word->Direction == wdHorizontal ? "across" : "down"},
                                    {"clue", text}});

    TImported imported;
    if (renumbered)
        imported.Notes << QStringLiteral("the clues are numbered anew in reading order");
    if (!X.Circled.empty())
        imported.Notes << QStringLiteral("circles dropped at %1").arg(CellList(X.Circled, X.Cols));
    if (!X.Shaded.empty())
        imported.Notes << QStringLiteral("shading dropped at %1").arg(CellList(X.Shaded, X.Cols));
    imported.Source = QJsonObject{{"type", "swedish"},
                                  {"language", 0},
                                  {"title", CheckedText(X.Title, 255, QStringLiteral("title"))},
                                  {"author", CheckedText(X.Author, 50, QStringLiteral("author"))},
                                  {"comment", X.Comment},
                                  {"grid", QJsonArray::fromStringList(rows)},
                                  {"clues", clueList}};
    return imported;
}
