// The main window's tool bar and main menu: the buttons, items, captions, shortcuts, hints and
// icons, and which handler each one runs.

#include "GradientPanel.h"
#include "Hauptformular.h"
#include "MainCommandRules.h"
#include "MenuItems.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {
constexpr int kButtonSize = 25;
// The buttons sit centred in the 33-pixel tool bar.
constexpr int kButtonTop = 4;

const QString kPrintHint = QStringLiteral("Das Rätsel und die Legende drucken");
const QString kInfosHint = QStringLiteral("Informationen zum aktuellen Rätsel anzeigen");
const QString kUndoHint = QStringLiteral("Die letzte Änderung am Rätsel zurücknehmen");
const QString kResetHint = QStringLiteral("Alle Begriffe aus dem Rätsel löschen");
} // namespace

void TRMMainForm::CreateToolbar() {
    auto add = [this](const char* Name, int Left, const QString& Hint, const char* Icon, bool Enabled,
                      void (TRMMainForm::*Handler)()) {
        QToolButton* b =
            MakeSpeedButton(toolBar_, Name, QRect(Left, kButtonTop, kButtonSize, kButtonSize), Hint, Icon);
        b->setEnabled(Enabled);
        connect(b, &QToolButton::clicked, this, Handler);
        return b;
    };
    TBPrgBeenden = add("TBPrgBeenden", 4, QStringLiteral("Das Programm beenden"), "quit", true,
                       &TRMMainForm::MItemRaeBeendenClick);
    TBRaeDrucken = add("TBRaeDrucken", 37, kPrintHint, "print", false, &TRMMainForm::MItemRaeDruckenClick);
    TBRaeInfos =
        add("TBRaeInfos", 62, kInfosHint, "riddle-info", false, &TRMMainForm::MItemRaeEigenschaftenClick);
    TBBeaRueckgaengig =
        add("TBBeaRueckgaengig", 96, kUndoHint, "undo", false, &TRMMainForm::MItemBeaRueckgaengigClick);
    TBBeaZuruecksetzen =
        add("TBBeaZuruecksetzen", 121, kResetHint, "reset", false, &TRMMainForm::MItemBeaZuruecksetzenClick);
    TBHlfInfo = add("TBHlfInfo", 154, QStringLiteral("Informationen zum Programm anzeigen"), "program-info",
                    true, &TRMMainForm::MItemRaeInfoClick);
}

QMenu* TRMMainForm::AddSubMenu(QMenu* Parent, const char* Name, const QString& Caption, const QString& Hint) {
    QMenu* m = Parent->addMenu(Caption);
    m->setObjectName(QLatin1String(Name));
    m->menuAction()->setObjectName(QLatin1String(Name));
    m->menuAction()->setStatusTip(Hint);
    return m;
}

void TRMMainForm::CreateMenus() {
    CreateRiddleMenu();
    CreateEditMenu();
    CreateViewMenu();
}

void TRMMainForm::CreateRiddleMenu() {
    MItemRaetsel = menuBar()->addMenu(QStringLiteral("&Rätsel"));
    MItemRaetsel->setObjectName(QStringLiteral("MItemRaetsel"));
    MItemRaetsel->menuAction()->setObjectName(QStringLiteral("MItemRaetsel"));
    QMenu* m = MItemRaetsel;
    MItemRaeDrucken =
        AddMenuItem(this, m, "MItemRaeDrucken", QStringLiteral("&Drucken.."), kPrintHint, "print");
    MItemRaeDrucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MItemRaeEigenschaften = AddMenuItem(this, m, "MItemRaeEigenschaften", QStringLiteral("&Eigenschaften.."),
                                        kInfosHint, "riddle-info");
    m->addSeparator()->setObjectName(QStringLiteral("MItemRaeN2"));
    QAction* info = AddMenuItem(this, m, "MItemRaeInfo", QStringLiteral("Info.."), QString(), "program-info");
    QAction* quit = AddMenuItem(this, m, "MItemRaeBeenden", QStringLiteral("Beenden"), QString(), "quit");
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    connect(m, &QMenu::aboutToShow, this, [this] {
        // A printer may have been installed since the riddle was loaded.
        AskForPrinters();
        MItemRaetselClick();
    });
    connect(MItemRaeDrucken, &QAction::triggered, this, &TRMMainForm::MItemRaeDruckenClick);
    connect(MItemRaeEigenschaften, &QAction::triggered, this, &TRMMainForm::MItemRaeEigenschaftenClick);
    connect(info, &QAction::triggered, this, &TRMMainForm::MItemRaeInfoClick);
    connect(quit, &QAction::triggered, this, &TRMMainForm::MItemRaeBeendenClick);
}

