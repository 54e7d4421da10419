#include "PrintDialog.h"

#include "ColorUtils.h"
#include "GradientPanel.h"
#include "LayoutPicture.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kStripWidth = 12;

template <typename T>
T* Named(T* Widget, const char* Name, const QString& Hint, const QString& Accessible = {}) {
    Widget->setObjectName(QString::fromLatin1(Name));
    if (!Hint.isEmpty())
        Widget->setToolTip(Hint);
    Widget->setAccessibleName(Accessible.isEmpty() ? Hint : Accessible);
    return Widget;
}

QRadioButton* Radio(QWidget* Parent, const char* Name, const QString& Caption, const QString& Hint = {}) {
    return Named(new QRadioButton(Caption, Parent), Name, Hint, Caption);
}

QSpinBox* Spin(QWidget* Parent, const char* Name, int Min, int Max, int Step, int Value, const QString& Hint,
               const QString& Accessible) {
    auto* spin = Named(new QSpinBox(Parent), Name, Hint, Accessible);
    spin->setRange(Min, Max);
    spin->setSingleStep(Step);
    spin->setValue(Value);
    return spin;
}

QLabel* Caption(QWidget* Parent, const QString& Text, QWidget* Buddy = nullptr) {
    auto* label = new QLabel(Text, Parent);
    if (Buddy)
        label->setBuddy(Buddy);
    return label;
}

QString Hint(const char* Text) {
    return QString::fromUtf8(Text);
}
} // namespace

TPrintDlg::TPrintDlg(QWidget* Parent, bool Sudoku) : QDialog(Parent) {
    setObjectName(QStringLiteral("PrintDlg"));
    setWindowTitle(QStringLiteral("Rätsel drucken"));
    setAccessibleName(windowTitle());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    Verlauf = new TGradientPanel(this);
    Verlauf->setObjectName(QStringLiteral("Verlauf"));
    Verlauf->setFixedWidth(kStripWidth);
    Verlauf->SetEndColor(DarkenColor(palette().color(QPalette::Button), 0.7));
    CreateLayoutGroup();
    CreateSizeGroup();
    CreateLinesGroup();
    CreateMarginsGroup();
    CreatePrinterPanel();
    BtnOK = Named(new QPushButton(QStringLiteral("&OK"), this), "BtnOK",
                  Hint("Das Dialogfenster schließen und den Ausdruck starten"), QStringLiteral("OK"));
    BtnOK->setDefault(true);
    BtnCancel =
        Named(new QPushButton(QStringLiteral("&Abbruch"), this), "BtnCancel",
              Hint("Das Dialogfenster schließen ohne den Ausdruck zu starten"), QStringLiteral("Abbruch"));
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    Arrange(Sudoku);
}

