#include "ToolWindowHomes.h"

#include <algorithm>

namespace {
constexpr int kLegendWidth = 300;
constexpr int kLegendMinHeight = 419;
} // namespace

QRect LegendHome(const QRect& Riddle) {
    return QRect(Riddle.left() + Riddle.width(), Riddle.top(), kLegendWidth,
                 std::max(Riddle.height(), kLegendMinHeight));
}

QPoint SolutionHome(const QRect& Riddle, const QRect& Legend, int SolutionWidth) {
    int top = Riddle.top() + Riddle.height();
    if (!Legend.isEmpty() && Riddle.left() + SolutionWidth > Legend.left())
        top = std::max(top, Legend.top() + Legend.height());
    return QPoint(Riddle.left(), top);
}

QPoint StopwatchHome(const QRect& Riddle, const QRect& Legend, const QRect& Solution) {
    const int left = Riddle.left() + Riddle.width();
    int top = Riddle.top();
    if (!Legend.isEmpty())
        top = std::max(top, Legend.top() + Legend.height());
    if (!Solution.isEmpty() && Solution.left() + Solution.width() > left)
        top = std::max(top, Solution.top() + Solution.height());
    return QPoint(left, top);
}
