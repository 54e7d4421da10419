#pragma once

// Reads an ipuz file (the open JSON exchange format): a crossword, a sudoku of 6, 9 or 12
// symbols with standard boxes, or a word search.

#include "CrosswordSource.h"

#include <QByteArray>

// Throws TSourceError "place: detail".
TImported ImportIpuz(const QByteArray& Bytes);
