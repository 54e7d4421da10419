#include "MainCommandRules.h"

QString MainMarkItemCaption(int Tag) {
    if (Tag == kMarkNone)
        return QStringLiteral("&Keine");
    if (Tag == kMarkFew)
        return QStringLiteral("Nur &zwei Zahlen möglich");
    return QStringLiteral("\"&") + MarkButtonCaption(Tag) + QStringLiteral("\" möglich");
}

TResetQuestion ResetQuestion(int GivenCells, bool Sudoku) {
    if (GivenCells <= 0)
        return {QStringLiteral("Möchten Sie wirklich das komplette Rätsel zurücksetzen?"), false};
    return {Sudoku ? QStringLiteral("Sollen auch vorgegebene Symbole aus dem Rätsel gelöscht werden?")
                   : QStringLiteral("Sollen auch vorgegebene Begriffe aus dem Rätsel gelöscht werden?"),
            true};
}

std::optional<TStateMessage> StateMessage(TRiddleState State, bool CountTime, uint16_t BestTime,
                                          uint16_t Time) {
    if (State == stWrongChars)
        return TStateMessage{
            smError, QStringLiteral("Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!")};
    if (State != stSolved)
        return std::nullopt;
    if (!CountTime)
        return TStateMessage{smSuccess, QStringLiteral("Sie haben das Rätsel gelöst!")};
    // The best time is only compared here; the player never records a new one.
    if (BestTime != 0 && Time >= BestTime)
        return TStateMessage{smSuccess, QStringLiteral("Sie haben das Rätsel gelöst, allerdings konnten Sie "
                                                       "die bisherige Bestzeit nicht unterbieten.")};
    return TStateMessage{smSuccess, QStringLiteral("Sie haben das Rätsel in Bestzeit gelöst!")};
}
