#include "SudokuGrader.h"

#include <algorithm>
#include <bit>

TSudokuTopology::TSudokuTopology(const TSudokuShape& AShape)
    : Shape(AShape), Units(size_t(3 * AShape.N)), Peers(size_t(AShape.Cells())) {
    const int n = Shape.N;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            Units[size_t(r)].push_back(r * n + c);
            Units[size_t(n + c)].push_back(r * n + c);
            Units[size_t(2 * n + Shape.BoxOf(r, c))].push_back(r * n + c);
        }
    for (int a = 0; a < Shape.Cells(); ++a)
        for (int b = 0; b < Shape.Cells(); ++b)
            if (a != b &&
                (a / n == b / n || a % n == b % n || Shape.BoxOf(a / n, a % n) == Shape.BoxOf(b / n, b % n)))
                Peers[size_t(a)].push_back(b);
    auto contains = [](const std::vector<int>& Cells, int Cell) {
        return std::find(Cells.begin(), Cells.end(), Cell) != Cells.end();
    };
    for (int box = 2 * n; box < 3 * n; ++box)
        for (int line = 0; line < 2 * n; ++line) {
            TIntersection x;
            for (int cell : Units[size_t(box)])
                (contains(Units[size_t(line)], cell) ? x.Common : x.BoxRest).push_back(cell);
            for (int cell : Units[size_t(line)])
                if (!contains(x.Common, cell))
                    x.LineRest.push_back(cell);
            if (!x.Common.empty())
                Intersections.push_back(std::move(x));
        }
}

namespace {

class TLogicSolver {
public:
    TLogicSolver(const TSudokuTopology& Topology, const TSudokuGrid& Givens);
    TSudokuGrade Run();

private:
    bool Place(int Cell, int Value);
    bool Eliminate(int Cell, uint16_t Bits);
    bool NakedSingle();
    bool HiddenSingle();
    bool LockedCandidates();
    bool NakedSubset(int Size);
    bool HiddenSubset(int Size);
    bool Apply(TSudokuTechnique Technique);
    uint16_t Union(const std::vector<int>& Cells) const;
    bool EliminateAll(const std::vector<int>& Cells, uint16_t Bits);

