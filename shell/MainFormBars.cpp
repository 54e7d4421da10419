// The main window's commands as rows of its command table: the tool bar and the main menu with
// their captions, shortcuts, hints, icons, handlers and the command states they follow.

#include "GradientPanel.h"
#include "Hauptformular.h"
#include "MainCommandRules.h"

#include <QMenuBar>

namespace {
constexpr int kButtonSize = 25;
// The buttons sit centred in the 33-pixel tool bar.
constexpr int kButtonTop = 4;

const QString kPrintHint = QStringLiteral("Das Rätsel und die Legende drucken");
const QString kInfosHint = QStringLiteral("Informationen zum aktuellen Rätsel anzeigen");
const QString kUndoHint = QStringLiteral("Die letzte Änderung am Rätsel zurücknehmen");
const QString kResetHint = QStringLiteral("Alle Begriffe aus dem Rätsel löschen");
const QString kPauseHint = QStringLiteral("Die Lösungszeit anhalten und das Rätsel verdecken");
constexpr uint8_t kAll = apVisible | apEnabled | apChecked;

QRect ButtonAt(int Left) {
    return QRect(Left, kButtonTop, kButtonSize, kButtonSize);
}

// The marking items of "Felder markieren": none, a separator, one per symbol, a separator, and the
// cells with one or two possible symbols.
// The rows read as a table, one command per row; the formatter would put every field on a line
// of its own.
// clang-format off
void AddMarkRows(std::vector<TCommandRow>& Rows, const std::function<void(QObject*)>& Run) {
    auto mark = [&](int Tag, const QByteArray& Suffix) {
        Rows.push_back({.Place = "MItemBeaFelderMarkieren", .Name = "MItemBeaMark" + Suffix,
                        .Caption = MainMarkItemCaption(Tag), .Hint = MarkItemHint(Tag), .Tag = Tag,
                        .Checkable = true, .State = [Tag](const TCommandStates& S) { return S.Mark(Tag); },
                        .Parts = apVisible | apChecked, .Run = Run});
    };
    auto separator = [&](const char* Suffix) {
        Rows.push_back({.Place = "MItemBeaFelderMarkieren", .Name = QByteArray("MItemBeaMark") + Suffix,
                        .Kind = rkSeparator, .Tag = kMarkSeparator});
    };
    mark(kMarkNone, "Keine");
    separator("N1");
    for (int tag = 1; tag <= kMaxMarkSymbols; ++tag)
        mark(tag, QByteArray::number(tag));
    separator("N2");
    mark(kMarkFew, "Duo");
}

void AddSnapshotRows(std::vector<TCommandRow>& Rows, const std::function<void(QObject*)>& Run) {
    for (int slot = 1; slot <= kSnapshotSlots; ++slot)
        // Caption and hint name the snapshot's time.
        Rows.push_back({.Place = "MItemBeaSchnappschuss", .Name = "MItemBeaSnap" + QByteArray::number(slot),
                        .Caption = QString::number(slot), .Tag = slot,
                        .State = [slot](const TCommandStates& S) { return S.Snapshot(slot); },
                        .Parts = apVisible,
                        .CaptionOf = [slot](const TCommandStates& S) { return S.SnapshotCaption(slot); },
                        .HintOf = [slot](const TCommandStates& S) { return S.SnapshotHint(slot); },
                        .Run = Run});
}
} // namespace

