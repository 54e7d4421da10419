#pragma once

// The exact sudoku solver: a search over bit sets of the symbols still free in each row, column
// and box. It always branches on the most constrained choice, a cell or a symbol that has the
// fewest places left in a row, column or box, which is the column choice of an exact cover.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The shape of a sudoku of n symbols, boxes as the player draws them.
struct TSudokuShape {
    int N = 9;
    int BoxWidth = 3;  // columns per box
    int BoxHeight = 3; // rows per box

    // 6: 3 × 2, 9: 3 × 3, 12: 4 × 3.
    static TSudokuShape OfSize(int N);
    int Cells() const { return N * N; }
    int BoxOf(int Row, int Col) const { return (Row / BoxHeight) * (N / BoxWidth) + Col / BoxWidth; }
    uint16_t AllSymbols() const { return uint16_t((1u << N) - 1); }
};

// Cell values in reading order (row by row); 0 is an empty cell, 1 … n a symbol.
using TSudokuGrid = std::vector<uint8_t>;

// A small generator whose sequence is the same on every platform: the same seed must give the
// same sudoku everywhere, which the standard library's distributions do not promise.
class TRandom {
public:
    explicit TRandom(uint64_t Seed) : state_(Seed) {}
    uint64_t Next();
    int Below(int Bound) { return int(Next() % uint64_t(Bound)); }
    template <typename T> void Shuffle(std::vector<T>& Items) {
        for (size_t i = Items.size(); i > 1; --i)
            std::swap(Items[i - 1], Items[size_t(Below(int(i)))]);
    }

private:
    uint64_t state_;
};

class TExactSolver {
public:
    // A search that would take longer than this many steps gives up (a hand-made source could
    // ask for an endless one).
    static constexpr long kStepBudget = 1'000'000;
    static constexpr int kGaveUp = -1;

    explicit TExactSolver(const TSudokuShape& Shape);

    // The number of solutions, counted up to Limit, or kGaveUp. The first one found goes to
    // *First. Givens that clash with each other have no solution.
    int Count(const TSudokuGrid& Givens, int Limit, TSudokuGrid* First = nullptr);
    // Whether the givens have a solution in which the cell does not hold the value.
    bool HasOtherSolution(const TSudokuGrid& Givens, int Cell, int Value);
    // A complete grid drawn at random.
    TSudokuGrid RandomFill(TRandom& Rng);

private:
    bool Load(const TSudokuGrid& Givens);
    void Place(int Cell, int Value);
    void Unplace(int Cell, int Value);
    uint16_t Free(int Cell) const;
    bool Search();

    TSudokuShape shape_;
    std::vector<std::vector<int>> units_; // rows, columns, boxes: the cells of each
    std::vector<int> unitRow_, unitCol_, unitBox_;
    uint16_t used_[36] = {};
    TSudokuGrid grid_;
    TSudokuGrid first_;
    int found_ = 0, limit_ = 1;
    long steps_ = 0;
    int forbidCell_ = -1;
    uint16_t forbidBit_ = 0;
    TRandom* rng_ = nullptr;
};
