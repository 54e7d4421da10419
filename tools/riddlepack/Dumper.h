#pragma once

// Shows what the player's own reader makes of a riddle file, as JSON. The reader's result code
// comes along, and whatever it read before failing is shown too: that is the part worth seeing
// when a file is damaged.

#include <QJsonObject>
#include <QString>
#include <optional>

class QIODevice;
class TSudokuRiddleData;
class TWordRiddleData;

struct TDump {
    QJsonObject Json;
    int Result = 0;
};

TDump DumpRiddleFile(const QString& path);
// The riddle appended to a player executable.
TDump DumpEmbeddedRiddle(const QString& executable);

QJsonObject DumpWordRiddle(const TWordRiddleData& riddle);
QJsonObject DumpSudoku(const TSudokuRiddleData& riddle);

// The reader keeps only the decoded picture, not how it was stored; this walks the sections
// from `start` (just after the header) to the picture's format byte. Empty without a picture.
std::optional<bool> StoredPictureIsJpeg(QIODevice& file, qint64 start);
