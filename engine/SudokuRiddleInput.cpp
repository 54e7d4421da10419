// How the solver types symbols into a sudoku.

#include "SudokuRiddle.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
// With one of these held a key is a command; where no command takes it, it changes nothing.
constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
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
    // Every character is swallowed; only a blank and the symbols of this sudoku are taken.
    Event->accept();
    EnterSymbol(text.at(0));
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
