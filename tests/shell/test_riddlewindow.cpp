// The riddle window's tool bar and pop-up menu: which buttons and items each riddle kind gets,
// the commands behind them, the zoom limits, the symbol marking panel and the snapshot slots.

#include "FormParts.h"
#include "GradientPanel.h"
#include "Hauptformular.h"
#include "PackedPlayer.h"
#include "RaetselFormular.h"
#include "SourcePlayer.h"
#include "SpeedButton.h"
#include "SudokuRiddle.h"
#include "SymbolPalette.h"
#include "WordRiddle.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Cols × Rows letter cells with one black cell at (3, 1).
void WriteWordRiddle(QFile& Out, TRiddleType Type, THelpFlags Help, int GridSize, int Cols = 4,
                     int Rows = 3) {
    TWordRiddleData r;
    r.SetRiddleType(Type);
    r.SetRiddleCols(Cols);
    r.SetRiddleRows(Rows);
    for (int c = 1; c <= Cols; ++c)
        for (int row = 1; row <= Rows; ++row) {
            if (c == 3 && row == 1)
                continue;
            r.Cell(c, row).SetFlags(cfLetter);
            r.Cell(c, row).SetSolution(uint8_t('A' + c));
        }
    r.SetHelpFlags(Help);
    r.SetPaintOptions(kDefaultPaintOptions.With(poAutoSize));
    r.SetGridSize(GridSize);
    r.SetState(stReady);
    TStreamWriter w(Out);
    WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
    r.SaveToStream(Out, 90, false);
}

void WriteSudoku(QFile& Out, TSudokuSize Size, THelpFlags Help = kDefaultHelpFlags) {
    TSudokuRiddleData r;
    r.SetSize(Size);
    r.SetHelpFlags(Help);
    r.SetPaintOptions(kDefaultPaintOptions.With(poAutoSize));
    TStreamWriter w(Out);
    WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
    r.SaveToStream(Out, 0, false);
}

// The packed player, with lookups of the riddle window's buttons and items.
class Player : public packed::Player {
public:
    using packed::Player::Player;
    TRiddleForm* operator->() const { return form(); }
    operator TRiddleForm*() const { return form(); }

    bool Shown(const char* Name) const {
        auto* w = form()->findChild<QWidget*>(QLatin1String(Name));
        EXPECT_NE(w, nullptr) << Name;
        return w && !w->isHidden();
    }
    QAction* Item(const char* Name) const {
        auto* a = form()->findChild<QAction*>(QLatin1String(Name));
        EXPECT_NE(a, nullptr) << Name;
        return a;
    }
    // Moves the cursor of the shown grid, which refreshes the tool bar through OnSelectCell.
    void MoveTo(int ACol, int ARow) const { parts::ShownGridOf(form())->MoveCurrent(ACol, ARow, false); }
};

Player WordPlayer(TRiddleType Type, THelpFlags Help = kDefaultHelpFlags, int GridSize = 30, int Cols = 4,
                  int Rows = 3) {
    return Player([=](QFile& F) { WriteWordRiddle(F, Type, Help, GridSize, Cols, Rows); });
}

