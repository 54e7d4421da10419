#pragma once

// The riddle window: holds both grid controls, of which the one that received the embedded
// riddle is shown, with its own tool bar.

#include <QCoreApplication>
#include <QMdiSubWindow>

class QScrollArea;
class TGradientPanel;
class TGridRiddle;
class TRMMainForm;
class TSudokuRiddle;
class TWordRiddle;

class TRiddleForm : public QMdiSubWindow {
    Q_OBJECT
public:
    // Loads the riddle appended to the executable at ExecutablePath.
    TRiddleForm(TRMMainForm* owner, const QString& ExecutablePath);

    // 0 on success, else the reader's result code.
    uint8_t LoadEmbeddedRiddle(const QString& ExecutablePath);
    void FitToGrid();
    void UpdateStopwatch(bool Place);

    TWordRiddle* WordGrid = nullptr;
    TSudokuRiddle* Sudoku = nullptr;
    TGridRiddle* ShownGrid = nullptr;
    bool LoadFailed = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TRMMainForm* owner_;
    QWidget* content_ = nullptr;
    TGradientPanel* toolbar_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
};
