#include "RaetselFormular.h"

#include "EmbeddedRiddle.h"
#include "GradientPanel.h"
#include "SudokuRiddle.h"
#include "ToolWindowHost.h"
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
constexpr int kNotesGap = 6;

TToolbarEdge EdgeOf(const QWidget* W) {
    return {!W->isHidden(), W->x(), W->width()};
}
} // namespace

TRiddleForm::TRiddleForm(const QString& ExecutablePath)
    : commands_(this, [this] { return CommandStates(Facts(), {}); }) {
    setObjectName(QStringLiteral("RiddleForm"));
    setAttribute(Qt::WA_DeleteOnClose);

    content_ = new QWidget;
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new TGradientPanel;
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setFixedHeight(kToolbarHeight);
    layout->addWidget(toolbar_);
    scrollBox_ = new QScrollArea;
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setFrameShape(QFrame::NoFrame);
    // Only the grid takes the keyboard: Tab must not move the focus to the box around it, where
    // nothing shows it.
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    auto* gridHolder = new QWidget;
    wordGrid_ = new TWordRiddle(gridHolder);
    wordGrid_->setObjectName(QStringLiteral("WordGrid"));
    sudoku_ = new TSudokuRiddle(gridHolder);
    sudoku_->setObjectName(QStringLiteral("Sudoku"));
    sudoku_->setAccessibleName(QStringLiteral("Sudoku"));
    for (TGridRiddle* grid : {static_cast<TGridRiddle*>(wordGrid_), static_cast<TGridRiddle*>(sudoku_)}) {
        grid->move(0, 0);
        grid->hide();
        // Wrong letters and possible symbols are help the solver switches on. A word riddle brings
        // its own options; a sudoku's file holds none, so this is how every sudoku opens.
        grid->Riddle().SetPaintOptions(TPaintOptions{poAutoSize, poShowLength, poMarkCurrWord});
    }
    sudoku_->Riddle().SetHelpFlags(THelpFlags{});
    scrollBox_->setWidget(gridHolder);
    layout->addWidget(scrollBox_, 1);
    setWidget(content_);
    CreateCommands();
    tools_ = new TToolWindowHost(this, wordGrid_);
    connect(tools_, &TToolWindowHost::GridFocusWanted, this, &TRiddleForm::FocusGrid);
    ConnectGridEvents();
    resize(491, 345);

    loadFailed_ = LoadEmbeddedRiddle(ExecutablePath) != 0;
    if (!loadFailed_) {
        LayoutSymbolPanel();
        PlaceCursor();
    }
    ApplyCommandStates();
}

TRiddleForm::~TRiddleForm() = default;

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
        grid = wordGrid_;
    else if (header.ClassName == "SudokuRiddle")
        grid = sudoku_;
    else
        return rfWrongFormat;
    grid->Riddle().SetVersion(header.Version);
    result = grid->Riddle().LoadFromStream(file, false);
    if (result != rfOk)
        return result;
    shownGrid_ = grid;
    RiddleBackgroundColors->Assign(grid->Riddle().BackgroundColors());
    RiddleTextColors->Assign(grid->Riddle().TextColors());
    const bool sudoku = grid->Riddle().RiddleType() == rtSudoku;
    wordGrid_->setVisible(!sudoku);
    sudoku_->setVisible(sudoku);
    LayoutSymbolPanel();
    grid->AdjustClientSize();
    return rfOk;
}

