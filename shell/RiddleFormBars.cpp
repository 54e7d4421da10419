// The riddle window's commands as rows of its command table: the tool bar, the symbol marking
// panel and the grid's pop-up menu, with their hints, icons, handlers and the states they follow.

#include "GradientPanel.h"
#include "HinweisDialog.h"
#include "RaetselFormular.h"
#include "SudokuRiddle.h"
#include "SymbolPalette.h"

#include <QAction>
#include <QMenu>

namespace {
constexpr int kButtonSize = 22;
// Buttons sit centred in the 30-pixel tool bar.
constexpr int kButtonTop = 4;
constexpr int kPanelMarkLeft = 167;
constexpr int kNotesButtonWidth = 56;

const QString kFillLetterHint =
    QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen");
const QString kBlankFieldHint = QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen");
const QString kZoomInHint = QStringLiteral("Die Gitter des Rätsels vergrößern");
const QString kZoomOutHint = QStringLiteral("Die Gitter des Rätsels verkleinern");
const QString kShowFailHint = QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen");
constexpr uint8_t kShownAndChecked = apVisible | apChecked;

QRect ButtonAt(int Left) {
    return QRect(Left, kButtonTop, kButtonSize, kButtonSize);
}

TCommandView Never(const TCommandStates&) {
    return {false, true, false};
}

using TRun = std::function<void(QObject*)>;

// The rows read as a table, one command per row; the formatter would put every field on a line
// of its own.
// clang-format off
void AddMarkButtons(std::vector<TCommandRow>& Rows, const TRun& Run) {
    auto button = [&](int Tag, const QByteArray& Name, int Left, const char* Icon, const QString& Hint) {
        Rows.push_back({.Place = "PanelMark", .Name = Name, .Kind = rkButton,
                        .Caption = Icon ? QString() : MarkButtonCaption(Tag), .Hint = Hint, .Icon = Icon,
                        .Tag = Tag, .Checkable = true, .Geometry = QRect(Left, 0, kButtonSize, kButtonSize),
                        .Group = "MarkGroup", .Bold = !Icon,
                        .State = [Tag](const TCommandStates& S) { return S.Mark(Tag); },
                        .Parts = kShownAndChecked, .Run = Run});
    };
    button(kMarkNone, "SBMarkKeine", 0, "mark-none", MarkItemHint(kMarkNone));
    for (int tag = 1; tag <= kMaxMarkSymbols; ++tag)
        button(tag, "SBMark" + QByteArray::number(tag), kButtonSize * tag, nullptr,
               QStringLiteral("Für dieses Symbol mögliche Felder im Rätsel farblich absetzen"));
    // The left edge follows the sudoku's symbol count (LayoutSymbolPanel).
    button(kMarkFew, "SBMarkDuo", kButtonSize * (kMaxMarkSymbols + 1), "mark-duo", MarkItemHint(kMarkFew));
}

void AddMarkItems(std::vector<TCommandRow>& Rows, const TRun& Run) {
    auto item = [&](int Tag, const QByteArray& Suffix) {
        Rows.push_back({.Place = "MItemPlayFelderMarkieren", .Name = "MItemPlayMark" + Suffix,
                        .Caption = MarkItemCaption(Tag), .Hint = MarkItemHint(Tag), .Tag = Tag,
                        .Checkable = true, .State = [Tag](const TCommandStates& S) { return S.Mark(Tag); },
                        .Parts = kShownAndChecked, .Run = Run});
    };
    auto separator = [&](const char* Suffix) {
        Rows.push_back({.Place = "MItemPlayFelderMarkieren", .Name = QByteArray("MItemPlayMark") + Suffix,
                        .Kind = rkSeparator, .Tag = kMarkSeparator});
    };
    item(kMarkNone, "Keine");
    separator("N1");
    for (int tag = 1; tag <= kMaxMarkSymbols; ++tag)
        item(tag, MarkButtonCaption(tag).toLatin1());
    separator("N2");
    item(kMarkFew, "Duo");
}

void AddSnapshotItems(std::vector<TCommandRow>& Rows, const TRun& Run) {
    for (int slot = 1; slot <= kSnapshotSlots; ++slot)
        Rows.push_back({.Place = "MItemPlaySchnappschuss", .Name = "MItemPlaySnap" + QByteArray::number(slot),
                        .Caption = QString::number(slot),
                        .Hint = QStringLiteral("Den Rätsel-Schnappschuss wiederherstellen"), .Tag = slot,
                        .State = [slot](const TCommandStates& S) { return S.Snapshot(slot); },
                        .Parts = apVisible,
                        .CaptionOf = [slot](const TCommandStates& S) { return S.SnapshotCaption(slot); },
                        .HintOf = [slot](const TCommandStates& S) { return S.SnapshotHint(slot); }, .Run = Run});
}
} // namespace

