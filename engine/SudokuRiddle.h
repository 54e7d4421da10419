#pragma once

#include "GridRiddle.h"
#include "SudokuPainter.h"
#include "SudokuRiddleData.h"

// The grid control of sudokus: it shows its sudoku through TSudokuPainter and takes the solver's
// symbol keys. The sudoku itself is its data object, Riddle().
class TSudokuRiddle : public TGridRiddle {
    Q_OBJECT
public:
    explicit TSudokuRiddle(QWidget* Parent = nullptr);

    TSudokuRiddleData& Riddle() override { return data_; }
    const TSudokuRiddleData& Riddle() const override { return data_; }

    void PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, int DrawState,
                   const QRect& Rect) override;
    void PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target, int& CellSize) override;
    void GetCellColors(int ACol, int ARow, TPaintTarget Target, TColor& Text, TColor& Background) const;

    QString AccessibleCellName(int ACol, int ARow) const override;
    QString AccessibleCellValue(int ACol, int ARow) const override;

    // Makes exactly this cell current and selected, without asking, and repaints.
    void SelectOnly(int ACol, int ARow);
    // The solver enters a character into the current cell, as typed: only a blank and the
    // sudoku's own symbols are taken. ClearCurrentCell empties it (Delete, Backspace).
    void EnterSymbol(QChar Symbol);
    void ClearCurrentCell();
    // Notes: with Shift on a digit key, or always while notes are switched on, a symbol key turns
    // the symbol's note in the current cell on or off instead of entering it.
    void ToggleNote(int Value);
    bool NotesMode() const { return notesMode_; }
    void SetNotesMode(bool On) { notesMode_ = On; }

signals:
    // A typed symbol differs from the solution while wrong symbols are shown.
    void OnInputError(TObject* Sender, TInputError ErrorType);

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void UpdateHeaderLines() override;
    // The outer frame is black on every side: the first cells' lines only reach into themselves.
    QColor GridLineColor() const override;

private:
    TSudokuRiddleData data_;
    bool notesMode_ = false;
    TSudokuHintLayout hints_;
};