void TRMMainForm::CreateEditMenu() {
    MItemBearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    MItemBearbeiten->setObjectName(QStringLiteral("MItemBearbeiten"));
    MItemBearbeiten->menuAction()->setObjectName(QStringLiteral("MItemBearbeiten"));
    QMenu* m = MItemBearbeiten;
    MItemBeaRueckgaengig =
        AddMenuItem(this, m, "MItemBeaRueckgaengig", UndoCaption(QString()), kUndoHint, "undo");
    // Ctrl+Z as well, as on every Linux desktop.
    MItemBeaRueckgaengig->setShortcuts(
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_Z)});
    MItemBeaZuruecksetzen =
        AddMenuItem(this, m, "MItemBeaZuruecksetzen", QStringLiteral("&Zurücksetzen"), kResetHint, "reset");
    MItemBeaN1 = m->addSeparator();
    MItemBeaN1->setObjectName(QStringLiteral("MItemBeaN1"));
    MItemBeaLeerfeld =
        AddMenuItem(this, m, "MItemBeaLeerfeld", QStringLiteral("&Leerfeld"),
                    QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"), "blank-field");
    MItemBeaLeerfeld->setCheckable(true);
    MItemBeaBuchstEintragen = AddMenuItem(
        this, m, "MItemBeaBuchstEintragen", QStringLiteral("Buchstaben &eintragen"),
        QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen"), "fill-letter");
    MItemBeaBegriffEintragen =
        AddMenuItem(this, m, "MItemBeaBegriffEintragen", QStringLiteral("&Begriff eintragen.."),
                    QStringLiteral("Den markierten Begriff eingeben"), "enter-word");
    // The keypad's Enter is the same command as the main Enter key.
    MItemBeaBegriffEintragen->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    CreateMarkMenu();
    CreateSnapshotMenu();

    connect(m, &QMenu::aboutToShow, this, &TRMMainForm::MItemBearbeitenClick);
    connect(MItemBeaRueckgaengig, &QAction::triggered, this, &TRMMainForm::MItemBeaRueckgaengigClick);
    connect(MItemBeaZuruecksetzen, &QAction::triggered, this, &TRMMainForm::MItemBeaZuruecksetzenClick);
    connect(MItemBeaLeerfeld, &QAction::triggered, this, &TRMMainForm::MItemBeaLeerfeldClick);
    connect(MItemBeaBuchstEintragen, &QAction::triggered, this, &TRMMainForm::MItemBeaBuchstEintragenClick);
    connect(MItemBeaBegriffEintragen, &QAction::triggered, this, &TRMMainForm::MItemBeaBegriffEintragenClick);
}

void TRMMainForm::CreateMarkMenu() {
    MItemBeaFelderMarkieren =
        AddSubMenu(MItemBearbeiten, "MItemBeaFelderMarkieren", QStringLiteral("&Felder markieren"),
                   QStringLiteral("Ausgewählte Felder im Rätsel farblich markieren"));
    MItemBeaFelderMarkieren->menuAction()->setIcon(IconNamed("mark-duo"));
    connect(MItemBeaFelderMarkieren, &QMenu::aboutToShow, this, &TRMMainForm::MItemBeaFelderMarkierenClick);
    AddMarkItems(this, MItemBeaFelderMarkieren,
                 {"MItemBeaMark", MainMarkItemCaption, [](int Tag) { return QByteArray::number(Tag); },
                  [this](QAction* A) { MItemBeaMarkKeineClick(A); }},
                 MarkItems);
}

void TRMMainForm::CreateSnapshotMenu() {
    MItemBeaSchnappschuss =
        AddSubMenu(MItemBearbeiten, "MItemBeaSchnappschuss", QStringLiteral("&Schnappschuss"), QString());
    MItemBeaSchnappschuss->menuAction()->setIcon(IconNamed("snapshot"));
    connect(MItemBeaSchnappschuss, &QMenu::aboutToShow, this, &TRMMainForm::MItemBeaSchnappschussClick);
    QAction* create =
        AddMenuItem(this, MItemBeaSchnappschuss, "MItemBeaSnapErstellen", QStringLiteral("&Erstellen"),
                    QStringLiteral("Einen Schnappschuss des aktuellen Rätselzustands speichern"), nullptr);
    connect(create, &QAction::triggered, this, &TRMMainForm::MItemBeaSnapErstellenClick);
    MItemBeaSchnappschuss->addSeparator()->setObjectName(QStringLiteral("MItemBeaSnapN1"));
    for (int slot = 1; slot <= int(SnapItems.size()); ++slot) {
        const QByteArray name = "MItemBeaSnap" + QByteArray::number(slot);
        // Caption and hint name the snapshot's time when the submenu opens.
        QAction* a = AddMenuItem(this, MItemBeaSchnappschuss, name.constData(), QString::number(slot),
                                 QString(), nullptr);
        SetTag(a, slot);
        a->setVisible(false);
        SnapItems[size_t(slot - 1)] = a;
        connect(a, &QAction::triggered, this, [this, a] { MItemBeaSnap1Click(a); });
    }
}

void TRMMainForm::CreateViewMenu() {
    MItemAnsicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    MItemAnsicht->setObjectName(QStringLiteral("MItemAnsicht"));
    MItemAnsicht->menuAction()->setObjectName(QStringLiteral("MItemAnsicht"));
    QMenu* m = MItemAnsicht;
    MItemAnsLoesung =
        AddMenuItem(this, m, "MItemAnsLoesung", QStringLiteral("&Lösung zeigen"),
                    QStringLiteral("Die Lösung des kompletten Rätsels zeigen"), "show-solution");
    MItemAnsLoesung->setCheckable(true);
    m->addSeparator()->setObjectName(QStringLiteral("MItemAnsN1"));
    MItemAnsRaetsel = AddSubMenu(m, "MItemAnsRaetsel", QStringLiteral("&Rätsel"), QString());
    QMenu* r = MItemAnsRaetsel;
    QAction* zoomIn = AddMenuItem(this, r, "MItemAnsVergroessern", QStringLiteral("&Vergrößern"),
                                  QStringLiteral("Die Gitter des Rätsels vergrößern"), "zoom-in");
    SetTag(zoomIn, 1);
    QAction* zoomOut = AddMenuItem(this, r, "MItemAnsVerkleinern", QStringLiteral("Ver&kleinern"),
                                   QStringLiteral("Die Gitter des Rätsels verkleinern"), "zoom-out");
    SetTag(zoomOut, -1);
    r->addSeparator()->setObjectName(QStringLiteral("MItemAnsN3"));
    MItemAnsFehleintraege =
        AddMenuItem(this, r, "MItemAnsFehleintraege", QStringLiteral("&Fehleinträge markieren"),
                    QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen"), "show-fail");
    // Caption, hint and icon follow the riddle kind when the submenu opens.
    MItemAnsBegriffLaengen =
        AddMenuItem(this, r, "MItemAnsBegriffLaengen", QStringLiteral("&Begrifflängen anzeigen"),
                    QStringLiteral("Die Längen der Begriffe anzeigen"), "show-length");
    MItemAnsTooltips =
        AddMenuItem(this, r, "MItemAnsTooltips", QStringLiteral("&Tooltips anzeigen"),
                    QStringLiteral("Nummern und Umschreibungen als Tooltip anzeigen"), "show-hints");
    for (QAction* a : {MItemAnsFehleintraege, MItemAnsBegriffLaengen, MItemAnsTooltips})
        a->setCheckable(true);
    CreateLegendMenu();

    connect(m, &QMenu::aboutToShow, this, &TRMMainForm::MItemAnsichtClick);
    connect(r, &QMenu::aboutToShow, this, &TRMMainForm::MItemAnsRaetselClick);
    connect(MItemAnsLoesung, &QAction::triggered, this, &TRMMainForm::MItemAnsLoesungClick);
    connect(zoomIn, &QAction::triggered, this, [this, zoomIn] { MItemAnsVergroessernClick(zoomIn); });
    connect(zoomOut, &QAction::triggered, this, [this, zoomOut] { MItemAnsVergroessernClick(zoomOut); });
    connect(MItemAnsFehleintraege, &QAction::triggered, this, &TRMMainForm::MItemAnsFehleintraegeClick);
    connect(MItemAnsBegriffLaengen, &QAction::triggered, this, &TRMMainForm::MItemAnsBegriffLaengenClick);
    connect(MItemAnsTooltips, &QAction::triggered, this, &TRMMainForm::MItemAnsTooltipsClick);
}

void TRMMainForm::CreateLegendMenu() {
    MItemAnsLegende = AddSubMenu(MItemAnsicht, "MItemAnsLegende", QStringLiteral("L&egende"), QString());
    QMenu* l = MItemAnsLegende;
    MIemAnsAusblenden = AddMenuItem(
        this, l, "MIemAnsAusblenden", QStringLiteral("Gelöste Begriffe ausblenden"),
        QStringLiteral("Als gelöst markierte Begriffe nicht mehr in der Legende anzeigen"), nullptr);
    MItemAnsMarkieren =
        AddMenuItem(this, l, "MItemAnsMarkieren", QStringLiteral("Gelöste Begriffe markieren"),
                    QStringLiteral("Bearbeitete Begriffe in der Legende markieren"), nullptr);
    MItemAnsEineLegende =
        AddMenuItem(this, l, "MItemAnsEineLegende", QStringLiteral("Alle Begriffe in einer Legende"),
                    QStringLiteral("Alle Begriffe in einer einzigen Legende anzeigen"), nullptr);
    MItemAnsLegAutomatisch =
        AddMenuItem(this, l, "MItemAnsLegAutomatisch", QStringLiteral("Automatisch eintragen"),
                    QStringLiteral("Bekannte Buchstaben automatisch eintragen"), nullptr);
    MItemAnsLegUebernehmen =
        AddMenuItem(this, l, "MItemAnsLegUebernehmen", QStringLiteral("Buchstaben aus Rätsel übernehmen"),
                    QStringLiteral("Bekannte Buchstaben aus dem Rätsel übernehmen"), nullptr);
    MItemAnsLegEintragen = AddMenuItem(
        this, l, "MItemAnsLegEintragen", QStringLiteral("Buchstaben ins Rätsel eintragen"),
        QStringLiteral("Den markierten Buchstaben in alle zugehörigen Rätselfelder eintragen"), nullptr);
    for (QAction* a : {MIemAnsAusblenden, MItemAnsMarkieren, MItemAnsEineLegende, MItemAnsLegAutomatisch})
        a->setCheckable(true);
    // Until a legend window opens, the submenu has nothing to offer.
    for (QAction* a : l->actions())
        a->setVisible(false);

    connect(l, &QMenu::aboutToShow, this, &TRMMainForm::MItemAnsLegendeClick);
    connect(MIemAnsAusblenden, &QAction::triggered, this, &TRMMainForm::MIemAnsAusblendenClick);
    connect(MItemAnsMarkieren, &QAction::triggered, this, &TRMMainForm::MItemAnsMarkierenClick);
    connect(MItemAnsEineLegende, &QAction::triggered, this, &TRMMainForm::MItemAnsEineLegendeClick);
    connect(MItemAnsLegAutomatisch, &QAction::triggered, this, &TRMMainForm::MItemAnsLegAutomatischClick);
    connect(MItemAnsLegUebernehmen, &QAction::triggered, this, &TRMMainForm::MItemAnsLegUebernehmenClick);
    connect(MItemAnsLegEintragen, &QAction::triggered, this, &TRMMainForm::MItemAnsLegEintragenClick);
}
