#include "LegendeDialog.h"

#include "DragState.h"
#include "GradientPanel.h"
#include "SpeedButton.h"
#include "WordRiddle.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kToolbarHeight = 30;
constexpr int kButtonTop = 4;
constexpr QSize kButtonSize(23, 22);
constexpr int kCaptionHeight = 17;
constexpr int kMinPanelHeight = 50;

QLabel* CaptionStrip(const char* Name, const QString& Text) {
    auto* l = new QLabel(Text);
    l->setObjectName(QLatin1String(Name));
    l->setFixedHeight(kCaptionHeight);
    l->setIndent(4);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Button);
    return l;
}

QWidget* ListPanel(const char* Name, QLabel* Caption, TLegendList* List) {
    auto* panel = new QWidget;
    panel->setObjectName(QLatin1String(Name));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Caption);
    layout->addWidget(List, 1);
    panel->setMinimumHeight(kMinPanelHeight);
    return panel;
}

void Show(QToolButton* B, const TLegendButton& State) {
    B->setVisible(State.Visible);
    B->setEnabled(State.Enabled);
    B->setChecked(State.Down);
}
} // namespace

TLegendForm::TLegendForm(QObject* Owner, TWordRiddle* Grid) : TRiddleSupportForm(Owner, Grid) {
    setObjectName(QStringLiteral("LegendForm"));
    setWindowTitle(QStringLiteral("Legende"));
    setAccessibleName(QStringLiteral("Legende"));
    // Only the riddle window closes the legend; the title bar offers no close command.
    setSystemMenu(nullptr);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Appearing beside the grid must not take the keys away from it.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Toolbar = new TGradientPanel;
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setFixedHeight(kToolbarHeight);
    layout->addWidget(Toolbar);
    CreateToolbar();
    CreateLists();
    layout->addWidget(Splitter, 1);
    setWidget(content);
    CreateMenu();
    resize(296, 419);

    if (Grid) {
        TWordRiddleData* riddle = &Grid->Riddle();
        Listen(riddle, &TRiddleData::OnLegendChange, [this](TObject*) { RefreshLegend(); });
        Listen(riddle, &TRiddleData::OnLegendStateChange,
               [this](TObject* Sender) { ClueStateChanged(Sender); });
        Listen(riddle, &TRiddleData::OnRowOrColStateChange,
               [this](TObject*, int ACol, int ARow, TWordDirection ADir) {
                   LineStateChanged(ACol, ARow, ADir);
               });
        Listen(Grid, &TWordRiddle::OnSelectedWordChange, [this](TObject*) { FollowCurrentWord(); });
    }
}

TWordRiddle* TLegendForm::WordGrid() const {
    return qobject_cast<TWordRiddle*>(Grid());
}

QToolButton* TLegendForm::AddButton(const char* Name, int Left, const QString& Hint, const char* Icon) {
    return MakeSpeedButton(Toolbar, Name, QRect(QPoint(Left, kButtonTop), kButtonSize), Hint, Icon);
}

void TLegendForm::CreateToolbar() {
    SBBegrNichtAusblenden = AddButton("SBBegrNichtAusblenden", 4,
                                      QStringLiteral("Bearbeitete Begriffe nicht ausblenden"), "legend-show");
    SBBegrAusblenden =
        AddButton("SBBegrAusblenden", 27, QStringLiteral("Bearbeitete Begriffe ausblenden"), "legend-hide");
    SBBegrNichtMarkieren = AddButton("SBBegrNichtMarkieren", 56,
                                     QStringLiteral("Bearbeitete Begriffe nicht markieren"), "legend-nomark");
    SBBegrMarkieren =
        AddButton("SBBegrMarkieren", 79, QStringLiteral("Bearbeitete Begriffe markieren"), "legend-mark");
    SBEineLegende = AddButton("SBEineLegende", 108, QStringLiteral("Alle Begriffe in einer Legende anzeigen"),
                              "legend-one");
    SBZweiLegenden =
        AddButton("SBZweiLegenden", 131,
                  QStringLiteral("Getrennte Legenden für waagerechte und senkrechte Begriffe"), "legend-two");
    SBInputWord = AddButton("SBInputWord", 160,
                            QStringLiteral("Den gesuchten Begriff zum markierten Legendeneintrag eingeben"),
                            "enter-word");
    for (auto [a, b] :
         {std::pair{SBBegrNichtAusblenden, SBBegrAusblenden},
          std::pair{SBBegrNichtMarkieren, SBBegrMarkieren}, std::pair{SBEineLegende, SBZweiLegenden}}) {
        auto* group = new QButtonGroup(this);
        for (QToolButton* button : {a, b}) {
            button->setCheckable(true);
            group->addButton(button);
        }
    }
    // The buttons only show the choices; the clicks change the choices and refresh.
    connect(SBBegrNichtAusblenden, &QToolButton::clicked, this, [this] {
        options_.HideSolved = false;
        SBBegrNichtAusblendenClick();
    });
    connect(SBBegrAusblenden, &QToolButton::clicked, this, [this] {
        options_.HideSolved = true;
        SBBegrNichtAusblendenClick();
    });
    connect(SBBegrNichtMarkieren, &QToolButton::clicked, this, [this] {
        if (TWordRiddle* g = WordGrid())
            g->Riddle().SetAutoMarkLegend(false);
        SBBegrNichtMarkierenClick();
    });
    connect(SBBegrMarkieren, &QToolButton::clicked, this, [this] {
        if (TWordRiddle* g = WordGrid())
            g->Riddle().SetAutoMarkLegend(true);
        SBBegrNichtMarkierenClick();
    });
    connect(SBEineLegende, &QToolButton::clicked, this, [this] {
        options_.TwoLists = false;
        SBEineLegendeClick();
    });
    connect(SBZweiLegenden, &QToolButton::clicked, this, [this] {
        options_.TwoLists = true;
        SBEineLegendeClick();
    });
    connect(SBInputWord, &QToolButton::clicked, this, &TLegendForm::MItemLegendeEingebenClick);
}

