#pragma once

// The message after the riddle has been filled in: a picture for success or error, the text and
// a close button. Created, shown modally and freed for each message.

#include <QDialog>

class QLabel;
class QPushButton;
class TGradientPanel;

class TWinMsgDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWinMsgDlg(QWidget* Parent = nullptr);

    // 1 success, 0 error; set before showing.
    int Kind = 1;

    TGradientPanel* Verlauf = nullptr;
    QLabel* ImgOK = nullptr;
    QLabel* ImgError = nullptr;
    QLabel* LblMessage = nullptr;
    QPushButton* BtnClose = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void FormShow();
};
