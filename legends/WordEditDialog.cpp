#include "WordEditDialog.h"

#include "GradientPanel.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr int kStripWidth = 50;
constexpr int kContentLeft = 56;
constexpr int kLabelTop = 5;
constexpr int kRowTop = 21;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
constexpr int kIconSquare = 36;
constexpr int kIconSize = 32;

TWordBoxColors BoxColors(const TRiddleColors& Background, const TRiddleColors& Text) {
    return {Background.Get(TRiddleColors::Char), Background.Get(TRiddleColors::CurrentWord),
            Text.Get(TRiddleColors::Char)};
}
} // namespace

TWordEditDlg::TWordEditDlg(const TRiddleColors& BackgroundColors, const TRiddleColors& TextColors,
                           const TWordBoxLook& Look, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("WordEditDlg"));
    CreateIconStrip();

    LblBegriff = new QLabel(this);
    LblBegriff->setObjectName(QStringLiteral("LblBegriff"));
    LblBegriff->move(kContentLeft, kLabelTop);

    GridBegriff = new TWordBoxGrid(BoxColors(BackgroundColors, TextColors), Look, this);
    GridBegriff->setObjectName(QStringLiteral("GridBegriff"));
    GridBegriff->setToolTip(QStringLiteral("Den gesuchten Begriff eingeben"));
    GridBegriff->move(kContentLeft, kRowTop);
    GridBegriff->OnChange = [this] { UpdateOK(); };

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setToolTip(QStringLiteral("Den Begriff ins Rätsel aufnehmen und das Dialogfenster schließen"));
    BtnOK->setDefault(true);
    BtnOK->setEnabled(false);
    connect(BtnOK, &QPushButton::clicked, this, &TWordEditDlg::BtnOKClick);

    BtnCancel = new QPushButton(QStringLiteral("Abbruch"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setToolTip(
        QStringLiteral("Das Dialogfenster schließen ohne den Begriff ins Rätsel zu übernehmen"));
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    for (QPushButton* button : {BtnOK, BtnCancel})
        button->resize(kButtonWidth, kButtonHeight);
    // Tab order follows the reading order: boxes, OK, Cancel.
    setTabOrder(GridBegriff, BtnOK);
    setTabOrder(BtnOK, BtnCancel);
}

void TWordEditDlg::CreateIconStrip() {
    strip_ = new TGradientPanel(this);
    strip_->setObjectName(QStringLiteral("PanelIcon"));
    strip_->setGeometry(0, 0, kStripWidth, 0);
    // The square runs the other way, so that it stands out from the strip.
    auto* square = new TGradientPanel(strip_);
    square->SetStartColor(strip_->EndColor());
    square->SetEndColor(strip_->StartColor());
    const int inset = (kStripWidth - kIconSquare) / 2;
    square->setGeometry(inset, inset, kIconSquare, kIconSquare);
    auto* icon = new QLabel(square);
    icon->setObjectName(QStringLiteral("ImgIcon"));
    icon->setAlignment(Qt::AlignCenter);
    icon->setGeometry(0, 0, kIconSquare, kIconSquare);
    const QIcon programIcon = QApplication::windowIcon();
    if (!programIcon.isNull())
        icon->setPixmap(programIcon.pixmap(kIconSize, kIconSize));
}

void TWordEditDlg::SetText(const QString& Text) {
    text_ = Text;
    GridBegriff->SetText(Text);
    UpdateOK();
}

void TWordEditDlg::setVisible(bool Visible) {
    if (Visible && !isVisible())
        FormShow();
    QDialog::setVisible(Visible);
}

void TWordEditDlg::FormShow() {
    const QSize row = GridBegriff->RowSize();
    GridBegriff->resize(row);
    LblBegriff->adjustSize();
    const int buttonTop = kRowTop + row.height() + kMargin;
    BtnOK->move(kContentLeft, buttonTop);
    BtnCancel->move(kContentLeft + kButtonWidth + kButtonGap, buttonTop);
    // A long clue must not be cut off, so the label counts as well.
    const int width = std::max({GridBegriff->geometry().right() + 1, BtnCancel->geometry().right() + 1,
                                LblBegriff->geometry().right() + 1}) +
                      kMargin;
    const int height = buttonTop + kButtonHeight + kMargin;
    setFixedSize(width, height);
    strip_->resize(kStripWidth, height);
    // Centred on the main window, frame on frame; the dialog will wear the same frame as its owner.
    if (const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr)
        setGeometry(QRect(CentredOn(owner->frameGeometry(), size(), FrameMargins(owner)), size()));
    GridBegriff->setFocus(Qt::OtherFocusReason);
    UpdateOK();
}

void TWordEditDlg::UpdateOK() {
    BtnOK->setEnabled(GridBegriff->Boxes().Complete());
}

void TWordEditDlg::BtnOKClick() {
    text_ = GridBegriff->Boxes().Text();
    accept();
}

std::optional<QString> TWordEditDlg::Execute(QWidget* Parent, const QString& Caption, const QString& Prompt,
                                             const QString& Text, const TRiddleColors& BackgroundColors,
                                             const TRiddleColors& TextColors, const TWordBoxLook& Look) {
    TWordEditDlg dialog(BackgroundColors, TextColors, Look, Parent);
    dialog.setWindowTitle(Caption);
    dialog.LblBegriff->setText(Prompt);
    dialog.SetText(Text);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Text();
}