std::vector<TCommandRow> TRMMainForm::CommandRows() {
    auto run = [this](void (TRMMainForm::*Handler)()) {
        return [this, Handler](QObject*) { (this->*Handler)(); };
    };
    auto runWith = [this](void (TRMMainForm::*Handler)(QObject*)) {
        return [this, Handler](QObject* Sender) { (this->*Handler)(Sender); };
    };
    std::vector<TCommandRow> rows = {
        {.Place = "ToolBar", .Name = "TBPrgBeenden", .Kind = rkButton, .Hint = QStringLiteral("Das Programm beenden"),
         .Icon = "quit", .Geometry = ButtonAt(4), .Run = run(&TRMMainForm::MItemRaeBeendenClick)},
        {.Place = "ToolBar", .Name = "TBRaeDrucken", .Kind = rkButton, .Hint = kPrintHint, .Icon = "print",
         .Geometry = ButtonAt(37), .State = Follows(&TCommandStates::Print), .Parts = apEnabled,
         .Run = run(&TRMMainForm::MItemRaeDruckenClick)},
        {.Place = "ToolBar", .Name = "TBRaeInfos", .Kind = rkButton, .Hint = kInfosHint, .Icon = "riddle-info",
         .Geometry = ButtonAt(62), .State = Follows(&TCommandStates::Properties), .Parts = apEnabled,
         .Run = run(&TRMMainForm::MItemRaeEigenschaftenClick)},
        {.Place = "ToolBar", .Name = "TBBeaRueckgaengig", .Kind = rkButton, .Hint = kUndoHint, .Icon = "undo",
         .Geometry = ButtonAt(96), .State = Follows(&TCommandStates::Undo), .Parts = apEnabled,
         .Run = run(&TRMMainForm::MItemBeaRueckgaengigClick)},
        {.Place = "ToolBar", .Name = "TBBeaZuruecksetzen", .Kind = rkButton, .Hint = kResetHint, .Icon = "reset",
         .Geometry = ButtonAt(121), .State = Follows(&TCommandStates::Reset), .Parts = apEnabled,
         .Run = run(&TRMMainForm::MItemBeaZuruecksetzenClick)},
        {.Place = "ToolBar", .Name = "TBHlfInfo", .Kind = rkButton,
         .Hint = QStringLiteral("Informationen zum Programm anzeigen"), .Icon = "program-info",
         .Geometry = ButtonAt(154), .Run = run(&TRMMainForm::MItemRaeInfoClick)},
        {.Place = "ToolBar", .Name = "TBAnsPause", .Kind = rkButton, .Hint = kPauseHint, .Icon = "pause",
         .Geometry = ButtonAt(187), .State = Follows(&TCommandStates::Pause), .Parts = apVisible | apEnabled,
         .Run = run(&TRMMainForm::MItemAnsPauseClick)},

        // A printer may have been installed since the riddle was loaded.
        {.Place = "MenuMain", .Name = "MItemRaetsel", .Kind = rkSubmenu, .Caption = QStringLiteral("&Rätsel"),
         .Opening = [this] { AskForPrinters(); }},
        {.Place = "MItemRaetsel", .Name = "MItemRaeDrucken", .Caption = QStringLiteral("&Drucken.."),
         .Hint = kPrintHint, .Icon = "print", .Shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_P)},
         .State = Follows(&TCommandStates::Print), .Parts = apEnabled, .Run = run(&TRMMainForm::MItemRaeDruckenClick)},
        {.Place = "MItemRaetsel", .Name = "MItemRaeEigenschaften", .Caption = QStringLiteral("&Eigenschaften.."),
         .Hint = kInfosHint, .Icon = "riddle-info", .State = Follows(&TCommandStates::Properties),
         .Parts = apEnabled, .Run = run(&TRMMainForm::MItemRaeEigenschaftenClick)},
        {.Place = "MItemRaetsel", .Name = "MItemRaeN2", .Kind = rkSeparator},
        {.Place = "MItemRaetsel", .Name = "MItemRaeInfo", .Caption = QStringLiteral("Info.."), .Icon = "program-info",
         .Run = run(&TRMMainForm::MItemRaeInfoClick)},
        {.Place = "MItemRaetsel", .Name = "MItemRaeBeenden", .Caption = QStringLiteral("Beenden"), .Icon = "quit",
         .Shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Q)}, .Run = run(&TRMMainForm::MItemRaeBeendenClick)},

        {.Place = "MenuMain", .Name = "MItemBearbeiten", .Kind = rkSubmenu, .Caption = QStringLiteral("&Bearbeiten"),
         .State = Follows(&TCommandStates::EditMenu), .Parts = apVisible},
        // Ctrl+Z as well, as on every Linux desktop.
        {.Place = "MItemBearbeiten", .Name = "MItemBeaRueckgaengig", .Caption = UndoCaption(QString()),
         .Hint = kUndoHint, .Icon = "undo",
         .Shortcuts = {QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_Z)},
         .State = Follows(&TCommandStates::Undo), .Parts = kAll, .CaptionOf = TextOf(&TCommandStates::UndoCaption),
         .Run = run(&TRMMainForm::MItemBeaRueckgaengigClick)},
        {.Place = "MItemBearbeiten", .Name = "MItemBeaZuruecksetzen", .Caption = QStringLiteral("&Zurücksetzen"),
         .Hint = kResetHint, .Icon = "reset", .State = Follows(&TCommandStates::Reset), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemBeaZuruecksetzenClick)},
        {.Place = "MItemBearbeiten", .Name = "MItemBeaN1", .Kind = rkSeparator,
         .State = Follows(&TCommandStates::UndoSeparator), .Parts = apVisible},
        {.Place = "MItemBearbeiten", .Name = "MItemBeaLeerfeld", .Caption = QStringLiteral("&Leerfeld"),
         .Hint = QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"), .Icon = "blank-field",
         .Checkable = true, .State = Follows(&TCommandStates::MenuBlankField), .Parts = kAll,
         .Run = runWith(&TRMMainForm::MItemBeaLeerfeldClick)},
        {.Place = "MItemBearbeiten", .Name = "MItemBeaBuchstEintragen", .Caption = QStringLiteral("Buchstaben &eintragen"),
         .Hint = QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen"),
         .Icon = "fill-letter", .State = Follows(&TCommandStates::FillLetter), .Parts = kAll,
         .CaptionOf = TextOf(&TCommandStates::FillLetterCaption), .Run = run(&TRMMainForm::MItemBeaBuchstEintragenClick)},
        // The keypad's Enter is the same command as the main Enter key.
        {.Place = "MItemBearbeiten", .Name = "MItemBeaBegriffEintragen", .Caption = QStringLiteral("&Begriff eintragen.."),
         .Hint = QStringLiteral("Den markierten Begriff eingeben"), .Icon = "enter-word",
         .Shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
         .State = Follows(&TCommandStates::EnterWord), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemBeaBegriffEintragenClick)},
        {.Place = "MItemBearbeiten", .Name = "MItemBeaFelderMarkieren", .Kind = rkSubmenu,
         .Caption = QStringLiteral("&Felder markieren"), .Hint = QStringLiteral("Ausgewählte Felder im Rätsel farblich markieren"),
         .Icon = "mark-duo", .State = Follows(&TCommandStates::SudokuTools), .Parts = apVisible},
    };
    AddMarkRows(rows, runWith(&TRMMainForm::MItemBeaMarkKeineClick));
    rows.insert(rows.end(), {
        {.Place = "MItemBearbeiten", .Name = "MItemBeaSchnappschuss", .Kind = rkSubmenu,
         .Caption = QStringLiteral("&Schnappschuss"), .Icon = "snapshot", .State = Follows(&TCommandStates::SudokuTools),
         .Parts = apVisible},
        {.Place = "MItemBeaSchnappschuss", .Name = "MItemBeaSnapErstellen", .Caption = QStringLiteral("&Erstellen"),
         .Hint = QStringLiteral("Einen Schnappschuss des aktuellen Rätselzustands speichern"),
         .Run = run(&TRMMainForm::MItemBeaSnapErstellenClick)},
        {.Place = "MItemBeaSchnappschuss", .Name = "MItemBeaSnapN1", .Kind = rkSeparator},
    });
    AddSnapshotRows(rows, runWith(&TRMMainForm::MItemBeaSnap1Click));
    rows.insert(rows.end(), {
        {.Place = "MenuMain", .Name = "MItemAnsicht", .Kind = rkSubmenu, .Caption = QStringLiteral("&Ansicht"),
         .State = Follows(&TCommandStates::ViewMenu), .Parts = apVisible},
        {.Place = "MItemAnsicht", .Name = "MItemAnsLoesung", .Caption = QStringLiteral("&Lösung zeigen"),
         .Hint = QStringLiteral("Die Lösung des kompletten Rätsels zeigen"), .Icon = "show-solution",
         .Checkable = true, .State = Follows(&TCommandStates::Solution), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemAnsLoesungClick)},
        {.Place = "MItemAnsicht", .Name = "MItemAnsPause", .Caption = QStringLiteral("&Pause"), .Hint = kPauseHint,
         .Icon = "pause", .Shortcuts = {QKeySequence(Qt::Key_Pause), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
         .State = Follows(&TCommandStates::Pause), .Parts = apVisible | apEnabled,
         .Run = run(&TRMMainForm::MItemAnsPauseClick)},
        {.Place = "MItemAnsicht", .Name = "MItemAnsN1", .Kind = rkSeparator},
        {.Place = "MItemAnsicht", .Name = "MItemAnsRaetsel", .Kind = rkSubmenu, .Caption = QStringLiteral("&Rätsel"),
         .State = Follows(&TCommandStates::RiddleSubmenu), .Parts = apVisible},
        {.Place = "MItemAnsRaetsel", .Name = "MItemAnsVergroessern", .Caption = QStringLiteral("&Vergrößern"),
         .Hint = QStringLiteral("Die Gitter des Rätsels vergrößern"), .Icon = "zoom-in",
         .Shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, .Tag = 1,
         .Run = runWith(&TRMMainForm::MItemAnsVergroessernClick)},
        {.Place = "MItemAnsRaetsel", .Name = "MItemAnsVerkleinern", .Caption = QStringLiteral("Ver&kleinern"),
         .Hint = QStringLiteral("Die Gitter des Rätsels verkleinern"), .Icon = "zoom-out",
         .Shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, .Tag = -1,
         .Run = runWith(&TRMMainForm::MItemAnsVergroessernClick)},
        {.Place = "MItemAnsRaetsel", .Name = "MItemAnsN3", .Kind = rkSeparator},
        {.Place = "MItemAnsRaetsel", .Name = "MItemAnsFehleintraege", .Caption = QStringLiteral("&Fehleinträge markieren"),
         .Hint = QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen"), .Icon = "show-fail",
         .Checkable = true, .State = Follows(&TCommandStates::MenuShowFail), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemAnsFehleintraegeClick)},
        // Caption, hint and icon follow the riddle kind.
        {.Place = "MItemAnsRaetsel", .Name = "MItemAnsBegriffLaengen", .Caption = QStringLiteral("&Begrifflängen anzeigen"),
         .Hint = QStringLiteral("Die Längen der Begriffe anzeigen"), .Icon = "show-length", .Checkable = true,
         .State = Follows(&TCommandStates::LengthItem), .Parts = kAll,
         .CaptionOf = TextOf(&TCommandStates::LengthCaption), .HintOf = TextOf(&TCommandStates::LengthHint),
         .IconOf = TextOf(&TCommandStates::LengthIcon), .Run = run(&TRMMainForm::MItemAnsBegriffLaengenClick)},
        {.Place = "MItemAnsRaetsel", .Name = "MItemAnsTooltips", .Caption = QStringLiteral("&Tooltips anzeigen"),
         .Hint = QStringLiteral("Nummern und Umschreibungen als Tooltip anzeigen"), .Icon = "show-hints",
         .Checkable = true, .State = Follows(&TCommandStates::MenuShowHints), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemAnsTooltipsClick)},
        // Until a legend window opens, the submenu has nothing to offer.
        {.Place = "MItemAnsicht", .Name = "MItemAnsLegende", .Kind = rkSubmenu, .Caption = QStringLiteral("L&egende"),
         .State = Follows(&TCommandStates::LegendSubmenu), .Parts = apVisible},
        {.Place = "MItemAnsLegende", .Name = "MIemAnsAusblenden", .Caption = QStringLiteral("Gelöste Begriffe ausblenden"),
         .Hint = QStringLiteral("Als gelöst markierte Begriffe nicht mehr in der Legende anzeigen"), .Checkable = true,
         .State = FollowsLegend(&TLegendMenuState::Ausblenden), .Parts = kAll,
         .Run = run(&TRMMainForm::MIemAnsAusblendenClick)},
        {.Place = "MItemAnsLegende", .Name = "MItemAnsMarkieren", .Caption = QStringLiteral("Gelöste Begriffe markieren"),
         .Hint = QStringLiteral("Bearbeitete Begriffe in der Legende markieren"), .Checkable = true,
         .State = FollowsLegend(&TLegendMenuState::Markieren), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemAnsMarkierenClick)},
        {.Place = "MItemAnsLegende", .Name = "MItemAnsEineLegende", .Caption = QStringLiteral("Alle Begriffe in einer Legende"),
         .Hint = QStringLiteral("Alle Begriffe in einer einzigen Legende anzeigen"), .Checkable = true,
         .State = FollowsLegend(&TLegendMenuState::EineLegende), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemAnsEineLegendeClick)},
        {.Place = "MItemAnsLegende", .Name = "MItemAnsLegAutomatisch", .Caption = QStringLiteral("Automatisch eintragen"),
         .Hint = QStringLiteral("Bekannte Buchstaben automatisch eintragen"), .Checkable = true,
         .State = FollowsLegend(&TLegendMenuState::LegAutomatisch), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemAnsLegAutomatischClick)},
        {.Place = "MItemAnsLegende", .Name = "MItemAnsLegUebernehmen", .Caption = QStringLiteral("Buchstaben aus Rätsel übernehmen"),
         .Hint = QStringLiteral("Bekannte Buchstaben aus dem Rätsel übernehmen"),
         .State = FollowsLegend(&TLegendMenuState::LegUebernehmen), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemAnsLegUebernehmenClick)},
        {.Place = "MItemAnsLegende", .Name = "MItemAnsLegEintragen", .Caption = QStringLiteral("Buchstaben ins Rätsel eintragen"),
         .Hint = QStringLiteral("Den markierten Buchstaben in alle zugehörigen Rätselfelder eintragen"),
         .State = FollowsLegend(&TLegendMenuState::LegEintragen), .Parts = kAll,
         .Run = run(&TRMMainForm::MItemAnsLegEintragenClick)},
    });
    return rows;
}
// clang-format on

void TRMMainForm::CreateCommands() {
    menuBar()->setObjectName(QStringLiteral("MenuMain"));
    commands_.AddPlace("MenuMain", menuBar());
    commands_.AddPlace("ToolBar", toolBar_);
    commands_.Build(CommandRows());
}
