#include "MainCommandRules.h"

TLegendMenuState LegendMenuState(const TLegendMenuFacts& f) {
    auto follow = [](bool windowShown, const TCommandView& b, bool withEnabled) {
        const bool visible = windowShown && b.Visible;
        return TCommandView{visible, !withEnabled || b.Enabled, visible && b.Checked};
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
