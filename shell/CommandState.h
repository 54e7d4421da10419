#pragma once

// Which commands the player offers at a moment: visible, enabled and checked, with the captions
// that depend on the riddle. Computed in this one place from facts of the riddle and of the
// session; the riddle window's tool bar and pop-up menu and the main window's tool bar and menus
// are only views of the result. Plain values in, plain values out, so the rules can be checked
// without a window.

#include "RiddleToolbarRules.h"
#include "RiddleTypes.h"

#include <QString>

struct TCommandView {
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    bool operator==(const TCommandView&) const = default;
};

// The view menu's legend items follow the buttons of the legend windows, each window's items only
// while that window exists and is visible.
struct TLegendMenuFacts {
    bool ClueLegendShown = false;
    TCommandView Ausblenden, Markieren, EineLegende;
    bool NumLegendShown = false;
    TCommandView AutoEintragen, LegendeEintragen, RaetselEintragen;
};
struct TLegendMenuState {
    TCommandView Ausblenden, Markieren, EineLegende, LegAutomatisch, LegUebernehmen, LegEintragen;
};
TLegendMenuState LegendMenuState(const TLegendMenuFacts& F);

// What the commands depend on, read from the riddle data and the windows' own state, never from
// widgets.
struct TRiddleFacts {
    // A riddle window with a loaded riddle.
    bool Loaded = false;
    bool Sudoku = false;
    // The word riddle's type (meaningless for a sudoku).
    TRiddleType WordType = rtSwedish;
    TDisplayMode DisplayMode = dmSolving;
    THelpFlags HelpFlags;
    TPaintOptions PaintOptions;
    // The cell the commands act on (the cursor, or the cell a tool bar refresh names).
    int Col = 0;
    int Row = 0;
    bool CellBlocked = true;
    bool CellUserBlack = false;
    // The current word has a clue number above 0.
    bool WordHasClue = false;
    // The riddle window's tooltip switch.
    bool TooltipsOn = false;
    // The solve clock runs (a pause stops it).
    bool ClockRunning = false;
    // Symbol keys and the palette make notes in the sudoku.
    bool NotesMode = false;
    // The sudoku's symbol count and marked symbol, its snapshot slots, and the legend windows.
    int Symbols = 9;
    int MarkedSymbol = 0;
    TSnapshotTimes Snapshots;
    TLegendMenuFacts Legend;
};

// What the main window adds.
struct TSessionFacts {
    // An undo backup waits to be restored, and the name of its step.
    bool UndoAvailable = false;
    QString UndoText;
    bool HasPrinter = false;
};

struct TCommandStates {
    // The main window's tool bar and menus.
    TCommandView Print, Properties, Undo, UndoSeparator, Reset;
    TCommandView EditMenu, ViewMenu, Solution, RiddleSubmenu, LegendSubmenu;
    // Offered only while the solve clock runs.
    TCommandView Pause;
    QString UndoCaption;

    // The riddle's commands: the riddle window's buttons show these, and the items of both menus
    // that mirror a button follow them.
    TCommandView ShowFail, ShowLength, ShowHintGrids, ShowHints, BlankField, FillLetter, EnterWord;
    // The marking panel and the sudoku's submenus "Felder markieren" and "Schnappschuss".
    TCommandView SudokuTools;
    // The sudoku's switch between symbols and notes.
    TCommandView Notes;
    // The pop-up menu offers the fill-in commands only where they can act.
    TCommandView PopupFillLetter, PopupEnterWord;
    // One item stands for the word lengths of a puzzle or the possible symbols of a sudoku.
    TCommandView LengthItem;
    QString LengthCaption, LengthHint, LengthIcon;
    // "Buchstaben &eintragen", or "Symbol &eintragen" for a sudoku.
    QString FillLetterCaption;
    // The main menu's items of a toggle: enabled, checked only while shown.
    TCommandView MenuBlankField, MenuShowFail, MenuShowHints;
    TLegendMenuState Legend;

    // A marking item or button (by its tag) and a snapshot item (slots 1 … 4).
    TCommandView Mark(int Tag) const;
    TCommandView Snapshot(int Slot) const;
    QString SnapshotCaption(int Slot) const;
    QString SnapshotHint(int Slot) const;
    int Symbols = 9;
    int MarkedSymbol = 0;
    TSnapshotTimes Snapshots;
};

TCommandStates CommandStates(const TRiddleFacts& Riddle, const TSessionFacts& Session);

// "&Rückgängig", followed by the name of the step that undo takes back.
QString UndoCaption(const QString& UndoText);
