// Feeds arbitrary bytes to the riddle file reader, as the player reads an embedded riddle: the
// header first, then the sections into the riddle that matches the class name. The header's
// length field, which the reader skips, chooses reading only the solving state (odd) or the
// whole riddle (even, as the player does).

#include "RiddleData.h"
#include "SudokuRiddleData.h"
#include "WordRiddleData.h"

#include <QBuffer>
#include <QCoreApplication>

namespace {
constexpr size_t kLengthFieldAt = 6;
}

// The solve clock of a loaded riddle is a timer, which wants an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TRiddleHeader header;
    try {
        TStreamReader in(buffer);
        if (ReadRiddleHeader(in, header) != rfOk)
            return 0;
    } catch (const TReadError&) {
        return 0;
    }
    const bool stateOnly = (data[kLengthFieldAt] & 1) != 0;
    if (header.ClassName == "WordRiddle") {
        TWordRiddleData word;
        word.LoadFromStream(buffer, stateOnly);
    } else if (header.ClassName == "SudokuRiddle") {
        TSudokuRiddleData sudoku;
        sudoku.LoadFromStream(buffer, stateOnly);
    }
    return 0;
}
