#pragma once

// The decisions behind the main window's menu and tool bar: which commands are visible, enabled
// and checked, the captions that depend on the riddle, the questions of the reset command and
// the message after the riddle is filled in. Plain values in, plain values out, so the rules can
// be checked without a window.

#include "RiddleToolbarRules.h"
#include "RiddleTypes.h"

#include <QString>
#include <optional>

// The state of one menu item as its opening handler leaves it.
struct TMenuItemState {
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    bool operator==(const TMenuItemState&) const = default;
};

// UpdateCommands: the tool bar buttons that follow the riddle window, and the two menus that
// only make sense with a riddle.
struct TCommandFacts {
    bool RiddleWindow = false;
    bool HasPrinter = false;
    // Of the shown grid: 0 solving, 1 solution shown, 2 editing.
    uint8_t DisplayMode = 0;
};
struct TCommandState {
    bool PrintEnabled = false;
    bool InfosEnabled = false;
    bool ResetEnabled = false;
    bool EditMenuVisible = false;
    bool ViewMenuVisible = false;
};
TCommandState CommandState(const TCommandFacts& f);

// Menu "&Bearbeiten" when it opens.
struct TEditMenuFacts {
    bool RiddleWindow = false;
    bool Sudoku = false;
    uint8_t DisplayMode = 0;
    // The tool bar buttons TBBeaRueckgaengig and TBBeaZuruecksetzen.
    bool UndoEnabled = false;
    bool ResetEnabled = false;
    QString UndoText;
    // The riddle window's buttons the items mirror; all hidden without a riddle window.
    TButtonView Leerfeld, Buchst, Begr;
};
struct TEditMenuState {
    TMenuItemState Rueckgaengig, Zuruecksetzen, N1, Leerfeld, BuchstEintragen, BegriffEintragen;
    TMenuItemState FelderMarkieren, Schnappschuss;
    QString RueckgaengigCaption;
    QString BuchstCaption;
};
TEditMenuState EditMenuState(const TEditMenuFacts& f);
// "&Rückgängig", followed by the name of the step that undo takes back.
QString UndoCaption(const QString& undoText);

// Menu "&Ansicht" and its submenu "&Rätsel" when they open.
struct TViewMenuFacts {
    bool RiddleWindow = false;
    bool Sudoku = false;
    uint8_t DisplayMode = 0;
    THelpFlags HelpFlags;
    TButtonView ShowFail, ShowLength, ShowHintGrids, ShowHints;
};
struct TViewMenuState {
    TMenuItemState Loesung, Raetsel, Legende, Fehleintraege, BegriffLaengen, Tooltips;
    QString BegriffLaengenCaption;
    QString BegriffLaengenHint;
    // The resource name of the length item's icon.
    QString BegriffLaengenIcon;
};
TViewMenuState ViewMenuState(const TViewMenuFacts& f);

// Submenu "L&egende": the items follow the buttons of the legend windows, each window's items
// only while that window exists and is visible.
struct TLegendMenuFacts {
    bool ClueLegendShown = false;
    TButtonView Ausblenden, Markieren, EineLegende;
    bool NumLegendShown = false;
    TButtonView AutoEintragen, LegendeEintragen, RaetselEintragen;
};
struct TLegendMenuState {
    TMenuItemState Ausblenden, Markieren, EineLegende, LegAutomatisch, LegUebernehmen, LegEintragen;
};
TLegendMenuState LegendMenuState(const TLegendMenuFacts& f);

// Captions of the main menu's marking items: as the pop-up menu's, with an accelerator.
QString MainMarkItemCaption(int tag);

// The question the reset command asks. Given cells make it three-way: keep them or clear them.
struct TResetQuestion {
    QString Text;
    bool YesNoCancel = false;
};
TResetQuestion ResetQuestion(int givenCells, bool sudoku);

// The message after the riddle has been filled in completely; none for any other state.
enum TStateMessageKind { smError = 0, smSuccess = 1 };
struct TStateMessage {
    TStateMessageKind Kind = smSuccess;
    QString Text;
    bool operator==(const TStateMessage&) const = default;
};
std::optional<TStateMessage> StateMessage(TRiddleState state, bool countTime, uint16_t bestTime,
                                          uint16_t time);