TEST(RiddleWindow, ToolbarAndPopupFollowTheRiddleKind) {
    struct Case {
        const char* name;
        std::function<Player()> start;
        // Tool bar: show-fail, lengths, possible symbols, blank field, fill letter, enter word, panel.
        bool fail, length, hintGrids, blank, letter, word, panel;
        // Pop-up: the length item's caption, marking and snapshot submenus.
        const char* lengthCaption;
        bool subMenus;
    };
    const Case cases[] = {
        {"swedish", [] { return WordPlayer(rtSwedish); }, true, false, false, false, true, true, false,
         "&Begrifflängen anzeigen", false},
        {"puzzle", [] { return WordPlayer(rtPuzzle); }, true, true, false, false, true, true, false,
         "&Begrifflängen anzeigen", false},
        {"american", [] { return WordPlayer(rtAmerican); }, true, false, false, true, true, false, false,
         "&Begrifflängen anzeigen", false},
        {"word search", [] { return WordPlayer(rtFindWords); }, true, false, false, false, false, false,
         false, "&Begrifflängen anzeigen", false},
        {"swedish without help", [] { return WordPlayer(rtSwedish, THelpFlags{hfShowRiddle}); }, false, false,
         false, false, false, true, false, "&Begrifflängen anzeigen", false},
        {"sudoku", [] { return Player([](QFile& F) { WriteSudoku(F, ss9Symbols); }); }, true, false, true,
         false, true, false, true, "&Mögliche Symbole anzeigen", true},
    };
    for (const Case& c : cases) {
        Player p = c.start();
        ASSERT_NE(p.form(), nullptr) << c.name;
        p.MoveTo(1, 1);
        EXPECT_EQ(p.Shown("SBShowFail"), c.fail) << c.name;
        EXPECT_EQ(p.Shown("SBShowLength"), c.length) << c.name;
        EXPECT_EQ(p.Shown("SBShowHintGrids"), c.hintGrids) << c.name;
        EXPECT_EQ(p.Shown("SBLeerfeld"), c.blank) << c.name;
        EXPECT_EQ(p.Shown("SBBuchstEintragen"), c.letter) << c.name;
        EXPECT_EQ(p.Shown("SBBegrEintragen"), c.word) << c.name;
        EXPECT_EQ(p.Shown("PanelMark"), c.panel) << c.name;
        EXPECT_FALSE(p.Shown("SBSuchen")) << c.name;
        EXPECT_TRUE(p.Shown("SBZoomIn") && p.Shown("SBZoomOut") && p.Shown("SBShowHints")) << c.name;

        p->MenuRaetselPopup();
        EXPECT_EQ(p.Item("MItemPlayLeerfeld")->isVisible(), c.blank) << c.name;
        // Cell (1, 1) takes letters, so the fill-in item goes with its button.
        EXPECT_EQ(p.Item("MItemPlayBuchstEintragen")->isVisible(), c.letter) << c.name;
        EXPECT_EQ(p.Item("MItemPlayShowFail")->isVisible(), c.fail) << c.name;
        EXPECT_EQ(p.Item("MItemPlayShowLength")->isVisible(), c.length || c.hintGrids) << c.name;
        EXPECT_EQ(p.Item("MItemPlayShowLength")->text(), QString::fromUtf8(c.lengthCaption)) << c.name;
        EXPECT_EQ(p.Item("MItemPlayFelderMarkieren")->isVisible(), c.subMenus) << c.name;
        EXPECT_EQ(p.Item("MItemPlaySchnappschuss")->isVisible(), c.subMenus) << c.name;
        EXPECT_TRUE(p.Item("MItemPlayZoomIn")->isVisible() && p.Item("MItemPlaySchliessen")->isVisible())
            << c.name;
    }
}

TEST(CommandStates, FillInAndBlankFieldFollowTheCellAndMode) {
    struct Case {
        const char* name;
        TRiddleType type;
        TDisplayMode mode;
        bool blocked, userBlack, hasClue;
        int col;
        bool letterShown, letterEnabled, wordShown, wordEnabled, blankShown;
        bool blankDown;
    };
    const Case cases[] = {
        {"free cell with clue", rtSwedish, dmSolving, false, false, true, 1, true, true, true, true, false,
         false},
        {"word without clue", rtSwedish, dmSolving, false, false, false, 1, true, true, true, false, false,
         false},
        {"blocked cell", rtPuzzle, dmSolving, true, false, true, 1, true, false, true, false, false, false},
        {"left of the riddle", rtSwedish, dmSolving, false, false, true, -1, true, false, true, false, false,
         false},
        {"solution shown", rtSwedish, dmSolution, false, false, true, 1, false, true, false, true, false,
         false},
        {"american blank", rtAmerican, dmSolving, false, true, false, 1, true, true, false, false, true,
         true},
        {"american letter", rtAmerican, dmSolving, false, false, false, 1, true, true, false, false, true,
         false},
        // A hidden blank field is never shown as set.
        {"american solution", rtAmerican, dmSolution, false, true, false, 1, false, true, false, false, false,
         false},
    };
    for (const Case& c : cases) {
        TRiddleFacts f;
        f.Loaded = true;
        f.WordType = c.type;
        f.DisplayMode = c.mode;
        f.HelpFlags = kDefaultHelpFlags;
        f.Col = c.col;
        f.Row = 1;
        f.CellBlocked = c.blocked;
        f.CellUserBlack = c.userBlack;
        f.WordHasClue = c.hasClue;
        const TCommandStates s = CommandStates(f, {});
        EXPECT_EQ(s.FillLetter.Visible, c.letterShown) << c.name;
        EXPECT_EQ(s.FillLetter.Enabled, c.letterEnabled) << c.name;
        EXPECT_EQ(s.EnterWord.Visible, c.wordShown) << c.name;
        EXPECT_EQ(s.EnterWord.Enabled, c.wordEnabled) << c.name;
        EXPECT_EQ(s.BlankField.Visible, c.blankShown) << c.name;
        EXPECT_EQ(s.BlankField.Checked, c.blankDown) << c.name;
    }
}

