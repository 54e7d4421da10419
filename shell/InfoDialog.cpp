#include "InfoDialog.h"

#include "BevelLabel.h"
#include "GradientPanel.h"
#include "LinkLabel.h"
#include "RiddleColors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {
constexpr QSize kClientSize(321, 206);
constexpr int kStripWidth = 50;
const char* const kNoAddress = "nicht angegeben";

QLabel* TextLabel(QWidget* Parent, const char* Name, const QString& Text, const QPoint& At) {
    auto* l = new QLabel(Text, Parent);
    l->setObjectName(QLatin1String(Name));
    l->move(At);
    l->adjustSize();
    return l;
}
} // namespace

const TMakerContact& MakerContact() {
    static const TMakerContact contact{QString(), QString(), QStringLiteral("Copyright © Norvik ")};
    return contact;
}

TInfoDlg::TInfoDlg(QWidget* Parent, const QString& Version, const QDateTime& Built,
                   const TMakerContact& Contact)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), version_(Version),
      built_(Built), contact_(Contact) {
    setObjectName(QStringLiteral("InfoDlg"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(kClientSize);

    ImgBackground = new QLabel(this);
    ImgBackground->setObjectName(QStringLiteral("ImgBackground"));
    ImgBackground->setGeometry(kStripWidth, 0, width() - kStripWidth, height());
    ImgBackground->setPixmap(QPixmap(QStringLiteral(":/pictures/info-background.png")));
    ImgBackground->setScaledContents(true);
    Verlauf1 = new TGradientPanel(this);
    Verlauf1->setObjectName(QStringLiteral("Verlauf1"));
    Verlauf1->setGeometry(0, 0, kStripWidth, height());
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(7, 7, 34, 34);
    ImgAppLogo = new QLabel(this);
    ImgAppLogo->setObjectName(QStringLiteral("ImgAppLogo"));
    ImgAppLogo->setGeometry(8, 8, 32, 32);
    ImgAppLogo->setScaledContents(true);

    Label3 = TextLabel(this, "Label3", QStringLiteral("Dieses ausführbare Rätsel wurde erstellt mit dem:"),
                       QPoint(60, 8));
    LblAppName = new TBevelLabel(QStringLiteral("Velmora"), this);
    LblAppName->setObjectName(QStringLiteral("LblAppName"));
    LblAppName->setGeometry(56, 27, 257, 36);
    QFont name(QStringLiteral("Times New Roman"));
    name.setPixelSize(35);
    name.setBold(true);
    name.setItalic(true);
    LblAppName->setFont(name);
    QPalette navy = LblAppName->palette();
    navy.setColor(QPalette::WindowText, ToQColor(clNavy));
    LblAppName->setPalette(navy);
    LblAppName->SetShadow(QColor(0x80, 0x80, 0x80));
    LblAppName->SetHighlight(Qt::white);
    LblVersion = TextLabel(this, "LblVersion", QString(), QPoint(56, 65));
    QFont version(QStringLiteral("Arial"));
    version.setPixelSize(13);
    version.setBold(true);
    LblVersion->setFont(version);
    LblCopyr = TextLabel(this, "LblCopyr", QString(), QPoint(56, 96));
    CreatePanelURL();

    SBClose = new QPushButton(QStringLiteral("S&chließen"), this);
    SBClose->setObjectName(QStringLiteral("SBClose"));
    SBClose->setGeometry(56, 171, 85, 25);
    SBClose->setToolTip(QStringLiteral("Die Info-Box schließen"));
    SBClose->setStatusTip(SBClose->toolTip());
    connect(SBClose, &QPushButton::clicked, this, &TInfoDlg::SBCloseClick);
}

void TInfoDlg::CreatePanelURL() {
    PanelURL = new QFrame(this);
    PanelURL->setObjectName(QStringLiteral("PanelURL"));
    PanelURL->setGeometry(56, 122, 257, 40);
    PanelURL->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelURL->setEnabled(false);
    Verlauf2 = new TGradientPanel(PanelURL);
    Verlauf2->setObjectName(QStringLiteral("Verlauf2"));
    Verlauf2->setGeometry(PanelURL->contentsRect());
    Verlauf2->SetDiagonal(true);
    ImgNorvikLogo = new TLinkLabel(PanelURL);
    ImgNorvikLogo->setObjectName(QStringLiteral("ImgNorvikLogo"));
    ImgNorvikLogo->setGeometry(4, 7, 32, 26);
    ImgNorvikLogo->setPixmap(QPixmap(QStringLiteral(":/pictures/norvik-logo.png")));
    ImgNorvikLogo->setAccessibleName(QStringLiteral("Norvik"));
    connect(ImgNorvikLogo, &TLinkLabel::Clicked, this, &TInfoDlg::ImgNorvikLogoClick);
    auto caption = [this](const QString& Text, int Top) {
        auto* l = new QLabel(Text, PanelURL);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(40, Top, 60, 16);
        return l;
    };
    caption(QStringLiteral("Internet :"), 3);
    caption(QStringLiteral("e-Mail :"), 20);
    LblURL = new TLinkLabel(PanelURL);
    LblURL->setObjectName(QStringLiteral("LblURL"));
    LblURL->setGeometry(104, 3, 148, 16);
    LbleMail = new TLinkLabel(PanelURL);
    LbleMail->setObjectName(QStringLiteral("LbleMail"));
    LbleMail->setGeometry(104, 20, 148, 16);
}

void TInfoDlg::showEvent(QShowEvent* Event) {
    FormShow();
    QDialog::showEvent(Event);
}

void TInfoDlg::FormShow() {
    LblVersion->setText(version_.isEmpty() ? QString() : QStringLiteral("Version ") + version_);
    LblVersion->adjustSize();
    // A date that cannot be read gives the year 0.
    const int year = built_.isValid() ? built_.date().year() : 0;
    LblCopyr->setText(contact_.Notice + QString::number(year));
    LblCopyr->adjustSize();
    auto link = [](TLinkLabel* Label, const QString& Address, const QString& Scheme, const QString& Hint) {
        Label->setText(Address.isEmpty() ? QString::fromUtf8(kNoAddress) : Address);
        Label->SetTarget(Address.isEmpty() ? QUrl() : QUrl::fromUserInput(Scheme + Address));
        Label->setToolTip(Label->IsLink() ? Hint : QString());
        Label->setStatusTip(Label->toolTip());
    };
    link(LbleMail, contact_.MailAddress, QStringLiteral("mailto:"),
         QStringLiteral("Eine e-Mail an Norvik schreiben"));
    ImgAppLogo->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    ImgNorvikLogo->setToolTip(QStringLiteral("Norvik"));
    link(LblURL, contact_.WebAddress, QString(), QStringLiteral("Homepage der Firma Norvik aufrufen"));
    // The logo leads to the homepage through the web label, so it has no target of its own.
    ImgNorvikLogo->setCursor(LblURL->IsLink() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    PanelURL->setEnabled(true);
    if (QWidget* owner = parentWidget())
        move(owner->window()->geometry().center() - rect().center());
}

void TInfoDlg::keyPressEvent(QKeyEvent* Event) {
    const int key = Event->key();
    if (key == Qt::Key_Escape || ((key == Qt::Key_Return || key == Qt::Key_Enter) && SBClose->isVisible())) {
        SBCloseClick();
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

void TInfoDlg::SBCloseClick() {
    accept();
}

void TInfoDlg::ImgNorvikLogoClick() {
    LblURL->Follow();
}
