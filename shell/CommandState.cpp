#include "CommandState.h"

namespace {
void SetRiddleCommands(const TRiddleFacts& f, TCommandStates& s) {
    const bool word = f.Loaded && !f.Sudoku;
    const bool sudoku = f.Loaded && f.Sudoku;
    const bool solving = f.DisplayMode == dmSolving;
    s.ShowFail = {f.Loaded && f.HelpFlags.Contains(hfShowFail), true, f.PaintOptions.Contains(poShowFail)};
    s.ShowLength = {word && f.WordType == rtPuzzle, true, word && f.PaintOptions.Contains(poShowLength)};
    s.ShowHintGrids = {sudoku, true, sudoku && f.PaintOptions.Contains(poShowHintGrids)};
    s.ShowHints = {f.Loaded, true, f.TooltipsOn};
    s.BlankField.Visible = word && f.WordType == rtAmerican && solving;
    s.BlankField.Checked = s.BlankField.Visible && f.CellUserBlack;
    s.FillLetter.Visible =
        (sudoku || (word && f.WordType != rtFindWords)) && f.HelpFlags.Contains(hfAutoFill) && solving;
    s.FillLetter.Enabled = sudoku || (word && !f.CellBlocked && f.Col >= 0 && f.Row >= 0);
    s.EnterWord.Visible = word && (f.WordType == rtSwedish || f.WordType == rtPuzzle) && solving;
    s.EnterWord.Enabled = s.FillLetter.Enabled && f.WordHasClue;
    s.SudokuTools.Visible = sudoku;
    s.PopupFillLetter.Visible = s.FillLetter.Visible && s.FillLetter.Enabled;
    s.PopupEnterWord.Visible = s.EnterWord.Visible && s.EnterWord.Enabled;
    s.FillLetterCaption =
        f.Sudoku ? QStringLiteral("Symbol &eintragen") : QStringLiteral("Buchstaben &eintragen");
    // A word riddle shows lengths, a sudoku its possible symbols; only one of the buttons shows.
    const TCommandView& length = s.ShowLength.Visible ? s.ShowLength : s.ShowHintGrids;
    s.LengthItem = {length.Visible, true, length.Visible && length.Checked};
    if (f.Sudoku) {
        s.LengthCaption = QStringLiteral("&Mögliche Symbole anzeigen");
        s.LengthHint = QStringLiteral("Alle möglichen Symbole in den Feldern anzeigen");
        s.LengthIcon = QStringLiteral("hint-grids");
    } else {
        s.LengthCaption = QStringLiteral("&Begrifflängen anzeigen");
        s.LengthHint = QStringLiteral("Die Längen der Begriffe anzeigen");
        s.LengthIcon = QStringLiteral("show-length");
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
    s.LegendSubmenu = {loaded, true, false};
    SetRiddleCommands(Riddle, s);
    return s;
}

QString UndoCaption(const QString& UndoText) {
    const QString caption = QStringLiteral("&Rückgängig");
    return UndoText.isEmpty() ? caption : caption + QStringLiteral(": ") + UndoText;
}
