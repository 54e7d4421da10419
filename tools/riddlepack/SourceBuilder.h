#pragma once

// Turns a riddle source (JSON, see docs/riddle-source.md) into riddle data ready to be saved.
// The source only says what a person decides: letters, clues, options. Everything the player
// derives from them (cell flags, clue numbers, keyword indices, legend numbers) is computed
// here, so a source cannot contradict itself on those.

#include "RiddleData.h"
#include "SourceFields.h"

#include <QDir>
#include <memory>

struct TBuiltRiddle {
    std::unique_ptr<TRiddleData> Riddle;
    // What SaveToFile wants: the JPEG quality, or 0 to store the picture as a bitmap.
    int JpegQuality = 90;
};

// Throws TSourceError "sourceName: place: detail". Pictures are looked up in baseDir.
TBuiltRiddle BuildRiddle(const QByteArray& Json, const QString& SourceName, const QDir& BaseDir);

// Reads the file and builds it; the messages name the file by its file name.
TBuiltRiddle BuildRiddleFile(const QString& Path);

// Builds the source and saves it to outPath; returns an empty text or the reason of failure.
QString BuildAndSave(const QString& SourcePath, const QString& OutPath);

namespace SourceBuilderDetail {
// The pieces the two kinds share; each fills in the riddle from the source's root object.
void ApplySharedKeys(TSourceObject& Root, TRiddleData& Riddle);
std::unique_ptr<TRiddleData> BuildWordRiddle(TSourceObject& Root, TRiddleType Type, const QDir& BaseDir,
                                             int& JpegQuality);
std::unique_ptr<TRiddleData> BuildSudoku(TSourceObject& Root);
} // namespace SourceBuilderDetail
