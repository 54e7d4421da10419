// The main window's commands: the opening handlers that set the menu items, the commands
// themselves, the one-step undo, the reset, the solution view and the message after the riddle
// has been filled in.

#include "GridRiddle.h"
#include "Hauptformular.h"
#include "MainCommandRules.h"
#include "MessageBoxes.h"
#include "MessageDialog.h"
#include "RaetselFormular.h"
#include "SudokuRiddle.h"
#include "UndoKeeper.h"
#include "WordRiddle.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolButton>

namespace {
// CountFlagAll takes the flag's bit number.
constexpr int kGivenBit = 4;
static_assert((1 << kGivenBit) == cfGiven);

TButtonView ViewOf(const QToolButton* b) {
    return b ? TButtonView{!b->isHidden(), b->isEnabled(), b->isChecked()} : TButtonView{};
}

// A button of a tool window, found by its name; a window without it shows no such button.
TButtonView ButtonOf(const QWidget* window, const char* name) {
    return ViewOf(window ? window->findChild<QToolButton*>(QLatin1String(name)) : nullptr);
}

void Apply(QAction* item, const TMenuItemState& s) {
    item->setVisible(s.Visible);
    item->setEnabled(s.Enabled);
    item->setChecked(s.Checked);
}

bool IsSudoku(const TGridRiddle* grid) {
    return grid && grid->Riddle().RiddleType() == rtSudoku;
}
} // namespace

void TRMMainForm::UpdateCommands() {
    const TGridRiddle* grid = RiddleWindow ? RiddleWindow->ShownGrid : nullptr;
    TCommandFacts f;
    f.RiddleWindow = grid != nullptr;
    // Asking the printer system takes a moment; without a riddle there is nothing to print.
    f.HasPrinter = grid && HasPrinter && HasPrinter();
    f.DisplayMode = grid ? grid->Riddle().DisplayMode() : 0;
    const TCommandState s = CommandState(f);
    TBRaeDrucken->setEnabled(s.PrintEnabled);
    TBRaeInfos->setEnabled(s.InfosEnabled);
    TBBeaZuruecksetzen->setEnabled(s.ResetEnabled);
    MItemBearbeiten->menuAction()->setVisible(s.EditMenuVisible);
    MItemAnsicht->menuAction()->setVisible(s.ViewMenuVisible);
}

void TRMMainForm::RefreshShortcutItems() {
    MItemRaetselClick();
    MItemBearbeitenClick();
}

void TRMMainForm::FocusGrid() {
    if (!RiddleWindow || !RiddleWindow->ShownGrid)
        return;
    // The frame has to be the active window again, or its menu mnemonics and shortcuts stay
    // dead although the grid has the focus.
    activateWindow();
    mdiArea_->setActiveSubWindow(RiddleWindow);
    RiddleWindow->ShownGrid->setFocus(Qt::OtherFocusReason);
}

void TRMMainForm::MItemRaetselClick() {
    MItemRaeDrucken->setEnabled(TBRaeDrucken->isEnabled());
    MItemRaeEigenschaften->setEnabled(TBRaeInfos->isEnabled());
}

void TRMMainForm::MItemBearbeitenClick() {
    const TGridRiddle* grid = RiddleWindow ? RiddleWindow->ShownGrid : nullptr;
    TEditMenuFacts f;
    f.RiddleWindow = grid != nullptr;
    f.Sudoku = IsSudoku(grid);
    f.DisplayMode = grid ? grid->Riddle().DisplayMode() : 0;
    f.UndoEnabled = TBBeaRueckgaengig->isEnabled();
    f.ResetEnabled = TBBeaZuruecksetzen->isEnabled();
    f.UndoText = UndoText;
    if (grid) {
        f.Leerfeld = ViewOf(RiddleWindow->SBLeerfeld);
        f.Buchst = ViewOf(RiddleWindow->SBBuchstEintragen);
        f.Begr = ViewOf(RiddleWindow->SBBegrEintragen);
    }
    const TEditMenuState s = EditMenuState(f);
    Apply(MItemBeaRueckgaengig, s.Rueckgaengig);
    MItemBeaRueckgaengig->setText(s.RueckgaengigCaption);
    Apply(MItemBeaZuruecksetzen, s.Zuruecksetzen);
    MItemBeaN1->setVisible(s.N1.Visible);
    Apply(MItemBeaLeerfeld, s.Leerfeld);
    Apply(MItemBeaBuchstEintragen, s.BuchstEintragen);
    MItemBeaBuchstEintragen->setText(s.BuchstCaption);
    Apply(MItemBeaBegriffEintragen, s.BegriffEintragen);
    MItemBeaFelderMarkieren->menuAction()->setVisible(s.FelderMarkieren.Visible);
    MItemBeaSchnappschuss->menuAction()->setVisible(s.Schnappschuss.Visible);
}

