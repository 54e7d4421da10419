// The commands of the riddle window's tool bar and pop-up menu, and the opening handlers of
// the menu.

#include "HinweisDialog.h"
#include "MenuItems.h"
#include "MessageBoxes.h"
#include "RaetselFormular.h"
#include "RiddleText.h"
#include "SudokuRiddle.h"
#include "Variables.h"
#include "WordEditDialog.h"
#include "WordRiddle.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace {
void Apply(QAction* Item, const TCommandView& State) {
    Item->setVisible(State.Visible);
    Item->setChecked(State.Checked);
}
} // namespace

void TRiddleForm::MItemPlayZoomInClick(QObject* Sender) {
    if (!ShownGrid)
        return;
    const bool fromCommand = qobject_cast<QToolButton*>(Sender) || qobject_cast<QAction*>(Sender);
    const int step = fromCommand ? TagOf(Sender) : 1;
    TRiddleData& riddle = ShownGrid->Riddle();
    const int size = ZoomedGridSize(riddle.GridSize(), step);
    if (size == riddle.GridSize())
        return;
    // With poAutoSize the grid takes the new size and reports it, which fits the window.
    riddle.SetGridSize(size);
    // The letter grids take the new cell size; the clue legend stays as high as the riddle window,
    // and every tool window keeps clear of the grown or shrunk riddle window.
    LayoutLetterGrids();
    PlaceToolWindows();
    emit LayoutChanged();
}

void TRiddleForm::SetShownPaintOption(TPaintOption Option, bool On) {
    TRiddleData& riddle = ShownGrid->Riddle();
    riddle.SetPaintOptions(riddle.PaintOptions().Toggled(Option, On));
}

void TRiddleForm::MItemPlayShowFailClick() {
    if (!ShownGrid)
        return;
    SetShownPaintOption(poShowFail, !ShownGrid->Riddle().PaintOptions().Contains(poShowFail));
    UpdateRiddleToolbarHere();
    RepaintLetterGrids();
}

void TRiddleForm::SBShowFailClick() {
    if (!ShownGrid)
        return;
    SetShownPaintOption(poShowFail, SBShowFail->isChecked());
    RepaintLetterGrids();
}

void TRiddleForm::MItemPlayShowLengthClick() {
    if (!ShownGrid)
        return;
    const TPaintOption option = ShownGrid == Sudoku ? poShowHintGrids : poShowLength;
    SetShownPaintOption(option, !ShownGrid->Riddle().PaintOptions().Contains(option));
    UpdateRiddleToolbarHere();
}

void TRiddleForm::SBShowLengthClick() {
    TWordRiddleData& riddle = WordGrid->Riddle();
    riddle.SetPaintOptions(riddle.PaintOptions().Toggled(poShowLength, SBShowLength->isChecked()));
    UpdateRiddleToolbar(WordGrid->Col(), WordGrid->Row());
}

void TRiddleForm::SBShowHintGridsClick() {
    TSudokuRiddleData& riddle = Sudoku->Riddle();
    riddle.SetPaintOptions(riddle.PaintOptions().Toggled(poShowHintGrids, SBShowHintGrids->isChecked()));
    UpdateRiddleToolbar(Sudoku->Col(), Sudoku->Row());
}

void TRiddleForm::MItemPlayShowHintsClick() {
    TooltipsOn = !TooltipsOn;
    UpdateRiddleToolbarHere();
}

void TRiddleForm::SetCurrentCellBlank(bool Blank) {
    TWordRiddleData& riddle = WordGrid->Riddle();
    const int col = WordGrid->Col();
    const int row = WordGrid->Row();
    if (col < 1 || row < 1 || col > riddle.RiddleCols() || row > riddle.RiddleRows())
        return;
    TWordGridCell& cell = riddle.Cell(col, row);
    // The setter ignores an unchanged value, so a mark that is already there is not announced.
    cell.SetFlags(Blank ? uint16_t(cell.Flags() | cfUserBlack) : uint16_t(cell.Flags() & ~cfUserBlack));
    UpdateRiddleToolbarHere();
}

void TRiddleForm::MItemPlayLeerfeldClick() {
    // The item is checkable, so choosing it has already toggled its check mark.
    SetCurrentCellBlank(MItemPlayLeerfeld->isChecked());
    WordGridRowOrColStateChange(&WordGrid->Riddle(), WordGrid->Col(), WordGrid->Row(),
                                WordGrid->Riddle().InputDirection());
    WordGrid->InvalidateGrid();
}

void TRiddleForm::SBLeerfeldClick() {
    SetCurrentCellBlank(SBLeerfeld->isChecked());
    WordGridLegendStateChange(nullptr);
}

