#include "WordOrder.h"

#include "LegendRows.h"
#include "WordRiddle.h"

#include <algorithm>

namespace {
void AddLineWords(const TWordRiddle& Grid, int Line, TWordDirection Direction,
                  std::vector<TWordPlace>& Words) {
    const TWordRiddleData& riddle = Grid.Riddle();
    const bool across = Direction == wdHorizontal;
    const int cells = across ? riddle.RiddleCols() : riddle.RiddleRows();
    for (int i = 1; i <= cells; ++i) {
        const int col = across ? i : Line, row = across ? Line : i;
        const TWordGridCell* cell = riddle.CellAt(col, row);
        if (cell && cell->Has(across ? cfStartAcross : cfStartDown))
            Words.push_back({col, row, Direction});
    }
}

void AddRowWords(const TWordRiddle& Grid, const std::vector<TLegendRow>& Rows, TWordDirection LineDirection,
                 std::vector<TWordPlace>& Words) {
    const TWordRiddleData& riddle = Grid.Riddle();
    for (const TLegendRow& row : Rows) {
        if (row.Data.ClueIndex < 0) {
            AddLineWords(Grid, row.Data.LineNumber, LineDirection, Words);
            continue;
        }
        const TWordLegendData& clue = riddle.Clue(row.Data.ClueIndex);
        TWordPlace place{0, 0, clue.Direction()};
        if (Grid.FindClueStart(clue.ClueNumber(), clue.Direction(), place.Col, place.Row))
            Words.push_back(place);
    }
}

bool Empty(const TWordGridCell& Cell) {
    return Cell.Entry() == 0 && !Cell.Revealed();
}
} // namespace

std::vector<TWordPlace> LegendWordOrder(const TWordRiddle& Grid, bool TwoListsChosen) {
    const TLegendLists lists = BuildLegendLists(Grid, TwoListsChosen, false);
    std::vector<TWordPlace> words;
    AddRowWords(Grid, lists.Across, wdHorizontal, words);
    AddRowWords(Grid, lists.Down, wdVertical, words);
    return words;
}

std::optional<TWordPlace> NextWordCell(const TWordRiddle& Grid, bool TwoListsChosen, bool Forward) {
    const std::vector<TWordPlace> words = LegendWordOrder(Grid, TwoListsChosen);
    if (words.empty())
        return std::nullopt;
    const TGridWordData& current = Grid.CurrentWord();
    const auto at =
        std::find(words.begin(), words.end(), TWordPlace{current.Col, current.Row, current.Direction});
    const int n = int(words.size());
    // From a cell of no listed word, Tab starts at the first word and Shift+Tab at the last.
    int next = at == words.end() ? (Forward ? 0 : n - 1) : int(at - words.begin()) + (Forward ? 1 : -1);
    const TWordPlace word = words[size_t((next + n) % n)];
    const TWordRiddleData& riddle = Grid.Riddle();
    for (int c = word.Col, r = word.Row; !riddle.IsBlocked(c, r);
         c += StepCol(word.Direction), r += StepRow(word.Direction))
        if (Empty(riddle.Cell(c, r)))
            return TWordPlace{c, r, word.Direction};
    return word;
}
