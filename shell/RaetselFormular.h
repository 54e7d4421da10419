#pragma once

// The riddle window: holds both grid controls, of which the one that received the embedded
// riddle is shown, with its own tool bar and the grid's pop-up menu.

#include "GridMouseRules.h"
#include "RiddleWindowInterface.h"
#include "SudokuRiddleData.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMdiSubWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QButtonGroup;
class QMenu;
class QScrollArea;
class QToolButton;
class TGradientPanel;
class TGridRiddle;
class TLegendForm;
class TLoesungForm;
class TNumLegendForm;
class TStopuhrForm;
class TSudokuRiddle;
class TWordRiddle;

class TRiddleForm : public QMdiSubWindow, public TRiddleWindowInterface {
    Q_OBJECT
public:
    // Loads the riddle appended to the executable at ExecutablePath.
    explicit TRiddleForm(const QString& ExecutablePath);

    // What the main window asks of the riddle window.
    TRiddleData* ShownRiddle() const override;
    TRiddleFacts Facts() const override;
    TSnapshotTimes SnapshotTimes() const override;
    void FocusGrid() override;
    TPrintSource PrintSource() const override;
    void DisplayModeChanged() override;
    void RiddleRestored() override;

    // 0 on success, else the reader's result code.
    uint8_t LoadEmbeddedRiddle(const QString& ExecutablePath);
    void FitToGrid();
    // The cursor's first place: the first free cell, the sudoku's first cell, or none in a word search.
    void PlaceCursor();
    void LayoutSymbolPanel();
    void UpdateRiddleToolbar(int ACol, int ARow);
    void UpdateLegendWindow(bool Place);
    TLegendMenuFacts LegendMenuFacts() const override;
    void MItemLegendeAusblendenClick() override;
    void MItemLegendeMarkierenClick() override;
    void MItemLegendeEineLegendeClick() override;
    bool LegendShowsOneList() const override;
    void UpdateDragCursor() override;
    void UpdateSolutionWindow(bool Place) override;
    void UpdateStopwatch(bool Place) override;
    void MItemLegendeAutomatischEintragenClick() override;
    void MItemLegendeUebernehmenClick() override;
    void MItemLegendeEintragenClick() override;
    // Pops up the hints window at a screen position; FontSize 0 is the default size.
    void ShowHintWindow(int X, int Y, const std::function<void()>& Callback, int FontSize, bool WordWrap,
                        const QString& Text);

    // Commands of the tool bar and the pop-up menu. Sender is the button or item that ran the
    // command; its "Tag" property says which way to zoom, which symbol to mark, which snapshot.
    void MItemPlayZoomInClick(QObject* Sender) override;
    void MItemPlayShowFailClick() override;
    void SBShowFailClick();
    void MItemPlayShowLengthClick() override;
    void SBShowLengthClick();
    void SBShowHintGridsClick();
    void MItemPlayShowHintsClick() override;
    void MItemPlayLeerfeldClick();
    void SBLeerfeldClick();
    void MItemPlayBuchstEintragenClick() override;
    void MItemPlayBegriffEintragenClick() override;
    void MItemPlayMarkKeineClick(QObject* Sender) override;
    void MItemPlaySnapErstellenClick() override;
    void MItemPlaySnap1Click(QObject* Sender) override;
    void MItemPlayHilfeClick();
    void MItemPlaySchliessenClick();
    // Opening handlers of the pop-up menu and its two submenus.
    void MenuRaetselPopup();
    void MItemPlayFelderMarkierenClick();
    void MItemPlaySchnappschussClick();

