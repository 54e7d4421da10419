#pragma once

// What the main window may ask of the riddle window. The main window holds the riddle window
// through this interface only, so it never reaches into the riddle window's buttons or grids.

#include "CommandState.h"
#include "MainCommandRules.h"
#include "PrintSource.h"
#include "RiddleToolbarRules.h"

class QObject;
class TRiddleData;

class TRiddleWindowInterface {
public:
    virtual ~TRiddleWindowInterface() = default;

    // The riddle that was loaded, or null before (or without) one.
    virtual TRiddleData* ShownRiddle() const = 0;
    // The riddle's facts at the cursor, for the command states.
    virtual TRiddleFacts Facts() const = 0;
    // When each of the sudoku's snapshot slots was taken (null: empty).
    virtual TSnapshotTimes SnapshotTimes() const = 0;
    // The grid takes the keyboard again.
    virtual void FocusGrid() = 0;
    // What a print takes: the shown riddle, its grid's fonts and the legend windows that are open.
    virtual TPrintSource PrintSource() const = 0;

    // Commands; Sender is the button or item that ran the command (its "Tag" says which way to
    // zoom, which symbol to mark, which snapshot to restore).
    virtual void MItemPlayZoomInClick(QObject* Sender) = 0;
    virtual void MItemPlayShowFailClick() = 0;
    virtual void MItemPlayShowLengthClick() = 0;
    virtual void MItemPlayShowHintsClick() = 0;
    virtual void MItemPlayBuchstEintragenClick() = 0;
    virtual void MItemPlayBegriffEintragenClick() = 0;
    virtual void MItemPlayMarkKeineClick(QObject* Sender) = 0;
    virtual void MItemPlaySnapErstellenClick() = 0;
    virtual void MItemPlaySnap1Click(QObject* Sender) = 0;
    // Adds or removes the solver's blank mark on the current cell.
    virtual void SetCurrentCellBlank(bool Blank) = 0;

    // The display mode was switched from outside: tool bar, solution word and letter grids follow.
    virtual void DisplayModeChanged() = 0;
    // The riddle was restored from the undo backup: the tool windows show it and go home.
    virtual void RiddleRestored() = 0;
    virtual void UpdateSolutionWindow(bool Place) = 0;
    // The view menu's legend items follow the legend windows' state; their commands go there.
    virtual TLegendMenuFacts LegendMenuFacts() const = 0;
    virtual void MItemLegendeAusblendenClick() = 0;
    virtual void MItemLegendeMarkierenClick() = 0;
    virtual void MItemLegendeEineLegendeClick() = 0;
    virtual void MItemLegendeAutomatischEintragenClick() = 0;
    virtual void MItemLegendeUebernehmenClick() = 0;
    virtual void MItemLegendeEintragenClick() = 0;
    // A clue legend shows all clues in one list: Shift then turns a dragged word downwards.
    virtual bool LegendShowsOneList() const = 0;
    // The drag flags changed; the legend's drag cursor shows them.
    virtual void UpdateDragCursor() = 0;
    virtual void UpdateStopwatch(bool Place) = 0;
};
