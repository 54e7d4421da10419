#include "WordGrid.h"

#include "RiddleText.h"

#include <map>

QString TLetterGrid::Run(int ACol, int ARow, TWordDirection Dir, int Length) const {
    QString letters;
    for (int i = 0; i < Length; ++i)
        letters += At(ACol + i * StepCol(Dir), ARow + i * StepRow(Dir));
    return letters;
}

std::vector<TGridWord> FindCrosswordWords(const TLetterGrid& Grid) {
    std::vector<TGridWord> words;
    for (TWordDirection dir : {wdHorizontal, wdVertical})
        for (int row = 1; row <= Grid.Rows(); ++row)
            for (int col = 1; col <= Grid.Cols(); ++col) {
                const bool starts = Grid.IsLetter(col, row) &&
                                    !Grid.IsLetter(col - StepCol(dir), row - StepRow(dir)) &&
                                    Grid.IsLetter(col + StepCol(dir), row + StepRow(dir));
                if (!starts)
                    continue;
                TGridWord word{col, row, dir, 0};
                while (Grid.IsLetter(col + word.Length * StepCol(dir), row + word.Length * StepRow(dir)))
                    ++word.Length;
                words.push_back(word);
            }
    NumberInReadingOrder(words);
    return words;
}

std::vector<TGridWord> FindHiddenWord(const TLetterGrid& Grid, const QString& Word, bool Reversed) {
    std::vector<TGridWord> places;
    const int length = int(Word.size());
    const QString backwards = ReverseText(Word);
    for (TWordDirection dir : {wdHorizontal, wdVertical})
        for (int row = 1; row <= Grid.Rows(); ++row)
            for (int col = 1; col <= Grid.Cols(); ++col) {
                const TGridWord place{col, row, dir, length};
                if (!Grid.Inside(place.EndCol(), place.EndRow()))
                    continue;
                const QString run = Grid.Run(col, row, dir, length);
                if (run == Word)
                    places.push_back(place);
                else if (Reversed && run == backwards)
                    places.push_back(TGridWord{col, row, dir, length, true});
            }
    return places;
}

void NumberInReadingOrder(std::vector<TGridWord>& Words) {
    // Keyed by (row, col), so the map's order is the reading order.
    std::map<std::pair<int, int>, int> numbers;
    for (const TGridWord& word : Words)
        numbers[{word.Row, word.Col}] = 0;
    int next = 0;
    for (auto& entry : numbers)
        entry.second = ++next;
    for (TGridWord& word : Words)
        word.Number = numbers[{word.Row, word.Col}];
}
