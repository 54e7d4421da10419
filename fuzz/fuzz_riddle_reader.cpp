// Feeds arbitrary bytes to the riddle file reader, as the player reads an embedded riddle: the
// header first, then the sections into the riddle that matches the class name. The header's
// length field, which the reader skips, chooses reading only the solving state (odd) or the
// whole riddle (even, as the player does).

#include "FuzzInput.h"
#include "SudokuRiddleData.h"
#include "WordRiddleData.h"

#include <QCoreApplication>

namespace {
constexpr qsizetype kLengthFieldAt = 7;
}

// The solve clock of a loaded riddle is a timer, which wants an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TFuzzInput input(data, size);
    if (!input.Valid())
        return 0;
    const bool stateOnly = (input.At(kLengthFieldAt) & 1) != 0;
    if (input.ClassName() == "WordRiddle") {
        TWordRiddleData word;
        word.LoadFromStream(input.Sections(), stateOnly);
    } else if (input.ClassName() == "SudokuRiddle") {
        TSudokuRiddleData sudoku;
        sudoku.LoadFromStream(input.Sections(), stateOnly);
    }
    return 0;
}
