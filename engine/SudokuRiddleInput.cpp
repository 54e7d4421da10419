// How the solver types symbols into a sudoku.

#include "SudokuRiddle.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
// With one of these held a key is a command; where no command takes it, it changes nothing.
constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
// The X11 key codes of the keys 1 … 9 of the top row.
constexpr quint32 kX11KeyOne = 10;
constexpr quint32 kX11KeyNine = 18;

// The symbol value of the key itself, whatever character Shift makes of it (a "!" or a "§" on the
// key 1): 1 … 9 for the digit keys, 10 … 15 for A … F; 0 for any other key.
int KeyValue(const QKeyEvent* Event) {
    const int key = Event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    if (key >= Qt::Key_A && key <= Qt::Key_F)
        return key - Qt::Key_A + 10;
    const quint32 code = Event->nativeScanCode();
    if (code >= kX11KeyOne && code <= kX11KeyNine)
        return int(code - kX11KeyOne) + 1;
    return 0;
}
} // namespace

void TSudokuRiddle::SelectOnly(int ACol, int ARow) {
    SetCurrentSilently(ACol, ARow);
    InvalidateGrid();
}

void TSudokuRiddle::ClearCurrentCell() {
    data_.SetSymbol(Col(), Row(), 0);
    InvalidateCell(Col(), Row());
}

void TSudokuRiddle::keyPressEvent(QKeyEvent* Event) {
    if (Event->modifiers() & kCommandModifiers) {
        // Navigation such as Ctrl+Home still moves the cursor.
        TGridRiddle::keyPressEvent(Event);
        return;
    }
    if (Event->key() == Qt::Key_Delete || Event->key() == Qt::Key_Backspace) {
        ClearCurrentCell();
        Event->accept();
        return;
    }
    const QString text = Event->text();
    if (text.size() != 1 || !text.at(0).isPrint()) {
        TGridRiddle::keyPressEvent(Event);
        return;
    }
    // Shift with a digit key makes a note; Shift with a letter still types that capital letter.
    const int value = KeyValue(Event);
    const bool shiftedDigit = (Event->modifiers() & Qt::ShiftModifier) && value >= 1 && value <= 9;
    if (shiftedDigit || (notesMode_ && text != QStringLiteral(" "))) {
        ToggleNote(value);
        Event->accept();
        return;
    }
    // Every character is swallowed; only a blank and the symbols of this sudoku are taken.
    Event->accept();
    EnterSymbol(text.at(0));
}

void TSudokuRiddle::ToggleNote(int Value) {
    if (data_.DisplayMode() == dmSolving)
        data_.ToggleNote(Col(), Row(), Value);
}

void TSudokuRiddle::EnterSymbol(QChar Symbol) {
    const int value = Symbol.unicode() < 0x80 ? SymbolValue(uint8_t(Symbol.unicode())) : 0;
    if (Symbol != QLatin1Char(' ') && (value < 1 || value > data_.Symbols()))
        return;
    data_.SetSymbol(Col(), Row(), uint8_t(Symbol.unicode()));
    const TSudokuGridCell* cell = data_.CellAt(Col(), Row());
    if (cell && cell->Entry() != 0 && data_.PaintOptions().Contains(poShowFail) &&
        data_.DisplayMode() != dmEditing && cell->Solution() != cell->Entry() && data_.EventsEnabled())
        emit OnInputError(&data_, ieWrongLetter);
}

void TSudokuRiddle::mousePressEvent(QMouseEvent* Event) {
    // The pop-up menu acts on the cell it was opened over.
    int col = 0, row = 0;
    if (Event->button() == Qt::RightButton && MouseToCell(Event->position().toPoint(), col, row))
        MoveCurrent(col, row, false);
    TGridRiddle::mousePressEvent(Event);
}
