#include "ZahlenDialog.h"

#include "CellSpeech.h"
#include "DrawGrid.h"
#include "GradientPanel.h"
#include "NumLegendPainter.h"
#include "SpeedButton.h"
#include "WordRiddle.h"

#include <QAction>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QToolButton>

namespace {
constexpr int kToolbarHeight = 30;
constexpr int kButtonTop = 4;
constexpr QSize kButtonSize(23, 22);
// The grid sits in a panel with a border of four pixels and a one-pixel bevel.
constexpr int kGridMargin = 5;
// What the layout keeps free between the window and the main window's right edge.
constexpr int kRightGap = 10;

// The legend's grid: it asks the window which cell may be current and how a cell looks, and
// hands it the keys.
class TNumLegendGrid : public TDrawGrid {
public:
    TNumLegendGrid(TNumLegendForm* Form, QWidget* Parent) : TDrawGrid(Parent), form_(Form) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Not reached with Tab: the solver clicks into the legend.
        setFocusPolicy(Qt::ClickFocus);
        SetColCount(TNumLegend::kCols);
        SetRowCount(TNumLegend::kRows);
        SetGridLineWidth(1);
    }

    // Both cells of an entry, its number and its letter, say the same.
    QString AccessibleCellName(int ACol, int ARow) const override {
        const TWordRiddle* grid = form_->WordGrid();
        return grid ? LetterLegendName(grid->Riddle(), TNumLegend::EntryAt(ACol, ARow)) : QString();
    }

protected:
    bool SelectCell(int ACol, int ARow) override { return form_->GridLegendSelectCell(ACol, ARow); }
    void DrawCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect, int) override {
        const TWordRiddle* grid = form_->WordGrid();
        if (!grid)
            return;
        const bool selected = hasFocus() && ACol == Col() && ARow == Row();
        TNumLegendPainter(grid->Riddle(), grid->Fonts()).PaintCell(Painter, ACol, ARow, Rect, selected);
    }
    QColor GridLineColor() const override { return Qt::black; }
    void keyPressEvent(QKeyEvent* Event) override {
        const bool command = Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!command && form_->GridLegendKeyDown(Event->key())) {
            Event->accept();
            return;
        }
        const QString text = Event->text();
        if (!command && text.size() == 1 && text[0].isPrint()) {
            form_->GridLegendKeyPress(text[0]);
            Event->accept();
            return;
        }
        TDrawGrid::keyPressEvent(Event);
    }

private:
    TNumLegendForm* form_;
};
} // namespace

TNumLegendForm::TNumLegendForm(QObject* Owner, TWordRiddle* Grid) : TRiddleSupportForm(Owner, Grid) {
    setObjectName(QStringLiteral("NumLegendForm"));
    setWindowTitle(QStringLiteral("Legende"));
    setAccessibleName(QStringLiteral("Legende"));
    // Only the riddle window closes the legend; the title bar offers no close command.
    setSystemMenu(nullptr);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_ShowWithoutActivating);

    content_ = new QWidget;
    Toolbar = new TGradientPanel(content_);
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    CreateToolbar();
    GridLegend = new TNumLegendGrid(this, content_);
    GridLegend->setObjectName(QStringLiteral("GridLegend"));
    const QString hint =
        QStringLiteral("Die Buchstaben eingeben, die den Zahlen im Rätsel zugeordnet werden");
    GridLegend->setToolTip(hint);
    GridLegend->setStatusTip(hint);
    GridLegend->setAccessibleName(hint);
    GridLegend->setContextMenuPolicy(Qt::CustomContextMenu);
    setWidget(content_);
    CreateMenu();
    connect(GridLegend, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& Pos) { MenuLegende->popup(GridLegend->viewport()->mapToGlobal(Pos)); });

    if (Grid) {
        TWordRiddleData* riddle = &Grid->Riddle();
        auto refresh = [this](TObject*) {
            RepaintLetters();
            UpdateButtons();
        };
        Listen(riddle, &TRiddleData::OnLegendChange, refresh);
        Listen(riddle, &TRiddleData::OnLegendStateChange, refresh);
        // Display mode, marking of wrong letters and colours.
        Listen(riddle, &TRiddleData::Invalidated, [this] {
            RepaintLetters();
            UpdateButtons();
        });
    }
    LayoutGrid();
}

