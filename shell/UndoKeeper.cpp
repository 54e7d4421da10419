#include "UndoKeeper.h"

bool CountDownUndo(int& Countdown, TRiddleChangeTypes AChange, const QString& MsgText) {
    const bool typed = MsgText == QString::fromUtf8(ChangeText::EnterLetter) ||
                       MsgText == QString::fromUtf8(ChangeText::EnterSymbol);
    if (AChange.Contains(ctDefinition) || !typed)
        Countdown = 0;
    else
        --Countdown;
    if (Countdown != 0)
        return false;
    Countdown = kLettersPerUndo;
    return true;
}

void SaveUndoBackup(TRiddleData& Backup, const TRiddleData& Shown) {
    Backup.Assign(Shown, true);
}

void RestoreUndoBackup(TRiddleData& Shown, const TRiddleData& Backup) {
    {
        TRecordingPause pause(Shown);
        Shown.Assign(Backup, true);
    }
    Shown.SetModified(true);
    SyncSolveClock(Shown);
}

void SyncSolveClock(TRiddleData& Riddle) {
    const TRiddleState state = Riddle.State();
    // A riddle filled in wrongly is still being solved: its clock runs on, as after typing.
    const bool solving = state == stReady || state == stPartial || state == stWrongChars;
    if (solving && Riddle.RiddleOptions().Contains(roCountTime))
        Riddle.StartClock(Riddle.Now().addSecs(-qint64(Riddle.Time())));
    else if (Riddle.ClockRunning())
        Riddle.StopClock();
}