TEST(RiddleToolbarRules, MarkingItemTexts) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, "Keine", "Die Markierung im Rätsel aufheben"},
        {1, "\"1\" möglich", "Alle Felder markieren, in die eine \"1\" eingetragen werden kann"},
        {9, "\"9\" möglich", "Alle Felder markieren, in die eine \"9\" eingetragen werden kann"},
        {10, "\"A\" möglich", "Alle Felder markieren, in die ein \"A\" eingetragen werden kann"},
        {12, "\"C\" möglich", "Alle Felder markieren, in die ein \"C\" eingetragen werden kann"},
        {255, "Nur zwei Zahlen möglich",
         "Alle Felder markieren, in die nur ein oder zwei mögliche Zahlen eingetragen werden können"},
    };
    for (const auto& [tag, caption, hint] : cases) {
        EXPECT_EQ(MarkItemCaption(tag), QString::fromUtf8(caption)) << tag;
        EXPECT_EQ(MarkItemHint(tag), QString::fromUtf8(hint)) << tag;
    }
    EXPECT_EQ(HelpKey(rtAmerican), QStringLiteral("Raetsel2"));
    EXPECT_EQ(HelpKey(rtFindWords), QStringLiteral("Raetsel1"));
    EXPECT_EQ(HelpKey(rtSudoku), QStringLiteral("Raetsel0"));
}

