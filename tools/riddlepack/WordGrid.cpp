#include "WordGrid.h"

#include "RiddleText.h"

#include <map>

QString TLetterGrid::Run(int col, int row, TWordDirection dir, int length) const {
    QString letters;
    for (int i = 0; i < length; ++i)
        letters += At(col + i * StepCol(dir), row + i * StepRow(dir));
    return letters;
}

std::vector<TGridWord> FindCrosswordWords(const TLetterGrid& grid) {
    std::vector<TGridWord> words;
    for (TWordDirection dir : {wdHorizontal, wdVertical})
        for (int row = 1; row <= grid.Rows(); ++row)
            for (int col = 1; col <= grid.Cols(); ++col) {
                const bool starts = grid.IsLetter(col, row) &&
                                    !grid.IsLetter(col - StepCol(dir), row - StepRow(dir)) &&
                                    grid.IsLetter(col + StepCol(dir), row + StepRow(dir));
                if (!starts)
                    continue;
                TGridWord word{col, row, dir, 0};
                while (grid.IsLetter(col + word.Length * StepCol(dir), row + word.Length * StepRow(dir)))
                    ++word.Length;
                words.push_back(word);
            }
    NumberInReadingOrder(words);
    return words;
}

std::vector<TGridWord> FindHiddenWord(const TLetterGrid& grid, const QString& word, bool reversed) {
    std::vector<TGridWord> places;
    const int length = int(word.size());
    const QString backwards = ReverseText(word);
    for (TWordDirection dir : {wdHorizontal, wdVertical})
        for (int row = 1; row <= grid.Rows(); ++row)
            for (int col = 1; col <= grid.Cols(); ++col) {
                const TGridWord place{col, row, dir, length};
                if (!grid.Inside(place.EndCol(), place.EndRow()))
                    continue;
                const QString run = grid.Run(col, row, dir, length);
                if (run == word)
                    places.push_back(place);
                else if (reversed && run == backwards)
                    places.push_back(TGridWord{col, row, dir, length, true});
            }
    return places;
}

void NumberInReadingOrder(std::vector<TGridWord>& words) {
    // Keyed by (row, col), so the map's order is the reading order.
    std::map<std::pair<int, int>, int> numbers;
    for (const TGridWord& word : words)
        numbers[{word.Row, word.Col}] = 0;
    int next = 0;
    for (auto& entry : numbers)
        entry.second = ++next;
    for (TGridWord& word : words)
        word.Number = numbers[{word.Row, word.Col}];
}