void TLegendForm::CreateLists() {
    VTWaagerecht = new TLegendList(true);
    VTWaagerecht->setObjectName(QStringLiteral("VTWaagerecht"));
    VTSenkrecht = new TLegendList(false);
    VTSenkrecht->setObjectName(QStringLiteral("VTSenkrecht"));
    PanelLblWaager = CaptionStrip("PanelLblWaager", QStringLiteral("Waagerecht :"));
    PanelLblSenkr = CaptionStrip("PanelLblSenkr", QStringLiteral("Senkrecht :"));
    PanelTop = ListPanel("PanelTop", PanelLblWaager, VTWaagerecht);
    PanelBottom = ListPanel("PanelBottom", PanelLblSenkr, VTSenkrecht);
    Splitter = new QSplitter(Qt::Vertical);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setHandleWidth(5);
    Splitter->setChildrenCollapsible(false);
    Splitter->addWidget(PanelTop);
    Splitter->addWidget(PanelBottom);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({181, 208});
    Splitter->handle(1)->setToolTip(QStringLiteral("Diesen Teiler mit der Maus verschieben"));
    for (TLegendList* list : {VTWaagerecht, VTSenkrecht}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& Pos) {
            activeList_ = list;
            MenuLegende->popup(list->viewport()->mapToGlobal(Pos));
        });
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, list] { ListFocusChanged(list); });
        connect(list, &TLegendList::SolvedMarkClicked, this,
                [this, list](int Row) { SolvedMarkClicked(list, Row); });
        connect(list, &TLegendList::DragPressed, this,
                [this, list](Qt::KeyboardModifiers M) { StartDrag(list, M); });
        connect(list, &TLegendList::RowClicked, this, [this](int) {
            if (WordGrid() && WordGrid()->Riddle().RiddleType() == rtSwedish)
                emit GridFocusWanted();
        });
    }
}

void TLegendForm::CreateMenu() {
    MenuLegende = new QMenu(this);
    MenuLegende->setObjectName(QStringLiteral("MenuLegende"));
    auto add = [this](const char* Name, const QString& Caption, const QString& Hint) {
        // Owned by the window, not the menu: a highlighted item's hint then travels up to the main
        // window's status line, which a pop-up menu of its own would keep to itself.
        auto* a = new QAction(Caption, this);
        MenuLegende->addAction(a);
        a->setObjectName(QLatin1String(Name));
        a->setStatusTip(Hint);
        return a;
    };
    MItemLegendeBearbeitet =
        add("MItemLegendeBearbeitet", QStringLiteral("Begriff als gelöst markieren"),
            QStringLiteral("Den Legendeneintrag als bearbeitet/unbearbeitet  markieren"));
    MItemLegendeEingeben =
        add("MItemLegendeEingeben", QStringLiteral("Begriff eingeben"),
            QStringLiteral("Den gesuchten Begriff zum markierten Legendeneintrag eingeben"));
    MItemLegendeN1 = MenuLegende->addSeparator();
    MItemLegendeN1->setObjectName(QStringLiteral("MItemLegendeN1"));
    MItemLegendeAusblenden =
        add("MItemLegendeAusblenden", QStringLiteral("Gelöste Begriffe ausblenden"),
            QStringLiteral("Als gelöst markierte Begriffe nicht mehr in der Legende anzeigen"));
    MItemLegendeMarkieren = add("MItemLegendeMarkieren", QStringLiteral("Gelöste Begriffe markieren"),
                                QStringLiteral("Bearbeitete Begriffe markieren"));
    MItemLegendeEineLegende = add("MItemLegendeEineLegende", QStringLiteral("Alle Begriffe in einer Legende"),
                                  QStringLiteral("Alle Begriffe in einer einzigen Legende anzeigen"));
    for (QAction* a :
         {MItemLegendeBearbeitet, MItemLegendeAusblenden, MItemLegendeMarkieren, MItemLegendeEineLegende})
        a->setCheckable(true);
    connect(MenuLegende, &QMenu::aboutToShow, this, &TLegendForm::MenuLegendePopup);
    connect(MItemLegendeBearbeitet, &QAction::triggered, this, &TLegendForm::MItemLegendeBearbeitetClick);
    connect(MItemLegendeEingeben, &QAction::triggered, this, &TLegendForm::MItemLegendeEingebenClick);
    connect(MItemLegendeAusblenden, &QAction::triggered, this, &TLegendForm::MItemLegendeAusblendenClick);
    connect(MItemLegendeMarkieren, &QAction::triggered, this, &TLegendForm::MItemLegendeMarkierenClick);
    connect(MItemLegendeEineLegende, &QAction::triggered, this, &TLegendForm::MItemLegendeEineLegendeClick);
}