void TPrintDlg::CreateLayoutGroup() {
    GBLayout =
        Named(new QGroupBox(QStringLiteral(" Layout: "), this), "GBLayout", {}, QStringLiteral("Layout"));
    RBPortrait = Radio(GBLayout, "RBPortrait", QStringLiteral("Hochformat"),
                       Hint("Das Rätsel auf eine Seite im Hochformat drucken"));
    RBLandscape = Radio(GBLayout, "RBLandscape", QStringLiteral("Querformat"),
                        Hint("Das Rätsel auf eine Seite im Querformat drucken"));
    const QString onePage = Hint("Rätsel und Legende auf eine einzelne Seite drucken");
    const QString twoPages = Hint("Rätsel und Legende auf zwei getrennten Seiten drucken");
    RBOnePage = Radio(GBLayout, "RBOnePage", QStringLiteral("Rätsel und Legende auf einer Seite:"), onePage);
    RBTwoPages =
        Radio(GBLayout, "RBTwoPages", QStringLiteral("Rätsel und Legende auf getrennten Seiten:"), twoPages);
    RBLegendRight = Radio(GBLayout, "RBLegendRight", QStringLiteral("Legende rechts"),
                          Hint("Die Legende rechts neben das Rätsel drucken"));
    RBLegendBottom = Radio(GBLayout, "RBLegendBottom", QStringLiteral("Legende unten"),
                           Hint("Die Legende unter das Rätsel drucken"));
    auto picture = [this](const char* Name, TLayoutPicture::TKind Kind, bool Landscape, const QString& Text) {
        auto* p = new TLayoutPicture(Kind, Landscape, Text, GBLayout);
        p->setObjectName(QString::fromLatin1(Name));
        if (Kind == TLayoutPicture::lkTwoPages)
            connect(p, &TLayoutPicture::Clicked, this, &TPrintDlg::ImgTwoPagesLandscapeClick);
        else
            connect(p, &TLayoutPicture::Clicked, this, &TPrintDlg::ImgOnePageLandscapeRClick);
        return p;
    };
    ImgOnePagePortraitR = picture("ImgOnePagePortraitR", TLayoutPicture::lkLegendRight, false, onePage);
    ImgOnePagePortraitB = picture("ImgOnePagePortraitB", TLayoutPicture::lkLegendBottom, false, onePage);
    ImgOnePageLandscapeR = picture("ImgOnePageLandscapeR", TLayoutPicture::lkLegendRight, true, onePage);
    ImgOnePageLandscapeB = picture("ImgOnePageLandscapeB", TLayoutPicture::lkLegendBottom, true, onePage);
    ImgTwoPagesPortrait = picture("ImgTwoPagesPortrait", TLayoutPicture::lkTwoPages, false, twoPages);
    ImgTwoPagesLandscape = picture("ImgTwoPagesLandscape", TLayoutPicture::lkTwoPages, true, twoPages);

    auto* orientation = new QButtonGroup(this);
    orientation->addButton(RBPortrait);
    orientation->addButton(RBLandscape);
    auto* composition = new QButtonGroup(this);
    composition->addButton(RBOnePage);
    composition->addButton(RBTwoPages);
    auto* position = new QButtonGroup(this);
    position->addButton(RBLegendRight);
    position->addButton(RBLegendBottom);
    RBPortrait->setChecked(true);
    RBTwoPages->setChecked(true);
    RBLegendBottom->setChecked(true);
    for (QRadioButton* b : {RBPortrait, RBLandscape, RBLegendRight, RBLegendBottom})
        connect(b, &QRadioButton::toggled, this, [this](bool On) {
            if (On)
                RBPortraitClick();
        });
    connect(RBOnePage, &QRadioButton::toggled, this, &TPrintDlg::RBOnePageChange);

    auto* grid = new QGridLayout(GBLayout);
    auto* orientationRow = new QHBoxLayout;
    orientationRow->addWidget(RBPortrait);
    orientationRow->addWidget(RBLandscape);
    orientationRow->addStretch();
    grid->addLayout(orientationRow, 0, 0, 1, 2);
    grid->addWidget(RBOnePage, 1, 0, 1, 2);
    auto* positions = new QVBoxLayout;
    positions->setContentsMargins(20, 0, 0, 0);
    positions->addWidget(RBLegendRight);
    positions->addWidget(RBLegendBottom);
    positions->addStretch();
    grid->addLayout(positions, 2, 0);
    auto* onePictures = new QHBoxLayout;
    for (TLayoutPicture* p :
         {ImgOnePagePortraitR, ImgOnePagePortraitB, ImgOnePageLandscapeR, ImgOnePageLandscapeB})
        onePictures->addWidget(p);
    grid->addLayout(onePictures, 2, 1, Qt::AlignRight);
    grid->addWidget(RBTwoPages, 3, 0, 1, 2);
    auto* twoPictures = new QHBoxLayout;
    twoPictures->addWidget(ImgTwoPagesPortrait);
    twoPictures->addWidget(ImgTwoPagesLandscape);
    grid->addLayout(twoPictures, 4, 1, Qt::AlignRight);
    grid->setRowStretch(5, 1);
}

void TPrintDlg::CreateSizeGroup() {
    GBSize = Named(new QGroupBox(QStringLiteral(" Größe: "), this), "GBSize", {}, QStringLiteral("Größe"));
    RBAutoGridSize = Radio(GBSize, "RBAutoGridSize", QStringLiteral("Auf Seitengröße strecken / stauchen"),
                           Hint("Das Rätsel automatisch auf die verfügbare Seitengröße strecken"));
    RBManGridSize = Radio(GBSize, "RBManGridSize", QStringLiteral("Gittergröße vorgeben:"),
                          Hint("Eine feste Gittergröße für das Rätsel vorgeben"));
    SEGridSize = Spin(GBSize, "SEGridSize", 2, 10, 1, 10, Hint("Feste Gittergröße für das Rätsel"),
                      QStringLiteral("Gittergröße in mm"));
    LblGridSizeMM = Caption(GBSize, QStringLiteral("mm"));
    RBManGridSize->setChecked(true);
    connect(RBManGridSize, &QRadioButton::toggled, this, &TPrintDlg::RBManGridSizeClick);
    auto* grid = new QGridLayout(GBSize);
    grid->addWidget(RBAutoGridSize, 0, 0, 1, 3);
    grid->addWidget(RBManGridSize, 1, 0);
    grid->addWidget(SEGridSize, 1, 1);
    grid->addWidget(LblGridSizeMM, 1, 2);
    grid->setColumnStretch(3, 1);
}

