#pragma once

// Small riddle sources for the riddlepack tests and shortcuts to build them.

#include "SourceBuilder.h"
#include "SudokuRiddleData.h"
#include "WordRiddleData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

inline QByteArray ToJson(const QJsonObject& Source) {
    return QJsonDocument(Source).toJson();
}

// Builds a source that must be accepted; a refusal fails the test with its message.
inline TBuiltRiddle BuildOk(const QJsonObject& Source, const QDir& Dir = QDir::temp()) {
    try {
        return BuildRiddle(ToJson(Source), QStringLiteral("t.json"), Dir);
    } catch (const TSourceError& e) {
        ADD_FAILURE() << "refused: " << e.what();
        return {};
    }
}

// The refusal's message, or an empty text when the source was accepted.
inline QString BuildError(const QByteArray& Json) {
    try {
        BuildRiddle(Json, QStringLiteral("t.json"), QDir::temp());
    } catch (const TSourceError& e) {
        return e.Message();
    }
    return QString();
}

inline TWordRiddleData& WordOf(const TBuiltRiddle& Built) {
    return dynamic_cast<TWordRiddleData&>(*Built.Riddle);
}

inline QJsonObject Clue(int Number, const char* Direction, const char* Text = "Hinweis") {
    return {{"number", Number}, {"direction", Direction}, {"clue", Text}};
}

//   H A U S
//   A # N E
//   U S E R
inline QJsonObject HausSource() {
    return {{"type", "swedish"},
            {"grid", QJsonArray{"HAUS", "A#NE", "USER"}},
            {"clues", QJsonArray{Clue(1, "across", "Gebäude"), Clue(1, "down"), Clue(2, "down"),
                                 Clue(3, "down"), Clue(4, "across"), Clue(5, "across")}}};
}

// The smallest riddle: AB across and AC down, both numbered 1.
inline QJsonObject TinySource() {
    return {{"type", "swedish"},
            {"grid", QJsonArray{"AB", "C#"}},
            {"clues", QJsonArray{Clue(1, "across"), Clue(1, "down")}}};
}

// A valid solution of n symbols with boxes of boxWidth × boxHeight, as source rows.
inline QJsonArray SudokuRows(int N, int BoxWidth, int BoxHeight) {
    QJsonArray rows;
    for (int r = 0; r < N; ++r) {
        QString row;
        for (int c = 0; c < N; ++c)
            row += QChar(SymbolOf((BoxWidth * (r % BoxHeight) + r / BoxHeight + c) % N + 1));
        rows.append(row);
    }
    return rows;
}

// A 6-symbol sudoku whose first row is given.
inline QJsonObject SudokuSource() {
    QJsonArray givens{"123456"};
    for (int r = 1; r < 6; ++r)
        givens.append("......");
    return {{"type", "sudoku"}, {"size", 6}, {"solution", SudokuRows(6, 3, 2)}, {"givens", givens}};
}