TEST(RiddleWindow, ButtonsShowTheirHintAsTooltipAndInTheHintLine) {
    Player p = WordPlayer(rtAmerican);
    const std::pair<const char*, const char*> hints[] = {
        {"SBZoomIn", "Die Gitter des Rätsels vergrößern"},
        {"SBShowFail", "Fehlerhafte Buchstaben im Rätsel farblich absetzen"},
        {"SBShowHints", "Nummern und Umschreibungen als Tooltip anzeigen"},
        {"SBBegrEintragen", "An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen"},
        {"SBLeerfeld", "Das markierte Feld im Rätsel als Leerfeld festlegen"},
        {"SBMarkDuo",
         "Alle Felder markieren, in die nur ein oder zwei mögliche Zahlen eingetragen werden können"},
    };
    for (const auto& [name, hint] : hints) {
        auto* b = p->findChild<QToolButton*>(QLatin1String(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint)) << name;
        EXPECT_EQ(b->statusTip(), QString::fromUtf8(hint)) << name;
        EXPECT_EQ(b->size(), QSize(22, 22)) << name;
    }
    // Hints of buttons and of pop-up items reach the main window's hint line.
    auto* hintLine = p.main()->findChild<QLabel*>(QStringLiteral("LblHints"));
    ASSERT_NE(hintLine, nullptr);
    QStatusTipEvent tip(parts::Named<QToolButton>(p, "SBLeerfeld")->statusTip());
    QCoreApplication::sendEvent(parts::Named<QToolButton>(p, "SBLeerfeld"), &tip);
    EXPECT_EQ(hintLine->text(), QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"));
    p.Item("MItemPlayHilfe")->showStatusText();
    EXPECT_EQ(hintLine->text(), QStringLiteral("Hilfe zum Rätsel anzeigen"));
}

TEST(RiddleWindow, IconButtonsAndTheGridHaveAccessibleNames) {
    for (bool sudoku : {false, true}) {
        Player p = sudoku ? Player([](QFile& F) { WriteSudoku(F, ss9Symbols); }) : WordPlayer(rtAmerican);
        // Both tool bars, the marking panel included.
        QList<QToolButton*> buttons = parts::Named<QWidget>(p, "Toolbar")->findChildren<QToolButton*>();
        buttons += p.main()->findChild<QWidget*>(QStringLiteral("ToolBar"))->findChildren<QToolButton*>();
        int iconOnly = 0;
        for (const QToolButton* b : buttons) {
            if (!b->text().isEmpty())
                continue;
            ++iconOnly;
            EXPECT_FALSE(b->accessibleName().isEmpty()) << b->objectName().toStdString();
            EXPECT_EQ(b->accessibleName(), b->toolTip()) << b->objectName().toStdString();
        }
        // Seven in the main window's tool bar, ten in the riddle window's, and two on the marking panel.
        EXPECT_EQ(iconOnly, 19);
        EXPECT_EQ(parts::ShownGridOf(p)->accessibleName(), p->windowTitle());
        EXPECT_FALSE(p->windowTitle().isEmpty());
    }
}

// In a word riddle Tab and Shift+Tab go from word to word in the legend's order; in a sudoku they
// do nothing. Neither ever takes the focus from the grid.
TEST(RiddleWindow, TabGoesFromWordToWordAndKeepsTheFocusOnTheGrid) {
    for (bool sudoku : {false, true}) {
        packed::Player p = sudoku ? packed::Player([](QFile& F) { WriteSudoku(F, ss6Symbols); })
                                  : packed::SourcePlayer(legendtest::HausSource("swedish"));
        p.main()->FocusGrid();
        TGridRiddle* grid = parts::ShownGridOf(p.form());
        struct Step {
            Qt::Key key;
            QPoint word;
        } steps[] = {{Qt::Key_Tab, {3, 2}},
                     {Qt::Key_Tab, {1, 3}},
                     {Qt::Key_Backtab, {3, 2}},
                     {Qt::Key_Backtab, {1, 1}}};
        for (const Step& s : steps) {
            QTest::keyClick(QApplication::focusWidget(), s.key);
            EXPECT_EQ(QApplication::focusWidget(), grid) << sudoku << " " << s.key;
            EXPECT_EQ(QPoint(grid->Col(), grid->Row()), sudoku ? QPoint(1, 1) : s.word)
                << sudoku << " " << s.key;
        }
    }
}

TEST(RiddleWindow, ZoomStaysBetween20And60) {
    struct Case {
        int start;
        const char* sender;
        int clicks;
        int expected;
    };
    const Case cases[] = {
        {21, "SBZoomOut", 1, 20}, {21, "SBZoomOut", 2, 20},       {20, "MItemPlayZoomOut", 1, 20},
        {59, "SBZoomIn", 1, 60},  {59, "MItemPlayZoomIn", 3, 60}, {30, "SBZoomIn", 2, 32},
    };
    for (const Case& c : cases) {
        Player p = WordPlayer(rtSwedish, kDefaultHelpFlags, c.start);
        ASSERT_EQ(parts::WordGridOf(p)->Riddle().GridSize(), c.start);
        QObject* sender = p->findChild<QObject*>(QLatin1String(c.sender));
        for (int i = 0; i < c.clicks; ++i) {
            if (auto* b = qobject_cast<QToolButton*>(sender))
                b->click();
            else
                qobject_cast<QAction*>(sender)->trigger();
        }
        EXPECT_EQ(parts::WordGridOf(p)->Riddle().GridSize(), c.expected) << c.sender << " from " << c.start;
        // The grid sized itself to the cells and the window followed it.
        EXPECT_EQ(parts::WordGridOf(p)->width(), 4 * (c.expected + 1) + 1) << c.sender << " from " << c.start;
        EXPECT_GE(p->widget()->width(), parts::WordGridOf(p)->width());
    }
    // Any other sender zooms in.
    Player p = WordPlayer(rtSwedish);
    p->MItemPlayZoomInClick(nullptr);
    EXPECT_EQ(parts::WordGridOf(p)->Riddle().GridSize(), 31);
}

// Ctrl with +, = or - and Ctrl with the wheel over the grid zoom exactly as the zoom buttons do;
// the wheel alone scrolls.
TEST(RiddleWindow, ZoomKeysAndTheCtrlWheelZoomLikeTheButtons) {
    struct Case {
        const char* name;
        Qt::Key key;
        int wheel;
        Qt::KeyboardModifiers modifiers;
        int expected;
    };
    const Case cases[] = {
        {"Ctrl++", Qt::Key_Plus, 0, Qt::ControlModifier, 31},
        {"Ctrl+=", Qt::Key_Equal, 0, Qt::ControlModifier, 31},
        {"Ctrl+-", Qt::Key_Minus, 0, Qt::ControlModifier, 29},
        {"Ctrl+wheel up", Qt::Key_unknown, 120, Qt::ControlModifier, 31},
        {"Ctrl+wheel down", Qt::Key_unknown, -120, Qt::ControlModifier, 29},
        {"wheel alone", Qt::Key_unknown, 120, Qt::NoModifier, 30},
    };
    for (const Case& c : cases) {
        Player p = WordPlayer(rtSwedish);
        TWordRiddle* grid = parts::WordGridOf(p);
        p.main()->FocusGrid();
        if (c.key != Qt::Key_unknown) {
            QTest::keyClick(grid, c.key, c.modifiers);
        } else {
            const QPointF at = grid->CellRect(1, 1).center();
            QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, c.wheel),
                              Qt::NoButton, c.modifiers, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(grid->viewport(), &wheel);
        }
        EXPECT_EQ(grid->Riddle().GridSize(), c.expected) << c.name;
        EXPECT_EQ(grid->width(), 4 * (c.expected + 1) + 1) << c.name;
    }
}

