#include "LegendRules.h"

namespace {
constexpr int kButtonPitch = 23;
constexpr int kPairGap = 6;
constexpr int kEineLegendeLeft = 108;
constexpr int kSolvedMarkWidth = 20;

bool ByLine(TRiddleType Type) {
    return Type == rtFrench || Type == rtAmerican;
}
} // namespace

TLegendToolbar LegendToolbar(TRiddleType Type, TDisplayMode Mode, bool AutoMark,
                             const TLegendOptions& Options) {
    TLegendToolbar t;
    const bool editing = Mode == dmEditing;
    const bool hideOffered = !ByLine(Type) && !editing;
    t.NichtAusblenden = {hideOffered, true, !Options.HideSolved};
    t.Ausblenden = {hideOffered, true, Options.HideSolved};
    // Marking solved clues is offered only while solved clues stay in the list.
    t.NichtMarkieren = {!editing, !Options.HideSolved, !AutoMark};
    t.Markieren = {!editing, !Options.HideSolved, AutoMark};
    const bool listsOffered = Type == rtFillup || Type == rtPuzzle || Type == rtFindWords;
    t.EineLegende = {listsOffered, true, !Options.TwoLists};
    t.ZweiLegenden = {listsOffered, true, Options.TwoLists};
    t.InputWord = {Type == rtSwedish && Mode == dmSolving, true, false};
    t.InputWordLeft = listsOffered ? kEineLegendeLeft + 2 * kButtonPitch + kPairGap : kEineLegendeLeft;
    return t;
}

TLegendPopup LegendPopup(TRiddleType Type, TDisplayMode Mode, bool AutoMark, const TLegendOptions& Options,
                         bool FocusedRow, bool FocusedRowSolved) {
    const TLegendToolbar t = LegendToolbar(Type, Mode, AutoMark, Options);
    TLegendPopup p;
    const bool solving = Mode == dmSolving;
    p.Bearbeitet.Visible = !ByLine(Type) && solving && (Options.HideSolved || AutoMark);
    p.Bearbeitet.Enabled = FocusedRow;
    p.Bearbeitet.Down = p.Bearbeitet.Visible && FocusedRow && FocusedRowSolved;
    p.Eingeben = {Type == rtSwedish && solving, FocusedRow, false};
    p.Separator.Visible = p.Bearbeitet.Visible || p.Eingeben.Visible;
    p.Ausblenden = {t.Ausblenden.Visible, true, t.Ausblenden.Down};
    p.Markieren = t.Markieren;
    p.EineLegende = {t.EineLegende.Visible, true, t.EineLegende.Down};
    return p;
}

bool OnSolvedMark(const TLegendColumns& Columns, int Column, int X) {
    return Column == Columns.FirstShown && X >= 0 && X < kSolvedMarkWidth;
}

QString LegendCellHint(TRiddleType Type, int Column, int X, bool UpperList, const TLegendRowData* Row) {
    if (OnSolvedMark(LegendColumns(Type), Column, X))
        return QStringLiteral("Den Begriff als gelöst oder ungelöst markieren");
    switch (Column) {
    case lcZeile:
        return UpperList ? QStringLiteral("Nummer der Zeile für die umschriebenen Begriffe")
                         : QStringLiteral("Nummer der Spalte für die umschriebenen Begriffe");
    case lcSchwarzfelder:
        return UpperList ? QStringLiteral("Die Anzahl der Leerfelder in dieser Zeile")
                         : QStringLiteral("Die Anzahl der Leerfelder in dieser Spalte");
    case lcNummer:
        return QStringLiteral("Die Nummer des gesuchten Begriffs im Rätsel");
    case lcLaenge:
        return QStringLiteral("Die Länge des Begriffs");
    case lcBegriff:
        return Type == rtFindWords ? QStringLiteral("Dieser Begriff muss im Rätsel gefunden werden")
                                   : QStringLiteral("Dieser Begriff muss ins Rätsel eingefügt werden");
    case lcUmschreibung:
        if (ByLine(Type) && Row)
            return QString::number(Row->ClueText.count(QLatin1Char('|')) + 1) +
                   QStringLiteral(" Begriff(e) in dieser ") +
                   (UpperList ? QStringLiteral("Rätselzeile") : QStringLiteral("Rätselspalte"));
        return QStringLiteral("Die Umschreibung des gesuchten Begriffs");
    default:
        return QString();
    }
}

TLegendTarget LegendTargetFor(TRiddleType Type, const TGridWordData& Word, int Col, int Row,
                              TWordDirection InputDirection) {
    TLegendTarget t;
    if (!ByLine(Type)) {
        t.ClueIndex = Word.ClueIndex;
        t.Direction = Word.Direction;
        return t;
    }
    t.Line = true;
    if (Word.ClueIndex < 0) {
        t.Direction = InputDirection;
        t.LineNumber = InputDirection == wdVertical ? Col : Row;
    } else {
        t.Direction = Word.Direction;
        t.LineNumber = Word.Direction == wdVertical ? Word.Col : Word.Row;
    }
    return t;
}
