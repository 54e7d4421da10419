// Feeds arbitrary bytes to the riddle file reader, as the player reads an embedded riddle:
// the header first, then the sections into the control that matches the class name.

#include "RiddleData.h"
#include "SudokuRiddleData.h"
#include "WordRiddleData.h"

#include <QBuffer>
#include <QCoreApplication>

// The solve clock of a loaded riddle is a timer, which wants an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
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
    // A word riddle also gets the sudoku reader, so both walk every input.
    const qint64 start = buffer.pos();
    TWordRiddleData word;
    word.LoadFromStream(buffer, header.ClassName.size() % 2 == 0);
    buffer.seek(start);
    TSudokuRiddleData sudoku;
    sudoku.LoadFromStream(buffer, false);
    buffer.seek(start);
    word.LoadFromStream(buffer, false);
    return 0;
}
