#pragma once

// The small window that tells the solver a print job is on its way: an animated printer beside
// the message. It stays a few seconds after the last page and then hides itself.

#include <QDialog>
#include <QTimer>
#include <array>

class QLabel;
class TGradientPanel;

class TPrintMsgDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrintMsgDlg(QWidget* Parent = nullptr);

    void SetMessage(const QString& Text);
    // While true the window stays; afterwards it hides once it has been shown long enough.
    void SetPrinting(bool Printing) { printing_ = Printing; }
    int Ticks() const { return ticks_; }

    void FormShow();
    void TimerTimer();
    // One tick at once, shown at once: for the time the jobs hold the user interface's thread.
    void Step();

    TGradientPanel* Verlauf = nullptr;
    QWidget* PanelMessage = nullptr;
    QLabel* ImgPrinter = nullptr;
    QLabel* LblMessage = nullptr;
    QTimer* Timer = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    std::array<QPixmap, 3> pictures_;
    int ticks_ = 0;
    bool printing_ = false;
};