void TRMMainForm::MItemBeaFelderMarkierenClick() {
    if (!RiddleWindow)
        return;
    const TSudokuRiddle* sudoku = RiddleWindow->Sudoku;
    for (QAction* item : MarkItems) {
        const int tag = TagOf(item);
        item->setVisible(MarkTagVisible(tag, sudoku->RiddleCols()));
        item->setChecked(tag == sudoku->MarkedSymbol());
    }
}

void TRMMainForm::MItemBeaSchnappschussClick() {
    if (!RiddleWindow)
        return;
    for (int n = 1; n <= int(SnapItems.size()); ++n) {
        QAction* item = SnapItems[size_t(n - 1)];
        const QDateTime& time = RiddleWindow->Snapshots[size_t(n - 1)].Time;
        item->setVisible(!time.isNull());
        if (time.isNull())
            continue;
        item->setText(SnapshotItemCaption(n, time));
        item->setStatusTip(SnapshotItemHint(time));
    }
}

void TRMMainForm::MItemAnsichtClick() {
    const TGridRiddle* grid = RiddleWindow ? RiddleWindow->ShownGrid : nullptr;
    TViewMenuFacts f;
    f.RiddleWindow = grid != nullptr;
    if (grid) {
        f.DisplayMode = grid->Riddle().DisplayMode();
        f.HelpFlags = grid->Riddle().HelpFlags();
    }
    const TViewMenuState s = ViewMenuState(f);
    Apply(MItemAnsLoesung, s.Loesung);
    MItemAnsRaetsel->menuAction()->setVisible(s.Raetsel.Visible);
    MItemAnsLegende->menuAction()->setVisible(s.Legende.Visible);
}

void TRMMainForm::MItemAnsRaetselClick() {
    const TGridRiddle* grid = RiddleWindow ? RiddleWindow->ShownGrid : nullptr;
    if (!grid)
        return;
    TViewMenuFacts f;
    f.RiddleWindow = true;
    f.Sudoku = IsSudoku(grid);
    f.DisplayMode = grid->Riddle().DisplayMode();
    f.HelpFlags = grid->Riddle().HelpFlags();
    f.ShowFail = ViewOf(RiddleWindow->SBShowFail);
    f.ShowLength = ViewOf(RiddleWindow->SBShowLength);
    f.ShowHintGrids = ViewOf(RiddleWindow->SBShowHintGrids);
    f.ShowHints = ViewOf(RiddleWindow->SBShowHints);
    const TViewMenuState s = ViewMenuState(f);
    Apply(MItemAnsFehleintraege, s.Fehleintraege);
    Apply(MItemAnsBegriffLaengen, s.BegriffLaengen);
    MItemAnsBegriffLaengen->setText(s.BegriffLaengenCaption);
    MItemAnsBegriffLaengen->setStatusTip(s.BegriffLaengenHint);
    MItemAnsBegriffLaengen->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(s.BegriffLaengenIcon)));
    Apply(MItemAnsTooltips, s.Tooltips);
}

