#include "StopwatchRules.h"

#include "RiddleText.h"

namespace {
constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x008000;
constexpr TColor kLime = 0x00FF00;
} // namespace

TStopwatchView StopwatchView(uint16_t Time, uint16_t BestTime, bool CountUp) {
    TStopwatchView v;
    v.Seconds = CountUp ? int(Time) : int(BestTime) - int(Time);
    v.SignVisible = !CountUp && BestTime != 0;
    if (v.Seconds < 0) {
        v.SegmentColor = kRed;
        v.SignText = QStringLiteral("-");
        v.SignColor = clMaroon;
        v.SignPointSize = 26;
    } else {
        v.SignText = QStringLiteral("+");
        v.SignColor = kGreen;
        v.SignPointSize = 24;
        v.SegmentColor = BestTime != 0 ? kLime : clBlue;
    }
    return v;
}

double StopwatchValue(int Seconds) {
    // Both parts truncate toward zero, so a negative count reads as minutes and seconds too.
    return Seconds / 60 + (Seconds % 60) / 100.0;
}

QString BestTimeText(const QString& Holder, uint16_t BestTime) {
    if (BestTime == 0)
        return QString();
    const QString time = FormatSolveTime(BestTime, true);
    return Holder.isEmpty() ? time : Holder + QStringLiteral(": ") + time;
}
