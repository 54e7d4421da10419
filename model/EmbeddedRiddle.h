#pragma once

// Finding the riddle file appended to the player's executable. The search starts where the
// executable's own ELF image ends, so a "RIDFIL" literal inside the program is never found and
// appending a riddle never needs a rebuild.

#include "RiddleData.h"

#include <QFile>

// The section that marks a program as a Quivane player, so that riddles are appended to players
// only. A macro, because a section attribute takes nothing but a literal.
#define QUIVANE_PLAYER_SECTION "quivane_player"

// The names of the sections of a 64-bit little-endian ELF image, in their order; none for any
// other file. A name that runs off the table of names, or is longer than any of ours, is left out.
QList<QByteArray> ElfSectionNames(QIODevice& File);

// True when the file is a 64-bit little-endian ELF image with a section of that name.
bool HasElfSection(QIODevice& File, const QByteArray& Name);

// The largest end offset of the ELF header, the program headers, the sections and the section
// header table; 0 when the file is no ELF image (the search then starts at the beginning).
qint64 ElfImageEnd(QIODevice& File);

// Searches from `from` for "R" followed by "IDFIL". After an "R" the next five bytes are read
// and not examined again when they differ. Returns the position right after the magic, or -1.
qint64 FindRiddleMagic(const uchar* Data, qint64 Size, qint64 From);

// Opens nothing: positions the open executable right after the riddle file's header and fills
// in the class name and version. Returns rfOk, rfWrongFormat (no magic) or rfHeaderError.
uint8_t LocateEmbeddedRiddle(QFile& Executable, TRiddleHeader& Header);
