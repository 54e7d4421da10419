#pragma once

// The optional parts of a word riddle source. They run after the grid's cells have their
// letter flags, because each of them is checked against those cells.

#include "SourceFields.h"
#include "WordGrid.h"
#include "WordRiddleData.h"

#include <QDir>

namespace SourceBuilderDetail {
// givens: the cells whose letters are shown from the start.
void ApplyGivens(TSourceObject& Root, TWordRiddleData& Riddle, bool FindWords);
// keyword: the solution word spelt by a chosen sequence of letter cells.
void ApplyKeyword(TSourceObject& Root, TWordRiddleData& Riddle, bool FindWords);
// picture: an image over a block of black cells; jpegQuality becomes 0 for a bitmap.
void ApplyPicture(TSourceObject& Root, TWordRiddleData& Riddle, const QDir& BaseDir, int& JpegQuality);
// letterNumbers: the code numbers of a numbers riddle, given or derived.
void ApplyLetterNumbers(TSourceObject& Root, TWordRiddleData& Riddle, const TLetterGrid& Grid);
} // namespace SourceBuilderDetail
