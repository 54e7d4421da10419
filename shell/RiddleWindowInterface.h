#pragma once

// What the main window may ask of the riddle window. The main window holds the riddle window
// through this interface only, so it never reaches into the riddle window's buttons or grids.
// The interface itself is the riddle window that is not there: it has no riddle and does nothing,
// so the main window's commands need not ask whether there is one.

#include "CommandState.h"
#include "PrintSource.h"

class QObject;
class TRiddleData;

class TRiddleWindowInterface {
public:
    virtual ~TRiddleWindowInterface() = default;

    // The riddle that was loaded, or null before (or without) one.
    virtual TRiddleData* ShownRiddle() const { return nullptr; }
    // The riddle's facts at the cursor, for the command states.
    virtual TRiddleFacts Facts() const { return {}; }
    // The grid takes the keyboard again.
    virtual void FocusGrid() {}
    // What a print takes: the shown riddle, its grid's fonts and the legend windows that are open.
    virtual TPrintSource PrintSource() const { return {}; }

    // Commands; Sender is the button or item that ran the command (its "Tag" says which way to
    // zoom, which symbol to mark, which snapshot to restore).
    virtual void MItemPlayZoomInClick(QObject*) {}
    virtual void MItemPlayShowFailClick() {}
    virtual void MItemPlayShowLengthClick() {}
    virtual void MItemPlayShowHintsClick() {}
    virtual void MItemPlayBuchstEintragenClick() {}
    virtual void MItemPlayBegriffEintragenClick() {}
    virtual void MItemPlayMarkKeineClick(QObject*) {}
    virtual void MItemPlaySnapErstellenClick() {}
    virtual void MItemPlaySnap1Click(QObject*) {}
    // Adds or removes the solver's blank mark on the current cell.
    virtual void SetCurrentCellBlank(bool) {}
    // Stops the solve clock and covers the riddle until the solver goes on.
    virtual void PauseSolving() {}

    // The display mode was switched from outside: tool bar, solution word and letter grids follow.
    virtual void DisplayModeChanged() {}
    // The riddle was restored from the undo backup: the tool windows show it and go home.
    virtual void RiddleRestored() {}
    virtual void UpdateSolutionWindow(bool) {}
    virtual void UpdateStopwatch(bool) {}
    // The view menu's legend commands go to the legend windows.
    virtual void MItemLegendeAusblendenClick() {}
    virtual void MItemLegendeMarkierenClick() {}
    virtual void MItemLegendeEineLegendeClick() {}
    virtual void MItemLegendeAutomatischEintragenClick() {}
    virtual void MItemLegendeUebernehmenClick() {}
    virtual void MItemLegendeEintragenClick() {}
    // A clue legend shows all clues in one list: Shift then turns a dragged word downwards.
    virtual bool LegendShowsOneList() const { return false; }
    // The drag flags changed; the legend's drag cursor shows them.
    virtual void UpdateDragCursor() {}
};
