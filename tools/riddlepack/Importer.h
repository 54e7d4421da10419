#pragma once

// `riddlepack import`: another tool's crossword, sudoku or word search becomes our own riddle
// source, and a riddle file is built from that source exactly as `build` builds it.

#include "CrosswordSource.h"
#include "SourceBuilder.h"

// Reads an ipuz or Across Lite file; throws TSourceError "file: place: detail".
TImported ImportFile(const QString& Path);
// Builds the imported source as `build` would; throws TSourceError.
TBuiltRiddle BuildImported(const TImported& Imported, const QString& Path);
