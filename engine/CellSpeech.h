#pragma once

// What a screen reader says of the cells of the riddles and their tool windows, in the words a
// listener understands: where the cell is, what stands in it, and what else the eye sees there
// (a clue number, a solution-word field, a revealed or a wrong letter). The accessible grids hand
// these texts on unchanged; what is painted and what is said follow the same data.

#include "GridWordData.h"

#include <QString>

class TSudokuRiddleData;
class TWordRiddleData;

// "Zeile 3, Spalte 5"; rows and columns counted from 1.
QString CellPlace(int Row, int Col);

// The letter the solver sees in a word riddle's cell, "leer" or "Schwarzfeld".
QString WordCellValue(const TWordRiddleData& Riddle, int ACol, int ARow);
// "Zeile 3, Spalte 5: E, Nummer 14, Lösungswortfeld 3": the place, the value, then the marks.
QString WordCellName(const TWordRiddleData& Riddle, int ACol, int ARow);
// "Waagerecht 1: Fall aus der Höhe, 5 Buchstaben"; empty for no word.
QString WordDescription(const TGridWordData& Word);

// The symbol the solver sees in a sudoku's cell, or "leer".
QString SudokuCellValue(const TSudokuRiddleData& Riddle, int ACol, int ARow);
// "Zeile 4, Spalte 7: 5, vorgegeben"; an empty cell with its possible symbols while they are shown.
QString SudokuCellName(const TSudokuRiddleData& Riddle, int ACol, int ARow);

// An entry of the letter legend as the number legend shows it: "Zahl 5: E".
QString LetterLegendName(const TWordRiddleData& Riddle, int Entry);
// One box of a row of letter boxes: "Lösungswort, Buchstabe 3 von 7: leer". A null character or
// a blank is an empty box.
QString LetterBoxName(const QString& Row, int Index, int Count, QChar Letter);
// A box of the solution word, with the letter its window shows in the riddle's display mode.
QString KeywordBoxName(const TWordRiddleData& Riddle, int Index);
