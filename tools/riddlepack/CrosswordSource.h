#pragma once

// Turns a crossword read from another tool's file into our own riddle source. Both importers
// fill a TForeignCrossword; what the player cannot show is refused here, once for both, with the
// place as the file names it.

#include "RiddleTypes.h"

#include <QJsonObject>
#include <QStringList>
#include <vector>

// An imported riddle: its source, and what was left out on the way.
struct TImported {
    QJsonObject Source;
    QStringList Notes;
};

struct TForeignClue {
    int Number = 0;
    TWordDirection Direction = wdHorizontal;
    QString Text;
    QString Place; // how the file names it, for messages
};

struct TForeignCrossword {
    int Cols = 0;
    int Rows = 0;
    // Per cell in reading order: whether it is a block, and otherwise its solution as written.
    std::vector<bool> Block;
    std::vector<QString> Letters;
    // The number the file prints in a cell (0 = none); files without numbers leave it empty.
    std::vector<int> Labels;
    std::vector<TForeignClue> Clues;
    std::vector<int> Circled, Shaded; // cells, in reading order
    QString Title, Author, Comment;
};

// Throws TSourceError "place: detail".
TImported CrosswordSource(const TForeignCrossword& Crossword);

// The one letter A … Z a cell's text stands for (umlauts and ß are two letters there, a rebus);
// refuses anything else, naming the place.
QChar CellLetter(const QString& Text, const QString& Place);
// "row 3, column 4" of a cell in reading order.
QString CellPlace(int Cell, int Cols);
// Texts of a riddle must fit their fields and Windows-1252; refuses otherwise.
QString CheckedText(const QString& Text, int Capacity, const QString& Place);
// Joins copyright and notes into a comment, cut to what the riddle keeps (with a note).
QString CommentOf(const QStringList& Parts, QStringList& Notes);