std::vector<TCommandRow> TRiddleForm::CommandRows() {
    auto run = [this](void (TRiddleForm::*Handler)()) { return [this, Handler](QObject*) { (this->*Handler)(); }; };
    auto runWith = [this](void (TRiddleForm::*Handler)(QObject*)) {
        return [this, Handler](QObject* Sender) { (this->*Handler)(Sender); };
    };
    std::vector<TCommandRow> rows = {
        {.Place = "Toolbar", .Name = "SBZoomIn", .Kind = rkButton, .Hint = kZoomInHint, .Icon = "zoom-in", .Tag = 1,
         .Geometry = ButtonAt(4), .Run = runWith(&TRiddleForm::MItemPlayZoomInClick)},
        {.Place = "Toolbar", .Name = "SBZoomOut", .Kind = rkButton, .Hint = kZoomOutHint, .Icon = "zoom-out",
         .Tag = -1, .Geometry = ButtonAt(26), .Run = runWith(&TRiddleForm::MItemPlayZoomInClick)},
        {.Place = "Toolbar", .Name = "SBShowFail", .Kind = rkButton, .Hint = kShowFailHint, .Icon = "show-fail",
         .Checkable = true, .Geometry = ButtonAt(60), .State = Follows(&TCommandStates::ShowFail),
         .Parts = kShownAndChecked, .Run = runWith(&TRiddleForm::SBShowFailClick)},
        {.Place = "Toolbar", .Name = "SBShowLength", .Kind = rkButton,
         .Hint = QStringLiteral("Die Längen der Begriffe anzeigen"), .Icon = "show-length", .Checkable = true,
         .Geometry = ButtonAt(82), .State = Follows(&TCommandStates::ShowLength), .Parts = kShownAndChecked,
         .Run = runWith(&TRiddleForm::SBShowLengthClick)},
        {.Place = "Toolbar", .Name = "SBShowHintGrids", .Kind = rkButton,
         .Hint = QStringLiteral("Alle möglichen Symbole in den Feldern anzeigen"), .Icon = "hint-grids",
         .Checkable = true, .Geometry = ButtonAt(82), .State = Follows(&TCommandStates::ShowHintGrids),
         .Parts = kShownAndChecked, .Run = runWith(&TRiddleForm::SBShowHintGridsClick)},
        // It has no command of its own: it switches the grid's tooltips.
        {.Place = "Toolbar", .Name = "SBShowHints", .Kind = rkButton,
         .Hint = QStringLiteral("Nummern und Umschreibungen als Tooltip anzeigen"), .Icon = "show-hints",
         .Checkable = true, .Geometry = ButtonAt(104), .State = Follows(&TCommandStates::ShowHints),
         .Parts = apChecked, .Run = runWith(&TRiddleForm::SBShowHintsClick)},
        // Both fill-in buttons are placed by UpdateRiddleToolbar.
        {.Place = "Toolbar", .Name = "SBBuchstEintragen", .Kind = rkButton, .Hint = kFillLetterHint,
         .Icon = "fill-letter", .Geometry = ButtonAt(0), .State = Follows(&TCommandStates::FillLetter),
         .Parts = apVisible | apEnabled, .Run = run(&TRiddleForm::MItemPlayBuchstEintragenClick)},
        {.Place = "Toolbar", .Name = "SBBegrEintragen", .Kind = rkButton, .Hint = kFillLetterHint,
         .Icon = "enter-word", .Geometry = ButtonAt(0), .State = Follows(&TCommandStates::EnterWord),
         .Parts = apVisible | apEnabled, .Run = run(&TRiddleForm::MItemPlayBegriffEintragenClick)},
        // A hidden blank-field button keeps whatever state it had.
        {.Place = "Toolbar", .Name = "SBLeerfeld", .Kind = rkButton, .Hint = kBlankFieldHint, .Icon = "blank-field",
         .Checkable = true, .Geometry = ButtonAt(180), .State = Follows(&TCommandStates::BlankField),
         .Parts = apVisible | apCheckedWhenVisible, .Run = runWith(&TRiddleForm::SBLeerfeldClick)},
        // A sudoku's switch to notes; LayoutSymbolPanel places it after the marking panel.
        {.Place = "Toolbar", .Name = "SBNotizen", .Kind = rkButton, .Caption = QStringLiteral("Notizen"),
         .Hint = QStringLiteral("Eingegebene Symbole als eigene Notizen eintragen"), .Checkable = true,
         .Geometry = QRect(0, kButtonTop, kNotesButtonWidth, kButtonSize), .State = Follows(&TCommandStates::Notes),
         .Parts = kShownAndChecked, .Run = runWith(&TRiddleForm::SBNotizenClick)},
        // It stays hidden: the player has no dictionary to look the word up in.
        {.Place = "Toolbar", .Name = "SBSuchen", .Kind = rkButton,
         .Hint = QStringLiteral("Den aktuell markierten Begriff im Wörterbuch suchen"), .Icon = "search",
         .Geometry = ButtonAt(213), .State = Never, .Parts = apVisible},
    };
    AddMarkButtons(rows, runWith(&TRiddleForm::MItemPlayMarkKeineClick));
    rows.insert(rows.end(), {
        // A sudoku cell's symbols by mouse, above the menu's items.
        {.Place = "MenuRaetsel", .Name = "MItemPlayPalette", .Kind = rkWidget,
         .State = Follows(&TCommandStates::SudokuTools), .Parts = apVisible,
         .Widget = [this] {
             palette_ = new TSymbolPalette(QStringLiteral("Feld leeren"));
             palette_->setAccessibleName(QStringLiteral("Symbole"));
             connect(palette_, &TSymbolPalette::Chosen, this, &TRiddleForm::PaletteChosen);
             return palette_;
         }},
        {.Place = "MenuRaetsel", .Name = "MItemPlayN1", .Kind = rkSeparator,
         .State = Follows(&TCommandStates::SudokuTools), .Parts = apVisible},
        {.Place = "MenuRaetsel", .Name = "MItemPlayLeerfeld", .Caption = QStringLiteral("Leerfeld"),
         .Hint = kBlankFieldHint, .Icon = "blank-field", .Checkable = true,
         .State = Follows(&TCommandStates::BlankField), .Parts = kShownAndChecked,
         .Run = runWith(&TRiddleForm::MItemPlayLeerfeldClick)},
        {.Place = "MenuRaetsel", .Name = "MItemPlayBuchstEintragen", .Caption = QStringLiteral("Buchstaben eintragen"),
         .Hint = kFillLetterHint, .Icon = "fill-letter", .State = Follows(&TCommandStates::PopupFillLetter),
         .Parts = apVisible, .Run = run(&TRiddleForm::MItemPlayBuchstEintragenClick)},
        {.Place = "MenuRaetsel", .Name = "MItemPlayBegriffEintragen", .Caption = QStringLiteral("Begriff eintragen.."),
         .Hint = QStringLiteral("Den gesuchten Begriff für die aktuelle Eingabeposition eingeben"),
         .Icon = "enter-word", .State = Follows(&TCommandStates::PopupEnterWord), .Parts = apVisible,
         .Run = run(&TRiddleForm::MItemPlayBegriffEintragenClick)},
        {.Place = "MenuRaetsel", .Name = "MItemPlayN2", .Kind = rkSeparator},
        {.Place = "MenuRaetsel", .Name = "MItemPlayZoomIn", .Caption = QStringLiteral("Ansicht vergrößern"),
         .Hint = kZoomInHint, .Icon = "zoom-in", .Tag = 1, .Run = runWith(&TRiddleForm::MItemPlayZoomInClick)},
        {.Place = "MenuRaetsel", .Name = "MItemPlayZoomOut", .Caption = QStringLiteral("Ansicht verkleinern"),
         .Hint = kZoomOutHint, .Icon = "zoom-out", .Tag = -1, .Run = runWith(&TRiddleForm::MItemPlayZoomInClick)},
        {.Place = "MenuRaetsel", .Name = "MItemPlayN3", .Kind = rkSeparator},
        {.Place = "MenuRaetsel", .Name = "MItemPlayShowFail", .Caption = QStringLiteral("Fehleinträge markieren"),
         .Hint = kShowFailHint, .Icon = "show-fail", .Checkable = true, .State = Follows(&TCommandStates::ShowFail),
         .Parts = kShownAndChecked, .Run = run(&TRiddleForm::MItemPlayShowFailClick)},
        // Caption, hint and icon follow the riddle kind.
        {.Place = "MenuRaetsel", .Name = "MItemPlayShowLength", .Checkable = true,
         .State = Follows(&TCommandStates::LengthItem), .Parts = kShownAndChecked,
         .CaptionOf = TextOf(&TCommandStates::LengthCaption), .HintOf = TextOf(&TCommandStates::LengthHint),
         .IconOf = TextOf(&TCommandStates::LengthIcon), .Run = run(&TRiddleForm::MItemPlayShowLengthClick)},
        {.Place = "MenuRaetsel", .Name = "MItemPlayShowHints", .Caption = QStringLiteral("Tooltips anzeigen"),
         .Icon = "show-hints", .Checkable = true, .State = Follows(&TCommandStates::ShowHints),
         .Parts = kShownAndChecked, .Run = run(&TRiddleForm::MItemPlayShowHintsClick)},
        {.Place = "MenuRaetsel", .Name = "MItemPlayFelderMarkieren", .Kind = rkSubmenu,
         .Caption = QStringLiteral("Felder markieren"),
         .Hint = QStringLiteral("Ausgewählte Felder im Rätsel farblich markieren"),
         .State = Follows(&TCommandStates::SudokuTools), .Parts = apVisible},
    });
    AddMarkItems(rows, runWith(&TRiddleForm::MItemPlayMarkKeineClick));
    rows.insert(rows.end(), {
        {.Place = "MenuRaetsel", .Name = "MItemPlaySchnappschuss", .Kind = rkSubmenu,
         .Caption = QStringLiteral("Schnappschuss"), .State = Follows(&TCommandStates::SudokuTools),
         .Parts = apVisible},
        {.Place = "MItemPlaySchnappschuss", .Name = "MItemPlaySnapErstellen", .Caption = QStringLiteral("Erstellen"),
         .Hint = QStringLiteral("Einen Schnappschuss des aktuellen Rätselzustands speichern"),
         .Run = run(&TRiddleForm::MItemPlaySnapErstellenClick)},
        {.Place = "MItemPlaySchnappschuss", .Name = "MItemPlaySnapN1", .Kind = rkSeparator},
    });
    AddSnapshotItems(rows, runWith(&TRiddleForm::MItemPlaySnap1Click));
    rows.insert(rows.end(), {
        {.Place = "MenuRaetsel", .Name = "MItemPlayN4", .Kind = rkSeparator},
        {.Place = "MenuRaetsel", .Name = "MItemPlayHilfe", .Caption = QStringLiteral("Hilfe.."),
         .Hint = QStringLiteral("Hilfe zum Rätsel anzeigen"), .Shortcuts = {QKeySequence(Qt::Key_F1)},
         .Run = run(&TRiddleForm::MItemPlayHilfeClick)},
        {.Place = "MenuRaetsel", .Name = "MItemPlaySchliessen", .Caption = QStringLiteral("Schließen"),
         .Hint = QStringLiteral("Das Rätsel schließen"), .Run = run(&TRiddleForm::MItemPlaySchliessenClick)},
    });
    return rows;
}
// clang-format on