void TPrintDlg::CreateLinesGroup() {
    RGLines = Named(new QGroupBox(QStringLiteral(" Linienstärke: "), this), "RGLines",
                    Hint("Linienstärke im ausgedruckten Rätsel"), QStringLiteral("Linienstärke"));
    lineWeights_ = new QButtonGroup(this);
    auto* row = new QHBoxLayout(RGLines);
    const char* const captions[] = {"dünn", "mittel", "dick"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(captions[i]), RGLines);
        b->setAccessibleName(b->text());
        b->setToolTip(RGLines->toolTip());
        lineWeights_->addButton(b, i);
        row->addWidget(b);
    }
    row->addStretch();
    lineWeights_->button(1)->setChecked(true);
}

void TPrintDlg::CreateMarginsGroup() {
    GBMargins = Named(new QGroupBox(QStringLiteral(" Seitenränder: "), this), "GBMargins", {},
                      QStringLiteral("Seitenränder"));
    const QString margin = Hint("Abstand des Rätsels vom Seitenrand in Millimetern");
    SpinLMargin =
        Spin(GBMargins, "SpinLMargin", 10, 50, 10, 20, margin, QStringLiteral("Rand links / rechts in mm"));
    SpinTMargin =
        Spin(GBMargins, "SpinTMargin", 10, 50, 10, 20, margin, QStringLiteral("Rand oben / unten in mm"));
    SELegFontSize = Spin(GBMargins, "SELegFontSize", 2, 10, 1, 3, Hint("Höhe der Schriftart in der Legende"),
                         QStringLiteral("Schrifthöhe der Legende in mm"));
    LblLegFontSize = Caption(GBMargins, QStringLiteral("Schrifthöhe der Legende:"), SELegFontSize);
    LblLegFontSizeMM = Caption(GBMargins, QStringLiteral("mm"));
    auto* grid = new QGridLayout(GBMargins);
    grid->addWidget(Caption(GBMargins, QStringLiteral("Links / rechts : "), SpinLMargin), 0, 0);
    grid->addWidget(SpinLMargin, 0, 1);
    grid->addWidget(Caption(GBMargins, QStringLiteral("mm")), 0, 2);
    grid->addWidget(Caption(GBMargins, QStringLiteral("Oben / unten :"), SpinTMargin), 1, 0);
    grid->addWidget(SpinTMargin, 1, 1);
    grid->addWidget(Caption(GBMargins, QStringLiteral("mm")), 1, 2);
    grid->addWidget(LblLegFontSize, 2, 0);
    grid->addWidget(SELegFontSize, 2, 1);
    grid->addWidget(LblLegFontSizeMM, 2, 2);
    grid->setColumnStretch(3, 1);
    for (QSpinBox* spin : {SpinLMargin, SpinTMargin, SELegFontSize, SEGridSize})
        spin->installEventFilter(this);
}

void TPrintDlg::CreatePrinterPanel() {
    PanelPrinter = new QWidget(this);
    PanelPrinter->setObjectName(QStringLiteral("PanelPrinter"));
    ComboDrucker = Named(new QComboBox(PanelPrinter), "ComboDrucker",
                         Hint("Der für den Ausdruck zu benutzende Drucker"), QStringLiteral("Drucker"));
    ComboDrucker->addItems(QPrinterInfo::availablePrinterNames());
    ComboDrucker->setCurrentIndex(-1);
    connect(ComboDrucker, &QComboBox::currentIndexChanged, this, &TPrintDlg::ComboDruckerChange);
    const QString setup = Hint("Die Einstellungen des gewählten Druckers ändern");
    SBSetupPrinter = Named(new QToolButton(PanelPrinter), "SBSetupPrinter", setup);
    SBSetupPrinter->setIcon(QIcon(QStringLiteral(":/icons/print.png")));
    SBSetupPrinter->setAutoRaise(true);
    connect(SBSetupPrinter, &QToolButton::clicked, this, &TPrintDlg::SBSetupPrinterClick);
    SENumCopies = Spin(PanelPrinter, "SENumCopies", 1, 100, 1, 1, Hint("Anzahl zu druckender Kopien"),
                       QStringLiteral("Anzahl Kopien"));
    SENumCopies->installEventFilter(this);
    auto* grid = new QGridLayout(PanelPrinter);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Caption(PanelPrinter, QStringLiteral("Drucker:"), ComboDrucker), 0, 0);
    grid->addWidget(ComboDrucker, 0, 1);
    grid->addWidget(SBSetupPrinter, 0, 2);
    grid->addWidget(Caption(PanelPrinter, QStringLiteral("Anzahl Kopien:"), SENumCopies), 1, 0);
    grid->addWidget(SENumCopies, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
}

