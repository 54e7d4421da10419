// The main window's commands: the opening handlers that set the menu items, the commands
// themselves, the one-step undo, the reset, the solution view and the message after the riddle
// has been filled in.

#include "Hauptformular.h"
#include "InfoDialog.h"
#include "MainCommandRules.h"
#include "MenuItems.h"
#include "MessageBoxes.h"
#include "MessageDialog.h"
#include "PrintJob.h"
#include "RaetselInfoDialog.h"
#include "RiddleProperties.h"
#include "RiddleWindowInterface.h"
#include "SudokuRiddleData.h"
#include "UndoKeeper.h"
#include "WordRiddleData.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {
// CountFlagAll takes the flag's bit number.
constexpr int kGivenBit = 4;
static_assert((1 << kGivenBit) == cfGiven);

void Apply(QAction* Item, const TCommandView& S) {
    Item->setVisible(S.Visible);
    Item->setEnabled(S.Enabled);
    Item->setChecked(S.Checked);
}

void Apply(QMenu* Menu, const TCommandView& S) {
    Menu->menuAction()->setVisible(S.Visible);
}
} // namespace

TCommandStates TRMMainForm::Commands() const {
    const TRiddleFacts riddle = RiddleWindow ? RiddleWindow->Facts() : TRiddleFacts{};
    // Without a riddle there is nothing to print.
    return CommandStates(riddle, TSessionFacts{UndoAvailable, UndoText, riddle.Loaded && printerAvailable_});
}

void TRMMainForm::AskForPrinters() {
    printerAvailable_ = HasPrinter && HasPrinter();
}

void TRMMainForm::UpdateCommands() {
    const TCommandStates s = Commands();
    TBRaeDrucken->setEnabled(s.Print.Enabled);
    TBRaeInfos->setEnabled(s.Properties.Enabled);
    TBBeaRueckgaengig->setEnabled(s.Undo.Enabled);
    TBBeaZuruecksetzen->setEnabled(s.Reset.Enabled);
    Apply(MItemBearbeiten, s.EditMenu);
    Apply(MItemAnsicht, s.ViewMenu);
}

void TRMMainForm::RefreshShortcutItems() {
    MItemRaetselClick();
    MItemBearbeitenClick();
}

void TRMMainForm::FocusGrid() {
    if (RiddleWindow)
        RiddleWindow->FocusGrid();
}

void TRMMainForm::MItemRaetselClick() {
    const TCommandStates s = Commands();
    MItemRaeDrucken->setEnabled(s.Print.Enabled);
    MItemRaeEigenschaften->setEnabled(s.Properties.Enabled);
}

void TRMMainForm::MItemBearbeitenClick() {
    const TCommandStates s = Commands();
    Apply(MItemBeaRueckgaengig, s.Undo);
    MItemBeaRueckgaengig->setText(s.UndoCaption);
    Apply(MItemBeaZuruecksetzen, s.Reset);
    MItemBeaN1->setVisible(s.UndoSeparator.Visible);
    Apply(MItemBeaLeerfeld, {s.BlankField.Visible, true, s.BlankField.Checked});
    Apply(MItemBeaBuchstEintragen, s.FillLetter);
    MItemBeaBuchstEintragen->setText(s.FillLetterCaption);
    Apply(MItemBeaBegriffEintragen, s.EnterWord);
    Apply(MItemBeaFelderMarkieren, s.SudokuTools);
    Apply(MItemBeaSchnappschuss, s.SudokuTools);
}

void TRMMainForm::MItemBeaFelderMarkierenClick() {
    const TRiddleData* riddle = RiddleWindow ? RiddleWindow->ShownRiddle() : nullptr;
    const auto* sudoku = dynamic_cast<const TSudokuRiddleData*>(riddle);
    if (!sudoku)
        return;
    for (QAction* item : MarkItems) {
        const int tag = TagOf(item);
        item->setVisible(MarkTagVisible(tag, sudoku->Symbols()));
        item->setChecked(tag == sudoku->MarkedSymbol());
    }
}

