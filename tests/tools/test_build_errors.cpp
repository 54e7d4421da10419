// Refusals of inconsistent sources: each names the file and the place of the fault.

#include "RiddlepackTestSupport.h"

namespace {
QJsonObject FindWordsSource() {
    return {{"type", "findwords"},
            {"grid", QJsonArray{"ABAB", "XYZQ"}},
            {"clues", QJsonArray{QJsonObject{{"word", "XYZ"}}}}};
}

// The top-level keys of `patch` replace those of the source.
QByteArray Patched(const QJsonObject& Base, const char* Patch) {
    QJsonObject source = Base;
    const QJsonObject changes = QJsonDocument::fromJson(Patch).object();
    EXPECT_FALSE(changes.isEmpty()) << Patch;
    for (auto it = changes.begin(); it != changes.end(); ++it)
        source[it.key()] = it.value();
    return ToJson(source);
}

// The message after "t.json: ", or its start when `expected` ends in "…".
void ExpectMessage(const QString& Message, const char* Expected) {
    const QString full = QStringLiteral("t.json: ") + QString::fromUtf8(Expected);
    if (full.endsWith(QStringLiteral("…")))
        EXPECT_TRUE(Message.startsWith(full.chopped(1))) << Message.toStdString();
    else
        EXPECT_EQ(Message, full);
}

const struct {
    QJsonObject (*base)();
    const char* patch;
    const char* message;
} kBadSources[] = {
    {TinySource, R"({"grid": ["AB", "C"]})", "grid row 2: expected 2 characters, found 1"},
    {TinySource, R"({"grid": ["AB", "c#"]})", "grid row 2, column 1: 'c' is neither a letter A … Z nor '#'…"},
    {TinySource, R"({"grid": ["AB#", "C#D"]})", "grid row 2, column 3: the letter D belongs to no word"},
    {TinySource, R"({"clues": [{"number": 1, "direction": "across", "clue": "a"},
                               {"number": 2, "direction": "down", "clue": "b"}]})",
     "clues[1]: no down word starts at number 2"},
    {TinySource, R"({"clues": [{"number": 1, "direction": "across", "clue": "a"},
                               {"number": 1, "direction": "across", "clue": "b"}]})",
     "clues[1]: the word at number 1 across has a clue already (clues[0])"},
    {TinySource, R"({"clues": [{"number": 1, "direction": "down", "clue": "a"}]})",
     "word at number 1 across has no clue"},
    {TinySource, R"({"clues": [{"number": 1, "direction": "across"}]})",
     "clues[0]: the key \"clue\" is missing"},
    {TinySource, R"({"titel": "x"})", "titel: unknown key for a riddle of type \"swedish\""},
    {TinySource, R"({"letterNumbers": {}})", "letterNumbers: unknown key for a riddle of type \"swedish\""},
    {TinySource, R"({"title": "Rätsel ✓"})", "title: \"Rätsel ✓\" has characters outside Windows-1252"},
    {TinySource, R"({"bestTimeHolder": "123456789012345678901234567890123456789012345678901"})",
     "bestTimeHolder: at most 50 characters, found 51"},
    {TinySource, R"({"skill": 2.5})", "skill: expected a whole number 0 … 7, found 2.5"},
    {TinySource, R"({"options": ["hasKeyword"]})", "options[0]: unknown name \"hasKeyword\"…"},
    {TinySource, R"({"helpFlags": ["autoFill"], "paintOptions": ["showFail"]})",
     "paintOptions: showFail needs showFail in helpFlags"},
    {TinySource, R"({"givens": [[2, 2]]})", "givens[0]: the cell at column 2, row 2 is a black cell"},
    {TinySource, R"({"givens": [[3, 1]]})", "givens[0] col: expected a whole number 1 … 2, found 3"},
    {HausSource, R"({"keyword": {"word": "SEE", "cells": [[4, 1], [4, 2], [3, 2]]}})",
     "keyword.cells[2]: the cell at column 3, row 2 holds N, but SEE needs E there"},
    {HausSource, R"({"keyword": {"word": "SES", "cells": [[4, 1], [4, 2], [4, 1]]}})",
     "keyword.cells[2]: the cell at column 4, row 1 is listed twice"},
    {HausSource, R"({"keyword": {"word": "SEE", "cells": [[4, 1]]}})",
     "keyword.cells: expected 3 cells for SEE, found 1"},
    {HausSource, R"({"picture": {"file": "x.png", "col": 2, "row": 2, "cols": 1, "rows": 2}})",
     "picture: the cell at column 2, row 3 lies under the picture but is no '#' cell"},
    {TinySource, R"({"type": "numbers", "letterNumbers": {"A": 1, "B": 2}})",
     "letterNumbers: the letter C of the grid has no number"},
    {TinySource, R"({"type": "numbers", "letterNumbers": {"A": 1, "B": 2, "C": 2}})",
     "letterNumbers.C: the number 2 belongs to B already"},
    {TinySource, R"({"type": "numbers", "letterNumbers": {"A": 1, "B": 2, "C": 3, "Z": 4}})",
     "letterNumbers.Z: the letter does not occur in the grid"},
    {FindWordsSource, R"({"clues": [{"word": "QQ"}]})", "clues[0]: QQ does not stand in the grid"},
    {FindWordsSource, R"({"clues": [{"word": "AB"}]})",
     "clues[0]: AB stands in the grid 2 times (across at column 1, row 1; across at column 3, row 1)"},
    {FindWordsSource, R"({"options": ["reverseWords"], "clues": [{"word": "YX"}, {"word": "BA"}]})",
     "clues[1]: BA stands in the grid 3 times…"},
    {FindWordsSource, R"({"clues": [{"word": "ZYX"}]})",
     "clues[0]: ZYX stands in the grid only backwards, which needs the option reverseWords"},
    {FindWordsSource, R"({"clues": [{"word": "XYZ"}, {"word": "XYZQ"}]})",
     "clues[1]: XYZQ starts in the same cell and direction as clues[0]"},
    {FindWordsSource, R"({"grid": ["AB#B", "XYZQ"]})",
     "grid row 1, column 3: a word search grid has a letter in every cell"},
    {SudokuSource, R"({"size": 8})", "size: expected 6, 9 or 12, found 8"},
    {SudokuSource, R"({"solution": ["123456", "456123", "234567"]})", "solution: expected 6 rows, found 3"},
    {SudokuSource, R"({"solution": ["123456", "456123", "234561", "561234", "345612", "612343"]})",
     "solution: row 6 holds the symbol 3 twice"},
    {SudokuSource, R"({"solution": ["123456", "123456", "123456", "123456", "123456", "123456"]})",
     "solution: column 1 holds the symbol 1 twice"},
    {SudokuSource, R"({"solution": ["123456", "234561", "345612", "456123", "561234", "612345"]})",
     "solution: the box at column 1, row 1 holds the symbol 2 twice"},
    {SudokuSource, R"({"solution": ["123456", "456123", "234567", "561234", "345612", "612345"]})",
     "solution row 3, column 6: '7' is no symbol of a sudoku of 6 symbols"},
    {SudokuSource, R"({"givens": ["123456", "..5...", "......", "......", "......", "......"]})",
     "givens row 2, column 3: the given 5 differs from the solution 6"},
};

TEST(RiddleBuildRefusal, NamesThePlaceOfTheFault) {
    for (const auto& bad : kBadSources) {
        SCOPED_TRACE(bad.patch);
        ASSERT_EQ(BuildError(ToJson(bad.base())), QString()) << "the unchanged source must be accepted";
        ExpectMessage(BuildError(Patched(bad.base(), bad.patch)), bad.message);
    }
    // Faults of the file as a whole.
    ExpectMessage(BuildError("{\n  \"type\": \"swedish\"\n  \"grid\": []\n}"),
                  "not valid JSON at line 3, column …");
    ExpectMessage(BuildError("[1, 2]"), "the source must be a JSON object");
    ExpectMessage(BuildError(R"({"type": "kreuzwort"})"), "type: unknown type \"kreuzwort\"…");
}
} // namespace
