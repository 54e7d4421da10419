// The riddle window's tool bar, its symbol marking panel and the grid's pop-up menu.

#include "GradientPanel.h"
#include "MenuItems.h"
#include "RaetselFormular.h"

#include <QAction>
#include <QButtonGroup>
#include <QIcon>
#include <QMenu>
#include <QToolButton>

namespace {
constexpr int kButtonSize = 22;
// Buttons sit centred in the 30-pixel tool bar.
constexpr int kButtonTop = 4;
constexpr int kPanelMarkLeft = 167;

const QString kFillLetterHint =
    QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen");
const QString kBlankFieldHint = QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen");
const QString kZoomInHint = QStringLiteral("Die Gitter des Rätsels vergrößern");
const QString kZoomOutHint = QStringLiteral("Die Gitter des Rätsels verkleinern");
const QString kShowFailHint = QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen");
} // namespace

QToolButton* TRiddleForm::AddSpeedButton(QWidget* Parent, const char* Name, int Left, bool Toggle,
                                         const QString& Hint, const char* Icon) {
    QToolButton* b = MakeSpeedButton(
        Parent, Name, QRect(Left, Parent == Toolbar ? kButtonTop : 0, kButtonSize, kButtonSize), Hint, Icon);
    b->setCheckable(Toggle);
    return b;
}

void TRiddleForm::CreateToolbar() {
    SBZoomIn = AddSpeedButton(Toolbar, "SBZoomIn", 4, false, kZoomInHint, "zoom-in");
    SetTag(SBZoomIn, 1);
    SBZoomOut = AddSpeedButton(Toolbar, "SBZoomOut", 26, false, kZoomOutHint, "zoom-out");
    SetTag(SBZoomOut, -1);
    SBShowFail = AddSpeedButton(Toolbar, "SBShowFail", 60, true, kShowFailHint, "show-fail");
    SBShowLength = AddSpeedButton(Toolbar, "SBShowLength", 82, true,
                                  QStringLiteral("Die Längen der Begriffe anzeigen"), "show-length");
    SBShowHintGrids =
        AddSpeedButton(Toolbar, "SBShowHintGrids", 82, true,
                       QStringLiteral("Alle möglichen Symbole in den Feldern anzeigen"), "hint-grids");
    SBShowHints =
        AddSpeedButton(Toolbar, "SBShowHints", 104, true,
                       QStringLiteral("Nummern und Umschreibungen als Tooltip anzeigen"), "show-hints");
    // Both fill-in buttons are placed by UpdateRiddleToolbar.
    SBBuchstEintragen =
        AddSpeedButton(Toolbar, "SBBuchstEintragen", 0, false, kFillLetterHint, "fill-letter");
    SBBegrEintragen = AddSpeedButton(Toolbar, "SBBegrEintragen", 0, false, kFillLetterHint, "enter-word");
    SBLeerfeld = AddSpeedButton(Toolbar, "SBLeerfeld", 180, true, kBlankFieldHint, "blank-field");
    SBSuchen =
        AddSpeedButton(Toolbar, "SBSuchen", 213, false,
                       QStringLiteral("Den aktuell markierten Begriff im Wörterbuch suchen"), "search");
    SBSuchen->hide();

    connect(SBZoomIn, &QToolButton::clicked, this, [this] { MItemPlayZoomInClick(SBZoomIn); });
    connect(SBZoomOut, &QToolButton::clicked, this, [this] { MItemPlayZoomInClick(SBZoomOut); });
    connect(SBShowFail, &QToolButton::clicked, this, &TRiddleForm::SBShowFailClick);
    connect(SBShowLength, &QToolButton::clicked, this, &TRiddleForm::SBShowLengthClick);
    connect(SBShowHintGrids, &QToolButton::clicked, this, &TRiddleForm::SBShowHintGridsClick);
    // SBShowHints has no command of its own: it switches the grid's tooltips.
    connect(SBShowHints, &QToolButton::clicked, this, [this](bool On) { TooltipsOn = On; });
    connect(SBBuchstEintragen, &QToolButton::clicked, this, &TRiddleForm::MItemPlayBuchstEintragenClick);
    connect(SBBegrEintragen, &QToolButton::clicked, this, &TRiddleForm::MItemPlayBegriffEintragenClick);
    connect(SBLeerfeld, &QToolButton::clicked, this, &TRiddleForm::SBLeerfeldClick);
    CreatePanelMark();
}

