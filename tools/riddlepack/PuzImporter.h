#pragma once

// Reads an Across Lite file (.puz): the header with its checksums, the solution grid, the
// strings (title, author, copyright, clues, notes) and the extra sections that mark rebus and
// circled cells. A scrambled (locked) solution cannot be read and is refused.

#include "CrosswordSource.h"

#include <QByteArray>

// Throws TSourceError "place: detail".
TImported ImportPuz(const QByteArray& Bytes);
// Whether the bytes look like an Across Lite file.
bool IsPuz(const QByteArray& Bytes);

// The format's 16-bit checksum of a region, continued from `sum`.
uint16_t PuzChecksum(const char* Data, qsizetype Length, uint16_t Sum);
