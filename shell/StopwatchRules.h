#pragma once

// What the stopwatch shows of the solve clock, counting up from zero or down from the best time,
// and the best time as a text. Plain values in, plain values out.

#include "RiddleColors.h"

#include <QRect>
#include <QString>
#include <cstdint>

struct TStopwatchView {
    // The seconds counted: Time up, or BestTime − Time down (negative once the best time is past).
    int Seconds = 0;
    // The sign shows only while counting down from a best time.
    bool SignVisible = false;
    QString SignText;
    TColor SignColor = clBlack;
    int SignPointSize = 0;
    TColor SegmentColor = clBlue;
    bool operator==(const TStopwatchView&) const = default;
};

TStopwatchView StopwatchView(uint16_t Time, uint16_t BestTime, bool CountUp);
// What the display shows for the seconds: minutes, with the seconds as hundredths (75 seconds
// show as 1.15, −30 as −0.30).
double StopwatchValue(int Seconds);

// "Holder: 12:34 min", or only the time without a holder; empty without a best time.
QString BestTimeText(const QString& Holder, uint16_t BestTime);
