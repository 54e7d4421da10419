#include "CommandState.h"

namespace {
void SetRiddleCommands(const TRiddleFacts& F, TCommandStates& S) {
    const bool word = F.Loaded && !F.Sudoku;
    const bool sudoku = F.Loaded && F.Sudoku;
    const bool solving = F.DisplayMode == dmSolving;
    S.ShowFail = {F.Loaded && F.HelpFlags.Contains(hfShowFail), true, F.PaintOptions.Contains(poShowFail)};
    S.ShowLength = {word && F.WordType == rtPuzzle, true, word && F.PaintOptions.Contains(poShowLength)};
    S.ShowHintGrids = {sudoku, true, sudoku && F.PaintOptions.Contains(poShowHintGrids)};
    S.ShowHints = {F.Loaded, true, F.TooltipsOn};
    S.BlankField.Visible = word && F.WordType == rtAmerican && solving;
    S.BlankField.Checked = S.BlankField.Visible && F.CellUserBlack;
    S.FillLetter.Visible =
        (sudoku || (word && F.WordType != rtFindWords)) && F.HelpFlags.Contains(hfAutoFill) && solving;
    S.FillLetter.Enabled = sudoku || (word && !F.CellBlocked && F.Col >= 0 && F.Row >= 0);
    S.EnterWord.Visible = word && (F.WordType == rtSwedish || F.WordType == rtPuzzle) && solving;
    S.EnterWord.Enabled = S.FillLetter.Enabled && F.WordHasClue;
    S.SudokuTools.Visible = sudoku;
    S.Notes = {sudoku, true, F.NotesMode};
    S.PopupFillLetter.Visible = S.FillLetter.Visible && S.FillLetter.Enabled;
    S.PopupEnterWord.Visible = S.EnterWord.Visible && S.EnterWord.Enabled;
    S.FillLetterCaption =
        F.Sudoku ? QStringLiteral("Symbol &eintragen") : QStringLiteral("Buchstaben &eintragen");
    // A word riddle shows lengths, a sudoku its possible symbols; only one of the buttons shows.
    const TCommandView& length = S.ShowLength.Visible ? S.ShowLength : S.ShowHintGrids;
    S.LengthItem = {length.Visible, true, length.Visible && length.Checked};
    if (F.Sudoku) {
        S.LengthCaption = QStringLiteral("&Mögliche Symbole anzeigen");
        S.LengthHint = QStringLiteral("Alle möglichen Symbole in den Feldern anzeigen");
        S.LengthIcon = QStringLiteral("hint-grids");
    } else {
        S.LengthCaption = QStringLiteral("&Begrifflängen anzeigen");
        S.LengthHint = QStringLiteral("Die Längen der Begriffe anzeigen");
        S.LengthIcon = QStringLiteral("show-length");
    }
}
} // namespace

TCommandStates CommandStates(const TRiddleFacts& Riddle, const TSessionFacts& Session) {
    TCommandStates s;
    const bool loaded = Riddle.Loaded;
    s.Print = {true, loaded && Session.HasPrinter, false};
    s.Properties = {true, loaded, false};
    s.Undo = {loaded, Session.UndoAvailable, false};
    s.UndoSeparator = {loaded, true, false};
    s.UndoCaption = UndoCaption(Session.UndoText);
    // While the solution is shown (or the riddle is edited) a reset would clear what the solver
    // cannot see.
    s.Reset = {loaded && Riddle.DisplayMode != dmEditing, loaded && Riddle.DisplayMode == dmSolving, false};
    s.EditMenu = {loaded, true, false};
    s.ViewMenu = {loaded, true, false};
    s.Solution = {true, loaded && Riddle.HelpFlags.Contains(hfShowRiddle),
                  loaded && Riddle.DisplayMode == dmSolution};
    s.RiddleSubmenu = {loaded, true, false};
    s.Pause = {loaded, loaded && Riddle.ClockRunning, false};
    s.LegendSubmenu = {loaded, true, false};
    SetRiddleCommands(Riddle, s);
    s.MenuBlankField = {s.BlankField.Visible, true, s.BlankField.Checked};
    s.MenuShowFail = {s.ShowFail.Visible, true, s.ShowFail.Visible && s.ShowFail.Checked};
    s.MenuShowHints = {s.ShowHints.Visible, true, s.ShowHints.Visible && s.ShowHints.Checked};
    s.Legend = LegendMenuState(Riddle.Legend);
    s.Symbols = Riddle.Symbols;
    s.MarkedSymbol = Riddle.MarkedSymbol;
    s.Snapshots = Riddle.Snapshots;
    return s;
}

TCommandView TCommandStates::Mark(int Tag) const {
    return {MarkTagVisible(Tag, Symbols), true, Tag == MarkedSymbol};
}

TCommandView TCommandStates::Snapshot(int Slot) const {
    return {!Snapshots[size_t(Slot - 1)].isNull(), true, false};
}

QString TCommandStates::SnapshotCaption(int Slot) const {
    return SnapshotItemCaption(Slot, Snapshots[size_t(Slot - 1)]);
}

QString TCommandStates::SnapshotHint(int Slot) const {
    return SnapshotItemHint(Snapshots[size_t(Slot - 1)]);
}

TLegendMenuState LegendMenuState(const TLegendMenuFacts& F) {
    auto follow = [](bool WindowShown, const TCommandView& B, bool WithEnabled) {
        const bool visible = WindowShown && B.Visible;
        return TCommandView{visible, !WithEnabled || B.Enabled, visible && B.Checked};
    };
    TLegendMenuState s;
    s.Ausblenden = follow(F.ClueLegendShown, F.Ausblenden, false);
    s.Markieren = follow(F.ClueLegendShown, F.Markieren, true);
    s.EineLegende = follow(F.ClueLegendShown, F.EineLegende, false);
    s.LegAutomatisch = follow(F.NumLegendShown, F.AutoEintragen, false);
    // The two transfer commands are plain commands without a check mark.
    s.LegUebernehmen = follow(F.NumLegendShown, F.LegendeEintragen, false);
    s.LegUebernehmen.Checked = false;
    s.LegEintragen = follow(F.NumLegendShown, F.RaetselEintragen, true);
    s.LegEintragen.Checked = false;
    return s;
}

QString UndoCaption(const QString& UndoText) {
    const QString caption = QStringLiteral("&Rückgängig");
    return UndoText.isEmpty() ? caption : caption + QStringLiteral(": ") + UndoText;
}