void TRMMainForm::MItemBeaSchnappschussClick() {
    if (!RiddleWindow)
        return;
    const TSnapshotTimes times = RiddleWindow->SnapshotTimes();
    for (int n = 1; n <= int(SnapItems.size()); ++n) {
        QAction* item = SnapItems[size_t(n - 1)];
        const QDateTime& time = times[size_t(n - 1)];
        item->setVisible(!time.isNull());
        if (time.isNull())
            continue;
        item->setText(SnapshotItemCaption(n, time));
        item->setStatusTip(SnapshotItemHint(time));
    }
}

void TRMMainForm::MItemAnsichtClick() {
    const TCommandStates s = Commands();
    Apply(MItemAnsLoesung, s.Solution);
    Apply(MItemAnsRaetsel, s.RiddleSubmenu);
    Apply(MItemAnsLegende, s.LegendSubmenu);
}

void TRMMainForm::MItemAnsRaetselClick() {
    if (!RiddleWindow)
        return;
    const TCommandStates s = Commands();
    Apply(MItemAnsFehleintraege, {s.ShowFail.Visible, true, s.ShowFail.Visible && s.ShowFail.Checked});
    Apply(MItemAnsBegriffLaengen, s.LengthItem);
    MItemAnsBegriffLaengen->setText(s.LengthCaption);
    MItemAnsBegriffLaengen->setStatusTip(s.LengthHint);
    MItemAnsBegriffLaengen->setIcon(IconNamed(s.LengthIcon.toLatin1().constData()));
    Apply(MItemAnsTooltips, {s.ShowHints.Visible, true, s.ShowHints.Visible && s.ShowHints.Checked});
}

void TRMMainForm::MItemAnsLegendeClick() {
    // The legend windows tell their state through the riddle window that keeps them.
    const TLegendMenuState s =
        LegendMenuState(RiddleWindow ? RiddleWindow->LegendMenuFacts() : TLegendMenuFacts{});
    Apply(MIemAnsAusblenden, s.Ausblenden);
    Apply(MItemAnsMarkieren, s.Markieren);
    Apply(MItemAnsEineLegende, s.EineLegende);
    Apply(MItemAnsLegAutomatisch, s.LegAutomatisch);
    Apply(MItemAnsLegUebernehmen, s.LegUebernehmen);
    Apply(MItemAnsLegEintragen, s.LegEintragen);
}

void TRMMainForm::MItemRaeDruckenClick() {
    if (!RiddleWindow)
        return;
    ExecutePrint(this, RiddleWindow->PrintSource(), printMsgDlg_);
    FocusGrid();
}

void TRMMainForm::MItemRaeEigenschaftenClick() {
    const TRiddleData* riddle = RiddleWindow ? RiddleWindow->ShownRiddle() : nullptr;
    if (!riddle)
        return;
    TRaetselInfoDlg dialog(this);
    dialog.Fill(RiddleProperties(*riddle, QFileInfo(executablePath_).lastModified(),
                                 QCoreApplication::applicationName()));
    dialog.exec();
    FocusGrid();
}

void TRMMainForm::MItemRaeInfoClick() {
    const TRiddleData* riddle = RiddleWindow ? RiddleWindow->ShownRiddle() : nullptr;
    TInfoDlg dialog(this, riddle ? riddle->Version() : QString(), QFileInfo(executablePath_).lastModified());
    dialog.exec();
    FocusGrid();
}

void TRMMainForm::MItemRaeBeendenClick() {
    close();
}

TRiddleData* TRMMainForm::UndoBackup() const {
    const TRiddleData* shown = RiddleWindow ? RiddleWindow->ShownRiddle() : nullptr;
    if (!shown)
        return nullptr;
    if (shown->RiddleType() == rtSudoku)
        return UndoSudoku.get();
    return UndoWordRiddle.get();
}

void TRMMainForm::SaveUndoState(const QString& Text) {
    TRiddleData* backup = UndoBackup();
    if (!backup)
        return;
    SaveUndoBackup(*backup, *RiddleWindow->ShownRiddle());
    UndoText = Text;
    UndoAvailable = true;
    UpdateCommands();
}

