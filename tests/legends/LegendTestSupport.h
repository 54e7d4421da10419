#pragma once

// Small word riddles for the legend tests, written as riddle sources and built by riddlepack's
// own builder, so that flags, numbers and clue directions are derived as in a real riddle.

#include "SourceBuilder.h"
#include "WordRiddle.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace legendtest {

inline QJsonObject Clue(int Number, const char* Direction, const QString& Text) {
    return {{"number", Number}, {"direction", Direction}, {"clue", Text}};
}

// Loads the source into the grid as the player would read it.
inline void Load(TWordRiddle& Grid, const QJsonObject& Source) {
    try {
        TBuiltRiddle built =
            BuildRiddle(QJsonDocument(Source).toJson(), QStringLiteral("t.json"), QDir::temp());
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        built.Riddle->SaveToStream(buffer, 90, false);
        buffer.seek(0);
        ASSERT_EQ(Grid.Riddle().LoadFromStream(buffer, false), 0);
    } catch (const TSourceError& e) {
        FAIL() << "source refused: " << e.what();
    }
}

//   H A U S     1 across HAUS, 1 down HAU, 2 down UNE, 3 down SER,
//   A # N E     4 across NE,
//   U S E R     5 across USER
inline QJsonObject HausSource(const char* Type) {
    return {{"type", Type},
            {"grid", QJsonArray{"HAUS", "A#NE", "USER"}},
            {"clues", QJsonArray{Clue(5, "across", "Benutzer"), Clue(1, "across", "Gebäude"),
                                 Clue(1, "down", "Übermut"), Clue(2, "down", "franz. eine"),
                                 Clue(3, "down", "Serie kurz"), Clue(4, "across", "Abk. Nordost")}}};
}

//   A B # C D    rows 1 and 3 hold two across words each, row 2 none;
//   E # # # F    columns 1 and 5 hold one down word each.
//   G H # I J
inline QJsonObject LinesSource(const char* Type) {
    return {{"type", Type},
            {"grid", QJsonArray{"AB#CD", "E###F", "GH#IJ"}},
            {"clues", QJsonArray{Clue(1, "across", "Erster"), Clue(1, "down", "Links"),
                                 Clue(2, "across", "Zweiter"), Clue(3, "down", "Rechts"),
                                 Clue(4, "across", "Dritter"), Clue(5, "across", "Vierter")}}};
}

} // namespace legendtest
