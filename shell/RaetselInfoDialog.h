#pragma once

// The riddle properties: type, size, title, language, author and comment, best time, the help
// options the riddle allows, and when and with what the executable riddle was made. The values
// come from RiddleProperties; the dialog lays them out, leaving out what the riddle does not have.

#include <QDialog>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;
class TBevelLabel;
class TGradientPanel;
struct TRiddleProperties;

class TRaetselInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TRaetselInfoDlg(QWidget* Parent = nullptr);

    // Shows the values; panels the riddle has no values for go, and those below move up.
    void Fill(const TRiddleProperties& Values);
    void BtnCloseClick();

    TGradientPanel* Verlauf = nullptr;
    QLabel* ImgIcon = nullptr;
    TBevelLabel* LblType = nullptr;
    TBevelLabel* LblSize = nullptr;
    TBevelLabel* LblTitle = nullptr;
    TBevelLabel* LblLanguage = nullptr;
    QLabel* ImgLanguage = nullptr;
    QWidget* PanelAuthor = nullptr;
    TBevelLabel* LblAuthor = nullptr;
    TBevelLabel* LblComment = nullptr;
    QWidget* PanelBestTime = nullptr;
    TBevelLabel* LblBestTime = nullptr;
    QWidget* PanelDate = nullptr;
    QCheckBox* CBHelpShowFail = nullptr;
    QCheckBox* CBHelpAutoFill = nullptr;
    QCheckBox* CBHelpShowRiddle = nullptr;
    QCheckBox* CBHelpEditRiddle = nullptr;
    TBevelLabel* LblDate = nullptr;
    TBevelLabel* LblVersion = nullptr;
    QPushButton* BtnClose = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    TBevelLabel* ValueLabel(QWidget* Parent, const char* Name, const QString& Caption, int Top,
                            int Height = 21);
    void CreatePanelDate();
    // Returns the client width the options need; the dialog never gets narrower than designed.
    int LayoutHelpOptions();

    // The value labels, which reach to the dialog's right margin.
    std::vector<TBevelLabel*> values_;
};
