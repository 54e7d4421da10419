#pragma once

// The letter grid of a word riddle source and the words that stand in it. Pure logic without
// the riddle model, so that the numbering rules can be checked on their own.

#include "RiddleTypes.h"

#include <QString>
#include <QStringList>
#include <vector>

// Rows of 'A' … 'Z' and '#'; positions are 1-based like the riddle's cells.
class TLetterGrid {
public:
    TLetterGrid() = default;
    explicit TLetterGrid(QStringList Rows) : rows_(std::move(Rows)) {}

    int Cols() const { return rows_.isEmpty() ? 0 : int(rows_.front().size()); }
    int Rows() const { return int(rows_.size()); }
    bool Inside(int ACol, int ARow) const {
        return ACol >= 1 && ARow >= 1 && ACol <= Cols() && ARow <= Rows();
    }
    QChar At(int ACol, int ARow) const { return Inside(ACol, ARow) ? rows_[ARow - 1][ACol - 1] : QChar('#'); }
    bool IsLetter(int ACol, int ARow) const { return At(ACol, ARow) != QLatin1Char('#'); }
    // `length` letters from (col, row) to the right or downwards.
    QString Run(int ACol, int ARow, TWordDirection Dir, int Length) const;

private:
    QStringList rows_;
};

// A word of the grid. (Col, Row) is its top or left cell, whichever way it is read.
struct TGridWord {
    int Col = 0;
    int Row = 0;
    TWordDirection Direction = wdHorizontal;
    int Length = 0;
    bool Reversed = false;
    int Number = 0;

    int EndCol() const { return Direction == wdHorizontal ? Col + Length - 1 : Col; }
    int EndRow() const { return Direction == wdVertical ? Row + Length - 1 : Row; }
    bool operator==(const TGridWord&) const = default;
};

// Every run of two or more letter cells across and down, numbered.
std::vector<TGridWord> FindCrosswordWords(const TLetterGrid& Grid);

// Every place where `word` stands across or down, and also backwards when `reversed` is allowed.
// A word that reads the same both ways is found once per place.
std::vector<TGridWord> FindHiddenWord(const TLetterGrid& Grid, const QString& Word, bool Reversed);

// Numbers the start cells 1, 2, 3 … in reading order; words starting in one cell share the number.
void NumberInReadingOrder(std::vector<TGridWord>& Words);
