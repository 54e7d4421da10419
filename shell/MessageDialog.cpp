#include "MessageDialog.h"

#include "GradientPanel.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
QLabel* Picture(QWidget* Parent, const char* Name, const char* Resource) {
    auto* l = new QLabel(Parent);
    l->setObjectName(QLatin1String(Name));
    l->setGeometry(8, 8, 32, 32);
    l->setPixmap(QPixmap(QLatin1String(Resource)));
    return l;
}
} // namespace

TWinMsgDlg::TWinMsgDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("WinMsgDlg"));
    setFixedSize(305, 87);

    Verlauf = new TGradientPanel(this);
    Verlauf->setObjectName(QStringLiteral("Verlauf"));
    Verlauf->setGeometry(0, 0, 50, height());
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(7, 7, 34, 34);
    ImgOK = Picture(this, "ImgOK", ":/pictures/message-ok.png");
    ImgError = Picture(this, "ImgError", ":/pictures/message-error.png");

    LblMessage = new QLabel(this);
    LblMessage->setObjectName(QStringLiteral("LblMessage"));
    LblMessage->setGeometry(56, 6, 241, 43);
    LblMessage->setWordWrap(true);
    LblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = font();
    bold.setBold(true);
    LblMessage->setFont(bold);

    BtnClose = new QPushButton(QStringLiteral("S&chließen"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setGeometry(56, 56, 84, 25);
    BtnClose->setToolTip(QStringLiteral("Das Dialogfenster schließen"));
    BtnClose->setStatusTip(BtnClose->toolTip());
    // Enter and Escape both end the dialog: the button is the default, and Escape rejects.
    BtnClose->setDefault(true);
    BtnClose->setAutoDefault(true);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TWinMsgDlg::showEvent(QShowEvent* Event) {
    FormShow();
    QDialog::showEvent(Event);
}

void TWinMsgDlg::FormShow() {
    const bool success = Kind == 1;
    ImgOK->setVisible(success);
    ImgError->setVisible(!success);
    setWindowTitle(success ? QStringLiteral("Glückwunsch!") : QStringLiteral("Fehler!"));
    if (!success)
        QApplication::beep();
    LblMessage->setVisible(true);
    BtnClose->setVisible(true);
    BtnClose->setFocus(Qt::OtherFocusReason);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}
