#include "EmbeddedRiddle.h"

#include <QtEndian>
#include <cstring>

namespace {
template <typename T> bool ReadAt(QIODevice& file, qint64 pos, T& out) {
    if (pos < 0 || !file.seek(pos))
        return false;
    return file.read(reinterpret_cast<char*>(&out), sizeof(T)) == qint64(sizeof(T));
}

template <typename T> T Le(T v) {
    return qFromLittleEndian(v);
}
} // namespace

qint64 ElfImageEnd(QIODevice& file) {
    unsigned char ident[16];
    if (!file.seek(0) || file.read(reinterpret_cast<char*>(ident), 16) != 16 ||
        std::memcmp(ident,
                    "\x7f"
                    "ELF",
                    4) != 0 ||
        ident[4] != 2 || ident[5] != 1)
        return 0; // only little-endian 64-bit images are ours
    uint64_t phoff = 0, shoff = 0;
    uint16_t ehsize = 0, phentsize = 0, phnum = 0, shentsize = 0, shnum = 0;
    if (!ReadAt(file, 32, phoff) || !ReadAt(file, 40, shoff) || !ReadAt(file, 52, ehsize) ||
        !ReadAt(file, 54, phentsize) || !ReadAt(file, 56, phnum) || !ReadAt(file, 58, shentsize) ||
        !ReadAt(file, 60, shnum))
        return 0;
    phoff = Le(phoff), shoff = Le(shoff), ehsize = Le(ehsize), phentsize = Le(phentsize);
    phnum = Le(phnum), shentsize = Le(shentsize), shnum = Le(shnum);
    const qint64 size = file.size();
    auto clampEnd = [size](uint64_t offset, uint64_t length) -> qint64 {
        if (offset > uint64_t(size) || length > uint64_t(size) - offset)
            return size;
        return qint64(offset + length);
    };
    qint64 end = qMax<qint64>(ehsize, 64);
    end = qMax(end, clampEnd(phoff, uint64_t(phentsize) * phnum));
    end = qMax(end, clampEnd(shoff, uint64_t(shentsize) * shnum));
    for (uint16_t i = 0; i < phnum && phentsize >= 56; ++i) {
        uint64_t offset = 0, filesz = 0;
        if (!ReadAt(file, qint64(phoff + uint64_t(i) * phentsize + 8), offset) ||
            !ReadAt(file, qint64(phoff + uint64_t(i) * phentsize + 32), filesz))
            break;
        end = qMax(end, clampEnd(Le(offset), Le(filesz)));
    }
    constexpr uint32_t kNoBits = 8;
    for (uint16_t i = 0; i < shnum && shentsize >= 64; ++i) {
        uint32_t type = 0;
        uint64_t offset = 0, length = 0;
        const qint64 at = qint64(shoff + uint64_t(i) * shentsize);
        if (!ReadAt(file, at + 4, type) || !ReadAt(file, at + 24, offset) || !ReadAt(file, at + 32, length))
            break;
        if (Le(type) != kNoBits)
            end = qMax(end, clampEnd(Le(offset), Le(length)));
    }
    return qMin(end, size);
}

qint64 FindRiddleMagic(const uchar* data, qint64 size, qint64 from) {
    static const char tail[] = "IDFIL";
    qint64 pos = qMax<qint64>(from, 0);
    while (pos < size - 1) {
        const uchar b = data[pos++];
        if (b != 'R')
            continue;
        const qint64 available = qMin<qint64>(5, size - pos);
        const bool match = available == 5 && std::memcmp(data + pos, tail, 5) == 0;
        pos += available;
        if (match)
            return pos;
    }
    return -1;
}

uint8_t LocateEmbeddedRiddle(QFile& executable, TRiddleHeader& header) {
    const qint64 from = ElfImageEnd(executable);
    const qint64 size = executable.size();
    if (size <= from)
        return rfWrongFormat;
    // Only the part after the program image is mapped; the riddle is searched there.
    uchar* mapped = executable.map(from, size - from);
    if (!mapped)
        return rfHeaderError;
    const qint64 found = FindRiddleMagic(mapped, size - from, 0);
    executable.unmap(mapped);
    if (found < 0)
        return rfWrongFormat;
    try {
        TStreamReader in(executable);
        in.Seek(from + found);
        in.I32();
        header.ClassName = in.FixedBytes(20);
        header.Version = in.FixedText(20);
    } catch (const TReadError&) {
        return rfHeaderError;
    }
    return rfOk;
}
