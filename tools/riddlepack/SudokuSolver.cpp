#include "SudokuSolver.h"

#include <bit>

TSudokuShape TSudokuShape::OfSize(int N) {
    const int width = N < 9 ? N / 2 : N / 3;
    return TSudokuShape{N, width, N / width};
}

uint64_t TRandom::Next() {
    // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

TExactSolver::TExactSolver(const TSudokuShape& Shape) : shape_(Shape) {
    const int n = Shape.N;
    units_.assign(size_t(3 * n), {});
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const int cell = r * n + c, box = Shape.BoxOf(r, c);
            units_[size_t(r)].push_back(cell);
            units_[size_t(n + c)].push_back(cell);
            units_[size_t(2 * n + box)].push_back(cell);
            unitRow_.push_back(r);
            unitCol_.push_back(n + c);
            unitBox_.push_back(2 * n + box);
        }
}

uint16_t TExactSolver::Free(int Cell) const {
    uint16_t m =
        uint16_t(shape_.AllSymbols() & ~(used_[unitRow_[size_t(Cell)]] | used_[unitCol_[size_t(Cell)]] |
                                         used_[unitBox_[size_t(Cell)]]));
    if (Cell == forbidCell_)
        m = uint16_t(m & ~forbidBit_);
    return m;
}

void TExactSolver::Place(int Cell, int Value) {
    const uint16_t bit = uint16_t(1u << (Value - 1));
    grid_[size_t(Cell)] = uint8_t(Value);
    used_[unitRow_[size_t(Cell)]] |= bit;
    used_[unitCol_[size_t(Cell)]] |= bit;
    used_[unitBox_[size_t(Cell)]] |= bit;
}

void TExactSolver::Unplace(int Cell, int Value) {
    const uint16_t keep = uint16_t(~(1u << (Value - 1)));
    grid_[size_t(Cell)] = 0;
    used_[unitRow_[size_t(Cell)]] &= keep;
    used_[unitCol_[size_t(Cell)]] &= keep;
    used_[unitBox_[size_t(Cell)]] &= keep;
}

bool TExactSolver::Load(const TSudokuGrid& Givens) {
    std::fill(std::begin(used_), std::end(used_), uint16_t(0));
    grid_.assign(size_t(shape_.Cells()), 0);
    found_ = 0;
    steps_ = 0;
    for (int cell = 0; cell < shape_.Cells(); ++cell) {
        const int v = Givens[size_t(cell)];
        if (v == 0)
            continue;
        if (v > shape_.N || (Free(cell) & (1u << (v - 1))) == 0)
            return false;
        Place(cell, v);
    }
    return true;
}

// Returns true when the search is to stop: enough solutions, or the budget is spent.
bool TExactSolver::Search() {
    if (++steps_ > kStepBudget)
        return true;
    int best = -1, bestCount = 99;
    uint16_t bestMask = 0;
    for (int cell = 0; cell < shape_.Cells(); ++cell) {
        if (grid_[size_t(cell)] != 0)
            continue;
        const uint16_t m = Free(cell);
        const int count = std::popcount(m);
        if (count == 0)
            return false;
        if (count < bestCount) {
            best = cell;
            bestCount = count;
            bestMask = m;
            if (count == 1)
                break;
        }
    }
    if (best < 0) {
        if (found_++ == 0)
            first_ = grid_;
        return found_ >= limit_;
    }
    // A symbol that has one place left in a row, column or box is as forced as a cell with one
    // candidate; one that has none ends this branch.
    for (size_t u = 0; u < units_.size() && bestCount > 1; ++u) {
        uint16_t once = 0, twice = 0;
        for (int cell : units_[u])
            if (grid_[size_t(cell)] == 0) {
                const uint16_t m = Free(cell);
                twice |= uint16_t(once & m);
                once |= m;
            }
        const uint16_t need = uint16_t(shape_.AllSymbols() & ~used_[u]);
        if ((once & need) != need)
            return false;
        const uint16_t single = uint16_t(once & ~twice);
        if (single == 0)
            continue;
        const uint16_t bit = uint16_t(single & -single);
        for (int cell : units_[u])
            if (grid_[size_t(cell)] == 0 && (Free(cell) & bit)) {
                best = cell;
                bestMask = bit;
                bestCount = 1;
                break;
            }
    }
    int values[16], count = 0;
    for (uint16_t m = bestMask; m != 0; m = uint16_t(m & (m - 1)))
        values[count++] = std::countr_zero(m) + 1;
    if (rng_ != nullptr)
        for (int i = count; i > 1; --i)
            std::swap(values[i - 1], values[rng_->Below(i)]);
    for (int i = 0; i < count; ++i) {
        Place(best, values[i]);
        const bool stop = Search();
        Unplace(best, values[i]);
        if (stop)
            return true;
    }
    return false;
}

int TExactSolver::Count(const TSudokuGrid& Givens, int Limit, TSudokuGrid* First) {
    if (int(Givens.size()) != shape_.Cells() || !Load(Givens))
        return 0;
    limit_ = Limit;
    Search();
    if (steps_ > kStepBudget)
        return kGaveUp;
    if (First != nullptr && found_ > 0)
        *First = first_;
    return found_;
}

bool TExactSolver::HasOtherSolution(const TSudokuGrid& Givens, int Cell, int Value) {
    TSudokuGrid open = Givens;
    open[size_t(Cell)] = 0;
    forbidCell_ = Cell;
    forbidBit_ = uint16_t(1u << (Value - 1));
    const int found = Count(open, 1);
    forbidCell_ = -1;
    // A search that gave up proves nothing; the cell is then kept as a given.
    return found != 0;
}

TSudokuGrid TExactSolver::RandomFill(TRandom& Rng) {
    rng_ = &Rng;
    Count(TSudokuGrid(size_t(shape_.Cells()), 0), 1, nullptr);
    rng_ = nullptr;
    return first_;
}
