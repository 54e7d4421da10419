#include "MainCommandRules.h"

TCommandState CommandState(const TCommandFacts& f) {
    TCommandState s;
    if (!f.RiddleWindow)
        return s;
    s.PrintEnabled = f.HasPrinter;
    s.InfosEnabled = true;
    // While the solution is shown (or the riddle is edited) a reset would clear what the
    // solver cannot see.
    s.ResetEnabled = f.DisplayMode == 0;
    s.EditMenuVisible = true;
    s.ViewMenuVisible = true;
    return s;
}

QString UndoCaption(const QString& undoText) {
    const QString caption = QStringLiteral("&Rückgängig");
    return undoText.isEmpty() ? caption : caption + QStringLiteral(": ") + undoText;
}

TEditMenuState EditMenuState(const TEditMenuFacts& f) {
    TEditMenuState s;
    s.Rueckgaengig = {f.RiddleWindow, f.UndoEnabled, false};
    s.RueckgaengigCaption = UndoCaption(f.UndoText);
    s.Zuruecksetzen = {f.RiddleWindow && f.DisplayMode != 2, f.ResetEnabled, false};
    s.N1 = {s.Rueckgaengig.Visible, true, false};
    s.Leerfeld = {f.Leerfeld.Visible, true, f.Leerfeld.Down};
    s.BuchstEintragen = {f.Buchst.Visible, f.Buchst.Enabled, false};
    s.BuchstCaption =
        f.Sudoku ? QStringLiteral("Symbol &eintragen") : QStringLiteral("Buchstaben &eintragen");
    s.BegriffEintragen = {f.Begr.Visible, f.Begr.Enabled, false};
    // Marking and snapshots exist for the sudoku control only.
    const bool sudoku = f.RiddleWindow && f.Sudoku;
    s.FelderMarkieren = {sudoku, true, false};
    s.Schnappschuss = {sudoku, true, false};
    return s;
}

TViewMenuState ViewMenuState(const TViewMenuFacts& f) {
    TViewMenuState s;
    s.Loesung = {true, f.RiddleWindow && f.HelpFlags.Contains(hfShowRiddle),
                 f.RiddleWindow && f.DisplayMode == 1};
    s.Raetsel = {f.RiddleWindow, true, false};
    s.Legende = {f.RiddleWindow, true, false};
    const bool failVisible = f.RiddleWindow && f.HelpFlags.Contains(hfShowFail);
    s.Fehleintraege = {failVisible, true, failVisible && f.ShowFail.Down};
    // A word riddle shows lengths, a sudoku its possible symbols; only one of the buttons shows.
    const bool lengthVisible = f.ShowLength.Visible || f.ShowHintGrids.Visible;
    const bool lengthDown = f.ShowLength.Visible ? f.ShowLength.Down : f.ShowHintGrids.Down;
    s.BegriffLaengen = {lengthVisible, true, lengthVisible && lengthDown};
    if (f.Sudoku) {
        s.BegriffLaengenCaption = QStringLiteral("&Mögliche Symbole anzeigen");
        s.BegriffLaengenHint = QStringLiteral("Alle möglichen Symbole in den Feldern anzeigen");
        s.BegriffLaengenIcon = QStringLiteral("hint-grids");
    } else {
        s.BegriffLaengenCaption = QStringLiteral("&Begrifflängen anzeigen");
        s.BegriffLaengenHint = QStringLiteral("Die Längen der Begriffe anzeigen");
        s.BegriffLaengenIcon = QStringLiteral("show-length");
    }
    s.Tooltips = {f.ShowHints.Visible, true, f.ShowHints.Visible && f.ShowHints.Down};
    return s;
}

TLegendMenuState LegendMenuState(const TLegendMenuFacts& f) {
    auto follow = [](bool windowShown, const TButtonView& b, bool withEnabled) {
        const bool visible = windowShown && b.Visible;
        return TMenuItemState{visible, !withEnabled || b.Enabled, visible && b.Down};
    };
    TLegendMenuState s;
    s.Ausblenden = follow(f.ClueLegendShown, f.Ausblenden, false);
    s.Markieren = follow(f.ClueLegendShown, f.Markieren, true);
    s.EineLegende = follow(f.ClueLegendShown, f.EineLegende, false);
    s.LegAutomatisch = follow(f.NumLegendShown, f.AutoEintragen, false);
    // The two transfer commands are plain commands without a check mark.
    s.LegUebernehmen = follow(f.NumLegendShown, f.LegendeEintragen, false);
    s.LegUebernehmen.Checked = false;
    s.LegEintragen = follow(f.NumLegendShown, f.RaetselEintragen, true);
    s.LegEintragen.Checked = false;
    return s;
}

QString MainMarkItemCaption(int tag) {
    if (tag == kMarkNone)
        return QStringLiteral("&Keine");
    if (tag == kMarkFew)
        return QStringLiteral("Nur &zwei Zahlen möglich");
    return QStringLiteral("\"&") + MarkButtonCaption(tag) + QStringLiteral("\" möglich");
}

TResetQuestion ResetQuestion(int givenCells, bool sudoku) {
    if (givenCells <= 0)
        return {QStringLiteral("Möchten Sie wirklich das komplette Rätsel zurücksetzen?"), false};
    return {sudoku ? QStringLiteral("Sollen auch vorgegebene Symbole aus dem Rätsel gelöscht werden?")
                   : QStringLiteral("Sollen auch vorgegebene Begriffe aus dem Rätsel gelöscht werden?"),
            true};
}

std::optional<TStateMessage> StateMessage(TRiddleState state, bool countTime, uint16_t bestTime,
                                          uint16_t time) {
    if (state == stWrongChars)
        return TStateMessage{
            smError, QStringLiteral("Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!")};
    if (state != stSolved)
        return std::nullopt;
    if (!countTime)
        return TStateMessage{smSuccess, QStringLiteral("Sie haben das Rätsel gelöst!")};
    // The best time is only compared here; the player never records a new one.
    if (bestTime != 0 && time >= bestTime)
        return TStateMessage{smSuccess, QStringLiteral("Sie haben das Rätsel gelöst, allerdings konnten Sie "
                                                       "die bisherige Bestzeit nicht unterbieten.")};
    return TStateMessage{smSuccess, QStringLiteral("Sie haben das Rätsel in Bestzeit gelöst!")};
}