void TLegendForm::FormShow() {
    // Showing the window again (as after an undo, whose copy rebuilt the lists already) need not
    // build thousands of rows a second time.
    if (!built_)
        RefreshLegend();
    UpdateToolbar();
    gridSync_ = true;
}

void TLegendForm::RefreshLegend() {
    TWordRiddle* grid = WordGrid();
    if (!grid)
        return;
    const TWordRiddleData& riddle = grid->Riddle();
    TLegendLists lists = BuildLegendLists(*grid, options_.TwoLists, options_.HideSolved);
    twoLists_ = lists.TwoLists;
    PanelTop->setVisible(twoLists_);
    Splitter->handle(1)->setVisible(twoLists_);
    PanelLblSenkr->setVisible(twoLists_);
    const QColor black = ToQColor(riddle.BackgroundColors().Get(TRiddleColors::Black));
    QPalette colours = VTWaagerecht->palette();
    // Without the focus the selected row shows in the grid's colour of the current word.
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     ToQColor(riddle.BackgroundColors().Get(TRiddleColors::CurrentWord)));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::WindowText));
    VTWaagerecht->SetRows(std::move(lists.Across), riddle.RiddleType(), black);
    VTSenkrecht->SetRows(std::move(lists.Down), riddle.RiddleType(), black);
    for (TLegendList* list : {VTWaagerecht, VTSenkrecht}) {
        list->setPalette(colours);
        list->SetUpColumns();
    }
    if (!twoLists_ && activeList_ == VTWaagerecht)
        activeList_ = VTSenkrecht;
    built_ = true;
}

void TLegendForm::UpdateToolbar() {
    const TLegendToolbar t = ToolbarState();
    Show(SBBegrNichtAusblenden, t.NichtAusblenden);
    Show(SBBegrAusblenden, t.Ausblenden);
    Show(SBBegrNichtMarkieren, t.NichtMarkieren);
    Show(SBBegrMarkieren, t.Markieren);
    Show(SBEineLegende, t.EineLegende);
    Show(SBZweiLegenden, t.ZweiLegenden);
    Show(SBInputWord, t.InputWord);
    SBInputWord->move(t.InputWordLeft, kButtonTop);
}

TLegendToolbar TLegendForm::ToolbarState() const {
    const TWordRiddle* grid = WordGrid();
    if (!grid)
        return LegendToolbar(rtSwedish, dmSolving, false, options_);
    const TWordRiddleData& r = grid->Riddle();
    return LegendToolbar(r.RiddleType(), r.DisplayMode(), r.AutoMarkLegend(), options_);
}

void TLegendForm::UpdateDragCursor() {
    const QCursor cursor = RiddleCursor(DragCursorSlot(DragVertical, DragReversed));
    VTWaagerecht->SetDragCursor(cursor);
    VTSenkrecht->SetDragCursor(cursor);
}

TLegendList* TLegendForm::ListFor(TWordDirection Direction) const {
    return Direction == wdHorizontal && twoLists_ ? VTWaagerecht : VTSenkrecht;
}

TLegendRowRef TLegendForm::FindRow(TWordDirection Direction,
                                   const std::function<bool(const TLegendRowData&)>& Matches) const {
    TLegendList* list = ListFor(Direction);
    const std::vector<TLegendRow>& rows = list->Model()->Rows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (Matches(rows[i].Data))
            return {list, int(i)};
    return {};
}

TLegendRowRef TLegendForm::FindClueRow(int ClueIndex) const {
    const TWordRiddle* grid = WordGrid();
    if (!grid || ClueIndex < 0 || ClueIndex >= grid->Riddle().ClueCount())
        return {};
    return FindRow(grid->Riddle().Clue(ClueIndex).Direction(),
                   [ClueIndex](const TLegendRowData& R) { return R.ClueIndex == ClueIndex; });
}

TLegendRowRef TLegendForm::FindLineRow(int LineNumber, TWordDirection Direction) const {
    return FindRow(Direction, [LineNumber](const TLegendRowData& R) { return R.LineNumber == LineNumber; });
}

TLegendRowRef TLegendForm::FindNumberRow(int32_t ClueNumber, TWordDirection Direction) const {
    return FindRow(Direction, [ClueNumber](const TLegendRowData& R) { return R.ClueNumber == ClueNumber; });
}

const TLegendRowData* TLegendForm::FocusedRowData(TWordDirection Direction) const {
    const TLegendList* list = ListFor(Direction);
    const int row = list->FocusedRow();
    return row < 0 ? nullptr : &list->Model()->Rows()[size_t(row)].Data;
}
