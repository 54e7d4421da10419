#include "SudokuGenerator.h"

namespace {
class TDigger {
public:
    TDigger(const TSudokuRequest& Request, TRandom& Rng)
        : request_(Request), shape_(TSudokuShape::OfSize(Request.Size)), solver_(shape_), topology_(shape_),
          rng_(Rng) {}

    std::optional<TGeneratedSudoku> Attempt();

private:
    // The cell with its partner under a half turn when the pattern is symmetric.
    std::vector<int> Group(int Cell) const {
        const int mirror = shape_.Cells() - 1 - Cell;
        return request_.Symmetric && mirror != Cell ? std::vector<int>{Cell, mirror} : std::vector<int>{Cell};
    }
    std::vector<int> ShuffledGroups() {
        std::vector<int> order;
        for (int cell = 0; cell < shape_.Cells(); ++cell)
            if (!request_.Symmetric || cell <= shape_.Cells() - 1 - cell)
                order.push_back(cell);
        rng_.Shuffle(order);
        return order;
    }
    // Takes away every given it can while the solution stays unique and, when bounded, the skill
    // stays at or below the one asked for.
    void Dig(TSudokuGrid& Puzzle, bool Bounded);

    TSudokuRequest request_;
    TSudokuShape shape_;
    TExactSolver solver_;
    TSudokuTopology topology_;
    TRandom& rng_;
    TSudokuGrid solution_;
};

void TDigger::Dig(TSudokuGrid& Puzzle, bool Bounded) {
    for (int cell : ShuffledGroups()) {
        const std::vector<int> group = Group(cell);
        if (Puzzle[size_t(cell)] == 0)
            continue;
        TSudokuGrid trial = Puzzle;
        for (int c : group)
            trial[size_t(c)] = 0;
        // Still unique as long as no freed cell can take another symbol.
        bool unique = true;
        for (int c : group)
            unique = unique && !solver_.HasOtherSolution(trial, c, solution_[size_t(c)]);
        if (unique && (!Bounded || GradeSudoku(topology_, trial).Skill <= request_.Skill))
            Puzzle = trial;
    }
}

// Digs within the skill first, which mostly lands on it. A small sudoku rarely needs pairs or
// triples, so when that stays below the skill it digs on freely, which mostly goes past it, then
// gives back solution cells at random until the skill falls to the one asked for, and digs again
// within it. For the larger sizes a fresh attempt is quicker. An attempt that misses fails.
std::optional<TGeneratedSudoku> TDigger::Attempt() {
    solution_ = solver_.RandomFill(rng_);
    TSudokuGrid puzzle = solution_;
    // The hardest skill has no bound: any unique sudoku beyond the techniques is one.
    Dig(puzzle, request_.Skill < skExpert);
    TSudokuGrade grade = GradeSudoku(topology_, puzzle);
    if (grade.Skill < request_.Skill && shape_.N == 6) {
        Dig(puzzle, false);
        grade = GradeSudoku(topology_, puzzle);
    }
    if (grade.Skill > request_.Skill) {
        for (int cell : ShuffledGroups()) {
            if (puzzle[size_t(cell)] != 0)
                continue;
            TSudokuGrid trial = puzzle;
            for (int c : Group(cell))
                trial[size_t(c)] = solution_[size_t(c)];
            const TSudokuGrade easier = GradeSudoku(topology_, trial);
            // A cell that makes it too easy stays open; the next one may land on the skill.
            if (easier.Skill < request_.Skill)
                continue;
            puzzle = trial;
            grade = easier;
            if (grade.Skill == request_.Skill)
                break;
        }
        Dig(puzzle, true);
        grade = GradeSudoku(topology_, puzzle);
    }
    if (grade.Skill != request_.Skill)
        return std::nullopt;
    return TGeneratedSudoku{puzzle, solution_, grade};
}
} // namespace

std::optional<TGeneratedSudoku> GenerateSudoku(const TSudokuRequest& Request, int MaxAttempts) {
    TRandom rng(Request.Seed);
    TDigger digger(Request, rng);
    for (int attempt = 0; attempt < MaxAttempts; ++attempt)
        if (auto found = digger.Attempt())
            return found;
    return std::nullopt;
}