TEST(RiddleWindow, EveryZoomStepFitsTheWindowToTheGrid) {
    // Twelve columns are wider than the window's title bar needs.
    Player p = WordPlayer(rtSwedish, kDefaultHelpFlags, 30, 12, 3);
    const std::pair<const char*, int> steps[] = {{"SBZoomOut", 5}, {"SBZoomIn", 12}, {"SBZoomOut", 3}};
    for (const auto& [button, clicks] : steps)
        for (int i = 0; i < clicks; ++i) {
            p->findChild<QToolButton*>(QLatin1String(button))->click();
            const int size = parts::WordGridOf(p)->Riddle().GridSize();
            const QWidget* client = p->widget();
            // The grid and the tool bar fill the client area; the window is that and its frame.
            EXPECT_EQ(client->size(), QSize(12 * (size + 1) + 1, 3 * (size + 1) + 1 + 30)) << button << size;
            EXPECT_EQ(p->width(), client->width() + 2 * client->x()) << button << size;
            EXPECT_EQ(p->height(), client->y() + client->height() + client->x()) << button << size;
        }
}

TEST(RiddleWindow, ZoomTakesTheMainWindowAlongAsFarAsTheScreenAllows) {
    struct Case {
        const char* name;
        int rows;
        bool scrolls;
    } cases[] = {{"room on the screen", 3, false}, {"taller than the screen", 13, true}};
    for (const Case& c : cases) {
        // Six columns at the largest zoom still leave room for the legend beside them.
        Player p = WordPlayer(rtSwedish, kDefaultHelpFlags, 30, 6, c.rows);
        TRMMainForm* m = p.main();
        const QRect screen = m->screen()->availableGeometry();
        // The frame grows rightwards and downwards up to the screen's edges, title bar and borders
        // included.
        const QRect frame = m->frameGeometry();
        const QSize room = QSize(screen.right() - frame.left() + 1, screen.bottom() - frame.top() + 1) -
                           (frame.size() - m->size());
        // Menu, tool bar (33), status bar (21) and the client area's own frame.
        const QSize around(2 * m->MdiArea()->frameWidth(),
                           m->menuBar()->height() + 33 + 21 + 2 * m->MdiArea()->frameWidth());
        QSize expected = m->size();
        for (int i = 0; i < 30; ++i) {
            parts::Named<QToolButton>(p, "SBZoomIn")->click();
            // As after loading: the client area grows to reach the far edges of the riddle window
            // and the legend beside it, as far as the screen allows.
            const QRect used = p->geometry() | m->FindToolWindow(twLegend)->geometry();
            QSize needed = QSize(used.right() + 1, used.bottom() + 1) + around;
            // Too tall for the screen, the client area scrolls; its scroll bar needs room beside.
            if (needed.height() > room.height())
                needed.rwidth() += m->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            expected = expected.expandedTo(needed.boundedTo(room));
            EXPECT_EQ(m->size(), expected) << c.name << " step " << i;
            EXPECT_EQ(m->frameGeometry().topLeft(), frame.topLeft()) << c.name << " step " << i;
            EXPECT_TRUE(screen.contains(m->frameGeometry())) << c.name << " step " << i;
        }
        EXPECT_EQ(parts::WordGridOf(p)->Riddle().GridSize(), 60);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(m->MdiArea()->verticalScrollBar()->isVisible(), c.scrolls) << c.name;
        EXPECT_FALSE(m->MdiArea()->horizontalScrollBar()->isVisible()) << c.name;
    }
}

TEST(RiddleWindow, DisplayTogglesSetThePaintOptions) {
    Player word = WordPlayer(rtPuzzle);
    parts::Named<QToolButton>(word, "SBShowFail")->click();
    EXPECT_FALSE(parts::WordGridOf(word)->Riddle().PaintOptions().Contains(poShowFail));
    word.Item("MItemPlayShowFail")->trigger();
    EXPECT_TRUE(parts::WordGridOf(word)->Riddle().PaintOptions().Contains(poShowFail));
    EXPECT_TRUE(parts::Named<QToolButton>(word, "SBShowFail")->isChecked());
    parts::Named<QToolButton>(word, "SBShowLength")->click();
    EXPECT_FALSE(parts::WordGridOf(word)->Riddle().PaintOptions().Contains(poShowLength));
    word.Item("MItemPlayShowLength")->trigger();
    EXPECT_TRUE(parts::WordGridOf(word)->Riddle().PaintOptions().Contains(poShowLength));
    EXPECT_TRUE(parts::Named<QToolButton>(word, "SBShowLength")->isChecked());
    const bool hints = parts::Named<QToolButton>(word, "SBShowHints")->isChecked();
    word.Item("MItemPlayShowHints")->trigger();
    EXPECT_NE(parts::Named<QToolButton>(word, "SBShowHints")->isChecked(), hints);

    // A sudoku opens without its possible symbols.
    Player sudoku([](QFile& F) { WriteSudoku(F, ss6Symbols); });
    parts::Named<QToolButton>(sudoku, "SBShowHintGrids")->click();
    EXPECT_TRUE(parts::SudokuOf(sudoku)->Riddle().PaintOptions().Contains(poShowHintGrids));
    sudoku.Item("MItemPlayShowLength")->trigger();
    EXPECT_FALSE(parts::SudokuOf(sudoku)->Riddle().PaintOptions().Contains(poShowHintGrids));
    EXPECT_FALSE(parts::Named<QToolButton>(sudoku, "SBShowHintGrids")->isChecked());
    sudoku->MenuRaetselPopup();
    EXPECT_FALSE(sudoku.Item("MItemPlayShowLength")->isChecked());
}

