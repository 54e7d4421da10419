#include "RaetselInfoDialog.h"

#include "BevelLabel.h"
#include "GradientPanel.h"
#include "LanguageFlags.h"
#include "RiddleProperties.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kClientWidth = 462;
constexpr int kStripWidth = 50;
constexpr int kCaptionLeft = 55;
constexpr int kValueLeft = 117;
constexpr int kValueWidth = 337;
constexpr int kRightMargin = kClientWidth - kValueLeft - kValueWidth;
constexpr int kAuthorTop = 121;
constexpr int kBestTimeTop = 215;
constexpr int kDateTop = 247;
constexpr int kDateHeight = 110;
constexpr QSize kButtonSize(84, 25);
} // namespace

TRaetselInfoDlg::TRaetselInfoDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("RaetselInfoDlg"));
    setWindowTitle(QStringLiteral("Rätsel-Eigenschaften"));
    setFixedSize(kClientWidth, 398);
    Verlauf = new TGradientPanel(this);
    Verlauf->setObjectName(QStringLiteral("Verlauf"));
    Verlauf->setGeometry(0, 0, kStripWidth, height());
    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(7, 7, 34, 34);
    ImgIcon = new QLabel(this);
    ImgIcon->setObjectName(QStringLiteral("ImgIcon"));
    ImgIcon->setGeometry(8, 8, 32, 32);
    ImgIcon->setPixmap(QPixmap(QStringLiteral(":/pictures/riddle-properties.png")));

    LblType = ValueLabel(this, "LblType", QStringLiteral("Rätseltyp:"), 8);
    LblSize = ValueLabel(this, "LblSize", QStringLiteral("Größe:"), 36);
    LblTitle = ValueLabel(this, "LblTitle", QStringLiteral("Titel:"), 64);
    LblLanguage = ValueLabel(this, "LblLanguage", QStringLiteral("Sprache:"), 92);
    ImgLanguage = new QLabel(LblLanguage);
    ImgLanguage->setObjectName(QStringLiteral("ImgLanguage"));
    ImgLanguage->setGeometry(3, 2, 16, 16);

    PanelAuthor = new QWidget(this);
    PanelAuthor->setObjectName(QStringLiteral("PanelAuthor"));
    PanelAuthor->setGeometry(0, kAuthorTop, kClientWidth, 89);
    LblAuthor = ValueLabel(PanelAuthor, "LblAuthor", QStringLiteral("Autor:"), 0);
    LblComment = ValueLabel(PanelAuthor, "LblComment", QStringLiteral("Kommentar:"), 28, 57);
    LblComment->setWordWrap(true);
    LblComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    PanelBestTime = new QWidget(this);
    PanelBestTime->setObjectName(QStringLiteral("PanelBestTime"));
    PanelBestTime->setGeometry(0, kBestTimeTop, kClientWidth, 21);
    LblBestTime = ValueLabel(PanelBestTime, "LblBestTime", QStringLiteral("Bestzeit:"), 0);
    CreatePanelDate();

    BtnClose = new QPushButton(QStringLiteral("S&chließen"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->resize(kButtonSize);
    BtnClose->setToolTip(QStringLiteral("Änderungen übernehmen und Dialogfenster schließen"));
    BtnClose->setStatusTip(BtnClose->toolTip());
    // Enter and Escape both close: the button is the default, and Escape rejects.
    BtnClose->setDefault(true);
    BtnClose->setAutoDefault(true);
    connect(BtnClose, &QPushButton::clicked, this, &TRaetselInfoDlg::BtnCloseClick);
    Fill(TRiddleProperties());
}

TBevelLabel* TRaetselInfoDlg::ValueLabel(QWidget* Parent, const char* Name, const QString& Caption, int Top,
                                         int Height) {
    auto* caption = new QLabel(Caption, Parent);
    caption->move(kCaptionLeft, Top + 3);
    caption->adjustSize();
    auto* value = new TBevelLabel(QString(), Parent);
    values_.push_back(value);
    value->setObjectName(QLatin1String(Name));
    value->setGeometry(kValueLeft, Top, kValueWidth, Height);
    value->SetBevel(TBevelLabel::bvLowered);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    value->setAutoFillBackground(true);
    value->setBackgroundRole(QPalette::ToolTipBase);
    value->setForegroundRole(QPalette::ToolTipText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return value;
}

void TRaetselInfoDlg::CreatePanelDate() {
    PanelDate = new QWidget(this);
    PanelDate->setObjectName(QStringLiteral("PanelDate"));
    PanelDate->setGeometry(0, kDateTop, kClientWidth, kDateHeight);
    auto* options = new QLabel(QStringLiteral("Hilfe- und\nBearb.-\noptionen:"), PanelDate);
    options->move(kCaptionLeft, 0);
    options->adjustSize();
    auto box = [this](const char* Name, const QString& Caption) {
        auto* b = new QCheckBox(Caption, PanelDate);
        b->setObjectName(QLatin1String(Name));
        return b;
    };
    CBHelpShowFail = box("CBHelpShowFail", QStringLiteral("Falsche Buchstaben markieren"));
    CBHelpAutoFill = box("CBHelpAutoFill", QStringLiteral("Korrekten Buchstaben einfügen"));
    CBHelpShowRiddle = box("CBHelpShowRiddle", QStringLiteral("Gelöstes Rätsel anzeigen"));
    CBHelpEditRiddle = box("CBHelpEditRiddle", QStringLiteral("Rätsel bearbeiten"));
    LblDate = ValueLabel(PanelDate, "LblDate", QStringLiteral("Erstellt am:"), 60);
    LblVersion = ValueLabel(PanelDate, "LblVersion", QStringLiteral("Erstellt mit:"), 88);
    // Shown, not changed: the riddle's options are the maker's.
    for (QCheckBox* b : {CBHelpShowFail, CBHelpAutoFill, CBHelpShowRiddle, CBHelpEditRiddle})
        b->setEnabled(false);
}

int TRaetselInfoDlg::LayoutHelpOptions() {
    // Two columns, each as wide as its longer caption, so that no caption is cut; the second one
    // ends where the values end.
    const int left = qMax(CBHelpShowFail->sizeHint().width(), CBHelpShowRiddle->sizeHint().width());
    const int right = qMax(CBHelpAutoFill->sizeHint().width(), CBHelpEditRiddle->sizeHint().width());
    const int width = qMax(kClientWidth, kValueLeft + left + 8 + right + kRightMargin);
    const int second = width - kRightMargin - right;
    CBHelpShowFail->setGeometry(kValueLeft, 0, left, 21);
    CBHelpShowRiddle->setGeometry(kValueLeft, 24, left, 21);
    CBHelpAutoFill->setGeometry(second, 0, right, 21);
    CBHelpEditRiddle->setGeometry(second, 24, right, 21);
    return width;
}

void TRaetselInfoDlg::Fill(const TRiddleProperties& Values) {
    LblType->setText(Values.Type);
    LblSize->setText(Values.Size);
    LblTitle->setText(Values.Title);
    const QPixmap flag = LanguageFlag(Values.Language);
    ImgLanguage->setVisible(!flag.isNull());
    ImgLanguage->setPixmap(flag);
    LblLanguage->setText(Values.LanguageText);
    LblAuthor->setText(Values.Author);
    LblComment->setText(Values.Comment);
    LblBestTime->setText(Values.BestTime);
    CBHelpShowFail->setText(Values.ShowFailCaption);
    CBHelpAutoFill->setText(Values.AutoFillCaption);
    CBHelpShowFail->setChecked(Values.ShowFail);
    CBHelpAutoFill->setChecked(Values.AutoFill);
    CBHelpShowRiddle->setChecked(Values.ShowRiddle);
    CBHelpEditRiddle->setChecked(Values.EditRiddle);
    LblDate->setText(Values.Date);
    LblVersion->setText(Values.Version);

    const int width = LayoutHelpOptions();
    for (QWidget* panel : {PanelAuthor, PanelBestTime, PanelDate})
        panel->resize(width, panel->height());
    for (TBevelLabel* value : values_)
        value->resize(width - kValueLeft - kRightMargin, value->height());
    // What is left out makes room: the panels below move up.
    PanelAuthor->setVisible(Values.AuthorShown);
    PanelBestTime->setVisible(Values.BestTimeShown);
    PanelBestTime->move(0, Values.AuthorShown ? kBestTimeTop : kAuthorTop);
    PanelDate->move(0, PanelBestTime->y() + (Values.BestTimeShown ? kDateTop - kBestTimeTop : 0));
    BtnClose->move(width - kRightMargin - kButtonSize.width(), PanelDate->y() + kDateHeight + 8);
    setFixedSize(width, BtnClose->y() + BtnClose->height() + 6);
    Verlauf->resize(Verlauf->width(), height());
}

void TRaetselInfoDlg::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    if (QWidget* owner = parentWidget())
        move(owner->window()->geometry().center() - rect().center());
}

void TRaetselInfoDlg::BtnCloseClick() {
    accept();
}
