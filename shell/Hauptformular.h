#pragma once

// The main window: a frame that holds the riddle window and the tool windows, with the menu,
// the tool bar and the hint line.

#include <QMainWindow>
#include <memory>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class TGradientPanel;
class TRiddleForm;
class TSudokuRiddle;
class TWordRiddle;

// Kinds of child windows that FindToolWindow looks for.
enum TToolWindowKind { twRiddle = 1, twSolution = 2, twLegend = 3, twNumLegend = 4, twStopwatch = 5 };

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

    TRiddleForm* RiddleWindow = nullptr;
    std::unique_ptr<TWordRiddle> UndoWordRiddle;
    std::unique_ptr<TSudokuRiddle> UndoSudoku;
    QString UndoText;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void StartMessage();
    void SizeToRiddle();
    void AppHint(const QString& hint);

    QString executablePath_;
    TGradientPanel* toolBar_ = nullptr;
    QWidget* statusBar_ = nullptr;
    QLabel* lblHints_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    bool loadFailed_ = false;
};
