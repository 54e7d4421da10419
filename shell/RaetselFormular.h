#pragma once

// The riddle window: holds both grid controls, of which the one that received the embedded
// riddle is shown, with its own tool bar and the grid's pop-up menu. Its tool windows are kept by
// a TToolWindowHost, its sudoku snapshots by TSnapshotSlots, its commands by a TCommandTable.

#include "CommandTable.h"
#include "GridMouseRules.h"
#include "RiddleWindowInterface.h"
#include "SnapshotSlots.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <functional>

class QMenu;
class QScrollArea;
class QKeyEvent;
class QWheelEvent;
class TGradientPanel;
class TPauseCover;
class TSymbolPalette;
class TGridRiddle;
class TSudokuRiddle;
class TToolWindowHost;
class TWordRiddle;

class TRiddleForm : public QMdiSubWindow, public TRiddleWindowInterface {
    Q_OBJECT
public:
    // Loads the riddle appended to the executable at ExecutablePath.
    explicit TRiddleForm(const QString& ExecutablePath);
    ~TRiddleForm() override;

    bool LoadFailed() const { return loadFailed_; }

    // What the main window asks of the riddle window.
    TRiddleData* ShownRiddle() const override;
    TRiddleFacts Facts() const override;
    void FocusGrid() override;
    TPrintSource PrintSource() const override;
    void DisplayModeChanged() override;
    void RiddleRestored() override;
    void UpdateSolutionWindow(bool Place) override;
    void UpdateStopwatch(bool Place) override;
    void MItemLegendeAusblendenClick() override;
    void MItemLegendeMarkierenClick() override;
    void MItemLegendeEineLegendeClick() override;
    void MItemLegendeAutomatischEintragenClick() override;
    void MItemLegendeUebernehmenClick() override;
    void MItemLegendeEintragenClick() override;
    bool LegendShowsOneList() const override;
    void UpdateDragCursor() override;

    // 0 on success, else the reader's result code.
    uint8_t LoadEmbeddedRiddle(const QString& ExecutablePath);
    void FitToGrid();
    void LayoutSymbolPanel();
    void UpdateRiddleToolbar(int ACol, int ARow);
    void UpdateLegendWindow(bool Place);
    // Pops up the hints window at a screen position; FontSize 0 is the default size.
    void ShowHintWindow(int X, int Y, const std::function<void()>& Callback, int FontSize, bool WordWrap,
                        const QString& Text);

    // Commands of the tool bar and the pop-up menu. Sender is the button or item that ran the
    // command; its "Tag" property says which way to zoom, which symbol to mark, which snapshot.
    void MItemPlayZoomInClick(QObject* Sender) override;
    void MItemPlayShowFailClick() override;
    void MItemPlayShowLengthClick() override;
    void MItemPlayShowHintsClick() override;
    void MItemPlayBuchstEintragenClick() override;
    void MItemPlayBegriffEintragenClick() override;
    void MItemPlayMarkKeineClick(QObject* Sender) override;
    void MItemPlaySnapErstellenClick() override;
    void MItemPlaySnap1Click(QObject* Sender) override;
    void SetCurrentCellBlank(bool Blank) override;
    void PauseSolving() override;
    void MItemPlayHilfeClick();
    // Opening handlers of the pop-up menu and its submenus: their items take the states of the moment.
    void MenuRaetselPopup();
    void MItemPlayFelderMarkierenClick();
    void MItemPlaySchnappschussClick();

    // Grid events that the tests drive directly; both grids share the handlers.
    void WordGridMouseMove(TObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    // A legend word dragged over the word grid: true when it may be dropped there.
    bool WordGridDragOver(TObject* Sender, QObject* Source, int X, int Y, Qt::KeyboardModifiers Shift);
    void WordGridDragDrop(TObject* Sender, QObject* Source, int X, int Y, Qt::KeyboardModifiers Shift);

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
    std::vector<TCommandRow> CommandRows();
    void CreateCommands();
    // Every item and button takes the state of this moment, at the cursor.
    void ApplyCommandStates();
    void ConnectGridEvents();
    // The cursor's first place: the first free cell, the sudoku's first cell, or none in a word search.
    void PlaceCursor();
    // The riddle's facts at a cell of the shown grid.
    TRiddleFacts FactsAt(int ACol, int ARow) const;
    // The solved or wrong message waits until the key that caused it has been handled.
    void QueueStateMessage();
    // UpdateRiddleToolbar for the shown grid's current cell.
    void UpdateRiddleToolbarHere();
    void SetShownPaintOption(TPaintOption Option, bool On);
    // The grid control an event's sender belongs to.
    TGridRiddle* GridOf(const TObject* Sender) const;
    // Which list of the clue legend a drag comes from.
    TLegendSource SourceOf(const QObject* Source) const;
    // Tab and Shift+Tab in a word riddle go to the next or previous word, as the legend lists
    // them; true when the key was taken.
    bool TabToWord(const QKeyEvent* Key);
    // Ctrl with the mouse wheel over a grid zooms; true when the event was taken.
    bool WheelZoom(const QWheelEvent* Event);
    // Drag events of the word grid's viewport.
    void WordGridDragEvent(QEvent* Event);
    // Once the grid is full, the status line says that the solution word is still to come.
    void TellWhetherKeywordMissing();

    // Commands of the buttons and items that only the riddle window has.
    void SBShowFailClick(QObject* Sender);
    void SBShowLengthClick(QObject* Sender);
    void SBShowHintGridsClick(QObject* Sender);
    void SBShowHintsClick(QObject* Sender);
    void SBNotizenClick(QObject* Sender);
    void MItemPlayLeerfeldClick(QObject* Sender);
    void SBLeerfeldClick(QObject* Sender);
    void MItemPlaySchliessenClick();
    // A symbol chosen from the pop-up menu's palette, or none for "Feld leeren".
    void PaletteChosen(const QString& Symbol);

    // Grid events.
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
    // The mouse has left the word grid: its tooltip is done, unless the mouse rests on it.
    void WordGridMouseLeave();
    // The solver goes on after a pause; the covers go whenever the clock runs again.
    void ResumeSolving();
    void RemovePauseCovers();

    TWordRiddle* wordGrid_ = nullptr;
    TSudokuRiddle* sudoku_ = nullptr;
    TGridRiddle* shownGrid_ = nullptr;
    bool loadFailed_ = false;
    // Typed letters until the next undo backup (see CountDownUndo).
    int undoCountdown_ = 1;
    // The grid's tooltips are switched on (SBShowHints shows it).
    bool tooltipsOn_ = false;
    // The cell the mouse explained last.
    QPoint lastHintCell_{-1, -1};
    TToolWindowHost* tools_ = nullptr;
    TSnapshotSlots snapshots_;
    TCommandTable commands_;
    TGradientPanel* toolbar_ = nullptr;
    TGradientPanel* panelMark_ = nullptr;
    QMenu* menuRaetsel_ = nullptr;
    TSymbolPalette* palette_ = nullptr;
    QWidget* content_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    bool stateMessageQueued_ = false;
    // What covers the grid and the solution word during a pause.
    std::vector<QPointer<TPauseCover>> pauseCovers_;
    // The status line has said that only the solution word is missing, since the grid was filled.
    bool toldKeywordMissing_ = false;
};
