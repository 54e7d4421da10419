#include "RaetselFormular.h"

#include "EmbeddedRiddle.h"
#include "GradientPanel.h"
#include "LegendeDialog.h"
#include "MenuItems.h"
#include "SudokuRiddle.h"
#include "Variables.h"
#include "WordRiddle.h"

#include <QCloseEvent>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kToolbarHeight = 30;

TToolbarEdge EdgeOf(const QWidget* W) {
    return {!W->isHidden(), W->x(), W->width()};
}
} // namespace

TRiddleForm::TRiddleForm(const QString& ExecutablePath) {
    setObjectName(QStringLiteral("RiddleForm"));
    setAttribute(Qt::WA_DeleteOnClose);

    content_ = new QWidget;
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Toolbar = new TGradientPanel;
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setFixedHeight(kToolbarHeight);
    CreateToolbar();
    layout->addWidget(Toolbar);
    scrollBox_ = new QScrollArea;
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setFrameShape(QFrame::NoFrame);
    // Only the grid takes the keyboard: Tab must not move the focus to the box around it, where
    // nothing shows it.
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    auto* gridHolder = new QWidget;
    WordGrid = new TWordRiddle(gridHolder);
    WordGrid->setObjectName(QStringLiteral("WordGrid"));
    Sudoku = new TSudokuRiddle(gridHolder);
    Sudoku->setObjectName(QStringLiteral("Sudoku"));
    Sudoku->setAccessibleName(QStringLiteral("Sudoku"));
    for (TGridRiddle* grid : {static_cast<TGridRiddle*>(WordGrid), static_cast<TGridRiddle*>(Sudoku)}) {
        grid->move(0, 0);
        grid->hide();
        // Wrong letters and possible symbols are help the solver switches on. A word riddle brings
        // its own options; a sudoku's file holds none, so this is how every sudoku opens.
        grid->Riddle().SetPaintOptions(TPaintOptions{poAutoSize, poShowLength, poMarkCurrWord});
    }
    Sudoku->Riddle().SetHelpFlags(THelpFlags{});
    scrollBox_->setWidget(gridHolder);
    layout->addWidget(scrollBox_, 1);
    setWidget(content_);
    CreateMenu();
    ConnectGridEvents();
    resize(491, 345);

    LoadFailed = LoadEmbeddedRiddle(ExecutablePath) != 0;
    if (!LoadFailed) {
        LayoutSymbolPanel();
        PlaceCursor();
    }
}

uint8_t TRiddleForm::LoadEmbeddedRiddle(const QString& ExecutablePath) {
    QFile file(ExecutablePath);
    if (!file.exists())
        return rfFileMissing;
    if (!file.open(QIODevice::ReadOnly))
        return rfHeaderError;
    TRiddleHeader header;
    uint8_t result = LocateEmbeddedRiddle(file, header);
    if (result != rfOk)
        return result;
    TGridRiddle* grid = nullptr;
    if (header.ClassName == "WordRiddle")
        grid = WordGrid;
    else if (header.ClassName == "SudokuRiddle")
        grid = Sudoku;
    else
        return rfWrongFormat;
    grid->Riddle().SetVersion(header.Version);
    result = grid->Riddle().LoadFromStream(file, false);
    if (result != rfOk)
        return result;
    ShownGrid = grid;
    RiddleBackgroundColors->Assign(grid->Riddle().BackgroundColors());
    RiddleTextColors->Assign(grid->Riddle().TextColors());
    const bool sudoku = grid->Riddle().RiddleType() == rtSudoku;
    WordGrid->setVisible(!sudoku);
    Sudoku->setVisible(sudoku);
    LayoutSymbolPanel();
    grid->AdjustClientSize();
    return rfOk;
}

void TRiddleForm::FitToGrid() {
    if (!ShownGrid)
        return;
    // A small riddle must not cut off its own tool bar: every button shown counts.
    const int width =
        FittedClientWidth(ShownGrid->width(),
                          {EdgeOf(SBZoomIn), EdgeOf(SBZoomOut), EdgeOf(SBShowFail), EdgeOf(SBShowLength),
                           EdgeOf(SBShowHintGrids), EdgeOf(SBShowHints), EdgeOf(SBBuchstEintragen),
                           EdgeOf(SBBegrEintragen), EdgeOf(PanelMark), EdgeOf(SBSuchen), EdgeOf(SBLeerfeld)});
    scrollBox_->widget()->resize(ShownGrid->size());
    content_->setFixedSize(width, ShownGrid->height() + Toolbar->height());
    // The window's size hint follows the scroll box rather than the fixed content, so it would
    // never shrink; its minimum is exactly the content with the frame around it.
    resize(minimumSizeHint());
    emit LayoutChanged();
}

void TRiddleForm::LayoutSymbolPanel() {
    const TCommandStates s = CommandStates(Facts(), {});
    PanelMark->setVisible(s.SudokuTools.Visible);
    SBShowLength->setVisible(s.ShowLength.Visible);
    SBShowHintGrids->setVisible(s.ShowHintGrids.Visible);
    if (!s.SudokuTools.Visible)
        return;
    const int symbols = Sudoku->Riddle().Symbols();
    for (QToolButton* b : MarkButtons)
        b->setVisible(MarkTagVisible(TagOf(b), symbols));
    QToolButton* duo = MarkButtons.back();
    const TMarkPanelLayout layout = MarkPanelLayout(symbols, duo->width());
    duo->move(layout.DuoLeft, duo->y());
    PanelMark->resize(layout.PanelWidth, PanelMark->height());
}

TRiddleData* TRiddleForm::ShownRiddle() const {
    return ShownGrid ? &ShownGrid->Riddle() : nullptr;
}

