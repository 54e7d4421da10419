#pragma once

// The optional parts of a word riddle source. They run after the grid's cells have their
// letter flags, because each of them is checked against those cells.

#include "SourceFields.h"
#include "WordGrid.h"
#include "WordRiddleData.h"

#include <QDir>

namespace SourceBuilderDetail {
// givens: the cells whose letters are shown from the start.
void ApplyGivens(TSourceObject& root, TWordRiddleData& riddle, bool findWords);
// keyword: the solution word spelt by a chosen sequence of letter cells.
void ApplyKeyword(TSourceObject& root, TWordRiddleData& riddle, bool findWords);
// picture: an image over a block of black cells; jpegQuality becomes 0 for a bitmap.
void ApplyPicture(TSourceObject& root, TWordRiddleData& riddle, const QDir& baseDir, int& jpegQuality);
// letterNumbers: the code numbers of a numbers riddle, given or derived.
void ApplyLetterNumbers(TSourceObject& root, TWordRiddleData& riddle, const TLetterGrid& grid);
} // namespace SourceBuilderDetail
