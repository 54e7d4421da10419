#pragma once

// Where the tool windows stand around the riddle window, so that none of them covers another.
// An empty rectangle stands for a window that does not exist.

#include <QPoint>
#include <QRect>

// The clue legend: right of the riddle window and as high as it, but never so low that its
// lists show only a row or two beside a small riddle.
QRect LegendHome(const QRect& Riddle);

// The solution word: below the riddle window; below the legend as well when it is wider than the
// riddle window and would reach under a legend taller than the riddle window.
QPoint SolutionHome(const QRect& Riddle, const QRect& Legend, int SolutionWidth);

// The stopwatch: right of the riddle window, below the legend window there, and below a solution
// word window that reaches into that column.
QPoint StopwatchHome(const QRect& Riddle, const QRect& Legend, const QRect& Solution);
