#pragma once

// The modal dialog in which the solver types a whole word: one letter box per cell of the
// selected word, pre-filled with the letters the grid holds. It only collects the text; the
// caller spells it out (NormalizeWord) and writes it into the grid.

#include "WordBoxGrid.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class TGradientPanel;

class TWordEditDlg : public QDialog {
    Q_OBJECT
public:
    // The colour sets are the riddle's (the application-wide copies the riddle window keeps).
    TWordEditDlg(const TRiddleColors& BackgroundColors, const TRiddleColors& TextColors,
                 const TWordBoxLook& Look = TWordBoxLook(), QWidget* Parent = nullptr);

    // Before showing: the initial letters, one box per character (a blank for an empty cell).
    // After OK: the boxes' letters, a blank for each empty box.
    QString Text() const { return text_; }
    void SetText(const QString& Text);

    // Creates, shows modally and destroys the dialog. The text after OK; nothing after Cancel.
    static std::optional<QString> Execute(QWidget* Parent, const QString& Caption, const QString& Prompt,
                                          const QString& Text, const TRiddleColors& BackgroundColors,
                                          const TRiddleColors& TextColors,
                                          const TWordBoxLook& Look = TWordBoxLook());

    void setVisible(bool Visible) override;

    QLabel* LblBegriff = nullptr;
    TWordBoxGrid* GridBegriff = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

private:
    void CreateIconStrip();
    // Sizes the dialog to the box row and the buttons (done before showing, so that the dialog
    // is centred with its final size).
    void FormShow();
    void UpdateOK();
    void BtnOKClick();

    TGradientPanel* strip_ = nullptr;
    QString text_;
};
