// The clue legend's rules: buttons and menu items, column hints, the row that follows the grid,
// and where the hints window goes.

#include "HinweisDialog.h"
#include "LegendRules.h"

#include <gtest/gtest.h>

namespace {

// "V" visible, "E" enabled, "D" down; "-" where not.
QString Code(const TLegendButton& B) {
    return QString(B.Visible ? 'V' : '-') + (B.Enabled ? 'E' : '-') + (B.Down ? 'D' : '-');
}

TEST(LegendRules, ToolbarFollowsKindModeAndChoices) {
    struct Case {
        const char* name;
        TRiddleType type;
        TDisplayMode mode;
        bool autoMark, hide, two;
        // NichtAusblenden Ausblenden NichtMarkieren Markieren EineLegende ZweiLegenden InputWord
        const char* buttons;
        int inputLeft;
    } cases[] = {
        {"swedish", rtSwedish, dmSolving, false, false, false, "VED VE- VED VE- -ED -E- VE-", 108},
        {"swedish, solution shown", rtSwedish, dmSolution, true, false, false, "VED VE- VE- VED -ED -E- -E-",
         108},
        {"swedish, edited", rtSwedish, dmEditing, false, false, false, "-ED -E- -ED -E- -ED -E- -E-", 108},
        {"fill-in, hiding: marking is not offered", rtFillup, dmSolving, true, true, true,
         "VE- VED V-- V-D VE- VED -E-", 160},
        {"french: nothing to hide", rtFrench, dmSolving, false, false, false, "-ED -E- VED VE- -ED -E- -E-",
         108},
        {"word search", rtFindWords, dmSolving, false, false, false, "VED VE- VED VE- VED VE- -E-", 160},
    };
    for (const Case& c : cases) {
        const TLegendToolbar t = LegendToolbar(c.type, c.mode, c.autoMark, {c.hide, c.two});
        const QString got = QStringList{Code(t.NichtAusblenden), Code(t.Ausblenden),  Code(t.NichtMarkieren),
                                        Code(t.Markieren),       Code(t.EineLegende), Code(t.ZweiLegenden),
                                        Code(t.InputWord)}
                                .join(QLatin1Char(' '));
        EXPECT_EQ(got, QString::fromLatin1(c.buttons)) << c.name;
        EXPECT_EQ(t.InputWordLeft, c.inputLeft) << c.name;
    }
}

TEST(LegendRules, ContextMenuActsOnTheFocusedRow) {
    struct Case {
        const char* name;
        TRiddleType type;
        TDisplayMode mode;
        bool autoMark, hide, focused, solved;
        // Bearbeitet Eingeben Separator Ausblenden Markieren EineLegende
        const char* items;
    } cases[] = {
        {"swedish, marking, solved row", rtSwedish, dmSolving, true, false, true, true,
         "VED VE- VE- VE- VED -ED"},
        {"swedish, hiding, no row", rtSwedish, dmSolving, false, true, false, false,
         "V-- V-- VE- VED V-- -ED"},
        {"fill-in without marking or hiding", rtFillup, dmSolving, false, false, true, false,
         "-E- -E- -E- VE- VE- VED"},
        {"american", rtAmerican, dmSolving, true, false, true, true, "-E- -E- -E- -E- VED -ED"},
        {"swedish, solution shown", rtSwedish, dmSolution, true, false, true, false,
         "-E- -E- -E- VE- VED -ED"},
    };
    for (const Case& c : cases) {
        const TLegendPopup p = LegendPopup(c.type, c.mode, c.autoMark, {c.hide, false}, c.focused, c.solved);
        const QString got = QStringList{Code(p.Bearbeitet), Code(p.Eingeben),  Code(p.Separator),
                                        Code(p.Ausblenden), Code(p.Markieren), Code(p.EineLegende)}
                                .join(QLatin1Char(' '));
        EXPECT_EQ(got, QString::fromLatin1(c.items)) << c.name;
    }
}

TEST(LegendRules, ColumnHints) {
    TLegendRowData line;
    line.ClueText = QStringLiteral("Erster  |  Zweiter");
    struct Case {
        TRiddleType type;
        int column, x;
        bool upper;
        const TLegendRowData* row;
        const char* hint;
    } cases[] = {
        {rtSwedish, lcNummer, 5, true, nullptr, "Den Begriff als gelöst oder ungelöst markieren"},
        {rtSwedish, lcNummer, 25, true, nullptr, "Die Nummer des gesuchten Begriffs im Rätsel"},
        {rtSwedish, lcUmschreibung, 5, false, nullptr, "Die Umschreibung des gesuchten Begriffs"},
        {rtFrench, lcZeile, 30, true, nullptr, "Nummer der Zeile für die umschriebenen Begriffe"},
        {rtFrench, lcZeile, 30, false, nullptr, "Nummer der Spalte für die umschriebenen Begriffe"},
        {rtAmerican, lcSchwarzfelder, 3, false, nullptr, "Die Anzahl der Leerfelder in dieser Spalte"},
        {rtFrench, lcUmschreibung, 3, true, &line, "2 Begriff(e) in dieser Rätselzeile"},
        {rtAmerican, lcUmschreibung, 3, false, &line, "2 Begriff(e) in dieser Rätselspalte"},
        {rtFrench, lcUmschreibung, 3, true, nullptr, "Die Umschreibung des gesuchten Begriffs"},
        {rtPuzzle, lcLaenge, 30, true, nullptr, "Die Länge des Begriffs"},
        {rtPuzzle, lcBegriff, 3, true, nullptr, "Dieser Begriff muss ins Rätsel eingefügt werden"},
        {rtFindWords, lcBegriff, 3, true, nullptr, "Den Begriff als gelöst oder ungelöst markieren"},
        {rtFindWords, lcBegriff, 40, true, nullptr, "Dieser Begriff muss im Rätsel gefunden werden"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LegendCellHint(c.type, c.column, c.x, c.upper, c.row), QString::fromUtf8(c.hint))
            << int(c.type) << " column " << c.column << " x " << c.x;
}

TEST(LegendRules, TheRowOfTheCurrentWordFollowsTheGrid) {
    TGridWordData across;
    across.ClueIndex = 4;
    across.Col = 3;
    across.Row = 2;
    across.Direction = wdHorizontal;
    TGridWordData down = across;
    down.Direction = wdVertical;
    const TGridWordData none;
    struct Case {
        const char* name;
        TRiddleType type;
        const TGridWordData* word;
        TWordDirection input;
        TLegendTarget expected;
    } cases[] = {
        {"swedish: the word's clue", rtSwedish, &down, wdVertical, {false, 4, 0, wdVertical}},
        {"fill-in without a word: no row", rtFillup, &none, wdVertical, {false, -1, 0, wdHorizontal}},
        {"french across: the word's row", rtFrench, &across, wdHorizontal, {true, -1, 2, wdHorizontal}},
        {"american down: the word's column", rtAmerican, &down, wdVertical, {true, -1, 3, wdVertical}},
        {"french without a clue: the cursor's column when typing down",
         rtFrench,
         &none,
         wdVertical,
         {true, -1, 7, wdVertical}},
        {"american without a clue: the cursor's row when typing across",
         rtAmerican,
         &none,
         wdHorizontal,
         {true, -1, 5, wdHorizontal}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LegendTargetFor(c.type, *c.word, 7, 5, c.input), c.expected) << c.name;
}

TEST(HintWindow, StandsAboveThePointAndStaysOnScreen) {
    const QRect screen(0, 0, 1280, 1024);
    struct Case {
        const char* name;
        QPoint at;
        bool topic;
        QSize label;
        QRect expected;
    } cases[] = {
        {"text: bottom 8 pixels above the point", {100, 200}, false, {80, 20}, {100, 172, 80, 20}},
        {"text at the right edge: ends 5 pixels before it",
         {1250, 200},
         false,
         {80, 20},
         {1195, 172, 80, 20}},
        {"topic: from the point, 200 wide", {100, 100}, true, {200, 300}, {100, 100, 200, 300}},
        {"topic at the bottom edge", {100, 900}, true, {200, 300}, {100, 719, 200, 300}},
        {"text at the top edge is not cut off", {100, 10}, false, {80, 20}, {100, 0, 80, 20}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HintWindowRect(c.at, c.topic, c.label, screen), c.expected) << c.name;
}

} // namespace