void TRiddleForm::MItemPlayBuchstEintragenClick() {
    if (!ShownGrid || !ShownGrid->Riddle().HelpFlags().Contains(hfAutoFill))
        return;
    const int col = ShownGrid->Col();
    const int row = ShownGrid->Row();
    if (col < 1 || row < 1)
        return;
    if (ShownGrid == Sudoku) {
        if (TSudokuGridCell* cell = Sudoku->Riddle().CellAt(col, row))
            cell->SetRevealed(true);
        return;
    }
    TWordGridCell* cell = WordGrid->Riddle().CellAt(col, row);
    if (!cell)
        return;
    // In an American riddle the letter of a black cell is the blank field itself.
    if (WordGrid->Riddle().RiddleType() == rtAmerican && cell->Has(cfBlack)) {
        SetCurrentCellBlank(true);
        WordGridLegendStateChange(nullptr);
        return;
    }
    cell->SetRevealed(true);
}

void TRiddleForm::MItemPlayBegriffEintragenClick() {
    if (ShownGrid != WordGrid)
        return;
    const TGridWordData word = WordGrid->CurrentWord();
    // A Swedish word shows its clue; a word without a clue, and every other kind, its length.
    QString prompt = QStringLiteral("Begriff mit %1 Buchstaben:").arg(word.Length);
    const TWordRiddleData& riddle = WordGrid->Riddle();
    if (riddle.RiddleType() == rtSwedish && word.ClueIndex >= 0 && word.ClueIndex < riddle.ClueCount())
        prompt = (riddle.Clue(word.ClueIndex).ClueText() + QLatin1Char(':')).left(101);
    const std::optional<QString> text =
        TWordEditDlg::Execute(window(), QStringLiteral("Gesuchten Begriff eingeben"), prompt, word.Shown,
                              *RiddleBackgroundColors, *RiddleTextColors, TWordBoxLook::Of(*WordGrid));
    if (text)
        WordGrid->EnterWord(NormalizeWord(*text, 30), WordGrid->Col(), WordGrid->Row(),
                            WordGrid->Riddle().InputDirection());
    FocusGrid();
}

void TRiddleForm::MItemPlayMarkKeineClick(QObject* Sender) {
    const int tag = TagOf(Sender);
    if (tag < 0)
        return;
    Sudoku->Riddle().SetMarkedSymbol(uint8_t(tag));
    // A button moves the radio group's down state by itself; a menu item has to.
    if (qobject_cast<QAction*>(Sender))
        for (QToolButton* b : MarkButtons)
            if (TagOf(b) == Sudoku->Riddle().MarkedSymbol())
                b->setChecked(true);
}

void TRiddleForm::MItemPlaySnapErstellenClick() {
    TSnapshotSlot& slot = Snapshots[size_t(SnapshotSlotFor(SnapshotTimes()) - 1)];
    slot.State = Sudoku->Riddle().TakeSnapshot();
    slot.Time = QDateTime::currentDateTime();
}

void TRiddleForm::MItemPlaySnap1Click(QObject* Sender) {
    const int n = TagOf(Sender);
    if (n < 1 || n > kSnapshotSlots || Snapshots[size_t(n - 1)].Time.isNull())
        return;
    const QString question =
        QStringLiteral("Möchten Sie den aktuellen Bearbeitungsstand des Rätsels wirklich "
                       "mit dem gewählten Schnappschuss überschreiben?");
    const bool yes = AskConfirmation(this, "SnapshotQuestion", question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    FocusGrid();
    if (yes)
        Sudoku->Riddle().RestoreSnapshot(Snapshots[size_t(n - 1)].State);
}

void TRiddleForm::MItemPlaySchliessenClick() {
    close();
}

void TRiddleForm::MenuRaetselPopup() {
    // A hint would cover the menu.
    THintForm::CloseCurrent();
    const TCommandStates s = CommandStates(Facts(), {});
    Apply(MItemPlayLeerfeld, s.BlankField);
    Apply(MItemPlayBuchstEintragen, s.PopupFillLetter);
    Apply(MItemPlayBegriffEintragen, s.PopupEnterWord);
    Apply(MItemPlayShowFail, s.ShowFail);
    Apply(MItemPlayShowLength, s.LengthItem);
    MItemPlayShowLength->setText(s.LengthCaption);
    MItemPlayShowLength->setStatusTip(s.LengthHint);
    MItemPlayShowLength->setIcon(IconNamed(s.LengthIcon.toLatin1().constData()));
    Apply(MItemPlayShowHints, s.ShowHints);
    MItemPlayFelderMarkieren->menuAction()->setVisible(s.SudokuTools.Visible);
    MItemPlaySchnappschuss->menuAction()->setVisible(s.SudokuTools.Visible);
}

void TRiddleForm::MItemPlayFelderMarkierenClick() {
    const TSudokuRiddleData& sudoku = Sudoku->Riddle();
    for (QAction* item : MarkItems) {
        const int tag = TagOf(item);
        item->setVisible(MarkTagVisible(tag, sudoku.Symbols()));
        item->setChecked(tag == sudoku.MarkedSymbol());
    }
}

void TRiddleForm::MItemPlaySchnappschussClick() {
    for (int n = 1; n <= kSnapshotSlots; ++n) {
        QAction* item = SnapItems[size_t(n - 1)];
        const QDateTime& time = Snapshots[size_t(n - 1)].Time;
        item->setVisible(!time.isNull());
        if (time.isNull())
            continue;
        item->setText(SnapshotItemCaption(n, time));
        item->setStatusTip(SnapshotItemHint(time));
    }
}
