#pragma once

// The authoring commands of riddlepack: solve, generate sudoku and import. Each takes the
// arguments after its name and its help text, and returns the exit status.

#include <QStringList>

int SolveCommand(const QStringList& Args, const char* Help);
int GenerateCommand(const QStringList& Args, const char* Help);
int ImportCommand(const QStringList& Args, const char* Help);
