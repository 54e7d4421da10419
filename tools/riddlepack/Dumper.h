#pragma once

// Shows what the player's own reader makes of a riddle file, as JSON. The reader's result code
// comes along, and whatever it read before failing is shown too: that is the part worth seeing
// when a file is damaged.

#include <QJsonObject>
#include <QString>

class TSudokuRiddleData;
class TWordRiddleData;

struct TDump {
    QJsonObject Json;
    int Result = 0;
    // Why the riddle did not load, in words; empty when it did.
    QString Problem;
};

TDump DumpRiddleFile(const QString& Path);
// The riddle appended to a player executable.
TDump DumpEmbeddedRiddle(const QString& Executable);

QJsonObject DumpWordRiddle(const TWordRiddleData& Riddle);
QJsonObject DumpSudoku(const TSudokuRiddleData& Riddle);
