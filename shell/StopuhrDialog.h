#pragma once

// The stopwatch beside the grid of a timed riddle: the solve clock as minutes and seconds,
// counting up from zero or down from the riddle's best time, and the best time with its holder.
// The count direction is the only thing the window keeps; StopwatchView decides what shows.

#include "RiddleSupportForm.h"

class QLabel;
class QToolButton;
class TBevelLabel;
class TGradientPanel;
class TLEDDisplay;

class TStopuhrForm : public TRiddleSupportForm {
    Q_OBJECT
public:
    TStopuhrForm(QObject* Owner, TGridRiddle* Grid);

    TToolWindowKind ToolKind() const override { return twStopwatch; }

    // Keeps the window inside the main window and shows the best time; then the clock.
    void FormShow();
    // The display follows the clock and the count direction.
    void RefreshStopwatch();
    // Both count buttons.
    void SBCountUpClick();

    TGradientPanel* Verlauf = nullptr;
    TLEDDisplay* LEDTime = nullptr;
    QLabel* LblMinus = nullptr;
    QToolButton* SBCountUp = nullptr;
    QToolButton* SBCountDown = nullptr;
    QLabel* Label1 = nullptr;
    TBevelLabel* LblBestTime = nullptr;
};
