// The main window's tool bar and menus: which commands each riddle kind and display mode
// offers, the captions that change, the printer rule and the solution view.

#include "FormParts.h"
#include "MainCommandRules.h"
#include "PackedPlayer.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusTipEvent>
#include <QToolButton>

using namespace packed;

namespace {

QAction* Item(const TRMMainForm* Form, const char* Name) {
    auto* a = Form->findChild<QAction*>(QLatin1String(Name));
    EXPECT_NE(a, nullptr) << Name;
    return a;
}

TEST(MainCommands, ToolbarButtonsBeforeAndAfterLoading) {
    struct Case {
        const char* name;
        int left;
        const char* hint;
        bool enabledAtStart;
    };
    const Case cases[] = {
        {"TBPrgBeenden", 4, "Das Programm beenden", true},
        {"TBRaeDrucken", 37, "Das Rätsel und die Legende drucken", false},
        {"TBRaeInfos", 62, "Informationen zum aktuellen Rätsel anzeigen", false},
        {"TBBeaRueckgaengig", 96, "Die letzte Änderung am Rätsel zurücknehmen", false},
        {"TBBeaZuruecksetzen", 121, "Alle Begriffe aus dem Rätsel löschen", false},
        {"TBHlfInfo", 154, "Informationen zum Programm anzeigen", true},
    };
    // Before the start message there is no riddle window. (The form goes before the players
    // start, or their start would run its start message too.)
    {
        TRMMainForm bare(QStringLiteral("/nonexistent"));
        EXPECT_FALSE(parts::Named<QMenu>(&bare, "MItemBearbeiten")->menuAction()->isVisible());
        EXPECT_FALSE(parts::Named<QMenu>(&bare, "MItemAnsicht")->menuAction()->isVisible());
        for (const Case& c : cases) {
            auto* b = bare.findChild<QToolButton*>(QLatin1String(c.name));
            ASSERT_NE(b, nullptr) << c.name;
            EXPECT_EQ(b->geometry(), QRect(c.left, 4, 25, 25)) << c.name;
            EXPECT_EQ(b->toolTip(), QString::fromUtf8(c.hint)) << c.name;
            EXPECT_EQ(b->isEnabled(), c.enabledAtStart) << c.name;
            QStatusTipEvent tip(b->statusTip());
            QApplication::sendEvent(b, &tip);
            EXPECT_EQ(bare.findChild<QLabel*>(QStringLiteral("LblHints"))->text(), QString::fromUtf8(c.hint))
                << c.name;
        }
    }

    for (bool printer : {false, true}) {
        Player p(TWordLayout{});
        p.printer = printer;
        p.main()->AskForPrinters();
        p.main()->UpdateCommands();
        p.main()->MItemRaetselClick();
        EXPECT_EQ(parts::Named<QToolButton>(p.main(), "TBRaeDrucken")->isEnabled(), printer);
        EXPECT_EQ(Item(p.main(), "MItemRaeDrucken")->isEnabled(), printer);
        EXPECT_TRUE(parts::Named<QToolButton>(p.main(), "TBRaeInfos")->isEnabled() &&
                    parts::Named<QToolButton>(p.main(), "TBBeaZuruecksetzen")->isEnabled());
        EXPECT_FALSE(parts::Named<QToolButton>(p.main(), "TBBeaRueckgaengig")->isEnabled());
        EXPECT_TRUE(parts::Named<QMenu>(p.main(), "MItemBearbeiten")->menuAction()->isVisible());
        EXPECT_TRUE(parts::Named<QMenu>(p.main(), "MItemAnsicht")->menuAction()->isVisible());
    }
}

TEST(CommandStates, EditMenuFollowsWindowAndMode) {
    struct Case {
        const char* name;
        TRiddleFacts riddle;
        TSessionFacts session;
        TCommandView undo, reset, letter;
        const char* undoCaption;
    };
    TRiddleFacts solving;
    solving.Loaded = true;
    solving.WordType = rtFrench;
    solving.HelpFlags = kDefaultHelpFlags;
    solving.CellBlocked = false;
    TRiddleFacts solution = solving, editing = solving;
    solution.DisplayMode = dmSolution;
    editing.DisplayMode = dmEditing;
    const Case cases[] = {
        {"no riddle window",
         {},
         {},
         {false, false, false},
         {false, false, false},
         {false, false, false},
         "&Rückgängig"},
        {"after a backup",
         solving,
         {true, QStringLiteral("Buchstaben eingeben"), false},
         {true, true, false},
         {true, true, false},
         {true, true, false},
         "&Rückgängig: Buchstaben eingeben"},
        {"solution shown",
         solution,
         {},
         {true, false, false},
         {true, false, false},
         {false, true, false},
         "&Rückgängig"},
        {"editing",
         editing,
         {},
         {true, false, false},
         {false, false, false},
         {false, true, false},
         "&Rückgängig"},
    };
    for (const Case& c : cases) {
        const TCommandStates s = CommandStates(c.riddle, c.session);
        EXPECT_EQ(s.Undo, c.undo) << c.name;
        EXPECT_EQ(s.UndoSeparator.Visible, c.undo.Visible) << c.name;
        EXPECT_EQ(s.Reset, c.reset) << c.name;
        EXPECT_EQ(s.FillLetter, c.letter) << c.name;
        EXPECT_EQ(s.UndoCaption, QString::fromUtf8(c.undoCaption)) << c.name;
    }
}

TEST(MainCommands, MenusFollowTheRiddleKind) {
    struct Case {
        const char* name;
        std::function<void(QFile&)> write;
        const char* letterCaption;
        const char* lengthCaption;
        bool sudokuMenus, blank;
    };
    const Case cases[] = {
        {"american", [](QFile& F) { WriteWordRiddle(F, Layout(4, 2, rtAmerican)); }, "Buchstaben &eintragen",
         "&Begrifflängen anzeigen", false, true},
        {"sudoku", [](QFile& F) { WriteSudoku(F, false); }, "Symbol &eintragen", "&Mögliche Symbole anzeigen",
         true, false},
    };
    for (const Case& c : cases) {
        Player p(c.write);
        TRMMainForm* m = p.main();
        p.grid()->MoveCurrent(1, 1, false);
        m->MItemBearbeitenClick();
        m->MItemAnsichtClick();
        m->MItemAnsRaetselClick();
        EXPECT_EQ(Item(m, "MItemBeaBuchstEintragen")->text(), QString::fromUtf8(c.letterCaption)) << c.name;
        EXPECT_EQ(Item(m, "MItemBeaFelderMarkieren")->isVisible(), c.sudokuMenus) << c.name;
        EXPECT_EQ(Item(m, "MItemBeaSchnappschuss")->isVisible(), c.sudokuMenus) << c.name;
        EXPECT_EQ(Item(m, "MItemBeaLeerfeld")->isVisible(), c.blank) << c.name;
        EXPECT_EQ(Item(m, "MItemAnsBegriffLaengen")->text(), QString::fromUtf8(c.lengthCaption)) << c.name;
        EXPECT_TRUE(Item(m, "MItemAnsRaetsel")->isVisible()) << c.name;
        if (c.sudokuMenus) {
            // Six symbols: the marking items stop at "6".
            m->MItemBeaFelderMarkierenClick();
            EXPECT_TRUE(Item(m, "MItemBeaMark6")->isVisible() && Item(m, "MItemBeaMarkDuo")->isVisible());
            EXPECT_FALSE(Item(m, "MItemBeaMark7")->isVisible());
            EXPECT_EQ(Item(m, "MItemBeaMark12")->text(), QStringLiteral("\"&C\" möglich"));
        }
        if (c.blank) {
            Item(m, "MItemBeaLeerfeld")->trigger();
            EXPECT_TRUE(p.word()->Riddle().Cell(1, 1).Has(cfUserBlack) &&
                        parts::Named<QToolButton>(p.form(), "SBLeerfeld")->isChecked());
        }
        // No legend window exists yet, so its items stay hidden.
        m->MItemAnsLegendeClick();
        EXPECT_FALSE(Item(m, "MIemAnsAusblenden")->isVisible()) << c.name;
        EXPECT_FALSE(Item(m, "MItemAnsLegEintragen")->isVisible()) << c.name;
    }
}

TEST(MainCommands, SolutionViewTogglesAndDisablesReset) {
    Player p(TWordLayout{});
    TRMMainForm* m = p.main();
    for (int round = 1; round <= 2; ++round) {
        const bool shown = round == 1;
        m->MItemAnsichtClick();
        Item(m, "MItemAnsLoesung")->trigger();
        EXPECT_EQ(p.grid()->Riddle().DisplayMode(), shown ? dmSolution : dmSolving) << round;
        EXPECT_EQ(parts::Named<QToolButton>(m, "TBBeaZuruecksetzen")->isEnabled(), !shown) << round;
        m->MItemBearbeitenClick();
        EXPECT_EQ(Item(m, "MItemBeaZuruecksetzen")->isEnabled(), !shown) << round;
        m->MItemAnsichtClick();
        EXPECT_EQ(Item(m, "MItemAnsLoesung")->isChecked(), shown) << round;
    }
}

} // namespace

TEST(MainCommands, PrintWithoutAnyPrinterSaysSoInsteadOfAnEmptyDialog) {
    // The printer list is read from a print server that does not exist: no printer at all, while
    // the command is still enabled from before (a printer was removed meanwhile).
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    Player p(TWordLayout{});
    p.printer = true;
    p.main()->AskForPrinters();
    p.main()->UpdateCommands();
    ASSERT_TRUE(parts::Named<QToolButton>(p.main(), "TBRaeDrucken")->isEnabled());
    QStringList dialogs;
    ModalAnswerer answerer(QStringLiteral("OK"), [&dialogs](QWidget* Dialog) {
        dialogs << Dialog->objectName();
        Dialog->close();
    });
    parts::Named<QToolButton>(p.main(), "TBRaeDrucken")->click();
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].Text,
              QStringLiteral("Es ist kein Drucker verfügbar. Bitte richten Sie zuerst einen Drucker ein."));
    EXPECT_TRUE(dialogs.isEmpty()) << dialogs.join(QLatin1Char(' ')).toStdString();
}
