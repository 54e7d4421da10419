#pragma once

// A player whose appended riddle is built from a riddle source, as riddlepack builds one.

#include "LegendTestSupport.h"
#include "PackedPlayer.h"

namespace packed {

inline Player SourcePlayer(const QJsonObject& Source) {
    return Player([Source](QFile& Out) {
        TBuiltRiddle built =
            BuildRiddle(QJsonDocument(Source).toJson(), QStringLiteral("t.json"), QDir::temp());
        TStreamWriter w(Out);
        WriteRiddleHeader(w, built.Riddle->ClassName(), QStringLiteral("8.04"));
        built.Riddle->SaveToStream(Out, 90, false);
    });
}

} // namespace packed