void TRMMainForm::MItemAnsLegendeClick() {
    const QMdiSubWindow* clue = FindToolWindow(twLegend);
    const QMdiSubWindow* numbers = FindToolWindow(twNumLegend);
    TLegendMenuFacts f;
    f.ClueLegendShown = clue && clue->isVisible();
    f.Ausblenden = ButtonOf(clue, "SBBegrAusblenden");
    f.Markieren = ButtonOf(clue, "SBBegrMarkieren");
    f.EineLegende = ButtonOf(clue, "SBEineLegende");
    f.NumLegendShown = numbers && numbers->isVisible();
    f.AutoEintragen = ButtonOf(numbers, "SBAutoEintragen");
    f.LegendeEintragen = ButtonOf(numbers, "SBLegendeEintragen");
    f.RaetselEintragen = ButtonOf(numbers, "SBRaetselEintragen");
    const TLegendMenuState s = LegendMenuState(f);
    Apply(MIemAnsAusblenden, s.Ausblenden);
    Apply(MItemAnsMarkieren, s.Markieren);
    Apply(MItemAnsEineLegende, s.EineLegende);
    Apply(MItemAnsLegAutomatisch, s.LegAutomatisch);
    Apply(MItemAnsLegUebernehmen, s.LegUebernehmen);
    Apply(MItemAnsLegEintragen, s.LegEintragen);
}

void TRMMainForm::MItemRaeDruckenClick() {
    // Opens the print dialog once the printing layer is part of the player.
}

void TRMMainForm::MItemRaeEigenschaftenClick() {
    // Opens the riddle properties dialog once it is part of the player.
}

void TRMMainForm::MItemRaeInfoClick() {
    // Opens the program info dialog, with the riddle's version, once it is part of the player.
}

void TRMMainForm::MItemRaeBeendenClick() {
    close();
}

TRiddleData* TRMMainForm::UndoBackup() const {
    const TGridRiddle* grid = RiddleWindow ? RiddleWindow->ShownGrid : nullptr;
    if (!grid)
        return nullptr;
    if (grid == RiddleWindow->Sudoku)
        return UndoSudoku.get();
    return UndoWordRiddle.get();
}

void TRMMainForm::SaveUndoState(const QString& Text) {
    TRiddleData* backup = UndoBackup();
    if (!backup)
        return;
    SaveUndoBackup(*backup, RiddleWindow->ShownGrid->Riddle());
    UndoText = Text;
    TBBeaRueckgaengig->setEnabled(true);
    UpdateCommands();
}

void TRMMainForm::RestoreUndoState() {
    const TRiddleData* backup = UndoBackup();
    if (!backup)
        return;
    RestoreUndoBackup(RiddleWindow->ShownGrid->Riddle(), *backup);
    if (RiddleWindow->ShownGrid == RiddleWindow->WordGrid) {
        RiddleWindow->UpdateLegendWindow(true);
        RiddleWindow->WordGridSelectedWordChange(RiddleWindow->WordGrid);
        RiddleWindow->UpdateSolutionWindow(true);
    }
}

void TRMMainForm::MItemBeaRueckgaengigClick() {
    // Nothing has been backed up since the last undo (the backup would be stale or empty).
    if (!TBBeaRueckgaengig->isEnabled())
        return;
    RestoreUndoState();
    TBBeaRueckgaengig->setEnabled(false);
}

void TRMMainForm::MItemBeaZuruecksetzenClick() {
    TGridRiddle* grid = RiddleWindow ? RiddleWindow->ShownGrid : nullptr;
    if (!grid)
        return;
    TRiddleData& riddle = grid->Riddle();
    const TResetQuestion q = ResetQuestion(riddle.CountFlagAll(kGivenBit, false), IsSudoku(grid));
    const auto buttons = q.YesNoCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                       : QMessageBox::Ok | QMessageBox::Cancel;
    const QMessageBox::StandardButton answer = AskConfirmation(this, "ResetQuestion", q.Text, buttons);
    FocusGrid();
    if (answer == QMessageBox::Cancel)
        return;
    riddle.Reset(false, answer == QMessageBox::Yes);
    if (riddle.RiddleOptions().Contains(roCountTime)) {
        // The solver starts over, so does the clock, even if it was running already.
        riddle.SetTime(0);
        riddle.StartClock(riddle.Now());
        RiddleWindow->UpdateStopwatch(true);
    }
    if (riddle.RiddleOptions().Contains(roHasKeyword))
        RiddleWindow->UpdateSolutionWindow(true);
}

