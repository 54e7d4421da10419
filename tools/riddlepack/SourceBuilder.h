#pragma once

// Turns a riddle source (JSON, see docs/riddle-source.md) into riddle data ready to be saved.
// The source only says what a person decides: letters, clues, options. Everything the player
// derives from them (cell flags, clue numbers, keyword indices, legend numbers) is computed
// here, so a source cannot contradict itself on those.

#include "RiddleData.h"
#include "SourceFields.h"
#include "SudokuSolver.h"

#include <QDir>
#include <QStringList>
#include <memory>
#include <optional>

struct TBuiltRiddle {
    std::unique_ptr<TRiddleData> Riddle;
    // What SaveToFile wants: the JPEG quality, or 0 to store the picture as a bitmap.
    int JpegQuality = 90;
    // What the source allows but an author should know, each "place: detail".
    QStringList Warnings;
};

// Throws TSourceError "sourceName: place: detail". Pictures are looked up in baseDir.
TBuiltRiddle BuildRiddle(const QByteArray& Json, const QString& SourceName, const QDir& BaseDir);

// The givens of a sudoku source as the solver takes them; rows as a source writes them.
struct TSudokuPuzzle {
    TSudokuShape Shape;
    TSudokuGrid Givens;
    std::optional<TSudokuGrid> Solution;
};
// Symbol rows of a source, '.' for an empty cell.
QJsonArray SymbolRows(const TSudokuGrid& Grid, int N);

// Reads the file and builds it; the messages name the file by its file name.
TBuiltRiddle BuildRiddleFile(const QString& Path);

// Builds the source and saves it to outPath; returns an empty text or the reason of failure.
// Warnings go to stderr.
QString BuildAndSave(const QString& SourcePath, const QString& OutPath);
// Saves a built riddle and reads it back, as BuildAndSave does.
QString SaveBuilt(const TBuiltRiddle& Built, const QString& OutPath);
// Each note on a line of stderr, after the program's name.
void PrintNotes(const QStringList& Notes);

namespace SourceBuilderDetail {
// The pieces the two kinds share; each fills in the riddle from the source's root object.
void ApplySharedKeys(TSourceObject& Root, TRiddleData& Riddle);
std::unique_ptr<TRiddleData> BuildWordRiddle(TSourceObject& Root, TRiddleType Type, const QDir& BaseDir,
                                             int& JpegQuality);
std::unique_ptr<TRiddleData> BuildSudoku(TSourceObject& Root, QStringList& Warnings);
// The size, the givens and, when the source has one, the solution.
TSudokuPuzzle ReadSudoku(TSourceObject& Root);
} // namespace SourceBuilderDetail