TPrintSource TRiddleForm::PrintSource() const {
    TPrintSource source;
    source.Riddle = ShownRiddle();
    source.Fonts = ShownGrid ? &ShownGrid->Fonts() : nullptr;
    if (ShownGrid && ShownGrid == WordGrid) {
        if (LegendWindow)
            source.ClueLegend = LegendWindow->Renderer();
        source.NumberLegend = !NumLegendWindow.isNull();
    }
    return source;
}

TRiddleFacts TRiddleForm::Facts() const {
    return ShownGrid ? FactsAt(ShownGrid->Col(), ShownGrid->Row()) : TRiddleFacts{};
}

TRiddleFacts TRiddleForm::FactsAt(int ACol, int ARow) const {
    TRiddleFacts f;
    if (!ShownGrid)
        return f;
    const TRiddleData& shown = ShownGrid->Riddle();
    const TWordRiddleData& word = WordGrid->Riddle();
    f.Loaded = true;
    f.Sudoku = ShownGrid == Sudoku;
    f.WordType = word.RiddleType();
    f.DisplayMode = shown.DisplayMode();
    f.HelpFlags = shown.HelpFlags();
    f.PaintOptions = shown.PaintOptions();
    f.Col = ACol;
    f.Row = ARow;
    f.CellBlocked = word.IsBlocked(ACol, ARow);
    const TWordGridCell* cell = word.CellAt(ACol, ARow);
    f.CellUserBlack = cell && cell->Has(cfUserBlack);
    f.WordHasClue = WordGrid->CurrentWord().ClueNumber > 0;
    f.TooltipsOn = TooltipsOn;
    return f;
}

TSnapshotTimes TRiddleForm::SnapshotTimes() const {
    TSnapshotTimes times;
    for (size_t i = 0; i < Snapshots.size(); ++i)
        times[i] = Snapshots[i].Time;
    return times;
}

void TRiddleForm::FocusGrid() {
    if (!ShownGrid)
        return;
    // The frame has to be the active window again, or its menu mnemonics and shortcuts stay
    // dead although the grid has the focus.
    window()->activateWindow();
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
    ShownGrid->setFocus(Qt::OtherFocusReason);
}

void TRiddleForm::UpdateRiddleToolbar(int ACol, int ARow) {
    if (!ShownGrid)
        return;
    const TCommandStates s = CommandStates(FactsAt(ACol, ARow), {});
    SBShowFail->setVisible(s.ShowFail.Visible);
    SBShowFail->setChecked(s.ShowFail.Checked);
    SBShowHintGrids->setChecked(s.ShowHintGrids.Checked);
    SBShowLength->setVisible(s.ShowLength.Visible);
    SBShowLength->setChecked(s.ShowLength.Checked);
    SBShowHints->setChecked(s.ShowHints.Checked);
    SBLeerfeld->setVisible(s.BlankField.Visible);
    // A hidden blank-field button keeps whatever state it had.
    if (s.BlankField.Visible)
        SBLeerfeld->setChecked(s.BlankField.Checked);
    SBBuchstEintragen->setVisible(s.FillLetter.Visible);
    SBBuchstEintragen->setEnabled(s.FillLetter.Enabled);
    SBBegrEintragen->setVisible(s.EnterWord.Visible);
    SBBegrEintragen->setEnabled(s.EnterWord.Enabled);
    SBBuchstEintragen->move(
        BuchstEintragenLeft(!SBShowHints->isHidden(), SBShowHints->x(), SBShowHints->width()),
        SBBuchstEintragen->y());
    SBBegrEintragen->move(SBBuchstEintragen->x() + SBBuchstEintragen->width(), SBBegrEintragen->y());
    // SBSuchen stays hidden: the player has no dictionary to look the word up in.
    ShownGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    if (LegendWindow && LegendWindow->isVisible())
        LegendWindow->UpdateToolbar();
}

void TRiddleForm::UpdateRiddleToolbarHere() {
    if (ShownGrid)
        UpdateRiddleToolbar(ShownGrid->Col(), ShownGrid->Row());
}

void TRiddleForm::DisplayModeChanged() {
    UpdateRiddleToolbarHere();
    UpdateSolutionWindow(true);
    RepaintLetterGrids();
}

void TRiddleForm::RiddleRestored() {
    if (ShownGrid != WordGrid)
        return;
    UpdateLegendWindow(true);
    WordGridSelectedWordChange(nullptr);
    UpdateSolutionWindow(true);
}

void TRiddleForm::showEvent(QShowEvent* Event) {
    QMdiSubWindow::showEvent(Event);
    if (LoadFailed)
        return;
    UpdateRiddleToolbarHere();
    FitToGrid();
    setWindowTitle(RiddleDescription(ShownGrid->Riddle()));
    // A screen reader announces the grid by what the caption says about the riddle.
    ShownGrid->setAccessibleName(windowTitle());
    if (ShownGrid == WordGrid) {
        UpdateSolutionWindow(true);
        UpdateLegendWindow(true);
    }
    UpdateStopwatch(true);
    // The solver can type at once.
    ShownGrid->setFocus(Qt::OtherFocusReason);
}

void TRiddleForm::closeEvent(QCloseEvent* Event) {
    QMdiSubWindow::closeEvent(Event);
    if (Event->isAccepted())
        emit Closed();
}

void TRiddleForm::PlaceCursor() {
    if (ShownGrid == Sudoku) {
        Sudoku->SelectOnly(1, 1);
    } else if (WordGrid->Riddle().RiddleType() == rtFindWords) {
        // A word search starts without a selection, so that no cell looks marked.
        if (WordGrid->Riddle().DisplayMode() != dmEditing)
            WordGrid->SetCurrentSilently(0, 0);
    } else {
        WordGrid->SelectFirstCell();
    }
}