TEST(RiddleWindow, BlankFieldCommandsMarkTheCurrentCell) {
    Player p = WordPlayer(rtAmerican);
    p.MoveTo(2, 2);
    parts::Named<QToolButton>(p, "SBLeerfeld")->click();
    EXPECT_TRUE(parts::WordGridOf(p)->Riddle().Cell(2, 2).Has(cfUserBlack));
    parts::Named<QToolButton>(p, "SBLeerfeld")->click();
    EXPECT_FALSE(parts::WordGridOf(p)->Riddle().Cell(2, 2).Has(cfUserBlack));

    p->MenuRaetselPopup();
    p.Item("MItemPlayLeerfeld")->trigger();
    EXPECT_TRUE(parts::WordGridOf(p)->Riddle().Cell(2, 2).Has(cfUserBlack));
    EXPECT_TRUE(parts::Named<QToolButton>(p, "SBLeerfeld")->isChecked());
    // The button follows the cell it is refreshed for.
    p.MoveTo(1, 2);
    EXPECT_FALSE(parts::Named<QToolButton>(p, "SBLeerfeld")->isChecked());
    p.MoveTo(2, 2);
    EXPECT_TRUE(parts::Named<QToolButton>(p, "SBLeerfeld")->isChecked());

    // "Buchstaben eintragen" on a cell that is black in the solution sets the blank field.
    p.MoveTo(3, 1);
    p->MItemPlayBuchstEintragenClick();
    EXPECT_TRUE(parts::WordGridOf(p)->Riddle().Cell(3, 1).Has(cfUserBlack));
    EXPECT_TRUE(parts::Named<QToolButton>(p, "SBLeerfeld")->isChecked());
    EXPECT_FALSE(parts::WordGridOf(p)->Riddle().Cell(3, 1).Revealed());
    p.MoveTo(4, 1);
    p->MItemPlayBuchstEintragenClick();
    EXPECT_TRUE(parts::WordGridOf(p)->Riddle().Cell(4, 1).Revealed());
}

TEST(RiddleWindow, MarkingPanelAndSubmenuFitTheSymbolCount) {
    for (TSudokuSize size : {ss6Symbols, ss9Symbols, ss12Symbols}) {
        Player p([size](QFile& F) { WriteSudoku(F, size); });
        const int n = parts::SudokuOf(p)->Riddle().Symbols();
        for (int tag = 1; tag <= 12; ++tag)
            EXPECT_EQ(p.Shown(("SBMark" + std::to_string(tag)).c_str()), tag <= n)
                << n << " symbols, " << tag;
        EXPECT_TRUE(p.Shown("SBMarkKeine") && p.Shown("SBMarkDuo"));
        const QToolButton* last = p->findChild<QToolButton*>(QStringLiteral("SBMark%1").arg(n));
        const QToolButton* duo = parts::Named(p, "SBMarkDuo");
        EXPECT_EQ(duo->x(), last->x() + last->width()) << n;
        EXPECT_EQ(parts::Named<QWidget>(p, "PanelMark")->width(), duo->x() + 22) << n;

        p->MItemPlayFelderMarkierenClick();
        int items = 0;
        for (QAction* a : parts::Named<QMenu>(p, "MItemPlayFelderMarkieren")->actions())
            items += a->isVisible() && !a->isSeparator();
        EXPECT_EQ(items, n + 2) << n;

        // A button marks its symbol; a menu item also moves the panel's down state.
        p->findChild<QToolButton*>(QStringLiteral("SBMark3"))->click();
        EXPECT_EQ(parts::SudokuOf(p)->Riddle().MarkedSymbol(), 3);
        p.Item("MItemPlayMarkDuo")->trigger();
        EXPECT_EQ(parts::SudokuOf(p)->Riddle().MarkedSymbol(), 255);
        int down = 0;
        for (QToolButton* b : parts::Named<QWidget>(p, "PanelMark")->findChildren<QToolButton*>())
            down += b->isChecked();
        EXPECT_EQ(down, 1);
        EXPECT_TRUE(duo->isChecked());
        p->MItemPlayFelderMarkierenClick();
        EXPECT_TRUE(p.Item("MItemPlayMarkDuo")->isChecked());
        EXPECT_FALSE(p.Item("MItemPlayMarkKeine")->isChecked());
    }
}