void TRMMainForm::RestoreUndoState() {
    const TRiddleData* backup = UndoBackup();
    if (!backup)
        return;
    RestoreUndoBackup(*RiddleWindow->ShownRiddle(), *backup);
    RiddleWindow->RiddleRestored();
}

void TRMMainForm::MItemBeaRueckgaengigClick() {
    // Nothing has been backed up since the last undo (the backup would be stale or empty).
    if (!UndoAvailable)
        return;
    RestoreUndoState();
    UndoAvailable = false;
    UpdateCommands();
}

void TRMMainForm::MItemBeaZuruecksetzenClick() {
    TRiddleData* riddle = RiddleWindow ? RiddleWindow->ShownRiddle() : nullptr;
    if (!riddle)
        return;
    const bool sudoku = riddle->RiddleType() == rtSudoku;
    const TResetQuestion q = ResetQuestion(riddle->CountFlagAll(kGivenBit, false), sudoku);
    const auto buttons = q.YesNoCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                       : QMessageBox::Ok | QMessageBox::Cancel;
    const QMessageBox::StandardButton answer = AskConfirmation(this, "ResetQuestion", q.Text, buttons);
    FocusGrid();
    if (answer == QMessageBox::Cancel)
        return;
    riddle->Reset(false, answer == QMessageBox::Yes);
    if (riddle->RiddleOptions().Contains(roCountTime)) {
        // The solver starts over, so does the clock, even if it was running already.
        riddle->SetTime(0);
        riddle->StartClock(riddle->Now());
        RiddleWindow->UpdateStopwatch(true);
    }
    if (riddle->RiddleOptions().Contains(roHasKeyword))
        RiddleWindow->UpdateSolutionWindow(true);
}

void TRMMainForm::MItemBeaLeerfeldClick() {
    // The item is checkable, so choosing it has already toggled its check mark. Unlike the
    // riddle window's own command, the legend's line marks are left as they are.
    if (RiddleWindow)
        RiddleWindow->SetCurrentCellBlank(MItemBeaLeerfeld->isChecked());
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
    TRiddleData* riddle = RiddleWindow ? RiddleWindow->ShownRiddle() : nullptr;
    if (!riddle)
        return;
    // The item is checked exactly while the solution shows.
    const TDisplayMode mode = riddle->DisplayMode() == dmSolution ? dmSolving : dmSolution;
    riddle->SetDisplayMode(mode);
    MItemAnsLoesung->setChecked(mode == dmSolution);
    UpdateCommands();
    RiddleWindow->DisplayModeChanged();
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

void TRMMainForm::MIemAnsAusblendenClick() {
    if (RiddleWindow)
        RiddleWindow->MItemLegendeAusblendenClick();
}

void TRMMainForm::MItemAnsMarkierenClick() {
    if (RiddleWindow)
        RiddleWindow->MItemLegendeMarkierenClick();
}

void TRMMainForm::MItemAnsEineLegendeClick() {
    if (RiddleWindow)
        RiddleWindow->MItemLegendeEineLegendeClick();
}

void TRMMainForm::MItemAnsLegAutomatischClick() {
    if (RiddleWindow)
        RiddleWindow->MItemLegendeAutomatischEintragenClick();
}

void TRMMainForm::MItemAnsLegUebernehmenClick() {
    if (RiddleWindow)
        RiddleWindow->MItemLegendeUebernehmenClick();
}

void TRMMainForm::MItemAnsLegEintragenClick() {
    if (RiddleWindow)
        RiddleWindow->MItemLegendeEintragenClick();
}

void TRMMainForm::ShowStateMessage(const TRiddleData& Grid) {
    const std::optional<TStateMessage> message =
        StateMessage(Grid.State(), Grid.RiddleOptions().Contains(roCountTime), Grid.BestTime(), Grid.Time());
    if (!message)
        return;
    TWinMsgDlg dialog(this);
    dialog.Kind = message->Kind;
    dialog.LblMessage->setText(message->Text);
    dialog.exec();
    FocusGrid();
}
