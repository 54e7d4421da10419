// The main window's commands: the opening handlers that set the menu items, the commands
// themselves, the one-step undo, the reset, the solution view and the message after the riddle
// has been filled in.

#include "Hauptformular.h"
#include "InfoDialog.h"
#include "MainCommandRules.h"
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

namespace {
// CountFlagAll takes the flag's bit number.
constexpr int kGivenBit = 4;
static_assert((1 << kGivenBit) == cfGiven);
} // namespace

TRiddleWindowInterface& TRMMainForm::Riddle() const {
    static TRiddleWindowInterface none;
    return riddleWindow_ ? *riddleWindow_ : none;
}

TCommandStates TRMMainForm::Commands() const {
    const TRiddleFacts riddle = Riddle().Facts();
    // Without a riddle there is nothing to print.
    return CommandStates(riddle,
                         TSessionFacts{undoAvailable_, undoText_, riddle.Loaded && printerAvailable_});
}

void TRMMainForm::AskForPrinters() {
    printerAvailable_ = hasPrinter_ && hasPrinter_();
}

void TRMMainForm::UpdateCommands() {
    commands_.Apply(Commands());
}

void TRMMainForm::FocusGrid() {
    Riddle().FocusGrid();
}

void TRMMainForm::MItemRaetselClick() {
    UpdateCommands();
}

void TRMMainForm::MItemBearbeitenClick() {
    UpdateCommands();
}

void TRMMainForm::MItemBeaFelderMarkierenClick() {
    UpdateCommands();
}

void TRMMainForm::MItemBeaSchnappschussClick() {
    UpdateCommands();
}

void TRMMainForm::MItemAnsichtClick() {
    UpdateCommands();
}

void TRMMainForm::MItemAnsRaetselClick() {
    UpdateCommands();
}

void TRMMainForm::MItemAnsLegendeClick() {
    UpdateCommands();
}

void TRMMainForm::MItemRaeDruckenClick() {
    if (!Riddle().ShownRiddle())
        return;
    ExecutePrint(this, Riddle().PrintSource(), printMsgDlg_);
    FocusGrid();
}

void TRMMainForm::MItemRaeEigenschaftenClick() {
    const TRiddleData* riddle = Riddle().ShownRiddle();
    if (!riddle)
        return;
    TRaetselInfoDlg dialog(this);
    dialog.Fill(RiddleProperties(*riddle, QFileInfo(executablePath_).lastModified(),
                                 QCoreApplication::applicationName()));
    dialog.exec();
    FocusGrid();
}

void TRMMainForm::MItemRaeInfoClick() {
    const TRiddleData* riddle = Riddle().ShownRiddle();
    TInfoDlg dialog(this, riddle ? riddle->Version() : QString(), QFileInfo(executablePath_).lastModified());
    dialog.exec();
    FocusGrid();
}

void TRMMainForm::MItemRaeBeendenClick() {
    close();
}

TRiddleData* TRMMainForm::UndoBackup() const {
    const TRiddleData* shown = Riddle().ShownRiddle();
    if (!shown)
        return nullptr;
    if (shown->RiddleType() == rtSudoku)
        return undoSudoku_.get();
    return undoWordRiddle_.get();
}

void TRMMainForm::SaveUndoState(const QString& Text) {
    TRiddleData* backup = UndoBackup();
    if (!backup)
        return;
    SaveUndoBackup(*backup, *Riddle().ShownRiddle());
    undoText_ = Text;
    undoAvailable_ = true;
    UpdateCommands();
}

void TRMMainForm::RestoreUndoState() {
    const TRiddleData* backup = UndoBackup();
    if (!backup)
        return;
    RestoreUndoBackup(*Riddle().ShownRiddle(), *backup);
    Riddle().RiddleRestored();
}

void TRMMainForm::MItemBeaRueckgaengigClick() {
    // Nothing has been backed up since the last undo (the backup would be stale or empty).
    if (!undoAvailable_)
        return;
    RestoreUndoState();
    undoAvailable_ = false;
    UpdateCommands();
}

void TRMMainForm::MItemBeaZuruecksetzenClick() {
    TRiddleData* riddle = Riddle().ShownRiddle();
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
        Riddle().UpdateStopwatch(true);
    }
    if (riddle->RiddleOptions().Contains(roHasKeyword))
        Riddle().UpdateSolutionWindow(true);
}

void TRMMainForm::MItemBeaLeerfeldClick(QObject* Sender) {
    // The item is checkable, so choosing it has already toggled its check mark. Unlike the
    // riddle window's own command, the legend's line marks are left as they are.
    if (const auto* item = qobject_cast<QAction*>(Sender))
        Riddle().SetCurrentCellBlank(item->isChecked());
}

void TRMMainForm::MItemBeaBuchstEintragenClick() {
    Riddle().MItemPlayBuchstEintragenClick();
}

void TRMMainForm::MItemBeaBegriffEintragenClick() {
    Riddle().MItemPlayBegriffEintragenClick();
    FocusGrid();
}

void TRMMainForm::MItemBeaMarkKeineClick(QObject* Sender) {
    Riddle().MItemPlayMarkKeineClick(Sender);
}

void TRMMainForm::MItemBeaSnapErstellenClick() {
    Riddle().MItemPlaySnapErstellenClick();
}

void TRMMainForm::MItemBeaSnap1Click(QObject* Sender) {
    Riddle().MItemPlaySnap1Click(Sender);
    FocusGrid();
}

void TRMMainForm::MItemAnsPauseClick() {
    Riddle().PauseSolving();
}

void TRMMainForm::MItemAnsLoesungClick() {
    TRiddleData* riddle = Riddle().ShownRiddle();
    if (!riddle)
        return;
    // The item is checked exactly while the solution shows.
    riddle->SetDisplayMode(riddle->DisplayMode() == dmSolution ? dmSolving : dmSolution);
    UpdateCommands();
    Riddle().DisplayModeChanged();
}

void TRMMainForm::MItemAnsVergroessernClick(QObject* Sender) {
    Riddle().MItemPlayZoomInClick(Sender);
}

void TRMMainForm::MItemAnsFehleintraegeClick() {
    Riddle().MItemPlayShowFailClick();
}

void TRMMainForm::MItemAnsBegriffLaengenClick() {
    Riddle().MItemPlayShowLengthClick();
}

void TRMMainForm::MItemAnsTooltipsClick() {
    Riddle().MItemPlayShowHintsClick();
}

void TRMMainForm::MIemAnsAusblendenClick() {
    Riddle().MItemLegendeAusblendenClick();
}

void TRMMainForm::MItemAnsMarkierenClick() {
    Riddle().MItemLegendeMarkierenClick();
}

void TRMMainForm::MItemAnsEineLegendeClick() {
    Riddle().MItemLegendeEineLegendeClick();
}

void TRMMainForm::MItemAnsLegAutomatischClick() {
    Riddle().MItemLegendeAutomatischEintragenClick();
}

void TRMMainForm::MItemAnsLegUebernehmenClick() {
    Riddle().MItemLegendeUebernehmenClick();
}

void TRMMainForm::MItemAnsLegEintragenClick() {
    Riddle().MItemLegendeEintragenClick();
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
