#pragma once

// The main window: a frame that holds the riddle window and the tool windows, with the menu,
// the tool bar and the hint line, the one-step undo, the reset and the solution view.

#include "CommandTable.h"
#include "RiddleColors.h"
#include "RiddleSupportForm.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class TGradientPanel;
class TPrintMsgDlg;
class TRiddleData;
class TRiddleWindowInterface;
class TSudokuRiddleData;
class TWordRiddleData;

class TRMMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The riddle is read from ExecutablePath (the running program by default).
    explicit TRMMainForm(const QString& ExecutablePath = QString());
    ~TRMMainForm() override;

    void SetDisplayMode(int Mode);
    QMdiSubWindow* FindToolWindow(int Kind) const;
    int UsableClientHeight() const;
    QMdiArea* MdiArea() const { return mdiArea_; }
    // The embedded riddle could not be loaded; the program ends.
    bool LoadFailed() const { return loadFailed_; }
    // Whether a riddle window is there (it goes when it is closed).
    bool HasRiddleWindow() const { return riddleWindow_ != nullptr; }

    // Tool bar buttons and menus follow the riddle window and the display mode.
    void UpdateCommands();
    // The command states of this moment.
    TCommandStates Commands() const;
    // Backs the shown riddle up before a change named Text.
    void SaveUndoState(const QString& Text);
    void RestoreUndoState();
    // The name of the step that undo takes back (empty before the first backup).
    const QString& UndoText() const { return undoText_; }
    // The message for a riddle that has just been filled in completely.
    void ShowStateMessage(const TRiddleData& Grid);
    // The grid takes the keyboard again, after a dialog or a command from the menu.
    void FocusGrid();
    // Whether the system knows a printer; replaceable for tests.
    void SetPrinterQuery(std::function<bool()> Query) { hasPrinter_ = std::move(Query); }
    // Asks for printers, once a riddle has been loaded and whenever the "Rätsel" menu opens. The
    // commands use the last answer: asking the printer system while keys are handled (every
    // shortcut refreshes the commands) lost keystrokes once a print server was running.
    void AskForPrinters();

    // Opening handlers of the menus: their items take the states of the moment.
    void MItemRaetselClick();
    void MItemBearbeitenClick();
    void MItemBeaFelderMarkierenClick();
    void MItemBeaSchnappschussClick();
    void MItemAnsichtClick();
    void MItemAnsRaetselClick();
    void MItemAnsLegendeClick();

    // Commands of the menu and the tool bar.
    void MItemRaeDruckenClick();
    void MItemRaeEigenschaftenClick();
    void MItemRaeInfoClick();
    void MItemRaeBeendenClick();
    void MItemBeaRueckgaengigClick();
    void MItemBeaZuruecksetzenClick();
    void MItemBeaLeerfeldClick(QObject* Sender);
    void MItemBeaBuchstEintragenClick();
    void MItemBeaBegriffEintragenClick();
    void MItemBeaMarkKeineClick(QObject* Sender);
    void MItemBeaSnapErstellenClick();
    void MItemBeaSnap1Click(QObject* Sender);
    void MItemAnsLoesungClick();
    void MItemAnsPauseClick();
    void MItemAnsVergroessernClick(QObject* Sender);
    void MItemAnsFehleintraegeClick();
    void MItemAnsBegriffLaengenClick();
    void MItemAnsTooltipsClick();
    void MIemAnsAusblendenClick();
    void MItemAnsMarkierenClick();
    void MItemAnsEineLegendeClick();
    void MItemAnsLegAutomatischClick();
    void MItemAnsLegUebernehmenClick();
    void MItemAnsLegEintragenClick();

protected:
    bool event(QEvent* E) override;
    bool eventFilter(QObject* Watched, QEvent* E) override;
    void closeEvent(QCloseEvent* E) override;
    void resizeEvent(QResizeEvent* E) override;

private:
    void StartMessage();
    void SizeToRiddle();
    void FitToRiddle(bool MayMove);
    // The client area scrolled to its top-left corner, where the riddle window stands.
    void ShowRiddleCorner();
    void AppHint(const QString& Hint);
    std::vector<TCommandRow> CommandRows();
    void CreateCommands();
    // The riddle window, or one that is not there and does nothing.
    TRiddleWindowInterface& Riddle() const;
    // The backup that matches the shown grid's kind.
    TRiddleData* UndoBackup() const;

    QString executablePath_;
    // The riddle window, seen through what the main window may ask of it.
    TRiddleWindowInterface* riddleWindow_ = nullptr;
    std::unique_ptr<TWordRiddleData> undoWordRiddle_;
    std::unique_ptr<TSudokuRiddleData> undoSudoku_;
    // A backup waits to be restored (from the first backup until an undo, and again after the next).
    bool undoAvailable_ = false;
    QString undoText_;
    // The colour sets behind RiddleBackgroundColors and RiddleTextColors.
    std::unique_ptr<TRiddleColors> backgroundColors_;
    std::unique_ptr<TRiddleColors> textColors_;
    TGradientPanel* toolBar_ = nullptr;
    QWidget* statusBar_ = nullptr;
    QLabel* lblHints_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    TCommandTable commands_;
    std::function<bool()> hasPrinter_;
    bool loadFailed_ = false;
    bool printerAvailable_ = false;
    // Made at the first print, then shown again for every print.
    QPointer<TPrintMsgDlg> printMsgDlg_;
    // A fitted size is still to arrive from the window system; then the riddle's corner is shown.
    bool cornerDue_ = false;
};
