#pragma once

// Grades a sudoku by the techniques a person needs to solve it. A logical solver applies the
// techniques in order of difficulty, always the easiest one that still makes progress, and
// remembers the hardest it had to use. Where none of them helps, the sudoku needs more (an
// X-wing, a chain or a guess) and counts as the hardest skill.

#include "RiddleTypes.h"
#include "SudokuSolver.h"

#include <QString>

enum TSudokuTechnique : uint8_t {
    tqNone, // nothing to do: every cell is given
    tqNakedSingle,
    tqHiddenSingle,
    tqLockedCandidates,
    tqNakedPair,
    tqHiddenPair,
    tqNakedTriple,
    tqHiddenTriple,
    tqBeyond
};

struct TSudokuGrade {
    TSudokuSkill Skill = skNone;
    TSudokuTechnique Hardest = tqNone;
};

// The rows, columns and boxes of one shape and how they meet, worked out once for many gradings.
struct TSudokuTopology {
    explicit TSudokuTopology(const TSudokuShape& Shape);
    // Where a box meets a row or a column: the shared cells and the rest of either unit.
    struct TIntersection {
        std::vector<int> Common, BoxRest, LineRest;
    };
    TSudokuShape Shape;
    std::vector<std::vector<int>> Units; // rows, then columns, then boxes
    std::vector<std::vector<int>> Peers;
    std::vector<TIntersection> Intersections;
};

// The givens are expected to have exactly one solution; others grade as tqBeyond.
TSudokuGrade GradeSudoku(const TSudokuTopology& Topology, const TSudokuGrid& Givens);
TSudokuGrade GradeSudoku(const TSudokuShape& Shape, const TSudokuGrid& Givens);

TSudokuSkill SkillOfTechnique(TSudokuTechnique Technique);
// German names, as an author reads them next to the skill.
QString TechniqueName(TSudokuTechnique Technique);