void TRMMainForm::MItemBeaLeerfeldClick() {
    // The item is checkable, so choosing it has already toggled its check mark.
    const bool blank = MItemBeaLeerfeld->isChecked();
    if (!RiddleWindow)
        return;
    RiddleWindow->SBLeerfeld->setChecked(blank);
    // Unlike the riddle window's own command, the legend's line marks are left as they are.
    RiddleWindow->SetCurrentCellBlank(blank);
}

void TRMMainForm::MItemBeaBuchstEintragenClick() {
    if (RiddleWindow)
        RiddleWindow->MItemPlayBuchstEintragenClick();
}

void TRMMainForm::MItemBeaBegriffEintragenClick() {
    if (!RiddleWindow)
        return;
    RiddleWindow->MItemPlayBegriffEintragenClick();
    FocusGrid();
}

void TRMMainForm::MItemBeaMarkKeineClick(QObject* Sender) {
    if (RiddleWindow)
        RiddleWindow->MItemPlayMarkKeineClick(Sender);
}

void TRMMainForm::MItemBeaSnapErstellenClick() {
    if (RiddleWindow)
        RiddleWindow->MItemPlaySnapErstellenClick();
}

void TRMMainForm::MItemBeaSnap1Click(QObject* Sender) {
    if (!RiddleWindow)
        return;
    RiddleWindow->MItemPlaySnap1Click(Sender);
    FocusGrid();
}

void TRMMainForm::MItemAnsLoesungClick() {
    TGridRiddle* grid = RiddleWindow ? RiddleWindow->ShownGrid : nullptr;
    if (!grid)
        return;
    // The item is checked exactly while the solution shows.
    const uint8_t mode = grid->Riddle().DisplayMode() == 1 ? 0 : 1;
    grid->Riddle().SetDisplayMode(mode);
    MItemAnsLoesung->setChecked(mode == 1);
    UpdateCommands();
    RiddleWindow->UpdateRiddleToolbar(grid->Col(), grid->Row());
    RiddleWindow->UpdateSolutionWindow(true);
    // The number legend's letter grid shows the solution too; it is repainted here once it exists.
}

void TRMMainForm::MItemAnsVergroessernClick(QObject* Sender) {
    if (RiddleWindow)
        RiddleWindow->MItemPlayZoomInClick(Sender);
}

void TRMMainForm::MItemAnsFehleintraegeClick() {
    if (RiddleWindow)
        RiddleWindow->MItemPlayShowFailClick();
}

void TRMMainForm::MItemAnsBegriffLaengenClick() {
    if (RiddleWindow)
        RiddleWindow->MItemPlayShowLengthClick();
}

void TRMMainForm::MItemAnsTooltipsClick() {
    if (RiddleWindow)
        RiddleWindow->MItemPlayShowHintsClick();
}

// The legend commands reach the clue legend and number legend windows that the riddle window
// keeps; until those windows exist their items stay hidden and there is nothing to pass on.
void TRMMainForm::MIemAnsAusblendenClick() {}
void TRMMainForm::MItemAnsMarkierenClick() {}
void TRMMainForm::MItemAnsEineLegendeClick() {}
void TRMMainForm::MItemAnsLegAutomatischClick() {}
void TRMMainForm::MItemAnsLegUebernehmenClick() {}
void TRMMainForm::MItemAnsLegEintragenClick() {}

void TRMMainForm::ShowStateMessage(TGridRiddle* Grid) {
    if (!Grid)
        return;
    const TRiddleData& riddle = Grid->Riddle();
    const std::optional<TStateMessage> message = StateMessage(
        riddle.State(), riddle.RiddleOptions().Contains(roCountTime), riddle.BestTime(), riddle.Time());
    if (!message)
        return;
    TWinMsgDlg dialog(this);
    dialog.Kind = message->Kind;
    dialog.LblMessage->setText(message->Text);
    dialog.exec();
    FocusGrid();
}
