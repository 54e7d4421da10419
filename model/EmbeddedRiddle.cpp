#include "EmbeddedRiddle.h"

#include <QtEndian>
#include <cstring>

namespace {
template <typename T> bool ReadAt(QIODevice& File, qint64 Pos, T& Out) {
    if (Pos < 0 || !File.seek(Pos))
        return false;
    return File.read(reinterpret_cast<char*>(&Out), sizeof(T)) == qint64(sizeof(T));
}

template <typename T> T Le(T Value) {
    return qFromLittleEndian(Value);
}

// Only little-endian 64-bit images are ours.
bool IsElf64(QIODevice& File) {
    unsigned char ident[16];
    return File.seek(0) && File.read(reinterpret_cast<char*>(ident), 16) == 16 &&
           std::memcmp(ident,
                       "\x7f"
                       "ELF",
                       4) == 0 &&
           ident[4] == 2 && ident[5] == 1;
}
} // namespace

QList<QByteArray> ElfSectionNames(QIODevice& File) {
    uint64_t shoff = 0;
    uint16_t shentsize = 0, shnum = 0, shstrndx = 0;
    if (!IsElf64(File) || !ReadAt(File, 40, shoff) || !ReadAt(File, 58, shentsize) ||
        !ReadAt(File, 60, shnum) || !ReadAt(File, 62, shstrndx))
        return {};
    shoff = Le(shoff), shentsize = Le(shentsize), shnum = Le(shnum), shstrndx = Le(shstrndx);
    const uint64_t size = uint64_t(File.size());
    if (shentsize < 64 || shstrndx >= shnum || shoff > size || uint64_t(shentsize) * shnum > size - shoff)
        return {};
    uint64_t namesOffset = 0, namesSize = 0;
    const qint64 names = qint64(shoff + uint64_t(shstrndx) * shentsize);
    if (!ReadAt(File, names + 24, namesOffset) || !ReadAt(File, names + 32, namesSize))
        return {};
    namesOffset = Le(namesOffset), namesSize = Le(namesSize);
    if (namesOffset > size || namesSize > size - namesOffset || !File.seek(qint64(namesOffset)))
        return {};
    // The table of names is no larger than the file, which the checks above made sure of.
    const QByteArray table = File.read(qint64(namesSize));
    // Each section names itself by an offset into the table of names; the name ends with a 0. A
    // bound on its length keeps a damaged table from costing more than a few megabytes in all.
    constexpr qsizetype kLongestName = 255;
    QList<QByteArray> found;
    for (uint16_t i = 0; i < shnum; ++i) {
        uint32_t name = 0;
        if (!ReadAt(File, qint64(shoff + uint64_t(i) * shentsize), name))
            return {};
        name = Le(name);
        if (name >= uint64_t(table.size()))
            continue;
        const QByteArray rest = QByteArray::fromRawData(table.constData() + name, table.size() - name);
        const qsizetype length = rest.left(kLongestName + 1).indexOf('\0');
        if (length >= 0)
            found << rest.left(length);
    }
    return found;
}

bool HasElfSection(QIODevice& File, const QByteArray& Name) {
    return ElfSectionNames(File).contains(Name);
}

qint64 ElfImageEnd(QIODevice& File) {
    if (!IsElf64(File))
        return 0; // the search then starts at the beginning
    uint64_t phoff = 0, shoff = 0;
    uint16_t ehsize = 0, phentsize = 0, phnum = 0, shentsize = 0, shnum = 0;
    if (!ReadAt(File, 32, phoff) || !ReadAt(File, 40, shoff) || !ReadAt(File, 52, ehsize) ||
        !ReadAt(File, 54, phentsize) || !ReadAt(File, 56, phnum) || !ReadAt(File, 58, shentsize) ||
        !ReadAt(File, 60, shnum))
        return 0;
    phoff = Le(phoff), shoff = Le(shoff), ehsize = Le(ehsize), phentsize = Le(phentsize);
    phnum = Le(phnum), shentsize = Le(shentsize), shnum = Le(shnum);
    const qint64 size = File.size();
    auto clampEnd = [size](uint64_t Offset, uint64_t Length) -> qint64 {
        if (Offset > uint64_t(size) || Length > uint64_t(size) - Offset)
            return size;
        return qint64(Offset + Length);
    };
    qint64 end = qMax<qint64>(ehsize, 64);
    end = qMax(end, clampEnd(phoff, uint64_t(phentsize) * phnum));
    end = qMax(end, clampEnd(shoff, uint64_t(shentsize) * shnum));
    for (uint16_t i = 0; i < phnum && phentsize >= 56; ++i) {
        uint64_t offset = 0, filesz = 0;
        if (!ReadAt(File, qint64(phoff + uint64_t(i) * phentsize + 8), offset) ||
            !ReadAt(File, qint64(phoff + uint64_t(i) * phentsize + 32), filesz))
            break;
        end = qMax(end, clampEnd(Le(offset), Le(filesz)));
    }
    constexpr uint32_t kNoBits = 8;
    for (uint16_t i = 0; i < shnum && shentsize >= 64; ++i) {
        uint32_t type = 0;
        uint64_t offset = 0, length = 0;
        const qint64 at = qint64(shoff + uint64_t(i) * shentsize);
        if (!ReadAt(File, at + 4, type) || !ReadAt(File, at + 24, offset) || !ReadAt(File, at + 32, length))
            break;
        if (Le(type) != kNoBits)
            end = qMax(end, clampEnd(Le(offset), Le(length)));
    }
    return qMin(end, size);
}

qint64 FindRiddleMagic(const uchar* Data, qint64 Size, qint64 From) {
    static const char tail[] = "IDFIL";
    qint64 pos = qMax<qint64>(From, 0);
    while (pos < Size - 1) {
        const uchar b = Data[pos++];
        if (b != 'R')
            continue;
        const qint64 available = qMin<qint64>(5, Size - pos);
        const bool match = available == 5 && std::memcmp(Data + pos, tail, 5) == 0;
        pos += available;
        if (match)
            return pos;
    }
    return -1;
}

uint8_t LocateEmbeddedRiddle(QFile& Executable, TRiddleHeader& Header) {
    const qint64 from = ElfImageEnd(Executable);
    const qint64 size = Executable.size();
    if (size <= from)
        return rfWrongFormat;
    // Only the part after the program image is mapped; the riddle is searched there.
    uchar* mapped = Executable.map(from, size - from);
    if (!mapped)
        return rfHeaderError;
    const qint64 found = FindRiddleMagic(mapped, size - from, 0);
    Executable.unmap(mapped);
    if (found < 0)
        return rfWrongFormat;
    try {
        TStreamReader in(Executable);
        in.Seek(from + found);
        in.I32();
        Header.ClassName = in.FixedBytes(20);
        Header.Version = in.FixedText(20);
    } catch (const TReadError&) {
        return rfHeaderError;
    }
    return rfOk;
}
