// The commands of the riddle window's tool bar and pop-up menu.

#include "HinweisDialog.h"
#include "LoesungDialog.h"
#include "MessageBoxes.h"
#include "PauseCover.h"
#include "RaetselFormular.h"
#include "RiddleText.h"
#include "SudokuRiddle.h"
#include "ToolWindowHost.h"
#include "Variables.h"
#include "WordEditDialog.h"
#include "WordRiddle.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QToolButton>

namespace {
bool CheckedOf(const QObject* Sender) {
    if (const auto* button = qobject_cast<const QToolButton*>(Sender))
        return button->isChecked();
    const auto* item = qobject_cast<const QAction*>(Sender);
    return item && item->isChecked();
}
} // namespace

void TRiddleForm::MItemPlayZoomInClick(QObject* Sender) {
    if (!shownGrid_)
        return;
    const bool fromCommand = qobject_cast<QToolButton*>(Sender) || qobject_cast<QAction*>(Sender);
    const int step = fromCommand ? TagOf(Sender) : 1;
    TRiddleData& riddle = shownGrid_->Riddle();
    const int size = ZoomedGridSize(riddle.GridSize(), step);
    if (size == riddle.GridSize())
        return;
    // With poAutoSize the grid takes the new size and reports it, which fits the window.
    riddle.SetGridSize(size);
    // The letter grids take the new cell size; the clue legend stays as high as the riddle window,
    // and every tool window keeps clear of the grown or shrunk riddle window.
    tools_->LayoutLetterGrids();
    tools_->PlaceAll();
    emit LayoutChanged();
}

void TRiddleForm::SetShownPaintOption(TPaintOption Option, bool On) {
    TRiddleData& riddle = shownGrid_->Riddle();
    riddle.SetPaintOptions(riddle.PaintOptions().Toggled(Option, On));
}

void TRiddleForm::MItemPlayShowFailClick() {
    if (!shownGrid_)
        return;
    SetShownPaintOption(poShowFail, !shownGrid_->Riddle().PaintOptions().Contains(poShowFail));
    UpdateRiddleToolbarHere();
    tools_->RepaintLetterGrids();
}

void TRiddleForm::SBShowFailClick(QObject* Sender) {
    if (!shownGrid_)
        return;
    SetShownPaintOption(poShowFail, CheckedOf(Sender));
    tools_->RepaintLetterGrids();
}

void TRiddleForm::MItemPlayShowLengthClick() {
    if (!shownGrid_)
        return;
    const TPaintOption option = shownGrid_ == sudoku_ ? poShowHintGrids : poShowLength;
    SetShownPaintOption(option, !shownGrid_->Riddle().PaintOptions().Contains(option));
    UpdateRiddleToolbarHere();
}

void TRiddleForm::SBShowLengthClick(QObject* Sender) {
    TWordRiddleData& riddle = wordGrid_->Riddle();
    riddle.SetPaintOptions(riddle.PaintOptions().Toggled(poShowLength, CheckedOf(Sender)));
    UpdateRiddleToolbar(wordGrid_->Col(), wordGrid_->Row());
}

void TRiddleForm::SBShowHintGridsClick(QObject* Sender) {
    TSudokuRiddleData& riddle = sudoku_->Riddle();
    riddle.SetPaintOptions(riddle.PaintOptions().Toggled(poShowHintGrids, CheckedOf(Sender)));
    UpdateRiddleToolbar(sudoku_->Col(), sudoku_->Row());
}

void TRiddleForm::SBShowHintsClick(QObject* Sender) {
    tooltipsOn_ = CheckedOf(Sender);
}

void TRiddleForm::SBNotizenClick(QObject* Sender) {
    sudoku_->SetNotesMode(CheckedOf(Sender));
    FocusGrid();
}

void TRiddleForm::MItemPlayShowHintsClick() {
    tooltipsOn_ = !tooltipsOn_;
    UpdateRiddleToolbarHere();
}

void TRiddleForm::SetCurrentCellBlank(bool Blank) {
    TWordRiddleData& riddle = wordGrid_->Riddle();
    const int col = wordGrid_->Col();
    const int row = wordGrid_->Row();
    if (col < 1 || row < 1 || col > riddle.RiddleCols() || row > riddle.RiddleRows())
        return;
    TWordGridCell& cell = riddle.Cell(col, row);
    // The setter ignores an unchanged value, so a mark that is already there is not announced.
    cell.SetFlags(Blank ? uint16_t(cell.Flags() | cfUserBlack) : uint16_t(cell.Flags() & ~cfUserBlack));
    UpdateRiddleToolbarHere();
}

void TRiddleForm::MItemPlayLeerfeldClick(QObject* Sender) {
    // The item is checkable, so choosing it has already toggled its check mark.
    SetCurrentCellBlank(CheckedOf(Sender));
    WordGridRowOrColStateChange(&wordGrid_->Riddle(), wordGrid_->Col(), wordGrid_->Row(),
                                wordGrid_->Riddle().InputDirection());
    wordGrid_->InvalidateGrid();
}

void TRiddleForm::SBLeerfeldClick(QObject* Sender) {
    SetCurrentCellBlank(CheckedOf(Sender));
    WordGridLegendStateChange(nullptr);
}