// The sudoku starts at its first cell. A click selects a cell; a double click also fills in its
// symbol, but only where the riddle offers that help.
// The pop-up menu's palette enters a sudoku's own symbols as their keys would and empties a cell
// as Delete would; the arrow keys and Return reach every button. With "Notizen" it makes notes.
TEST(RiddleWindow, PaletteEntersSymbolsAsTypingWould) {
    struct Case {
        TSudokuSize size;
        const char* symbols;
        // The button that Right, Down and Return reach from the first one.
        char byKeys;
    } cases[] = {
        {ss6Symbols, "123456", '5'}, {ss9Symbols, "123456789", '5'}, {ss12Symbols, "123456789ABC", '6'}};
    for (const Case& c : cases) {
        Player p([&c](QFile& F) {
            TSudokuRiddleData r;
            r.SetSize(c.size);
            TStreamWriter w(F);
            WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
            r.SaveToStream(F, 0, false);
        });
        TSudokuRiddle* grid = parts::SudokuOf(p);
        emit parts::Named<QMenu>(p, "MenuRaetsel")->aboutToShow();
        auto* palette = parts::Named<TSymbolPalette>(p, "SymbolPalette");
        const QList<QPushButton*> buttons = palette->findChildren<QPushButton*>();
        QString shown;
        for (const QPushButton* b : buttons) {
            EXPECT_FALSE(b->accessibleName().isEmpty()) << b->objectName().toStdString();
            if (b->objectName() != QStringLiteral("PaletteClear"))
                shown += b->text();
        }
        EXPECT_EQ(shown, QString::fromLatin1(c.symbols));
        const uint8_t last = uint8_t(c.symbols[std::strlen(c.symbols) - 1]);
        grid->SelectOnly(2, 1);
        parts::Named<QPushButton>(palette, ("PaletteSymbol" + std::string(1, char(last))).c_str())->click();
        EXPECT_EQ(grid->Riddle().Cell(2, 1).Entry(), last) << c.symbols;
        parts::Named<QPushButton>(palette, "PaletteClear")->click();
        EXPECT_EQ(grid->Riddle().Cell(2, 1).Entry(), 0) << c.symbols;
        grid->SelectOnly(2, 1);
        auto* menu = parts::Named<QMenu>(p, "MenuRaetsel");
        menu->popup(grid->mapToGlobal(grid->CellRect(2, 1).center()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        // A screen reader finds the buttons below the menu item of the palette, and finds its way back.
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(menu)->child(0);
        ASSERT_EQ(item->role(), QAccessible::MenuItem);
        EXPECT_EQ(item->text(QAccessible::Name), QStringLiteral("Symbole"));
        ASSERT_EQ(item->childCount(), 1);
        QAccessibleInterface* first =
            QAccessible::queryAccessibleInterface(parts::Named<QPushButton>(palette, "PaletteSymbol1"));
        EXPECT_NE(item->child(0)->indexOfChild(first), -1);
        EXPECT_EQ(first->parent()->parent(), item);
        EXPECT_EQ(item->parent()->indexOfChild(item), 0);
        parts::Named<QPushButton>(palette, "PaletteSymbol1")->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(palette->focusWidget(), key);
        EXPECT_EQ(grid->Riddle().Cell(2, 1).Entry(), uint8_t(c.byKeys)) << c.symbols;
        EXPECT_FALSE(menu->isVisible()) << c.symbols;

        // With "Notizen" down the palette and the symbol keys make notes instead.
        auto* notes = parts::Named<QToolButton>(p, "SBNotizen");
        ASSERT_TRUE(p.Shown("SBNotizen"));
        EXPECT_GE(notes->x(), parts::Named<QWidget>(p, "PanelMark")->geometry().right()) << c.symbols;
        notes->click();
        grid->SelectOnly(3, 1);
        parts::Named<QPushButton>(palette, ("PaletteSymbol" + std::string(1, char(last))).c_str())->click();
        QTest::keyClick(grid, Qt::Key_2);
        EXPECT_EQ(grid->Riddle().Cell(3, 1).Entry(), 0) << c.symbols;
        EXPECT_EQ(grid->Riddle().Cell(3, 1).Notes(), (1u << SymbolValue(last)) | (1u << 2)) << c.symbols;
        notes->click();
        EXPECT_FALSE(notes->isChecked());
        QTest::keyClick(grid, Qt::Key_2);
        EXPECT_EQ(grid->Riddle().Cell(3, 1).Entry(), '2') << c.symbols;
    }
}

TEST(RiddleWindow, SudokuDoubleClickFillsInOnlyWithAutoFill) {
    for (bool autoFill : {true, false}) {
        Player p([autoFill](QFile& F) {
            WriteSudoku(F, ss9Symbols, autoFill ? THelpFlags{hfAutoFill} : THelpFlags{hfShowRiddle});
        });
        TSudokuRiddle* grid = parts::SudokuOf(p);
        EXPECT_EQ(QPoint(grid->Col(), grid->Row()), QPoint(1, 1));
        // As the system delivers a double click: a click, then the second press as a double click.
        const QPoint at = grid->CellRect(3, 2).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        EXPECT_FALSE(grid->Riddle().Cell(3, 2).Revealed());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(QPoint(grid->Col(), grid->Row()), QPoint(3, 2)) << autoFill;
        EXPECT_EQ(grid->Riddle().Cell(3, 2).Revealed(), autoFill);
        EXPECT_FALSE(grid->Riddle().Cell(3, 3).Revealed());
    }
}

TEST(RiddleWindow, SnapshotsFillEmptySlotsThenReplaceTheOldest) {
    const QDateTime t0(QDate(2024, 5, 1), QTime(10, 0));
    auto at = [&](int Minutes) { return t0.addSecs(60 * Minutes); };
    struct Case {
        TSnapshotTimes times;
        int slot;
    };
    const Case cases[] = {
        {{}, 1},
        {{at(1), QDateTime(), at(2), QDateTime()}, 2},
        {{at(4), at(1), at(3), at(2)}, 2},
        {{at(5), at(5), at(5), at(5)}, 1},
        {{at(3), at(2), at(2), at(9)}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SnapshotSlotFor(c.times), c.slot);

    Player p([](QFile& F) { WriteSudoku(F, ss6Symbols); });
    p->MItemPlaySnapErstellenClick();
    p->MItemPlaySnapErstellenClick();
    p->MItemPlaySchnappschussClick();
    EXPECT_TRUE(p.Item("MItemPlaySnap1")->isVisible() && p.Item("MItemPlaySnap2")->isVisible());
    EXPECT_FALSE(p.Item("MItemPlaySnap3")->isVisible() || p.Item("MItemPlaySnap4")->isVisible());
    EXPECT_TRUE(p.Item("MItemPlaySnap2")->text().startsWith(QStringLiteral("2: ")));
    EXPECT_TRUE(p.Item("MItemPlaySnap2")->text().endsWith(QStringLiteral(" h")));

    // Restoring asks first; Yes brings back the entries of the snapshot.
    const uint8_t before = parts::SudokuOf(p)->Riddle().Cell(1, 1).Entry();
    parts::SudokuOf(p)->Riddle().Cell(1, 1).SetEntry(before == '1' ? '2' : '1');
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    answer.start(10);
    p.Item("MItemPlaySnap1")->trigger();
    EXPECT_EQ(parts::SudokuOf(p)->Riddle().Cell(1, 1).Entry(), before);
}

TEST(RiddleWindow, CloseEndsTheProgram) {
    Player p = WordPlayer(rtSwedish);
    p.Item("MItemPlaySchliessen")->trigger();
    EXPECT_EQ(p.main()->HasRiddleWindow(), false);
    EXPECT_FALSE(p.main()->isVisible());
}

// The program's icons are read when first drawn, and then look as the pictures they name, in
// every mode; one name gives one shared icon, an unknown name no icon.
TEST(Icons, ShowTheirPictureInEveryModeAndAreSharedByName) {
    for (const char* name : {"zoom-in", "print", "quivane"}) {
        const QIcon icon = IconNamed(name);
        ASSERT_FALSE(icon.isNull()) << name;
        const QIcon read(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active})
            EXPECT_EQ(icon.pixmap(16, 16, mode).toImage(), read.pixmap(16, 16, mode).toImage())
                << name << mode;
        EXPECT_EQ(icon.availableSizes(), read.availableSizes()) << name;
        EXPECT_EQ(IconNamed(name).cacheKey(), icon.cacheKey()) << name;
    }
    EXPECT_TRUE(IconNamed("no-such-icon").isNull());
    EXPECT_TRUE(IconNamed(nullptr).isNull());
}

} // namespace
