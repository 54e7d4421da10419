#pragma once

// The program info: what made this executable riddle, its version, the maker's notice and how to
// reach the maker. Frameless, on top, centred on the main window; Escape, Enter or the close
// button end it.

#include <QDateTime>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TBevelLabel;
class TGradientPanel;
class TLinkLabel;

// The maker's addresses and notice: the one place they are configured. A label without an
// address shows its text plainly and opens nothing.
struct TMakerContact {
    QString WebAddress;
    QString MailAddress;
    QString Notice;
};
const TMakerContact& MakerContact();

class TInfoDlg : public QDialog {
    Q_OBJECT
public:
    // Version: the riddle's version, empty without a riddle. Built: the last change of the
    // executable (its year follows the notice).
    TInfoDlg(QWidget* Parent, const QString& Version, const QDateTime& Built,
             const TMakerContact& Contact = MakerContact());

    TGradientPanel* Verlauf1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* ImgAppLogo = nullptr;
    QLabel* ImgBackground = nullptr;
    QLabel* Label3 = nullptr;
    TBevelLabel* LblAppName = nullptr;
    QLabel* LblVersion = nullptr;
    QLabel* LblCopyr = nullptr;
    QFrame* PanelURL = nullptr;
    TGradientPanel* Verlauf2 = nullptr;
    TLinkLabel* ImgNorvikLogo = nullptr;
    TLinkLabel* LblURL = nullptr;
    TLinkLabel* LbleMail = nullptr;
    QPushButton* SBClose = nullptr;

    void SBCloseClick();
    void ImgNorvikLogoClick();

protected:
    void showEvent(QShowEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void CreatePanelURL();
    void FormShow();

    QString version_;
    QDateTime built_;
    TMakerContact contact_;
};