void TRiddleForm::FitToGrid() {
    if (!shownGrid_)
        return;
    // A small riddle must not cut off its own tool bar: every button shown counts.
    int width = shownGrid_->width();
    for (const QWidget* w : toolbar_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        width = FittedClientWidth(width, {EdgeOf(w)});
    scrollBox_->widget()->resize(shownGrid_->size());
    content_->setFixedSize(width, shownGrid_->height() + toolbar_->height());
    // The window's size hint follows the scroll box rather than the fixed content, so it would
    // never shrink; its minimum is exactly the content with the frame around it.
    resize(minimumSizeHint());
    emit LayoutChanged();
}

void TRiddleForm::LayoutSymbolPanel() {
    const TCommandStates s = CommandStates(Facts(), {});
    panelMark_->setVisible(s.SudokuTools.Visible);
    if (!s.SudokuTools.Visible)
        return;
    commands_.Apply(s);
    QToolButton* duo = commands_.Button("SBMarkDuo");
    const TMarkPanelLayout layout = MarkPanelLayout(sudoku_->Riddle().Symbols(), duo->width());
    duo->move(layout.DuoLeft, duo->y());
    panelMark_->resize(layout.PanelWidth, panelMark_->height());
    QToolButton* notes = commands_.Button("SBNotizen");
    notes->move(panelMark_->x() + layout.PanelWidth + kNotesGap, notes->y());
}

TRiddleData* TRiddleForm::ShownRiddle() const {
    return shownGrid_ ? &shownGrid_->Riddle() : nullptr;
}

TPrintSource TRiddleForm::PrintSource() const {
    TPrintSource source;
    source.Riddle = ShownRiddle();
    source.Fonts = shownGrid_ ? &shownGrid_->Fonts() : nullptr;
    if (shownGrid_ && shownGrid_ == wordGrid_)
        tools_->AddLegends(source);
    return source;
}

TRiddleFacts TRiddleForm::Facts() const {
    return shownGrid_ ? FactsAt(shownGrid_->Col(), shownGrid_->Row()) : TRiddleFacts{};
}

TRiddleFacts TRiddleForm::FactsAt(int ACol, int ARow) const {
    TRiddleFacts f;
    if (!shownGrid_)
        return f;
    const TRiddleData& shown = shownGrid_->Riddle();
    const TWordRiddleData& word = wordGrid_->Riddle();
    f.Loaded = true;
    f.Sudoku = shownGrid_ == sudoku_;
    f.WordType = word.RiddleType();
    f.DisplayMode = shown.DisplayMode();
    f.HelpFlags = shown.HelpFlags();
    f.PaintOptions = shown.PaintOptions();
    f.Col = ACol;
    f.Row = ARow;
    f.CellBlocked = word.IsBlocked(ACol, ARow);
    const TWordGridCell* cell = word.CellAt(ACol, ARow);
    f.CellUserBlack = cell && cell->Has(cfUserBlack);
    f.WordHasClue = wordGrid_->CurrentWord().ClueNumber > 0;
    f.TooltipsOn = tooltipsOn_;
    f.ClockRunning = shown.ClockRunning();
    f.NotesMode = sudoku_->NotesMode();
    f.Symbols = sudoku_->Riddle().Symbols();
    f.MarkedSymbol = sudoku_->Riddle().MarkedSymbol();
    f.Snapshots = snapshots_.Times();
    f.Legend = tools_->LegendMenuFacts();
    return f;
}

void TRiddleForm::FocusGrid() {
    if (!shownGrid_)
        return;
    // The frame has to be the active window again, or its menu mnemonics and shortcuts stay
    // dead although the grid has the focus.
    window()->activateWindow();
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
    shownGrid_->setFocus(Qt::OtherFocusReason);
}

void TRiddleForm::UpdateRiddleToolbar(int ACol, int ARow) {
    if (!shownGrid_)
        return;
    commands_.Apply(CommandStates(FactsAt(ACol, ARow), {}));
    const QToolButton* hints = commands_.Button("SBShowHints");
    QToolButton* letter = commands_.Button("SBBuchstEintragen");
    letter->move(BuchstEintragenLeft(!hints->isHidden(), hints->x(), hints->width()), letter->y());
    QToolButton* word = commands_.Button("SBBegrEintragen");
    word->move(letter->x() + letter->width(), word->y());
    shownGrid_->setContextMenuPolicy(Qt::CustomContextMenu);
    tools_->UpdateLegendToolbar();
}

void TRiddleForm::UpdateRiddleToolbarHere() {
    if (shownGrid_)
        UpdateRiddleToolbar(shownGrid_->Col(), shownGrid_->Row());
}

void TRiddleForm::DisplayModeChanged() {
    UpdateRiddleToolbarHere();
    UpdateSolutionWindow(true);
    tools_->RepaintLetterGrids();
}

void TRiddleForm::RiddleRestored() {
    if (shownGrid_ != wordGrid_)
        return;
    UpdateLegendWindow(true);
    WordGridSelectedWordChange(nullptr);
    UpdateSolutionWindow(true);
}

void TRiddleForm::UpdateLegendWindow(bool Place) {
    if (shownGrid_ == wordGrid_)
        tools_->UpdateLegendWindow(Place);
}

void TRiddleForm::UpdateSolutionWindow(bool Place) {
    tools_->UpdateSolutionWindow(Place);
}

void TRiddleForm::UpdateStopwatch(bool Place) {
    tools_->UpdateStopwatch(shownGrid_, Place);
}

void TRiddleForm::MItemLegendeAusblendenClick() {
    tools_->MItemLegendeAusblendenClick();
}

void TRiddleForm::MItemLegendeMarkierenClick() {
    tools_->MItemLegendeMarkierenClick();
}

void TRiddleForm::MItemLegendeEineLegendeClick() {
    tools_->MItemLegendeEineLegendeClick();
}

void TRiddleForm::MItemLegendeAutomatischEintragenClick() {
    tools_->MItemLegendeAutomatischEintragenClick();
}

void TRiddleForm::MItemLegendeUebernehmenClick() {
    tools_->MItemLegendeUebernehmenClick();
}

void TRiddleForm::MItemLegendeEintragenClick() {
    tools_->MItemLegendeEintragenClick();
}

bool TRiddleForm::LegendShowsOneList() const {
    return tools_->OneList();
}

void TRiddleForm::UpdateDragCursor() {
    tools_->UpdateDragCursor();
}

void TRiddleForm::showEvent(QShowEvent* Event) {
    QMdiSubWindow::showEvent(Event);
    if (loadFailed_)
        return;
    UpdateRiddleToolbarHere();
    FitToGrid();
    setWindowTitle(RiddleDescription(shownGrid_->Riddle()));
    // A screen reader announces the grid by what the caption says about the riddle.
    shownGrid_->setAccessibleName(windowTitle());
    if (shownGrid_ == wordGrid_) {
        UpdateSolutionWindow(true);
        UpdateLegendWindow(true);
    }
    UpdateStopwatch(true);
    // The solver can type at once.
    shownGrid_->setFocus(Qt::OtherFocusReason);
}

void TRiddleForm::closeEvent(QCloseEvent* Event) {
    QMdiSubWindow::closeEvent(Event);
    if (Event->isAccepted())
        emit Closed();
}

void TRiddleForm::PlaceCursor() {
    if (shownGrid_ == sudoku_) {
        sudoku_->SelectOnly(1, 1);
    } else if (wordGrid_->Riddle().RiddleType() == rtFindWords) {
        // A word search starts without a selection, so that no cell looks marked.
        if (wordGrid_->Riddle().DisplayMode() != dmEditing)
            wordGrid_->SetCurrentSilently(0, 0);
    } else {
        wordGrid_->SelectFirstCell();
    }
}
