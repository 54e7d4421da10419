#pragma once

// What `riddlepack solve` and `riddlepack generate sudoku` do, apart from their arguments.

#include "SudokuGenerator.h"

#include <QJsonObject>
#include <QString>

struct TSudokuReport {
    TSudokuShape Shape;
    TSudokuGrid Givens;
    int Solutions = 0;    // 0, 1, or 2 for more than one
    TSudokuGrid Solution; // with exactly one solution
    TSudokuGrade Grade;
};

// Reads the givens of a sudoku source or riddle file and counts its solutions; throws TSourceError.
TSudokuReport SolveSudokuFile(const QString& Path);
QString ReportText(const TSudokuReport& Report);
QJsonObject ReportJson(const TSudokuReport& Report);

// The source of a generated sudoku, ready for `build`.
QJsonObject GeneratedSource(const TSudokuRequest& Request, const TGeneratedSudoku& Sudoku,
                            const QString& Title);
// The skill named by its display text ("leicht" … "sehr schwer"), or skNone.
TSudokuSkill SkillNamed(const QString& Name);