void TRiddleForm::MItemPlayBuchstEintragenClick() {
    if (!shownGrid_ || !shownGrid_->Riddle().HelpFlags().Contains(hfAutoFill))
        return;
    const int col = shownGrid_->Col();
    const int row = shownGrid_->Row();
    if (col < 1 || row < 1)
        return;
    if (shownGrid_ == sudoku_) {
        if (TSudokuGridCell* cell = sudoku_->Riddle().CellAt(col, row))
            cell->SetRevealed(true);
        return;
    }
    TWordGridCell* cell = wordGrid_->Riddle().CellAt(col, row);
    if (!cell)
        return;
    // In an American riddle the letter of a black cell is the blank field itself.
    if (wordGrid_->Riddle().RiddleType() == rtAmerican && cell->Has(cfBlack)) {
        SetCurrentCellBlank(true);
        WordGridLegendStateChange(nullptr);
        return;
    }
    cell->SetRevealed(true);
}

void TRiddleForm::MItemPlayBegriffEintragenClick() {
    if (!shownGrid_ || shownGrid_ != wordGrid_)
        return;
    const TGridWordData word = wordGrid_->CurrentWord();
    // A Swedish word shows its clue; a word without a clue, and every other kind, its length.
    QString prompt = QStringLiteral("Begriff mit %1 Buchstaben:").arg(word.Length);
    const TWordRiddleData& riddle = wordGrid_->Riddle();
    if (riddle.RiddleType() == rtSwedish && word.ClueIndex >= 0 && word.ClueIndex < riddle.ClueCount())
        prompt = (riddle.Clue(word.ClueIndex).ClueText() + QLatin1Char(':')).left(101);
    const std::optional<QString> text =
        TWordEditDlg::Execute(window(), QStringLiteral("Gesuchten Begriff eingeben"), prompt, word.Shown,
                              *RiddleBackgroundColors, *RiddleTextColors, TWordBoxLook::Of(*wordGrid_));
    if (text)
        wordGrid_->EnterWord(NormalizeWord(*text, 30), wordGrid_->Col(), wordGrid_->Row(),
                             wordGrid_->Riddle().InputDirection());
    FocusGrid();
}

void TRiddleForm::MItemPlayMarkKeineClick(QObject* Sender) {
    const int tag = TagOf(Sender);
    if (tag < 0)
        return;
    sudoku_->Riddle().SetMarkedSymbol(uint8_t(tag));
    // The buttons of the marking panel show the marked symbol, whichever command chose it.
    UpdateRiddleToolbarHere();
}

void TRiddleForm::MItemPlaySnapErstellenClick() {
    snapshots_.Take(sudoku_->Riddle(), QDateTime::currentDateTime());
}

void TRiddleForm::MItemPlaySnap1Click(QObject* Sender) {
    const int slot = TagOf(Sender);
    if (!snapshots_.Filled(slot))
        return;
    const QString question =
        QStringLiteral("Möchten Sie den aktuellen Bearbeitungsstand des Rätsels wirklich "
                       "mit dem gewählten Schnappschuss überschreiben?");
    const bool yes = AskConfirmation(this, "SnapshotQuestion", question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    FocusGrid();
    if (yes)
        snapshots_.Restore(slot, sudoku_->Riddle());
}

void TRiddleForm::PauseSolving() {
    if (!shownGrid_ || !shownGrid_->Riddle().ClockRunning())
        return;
    THintForm::CloseCurrent();
    shownGrid_->Riddle().PauseClock();
    const QString text = QStringLiteral("Pause – zum Weiterspielen klicken oder eine Taste drücken");
    // The grid's cover lies in the scroll box's viewport, where a screen reader finds it, and stays
    // in place while the grid beneath would scroll.
    std::vector<QWidget*> covered{scrollBox_->viewport()};
    if (TLoesungForm* solution = tools_->Solution())
        covered.push_back(solution->widget());
    for (QWidget* w : covered) {
        auto* cover = new TPauseCover(w, text);
        connect(cover, &TPauseCover::Resumed, this, &TRiddleForm::ResumeSolving);
        pauseCovers_.emplace_back(cover);
    }
    // The keys go to the grid's cover, which ends the pause.
    pauseCovers_.front()->setFocus(Qt::OtherFocusReason);
}

void TRiddleForm::ResumeSolving() {
    if (shownGrid_)
        shownGrid_->Riddle().ResumeClock();
    RemovePauseCovers();
    FocusGrid();
}

void TRiddleForm::RemovePauseCovers() {
    for (QPointer<TPauseCover>& cover : pauseCovers_)
        if (cover)
            cover->deleteLater();
    pauseCovers_.clear();
}

void TRiddleForm::PaletteChosen(const QString& Symbol) {
    menuRaetsel_->close();
    if (shownGrid_ != sudoku_)
        return;
    // Exactly as the key of the symbol (a note while notes are switched on), or Delete.
    if (Symbol.isEmpty())
        sudoku_->ClearCurrentCell();
    else if (sudoku_->NotesMode())
        sudoku_->ToggleNote(SymbolValue(uint8_t(Symbol.at(0).unicode())));
    else
        sudoku_->EnterSymbol(Symbol.at(0));
    FocusGrid();
}

void TRiddleForm::MItemPlaySchliessenClick() {
    close();
}