    const TSudokuTopology& top_;
    const TSudokuShape& shape_;
    std::vector<uint16_t> cand_; // candidates of an empty cell; 0 once filled
    TSudokuGrid value_;
    bool broken_ = false; // a cell or a symbol has no place left
    int open_ = 0;        // cells without a value
};

TLogicSolver::TLogicSolver(const TSudokuTopology& Topology, const TSudokuGrid& Givens)
    : top_(Topology), shape_(Topology.Shape), cand_(size_t(shape_.Cells()), shape_.AllSymbols()),
      value_(size_t(shape_.Cells()), 0), open_(shape_.Cells()) {
    for (int cell = 0; cell < shape_.Cells() && !broken_; ++cell)
        if (Givens[size_t(cell)] != 0)
            broken_ = !Place(cell, Givens[size_t(cell)]);
}

bool TLogicSolver::Place(int Cell, int Value) {
    const uint16_t bit = uint16_t(1u << (Value - 1));
    if (value_[size_t(Cell)] != 0 || (cand_[size_t(Cell)] & bit) == 0)
        return false;
    value_[size_t(Cell)] = uint8_t(Value);
    cand_[size_t(Cell)] = 0;
    --open_;
    for (int peer : top_.Peers[size_t(Cell)])
        if (value_[size_t(peer)] == 0 && !Eliminate(peer, bit))
            return false;
    return true;
}

// False when the cell is left without a candidate.
bool TLogicSolver::Eliminate(int Cell, uint16_t Bits) {
    cand_[size_t(Cell)] &= uint16_t(~Bits);
    return cand_[size_t(Cell)] != 0;
}

bool TLogicSolver::NakedSingle() {
    bool progress = false;
    for (int cell = 0; cell < shape_.Cells() && !broken_; ++cell)
        if (value_[size_t(cell)] == 0 && std::popcount(cand_[size_t(cell)]) == 1) {
            broken_ = !Place(cell, std::countr_zero(cand_[size_t(cell)]) + 1);
            progress = true;
        }
    return progress;
}

bool TLogicSolver::HiddenSingle() {
    bool progress = false;
    for (const auto& unit : top_.Units) {
        uint16_t placed = 0, once = 0, twice = 0;
        for (int cell : unit) {
            placed |= value_[size_t(cell)] ? uint16_t(1u << (value_[size_t(cell)] - 1)) : 0;
            twice |= uint16_t(once & cand_[size_t(cell)]);
            once |= cand_[size_t(cell)];
        }
        if ((placed | once) != shape_.AllSymbols()) {
            broken_ = true;
            return false;
        }
        // Every symbol with one place in this unit goes there; a placement elsewhere in the
        // unit cannot take another's place, as each has its own cell.
        for (uint16_t single = uint16_t(once & ~twice); single != 0 && !broken_;
             single &= uint16_t(single - 1)) {
            const uint16_t bit = uint16_t(single & -single);
            for (int cell : unit)
                if (cand_[size_t(cell)] & bit) {
                    broken_ = !Place(cell, std::countr_zero(bit) + 1);
                    progress = true;
                    break;
                }
        }
        if (broken_)
            return progress;
    }
    return progress;
}

uint16_t TLogicSolver::Union(const std::vector<int>& Cells) const {
    uint16_t bits = 0;
    for (int cell : Cells)
        bits |= cand_[size_t(cell)];
    return bits;
}

// True when some cell lost a candidate.
bool TLogicSolver::EliminateAll(const std::vector<int>& Cells, uint16_t Bits) {
    bool changed = false;
    for (int cell : Cells)
        if (cand_[size_t(cell)] & Bits) {
            changed = true;
            broken_ = !Eliminate(cell, Bits) || broken_;
        }
    return changed;
}

// A symbol that a box keeps to one row or column leaves the rest of that line (pointing); one
// that a line keeps to one box leaves the rest of that box (claiming).
bool TLogicSolver::LockedCandidates() {
    for (const TSudokuTopology::TIntersection& x : top_.Intersections) {
        const uint16_t common = Union(x.Common), boxRest = Union(x.BoxRest), lineRest = Union(x.LineRest);
        const bool pointing = EliminateAll(x.LineRest, uint16_t(common & ~boxRest));
        const bool claiming = EliminateAll(x.BoxRest, uint16_t(common & ~lineRest));
        if (pointing || claiming)
            return true;
    }
    return false;
}

// The next set of the same number of bits (Gosper's hack); 0 after the last below 1 << Width.
uint32_t NextCombination(uint32_t Set, int Width) {
    const uint32_t low = Set & -Set, ripple = Set + low;
    const uint32_t next = ripple | (((Set ^ ripple) >> 2) / low);
    return next < (1u << Width) ? next : 0;
}

// Size cells of a unit that hold only Size candidates between them: no other cell of the unit
// can take those symbols.
bool TLogicSolver::NakedSubset(int Size) {
    for (const auto& unit : top_.Units) {
        std::vector<int> open;
        for (int cell : unit)
            if (value_[size_t(cell)] == 0)
                open.push_back(cell);
        const int m = int(open.size());
        if (m <= Size)
            continue;
        for (uint32_t set = (1u << Size) - 1; set != 0; set = NextCombination(set, m)) {
            uint16_t bits = 0;
            for (int i = 0; i < m; ++i)
                if (set & (1u << i))
                    bits |= cand_[size_t(open[size_t(i)])];
            if (std::popcount(bits) != Size)
                continue;
            std::vector<int> others;
            for (int i = 0; i < m; ++i)
                if (!(set & (1u << i)))
                    others.push_back(open[size_t(i)]);
            if (EliminateAll(others, bits))
                return true;
        }
    }
    return false;
}

// Size symbols that have only Size cells of a unit between them: those cells take nothing else.
bool TLogicSolver::HiddenSubset(int Size) {
    const int n = shape_.N;
    for (const auto& unit : top_.Units) {
        std::vector<uint32_t> places(size_t(n), 0);
        for (int i = 0; i < n; ++i)
            for (int v = 0; v < n; ++v)
                if (cand_[size_t(unit[size_t(i)])] & (1u << v))
                    places[size_t(v)] |= 1u << i;
        for (uint32_t set = (1u << Size) - 1; set != 0; set = NextCombination(set, n)) {
            uint32_t cells = 0;
            bool usable = true;
            for (int v = 0; v < n && usable; ++v)
                if (set & (1u << v)) {
                    usable = places[size_t(v)] != 0;
                    cells |= places[size_t(v)];
                }
            if (!usable || std::popcount(cells) != Size)
                continue;
            std::vector<int> inside;
            for (int i = 0; i < n; ++i)
                if (cells & (1u << i))
                    inside.push_back(unit[size_t(i)]);
            if (EliminateAll(inside, uint16_t(~set)))
                return true;
        }
    }
    return false;
}

bool TLogicSolver::Apply(TSudokuTechnique Technique) {
    switch (Technique) {
    case tqNakedSingle:
        return NakedSingle();
    case tqHiddenSingle:
        return HiddenSingle();
    case tqLockedCandidates:
        return LockedCandidates();
    case tqNakedPair:
        return NakedSubset(2);
    case tqHiddenPair:
        return HiddenSubset(2);
    case tqNakedTriple:
        return NakedSubset(3);
    case tqHiddenTriple:
        return HiddenSubset(3);
    default:
        return false;
    }
}

TSudokuGrade TLogicSolver::Run() {
    TSudokuTechnique hardest = tqNone;
    while (!broken_ && open_ > 0) {
        TSudokuTechnique used = tqBeyond;
        for (int t = tqNakedSingle; t < tqBeyond && used == tqBeyond; ++t)
            if (Apply(TSudokuTechnique(t)))
                used = TSudokuTechnique(t);
        hardest = std::max(hardest, used);
        if (used == tqBeyond)
            break;
    }
    if (broken_)
        hardest = tqBeyond;
    return TSudokuGrade{SkillOfTechnique(hardest), hardest};
}
} // namespace

TSudokuGrade GradeSudoku(const TSudokuTopology& Topology, const TSudokuGrid& Givens) {
    return TLogicSolver(Topology, Givens).Run();
}

TSudokuGrade GradeSudoku(const TSudokuShape& Shape, const TSudokuGrid& Givens) {
    return GradeSudoku(TSudokuTopology(Shape), Givens);
}

TSudokuSkill SkillOfTechnique(TSudokuTechnique Technique) {
    switch (Technique) {
    case tqNone:
    case tqNakedSingle:
    case tqHiddenSingle:
        return skEasy;
    case tqLockedCandidates:
        return skMedium;
    case tqBeyond:
        return skExpert;
    default:
        return skHard;
    }
}

QString TechniqueName(TSudokuTechnique Technique) {
    static const char* const kNames[] = {"keine",
                                         "nackter Einer",
                                         "versteckter Einer",
                                         "gesperrte Kandidaten",
                                         "nacktes Paar",
                                         "verstecktes Paar",
                                         "nacktes Tripel",
                                         "verstecktes Tripel",
                                         "mehr als Paare und Tripel (X-Wing, Ketten, Raten)"};
    return QString::fromUtf8(kNames[Technique]);
}