void TPrintDlg::Arrange(bool Sudoku) {
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Verlauf);
    auto* body = new QGridLayout;
    body->setContentsMargins(8, 8, 8, 8);
    outer->addLayout(body);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    if (Sudoku) {
        // A sudoku prints its grid alone: no layout to choose and no legend font.
        GBLayout->hide();
        body->setColumnMinimumWidth(0, GBLayout->sizeHint().width());
        for (QWidget* w : std::initializer_list<QWidget*>{LblLegFontSize, SELegFontSize, LblLegFontSizeMM})
            w->hide();
        body->addWidget(GBSize, 0, 0);
        body->addWidget(RGLines, 1, 0);
        body->addWidget(GBMargins, 2, 0);
        body->addItem(new QSpacerItem(0, 8), 3, 0);
        body->addWidget(PanelPrinter, 4, 0);
        body->addItem(new QSpacerItem(0, 12), 5, 0);
        body->addLayout(buttons, 6, 0);
        return;
    }
    body->addWidget(GBLayout, 0, 0, 3, 1);
    body->addWidget(GBSize, 0, 1);
    body->addWidget(RGLines, 1, 1);
    body->addWidget(GBMargins, 2, 1);
    body->addWidget(PanelPrinter, 3, 0);
    body->addItem(new QSpacerItem(0, 12), 4, 0);
    body->addLayout(buttons, 5, 0, 1, 2);
}

void TPrintDlg::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    FormShow();
}

void TPrintDlg::FormShow() {
    RBPortraitClick();
    RBOnePageChange();
    RBManGridSizeClick();
    if (ComboDrucker->count() > 0 && ComboDrucker->currentIndex() < 0)
        ComboDrucker->setCurrentIndex(0);
    ComboDruckerChange();
}

void TPrintDlg::RBPortraitClick() {
    const bool landscape = RBLandscape->isChecked();
    const bool right = RBLegendRight->isChecked();
    ImgOnePagePortraitR->setVisible(!landscape && right);
    ImgOnePagePortraitB->setVisible(!landscape && !right);
    ImgOnePageLandscapeR->setVisible(landscape && right);
    ImgOnePageLandscapeB->setVisible(landscape && !right);
    ImgTwoPagesPortrait->setVisible(!landscape);
    ImgTwoPagesLandscape->setVisible(landscape);
}

void TPrintDlg::RBOnePageChange() {
    RBLegendRight->setEnabled(RBOnePage->isChecked());
    RBLegendBottom->setEnabled(RBOnePage->isChecked());
}

void TPrintDlg::ImgOnePageLandscapeRClick() {
    RBOnePage->setChecked(true);
}

void TPrintDlg::ImgTwoPagesLandscapeClick() {
    RBTwoPages->setChecked(true);
}

void TPrintDlg::RBManGridSizeClick() {
    SEGridSize->setEnabled(RBManGridSize->isChecked());
    LblGridSizeMM->setEnabled(RBManGridSize->isChecked());
}

void TPrintDlg::ComboDruckerChange() {
    if (ComboDrucker->currentIndex() >= 0)
        printer_.setPrinterName(ComboDrucker->currentText());
    BtnOK->setEnabled(ComboDrucker->currentIndex() >= 0);
}

void TPrintDlg::SBSetupPrinterClick() {
    printer_.setPageOrientation(RBLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog setup(&printer_, this);
    if (setup.exec() != QDialog::Accepted)
        return;
    // The printer's own dialog may have turned the page.
    (printer_.pageLayout().orientation() == QPageLayout::Landscape ? RBLandscape : RBPortrait)
        ->setChecked(true);
}

bool TPrintDlg::SpinLMarginKeyPress(int Key) {
    QPushButton* button = Key == Qt::Key_Escape                             ? BtnCancel
                          : (Key == Qt::Key_Return || Key == Qt::Key_Enter) ? BtnOK
                                                                            : nullptr;
    if (!button)
        return false;
    if (button->isEnabled())
        button->click();
    return true;
}

bool TPrintDlg::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::KeyPress && qobject_cast<QSpinBox*>(Watched))
        return SpinLMarginKeyPress(static_cast<QKeyEvent*>(Event)->key());
    return QDialog::eventFilter(Watched, Event);
}

TPrintOptions TPrintDlg::Options() const {
    TPrintOptions o;
    o.Landscape = RBLandscape->isChecked();
    o.OnePage = RBOnePage->isChecked();
    o.LegendRight = RBLegendRight->isChecked();
    o.AutoGridSize = RBAutoGridSize->isChecked();
    o.GridSize = SEGridSize->value();
    o.LineWeight = qMax(0, lineWeights_->checkedId());
    o.LeftMargin = SpinLMargin->value();
    o.TopMargin = SpinTMargin->value();
    o.LegendFontSize = SELegFontSize->value();
    o.Copies = SENumCopies->value();
    return o;
}