TWordRiddle* TNumLegendForm::WordGrid() const {
    return qobject_cast<TWordRiddle*>(Grid());
}

std::optional<TNumLegend> TNumLegendForm::Legend() const {
    if (TWordRiddle* grid = WordGrid())
        return TNumLegend(*grid);
    return std::nullopt;
}

QToolButton* TNumLegendForm::AddButton(const char* Name, int Left, const QString& Hint, const char* Icon) {
    return MakeSpeedButton(Toolbar, Name, QRect(QPoint(Left, kButtonTop), kButtonSize), Hint, Icon);
}

void TNumLegendForm::CreateToolbar() {
    const QString autoHint = QStringLiteral("Bekannte Buchstaben automatisch eintragen");
    const QString takeHint = QStringLiteral("Bekannte Buchstaben aus dem Rätsel übernehmen");
    const QString writeHint =
        QStringLiteral("Den markierten Buchstaben in alle zugehörigen Rätselfelder eintragen");
    SBNichtEintragen = AddButton("SBNichtEintragen", 4,
                                 QStringLiteral("Keine Buchstaben automatisch eintragen"), "legend-noauto");
    SBAutoEintragen = AddButton("SBAutoEintragen", 27, autoHint, "legend-auto");
    SBLegendeEintragen = AddButton("SBLegendeEintragen", 56, takeHint, "legend-take");
    SBRaetselEintragen = AddButton("SBRaetselEintragen", 86, writeHint, "legend-write");
    auto* group = new QButtonGroup(this);
    for (QToolButton* b : {SBNichtEintragen, SBAutoEintragen}) {
        b->setCheckable(true);
        group->addButton(b);
    }
    SBNichtEintragen->setChecked(true);
    SBRaetselEintragen->setEnabled(false);
    connect(SBLegendeEintragen, &QToolButton::clicked, this, &TNumLegendForm::MItemLegendeUebernehmenClick);
    connect(SBRaetselEintragen, &QToolButton::clicked, this, &TNumLegendForm::MItemLegendeEintragenClick);
}

void TNumLegendForm::CreateMenu() {
    MenuLegende = new QMenu(this);
    MenuLegende->setObjectName(QStringLiteral("MenuLegende"));
    auto add = [this](const char* Name, const QString& Caption, const QToolButton* Twin) {
        // Owned by the window, so that a highlighted item's hint reaches the status line.
        auto* a = new QAction(Caption, this);
        MenuLegende->addAction(a);
        a->setObjectName(QLatin1String(Name));
        a->setStatusTip(Twin->statusTip());
        return a;
    };
    MItemLegendeAutomatischEintragen =
        add("MItemLegendeAutomatischEintragen", QStringLiteral("Automatisch eintragen"), SBAutoEintragen);
    MItemLegendeAutomatischEintragen->setCheckable(true);
    MItemLegendeN1 = MenuLegende->addSeparator();
    MItemLegendeN1->setObjectName(QStringLiteral("MItemLegendeN1"));
    MItemLegendeUebernehmen = add("MItemLegendeUebernehmen",
                                  QStringLiteral("Buchstaben aus Rätsel übernehmen"), SBLegendeEintragen);
    MItemLegendeEintragen =
        add("MItemLegendeEintragen", QStringLiteral("Buchstaben ins Rätsel eintragen"), SBRaetselEintragen);
    connect(MenuLegende, &QMenu::aboutToShow, this, &TNumLegendForm::MenuLegendePopup);
    connect(MItemLegendeAutomatischEintragen, &QAction::triggered, this,
            &TNumLegendForm::MItemLegendeAutomatischEintragenClick);
    connect(MItemLegendeUebernehmen, &QAction::triggered, this,
            &TNumLegendForm::MItemLegendeUebernehmenClick);
    connect(MItemLegendeEintragen, &QAction::triggered, this, &TNumLegendForm::MItemLegendeEintragenClick);
}

bool TNumLegendForm::AutoEntry() const {
    return SBAutoEintragen->isChecked();
}

