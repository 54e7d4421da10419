#pragma once

// Generates sudokus with exactly one solution and a chosen skill: a complete grid drawn at
// random, from which givens are taken away (singly, or in pairs that keep the pattern symmetric
// under a half turn) while the solution stays unique, and given back until the skill is the one
// asked for. An attempt that misses that skill starts over.

#include "SudokuGrader.h"
#include "SudokuSolver.h"

#include <optional>

struct TGeneratedSudoku {
    TSudokuGrid Givens;
    TSudokuGrid Solution;
    TSudokuGrade Grade;
};

struct TSudokuRequest {
    int Size = 9;
    TSudokuSkill Skill = skEasy;
    uint64_t Seed = 0;
    bool Symmetric = false;
};

// Empty when no attempt within the limit reached the skill (a small sudoku may have none of the
// hardest kind).
std::optional<TGeneratedSudoku> GenerateSudoku(const TSudokuRequest& Request, int MaxAttempts = 500);
