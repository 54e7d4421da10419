#pragma once

// A stand-alone riddle: the player executable with a riddle file appended. The player finds
// the riddle behind its own program image, so nothing in the executable has to change.

#include <QString>

// Writes player + riddle file to out and makes out executable. Returns an empty text or the
// reason of failure.
QString PackRiddle(const QString& Player, const QString& RiddleFile, const QString& Out);

// The player that an installed riddlepack packs onto when none is named: the one installed with
// it, found from the tool's own place.
QString InstalledPlayer();
