#include "BenchRiddle.h"

#include "WordRiddleData.h"

void FillBenchRiddle(TWordRiddleData& Riddle) {
    Riddle.SetRiddleCols(kBenchSize);
    Riddle.SetRiddleRows(kBenchSize);
    Riddle.SetGridSize(30);
    for (int row = 1; row <= kBenchSize; ++row)
        for (int col = 1; col <= kBenchSize; ++col)
            Riddle.Cell(col, row).SetFlags(cfBlack);
    int number = 0;
    for (int row = 1; row <= kBenchSize && number < 1000; row += 2)
        for (int col = 1; col + kBenchWordLength - 1 <= kBenchSize && number < 1000;
             col += kBenchWordLength + 1) {
            ++number;
            QString word;
            for (int i = 0; i < kBenchWordLength; ++i) {
                TWordGridCell& cell = Riddle.Cell(col + i, row);
                cell.SetFlags(uint16_t(cfLetter | (i == 0 ? cfStartAcross : 0)));
                cell.SetSolution(uint8_t('A' + (number + i) % 26));
                cell.SetClueFlags(kClueAcross);
                cell.SetClueNumber(i == 0 ? number : 0);
                word += QChar(cell.Solution());
            }
            TWordLegendData& clue = Riddle.AddClue();
            clue.SetClueNumber(number);
            clue.SetDirection(wdHorizontal);
            clue.SetWord(word);
            clue.SetClueText(QStringLiteral("Umschreibung Nummer %1").arg(number));
        }
}