TNumLegendButtons TNumLegendForm::Buttons() const {
    const std::optional<TNumLegend> legend = Legend();
    return legend ? legend->Buttons() : TNumLegendButtons{};
}

int TNumLegendForm::CurrentEntry() const {
    return TNumLegend::EntryAt(GridLegend->Col(), GridLegend->Row());
}

void TNumLegendForm::FormShow() {
    LayoutGrid();
    UpdateButtons();
    // The cursor starts on an entry the solver can type into.
    if (const std::optional<TNumLegend> legend = Legend();
        legend && !legend->Selectable(GridLegend->Col(), GridLegend->Row()))
        SelectEntry(legend->First());
    RepaintLetters();
}

void TNumLegendForm::LayoutGrid() {
    const TWordRiddle* grid = WordGrid();
    const int cell = grid ? grid->Riddle().GridSize() : 30;
    GridLegend->SetDefaultColWidth(cell);
    GridLegend->SetDefaultRowHeight(cell);
    const QSize gridSize(TNumLegend::kCols * (cell + 1) + 3, TNumLegend::kRows * (cell + 1) + 3);
    GridLegend->setGeometry(QRect(QPoint(kGridMargin, kToolbarHeight + kGridMargin), gridSize));
    content_->setFixedSize(gridSize.width() + 2 * kGridMargin,
                           kToolbarHeight + gridSize.height() + 2 * kGridMargin);
    Toolbar->setGeometry(0, 0, content_->width(), kToolbarHeight);
    adjustSize();
    // A window that reaches past the main window's right edge moves in.
    if (const QMdiArea* area = mdiArea()) {
        const int x = area->viewport()->width() - width() - kRightGap;
        if (x < this->x())
            move(qMax(0, x), y());
    }
}

void TNumLegendForm::UpdateButtons() {
    const TNumLegendButtons b = Buttons();
    for (QToolButton* button : {SBNichtEintragen, SBAutoEintragen, SBLegendeEintragen, SBRaetselEintragen})
        button->setVisible(b.Visible);
    SBRaetselEintragen->setEnabled(b.RaetselEintragenEnabled);
}

void TNumLegendForm::RepaintLetters() {
    GridLegend->InvalidateGrid();
}

void TNumLegendForm::GridChanged() {
    if (std::optional<TNumLegend> legend = Legend(); legend && AutoEntry())
        legend->TakeCurrentLetter();
}

bool TNumLegendForm::GridLegendSelectCell(int ACol, int ARow) {
    const std::optional<TNumLegend> legend = Legend();
    return legend && legend->Selectable(ACol, ARow);
}

void TNumLegendForm::SelectEntry(int Entry) {
    if (Entry < 0)
        return;
    const QPoint cell = TNumLegend::LetterCell(Entry);
    GridLegend->MoveCurrent(cell.x(), cell.y(), false);
}

bool TNumLegendForm::GridLegendKeyDown(int Key) {
    std::optional<TNumLegend> legend = Legend();
    if (!legend)
        return false;
    const std::optional<int> next = legend->KeyDown(Key, CurrentEntry());
    if (!next)
        return false;
    SelectEntry(*next);
    return true;
}

void TNumLegendForm::GridLegendKeyPress(QChar Key) {
    if (std::optional<TNumLegend> legend = Legend())
        legend->Type(CurrentEntry(), Key, AutoEntry());
}

void TNumLegendForm::MenuLegendePopup() {
    MItemLegendeAutomatischEintragen->setChecked(AutoEntry());
    MItemLegendeEintragen->setEnabled(SBRaetselEintragen->isEnabled());
}

void TNumLegendForm::MItemLegendeAutomatischEintragenClick() {
    (AutoEntry() ? SBNichtEintragen : SBAutoEintragen)->setChecked(true);
    MItemLegendeAutomatischEintragen->setChecked(AutoEntry());
}

void TNumLegendForm::MItemLegendeUebernehmenClick() {
    if (std::optional<TNumLegend> legend = Legend())
        legend->TakeFromRiddle();
}

void TNumLegendForm::MItemLegendeEintragenClick() {
    if (std::optional<TNumLegend> legend = Legend())
        legend->WriteIntoRiddle();
}