    // Grid events; both grids share them.
    void WordGridBeforeChange(TObject* Sender, TRiddleChangeTypes AChange, const QString& MsgText);
    void WordGridChange(TObject* Sender);
    void WordGridSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void WordGridMouseUp(TObject* Sender);
    void WordGridDblClick(TObject* Sender);
    void WordGridKeyUp(TObject* Sender, int Key, Qt::KeyboardModifiers Shift);
    void WordGridSizeChanged(TObject* Sender);
    void WordGridStateChange(TObject* Sender);
    void WordGridLegendStateChange(TObject* Sender);
    void WordGridRowOrColStateChange(TObject* Sender, int ACol, int ARow, TWordDirection ADir);
    void WordGridSelectedWordChange(TObject* Sender);
    // The mouse over the word grid, at (X, Y) of its viewport.
    void WordGridMouseMove(TObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    // The mouse has left the word grid: its tooltip is done, unless the mouse rests on it.
    void WordGridMouseLeave();
    // A legend word dragged over the word grid: true when it may be dropped there.
    bool WordGridDragOver(TObject* Sender, QObject* Source, int X, int Y, Qt::KeyboardModifiers Shift);
    void WordGridDragDrop(TObject* Sender, QObject* Source, int X, int Y, Qt::KeyboardModifiers Shift);

    // Adds or removes the solver's blank mark on the word grid's current cell.
    void SetCurrentCellBlank(bool Blank) override;

    TWordRiddle* WordGrid = nullptr;
    TSudokuRiddle* Sudoku = nullptr;
    TGridRiddle* ShownGrid = nullptr;
    bool LoadFailed = false;
    // Typed letters until the next undo backup (see CountDownUndo).
    int UndoCountdown = 1;
    // The grid's tooltips are switched on (SBShowHints shows it).
    bool TooltipsOn = false;
    // The cell the mouse explained last.
    QPoint LastHintCell{-1, -1};
    QPointer<TLegendForm> LegendWindow;
    QPointer<TNumLegendForm> NumLegendWindow;
    QPointer<TLoesungForm> SolutionWindow;
    QPointer<TStopuhrForm> StopwatchWindow;

    TGradientPanel* Toolbar = nullptr;
    QToolButton* SBZoomIn = nullptr;
    QToolButton* SBZoomOut = nullptr;
    QToolButton* SBShowFail = nullptr;
    QToolButton* SBShowLength = nullptr;
    QToolButton* SBShowHintGrids = nullptr;
    QToolButton* SBShowHints = nullptr;
    QToolButton* SBBuchstEintragen = nullptr;
    QToolButton* SBBegrEintragen = nullptr;
    QToolButton* SBLeerfeld = nullptr;
    QToolButton* SBSuchen = nullptr;
    TGradientPanel* PanelMark = nullptr;
    // SBMarkKeine, SBMark1 … SBMark12, SBMarkDuo, in this order.
    std::array<QToolButton*, kMaxMarkSymbols + 2> MarkButtons{};
    QButtonGroup* MarkGroup = nullptr;

    QMenu* MenuRaetsel = nullptr;
    QAction* MItemPlayLeerfeld = nullptr;
    QAction* MItemPlayBuchstEintragen = nullptr;
    QAction* MItemPlayBegriffEintragen = nullptr;
    QAction* MItemPlayShowFail = nullptr;
    QAction* MItemPlayShowLength = nullptr;
    QAction* MItemPlayShowHints = nullptr;
    QMenu* MItemPlayFelderMarkieren = nullptr;
    QMenu* MItemPlaySchnappschuss = nullptr;
    // The marking items (separators included) and the four snapshot items.
    std::vector<QAction*> MarkItems;
    std::array<QAction*, kSnapshotSlots> SnapItems{};

    // Snapshot slots 1 … 4 of the sudoku; a null time marks an empty slot.
    struct TSnapshotSlot {
        TSudokuRiddleData::TSnapshot State;
        QDateTime Time;
    };
    std::array<TSnapshotSlot, kSnapshotSlots> Snapshots;

signals:
    // A change that undo should be able to take back is about to happen; Text names the step.
    void UndoBackupDue(const QString& Text);
    // What the main window's commands offer may have changed.
    void CommandsChanged();
    // The riddle has just been filled in completely: the solved or wrong message is due.
    void StateMessageDue();
    // The window was closed; the program ends with it.
    void Closed();
    // The window has taken the size of its grid, or its tool windows have moved (after loading
    // and after every zoom step): the main window may have to grow to hold them.
    void LayoutChanged();

protected:
    void closeEvent(QCloseEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    // Mouse and key events of the grids, which the grid controls do not publish themselves.
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void CreateToolbar();
    void CreatePanelMark();
    void CreateMenu();
    void CreateMarkMenu();
    void CreateSnapshotMenu();
    QToolButton* AddSpeedButton(QWidget* Parent, const char* Name, int Left, bool Toggle, const QString& Hint,
                                const char* Icon);
    void ConnectGridEvents();
    // The riddle's facts at a cell of the shown grid.
    TRiddleFacts FactsAt(int ACol, int ARow) const;
    // The solved or wrong message waits until the key that caused it has been handled.
    void QueueStateMessage();
    // UpdateRiddleToolbar for the shown grid's current cell.
    void UpdateRiddleToolbarHere();
    void SetShownPaintOption(TPaintOption Option, bool On);
    // The grid control an event's sender belongs to.
    TGridRiddle* GridOf(const TObject* Sender) const;
    // The number legend's letters and the solution word's boxes show wrong letters and the solution.
    void RepaintLetterGrids();
    // Both take the cell size of the riddle.
    void LayoutLetterGrids();
    // Moves the clue legend to its place beside the riddle window, as high as it.
    void PlaceLegendWindow();
    // The number legend of a number riddle, beside the riddle window.
    void UpdateNumLegendWindow(bool Place);
    void CloseNumLegendWindow();
    void PlaceNumLegendWindow();
    // The solution word below the riddle window; the stopwatch beside it, below the legends.
    void PlaceSolutionWindow();
    void PlaceStopwatchWindow();
    // Every tool window back to its place, after the riddle window changed its size.
    void PlaceToolWindows();
    // The number legend's half of the view menu's legend items.
    void AddNumLegendFacts(TLegendMenuFacts& Facts) const;
    // Which list of the clue legend a drag comes from.
    TLegendSource SourceOf(const QObject* Source) const;
    // Drag events of the word grid's viewport.
    void WordGridDragEvent(QEvent* Event);
    // Once the grid is full, the status line says that the solution word is still to come.
    void TellWhetherKeywordMissing();

    QWidget* content_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    bool stateMessageQueued_ = false;
    // The status line has said that only the solution word is missing, since the grid was filled.
    bool toldKeywordMissing_ = false;
};