void TRiddleForm::CreateCommands() {
    panelMark_ = new TGradientPanel(toolbar_);
    panelMark_->setObjectName(QStringLiteral("PanelMark"));
    panelMark_->setGeometry(kPanelMarkLeft, kButtonTop, kButtonSize * (kMaxMarkSymbols + 2), kButtonSize);
    menuRaetsel_ = new QMenu(this);
    menuRaetsel_->setObjectName(QStringLiteral("MenuRaetsel"));
    connect(menuRaetsel_, &QMenu::aboutToShow, this, &TRiddleForm::MenuRaetselPopup);
    commands_.AddPlace("Toolbar", toolbar_);
    commands_.AddPlace("PanelMark", panelMark_);
    commands_.AddPlace("MenuRaetsel", menuRaetsel_);
    commands_.Build(CommandRows());
    // F1 anywhere in the riddle window opens the help as well.
    QAction* help = commands_.Item("MItemPlayHilfe");
    help->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(help);
}

void TRiddleForm::MenuRaetselPopup() {
    // A hint would cover the menu.
    THintForm::CloseCurrent();
    ApplyCommandStates();
    QStringList symbols;
    const int count = sudoku_->Riddle().Symbols();
    for (int value = 1; value <= count; ++value)
        symbols << QString(QChar(SymbolOf(value)));
    // Rows of three, and of four for twelve symbols, as the sudoku's boxes are wide.
    palette_->SetSymbols(symbols, count == 12 ? 4 : 3);
}

void TRiddleForm::MItemPlayFelderMarkierenClick() {
    ApplyCommandStates();
}

void TRiddleForm::MItemPlaySchnappschussClick() {
    ApplyCommandStates();
}

void TRiddleForm::ApplyCommandStates() {
    commands_.Apply(CommandStates(Facts(), {}));
}