void TRiddleForm::CreatePanelMark() {
    PanelMark = new TGradientPanel(Toolbar);
    PanelMark->setObjectName(QStringLiteral("PanelMark"));
    PanelMark->setGeometry(kPanelMarkLeft, kButtonTop, kButtonSize * (kMaxMarkSymbols + 2), kButtonSize);
    MarkGroup = new QButtonGroup(this);
    MarkGroup->setExclusive(true);
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < int(MarkButtons.size()); ++i) {
        const bool none = i == 0;
        const bool duo = i == int(MarkButtons.size()) - 1;
        const int tag = duo ? kMarkFew : i;
        QToolButton* b = nullptr;
        if (none) {
            b = AddSpeedButton(PanelMark, "SBMarkKeine", 0, true, MarkItemHint(kMarkNone), "mark-none");
        } else if (duo) {
            // The left edge follows the sudoku's symbol count (LayoutSymbolPanel).
            b = AddSpeedButton(PanelMark, "SBMarkDuo", kButtonSize * (kMaxMarkSymbols + 1), true,
                               MarkItemHint(kMarkFew), "mark-duo");
        } else {
            const QByteArray name = "SBMark" + QByteArray::number(tag);
            b = AddSpeedButton(
                PanelMark, name.constData(), kButtonSize * tag, true,
                QStringLiteral("Für dieses Symbol mögliche Felder im Rätsel farblich absetzen"), nullptr);
            b->setFont(bold);
            b->setText(MarkButtonCaption(tag));
        }
        SetTag(b, tag);
        MarkGroup->addButton(b);
        MarkButtons[size_t(i)] = b;
        connect(b, &QToolButton::clicked, this, [this, b] { MItemPlayMarkKeineClick(b); });
    }
    MarkButtons.front()->setChecked(true);
}

void TRiddleForm::CreateMenu() {
    MenuRaetsel = new QMenu(this);
    MenuRaetsel->setObjectName(QStringLiteral("MenuRaetsel"));
    QMenu* m = MenuRaetsel;
    MItemPlayLeerfeld =
        AddMenuItem(this, m, "MItemPlayLeerfeld", QStringLiteral("Leerfeld"), kBlankFieldHint, "blank-field");
    MItemPlayLeerfeld->setCheckable(true);
    MItemPlayBuchstEintragen =
        AddMenuItem(this, m, "MItemPlayBuchstEintragen", QStringLiteral("Buchstaben eintragen"),
                    kFillLetterHint, "fill-letter");
    MItemPlayBegriffEintragen = AddMenuItem(
        this, m, "MItemPlayBegriffEintragen", QStringLiteral("Begriff eintragen.."),
        QStringLiteral("Den gesuchten Begriff für die aktuelle Eingabeposition eingeben"), "enter-word");
    m->addSeparator()->setObjectName(QStringLiteral("MItemPlayN2"));
    QAction* zoomIn =
        AddMenuItem(this, m, "MItemPlayZoomIn", QStringLiteral("Ansicht vergrößern"), kZoomInHint, "zoom-in");
    SetTag(zoomIn, 1);
    QAction* zoomOut = AddMenuItem(this, m, "MItemPlayZoomOut", QStringLiteral("Ansicht verkleinern"),
                                   kZoomOutHint, "zoom-out");
    SetTag(zoomOut, -1);
    m->addSeparator()->setObjectName(QStringLiteral("MItemPlayN3"));
    MItemPlayShowFail = AddMenuItem(this, m, "MItemPlayShowFail", QStringLiteral("Fehleinträge markieren"),
                                    kShowFailHint, "show-fail");
    // Caption, hint and icon follow the riddle kind when the menu opens.
    MItemPlayShowLength = AddMenuItem(this, m, "MItemPlayShowLength", QString(), QString(), nullptr);
    MItemPlayShowHints = AddMenuItem(this, m, "MItemPlayShowHints", QStringLiteral("Tooltips anzeigen"),
                                     QString(), "show-hints");
    for (QAction* a : {MItemPlayShowFail, MItemPlayShowLength, MItemPlayShowHints})
        a->setCheckable(true);
    CreateMarkMenu();
    CreateSnapshotMenu();
    m->addSeparator()->setObjectName(QStringLiteral("MItemPlayN4"));
    QAction* help = AddMenuItem(this, m, "MItemPlayHilfe", QStringLiteral("Hilfe.."),
                                QStringLiteral("Hilfe zum Rätsel anzeigen"), nullptr);
    // F1 anywhere in the riddle window opens the help as well.
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(help);
    QAction* close = AddMenuItem(this, m, "MItemPlaySchliessen", QStringLiteral("Schließen"),
                                 QStringLiteral("Das Rätsel schließen"), nullptr);

    connect(m, &QMenu::aboutToShow, this, &TRiddleForm::MenuRaetselPopup);
    connect(MItemPlayLeerfeld, &QAction::triggered, this, &TRiddleForm::MItemPlayLeerfeldClick);
    connect(MItemPlayBuchstEintragen, &QAction::triggered, this, &TRiddleForm::MItemPlayBuchstEintragenClick);
    connect(MItemPlayBegriffEintragen, &QAction::triggered, this,
            &TRiddleForm::MItemPlayBegriffEintragenClick);
    connect(zoomIn, &QAction::triggered, this, [this, zoomIn] { MItemPlayZoomInClick(zoomIn); });
    connect(zoomOut, &QAction::triggered, this, [this, zoomOut] { MItemPlayZoomInClick(zoomOut); });
    connect(MItemPlayShowFail, &QAction::triggered, this, &TRiddleForm::MItemPlayShowFailClick);
    connect(MItemPlayShowLength, &QAction::triggered, this, &TRiddleForm::MItemPlayShowLengthClick);
    connect(MItemPlayShowHints, &QAction::triggered, this, &TRiddleForm::MItemPlayShowHintsClick);
    connect(help, &QAction::triggered, this, &TRiddleForm::MItemPlayHilfeClick);
    connect(close, &QAction::triggered, this, &TRiddleForm::MItemPlaySchliessenClick);
}

void TRiddleForm::CreateMarkMenu() {
    MItemPlayFelderMarkieren = MenuRaetsel->addMenu(QStringLiteral("Felder markieren"));
    MItemPlayFelderMarkieren->setObjectName(QStringLiteral("MItemPlayFelderMarkieren"));
    QAction* item = MItemPlayFelderMarkieren->menuAction();
    item->setObjectName(QStringLiteral("MItemPlayFelderMarkieren"));
    item->setStatusTip(QStringLiteral("Ausgewählte Felder im Rätsel farblich markieren"));
    connect(MItemPlayFelderMarkieren, &QMenu::aboutToShow, this, &TRiddleForm::MItemPlayFelderMarkierenClick);

    AddMarkItems(this, MItemPlayFelderMarkieren,
                 {"MItemPlayMark", MarkItemCaption, [](int Tag) { return MarkButtonCaption(Tag).toLatin1(); },
                  [this](QAction* A) { MItemPlayMarkKeineClick(A); }},
                 MarkItems);
}

void TRiddleForm::CreateSnapshotMenu() {
    MItemPlaySchnappschuss = MenuRaetsel->addMenu(QStringLiteral("Schnappschuss"));
    MItemPlaySchnappschuss->setObjectName(QStringLiteral("MItemPlaySchnappschuss"));
    MItemPlaySchnappschuss->menuAction()->setObjectName(QStringLiteral("MItemPlaySchnappschuss"));
    connect(MItemPlaySchnappschuss, &QMenu::aboutToShow, this, &TRiddleForm::MItemPlaySchnappschussClick);

    QAction* create =
        AddMenuItem(this, MItemPlaySchnappschuss, "MItemPlaySnapErstellen", QStringLiteral("Erstellen"),
                    QStringLiteral("Einen Schnappschuss des aktuellen Rätselzustands speichern"), nullptr);
    connect(create, &QAction::triggered, this, &TRiddleForm::MItemPlaySnapErstellenClick);
    MItemPlaySchnappschuss->addSeparator()->setObjectName(QStringLiteral("MItemPlaySnapN1"));
    for (int slot = 1; slot <= kSnapshotSlots; ++slot) {
        const QByteArray name = "MItemPlaySnap" + QByteArray::number(slot);
        QAction* a = AddMenuItem(this, MItemPlaySchnappschuss, name.constData(), QString::number(slot),
                                 QStringLiteral("Den Rätsel-Schnappschuss wiederherstellen"), nullptr);
        SetTag(a, slot);
        a->setVisible(false);
        SnapItems[size_t(slot - 1)] = a;
        connect(a, &QAction::triggered, this, [this, a] { MItemPlaySnap1Click(a); });
    }
}
