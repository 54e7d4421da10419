#pragma once

// The commands of a window as rows of one table: where each stands (a menu, a submenu or a tool
// bar), its object name, caption, hint, icon, shortcuts and handler, and which of the computed
// command states it follows. The table builds the menus and tool bars from the rows and applies
// the states to every item and button in one loop. A new command is a new row.

#include "CommandState.h"

#include <QByteArray>
#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QButtonGroup;
class QMenu;
class QObject;
class QToolButton;
class QWidget;

// The number that tells the items and buttons of one handler apart (0 when unset).
void SetTag(QObject* Object, int Tag);
int TagOf(const QObject* Object);

// A widget row stands in a menu as a whole widget (the sudoku's symbol palette).
enum TRowKind : uint8_t { rkItem, rkSeparator, rkSubmenu, rkButton, rkWidget };

// Which parts of its state a row's item or button takes.
enum TApplyPart : uint8_t {
    apVisible = 1,
    apEnabled = 2,
    apChecked = 4,
    // The check mark only while the button is shown; a hidden one keeps whatever it had.
    apCheckedWhenVisible = 8,
};

using TStateOf = std::function<TCommandView(const TCommandStates&)>;
using TTextOf = std::function<QString(const TCommandStates&)>;

struct TCommandRow {
    // The object name of the menu bar, menu, submenu or tool bar the row stands on.
    QByteArray Place;
    QByteArray Name;
    TRowKind Kind = rkItem;
    QString Caption;
    QString Hint;
    const char* Icon = nullptr;
    QList<QKeySequence> Shortcuts;
    // Tells the items and buttons of one handler apart (which way to zoom, which symbol, which slot).
    int Tag = 0;
    bool Checkable = false;
    // A button's place on its tool bar.
    QRect Geometry;
    // Buttons of one group are a radio group.
    QByteArray Group;
    bool Bold = false;
    // The state the row follows, and which parts of it; none: it stays as built.
    TStateOf State;
    uint8_t Parts = 0;
    // Caption, hint and icon that follow the state (a submenu's row: its own item).
    TTextOf CaptionOf, HintOf, IconOf;
    // A widget row's widget, made when the table is built.
    std::function<QWidget*()> Widget;
    // The command; Sender is the item or button that ran it.
    std::function<void(QObject* Sender)> Run;
    // A submenu's opening, after its rows have taken their states.
    std::function<void()> Opening;
};

// The row follows one field of the command states, or of the legend items' states.
TStateOf Follows(TCommandView TCommandStates::*Field);
TStateOf FollowsLegend(TCommandView TLegendMenuState::*Field);
TTextOf TextOf(QString TCommandStates::*Field);

class TCommandTable {
public:
    // Owner owns the items (so that their hints reach the main window's status line); Latest
    // gives the command states of the moment for a menu that opens.
    TCommandTable(QObject* Owner, std::function<TCommandStates()> Latest);

    // A menu bar, menu or tool bar that rows name as their place.
    void AddPlace(const char* Name, QWidget* Place);
    // Builds the rows in their order.
    void Build(const std::vector<TCommandRow>& Rows);
    // Every item and button takes its state.
    void Apply(const TCommandStates& States) const;

    QAction* Item(const char* Name) const;
    QMenu* Menu(const char* Name) const;
    QToolButton* Button(const char* Name) const;
    // The buttons of a group, in the order of their rows.
    const std::vector<QToolButton*>& Group(const char* Name) const;

private:
    struct TBuilt {
        const TCommandRow* Row;
        QAction* Item = nullptr;
        QToolButton* Button = nullptr;
    };
    void Add(const TCommandRow& Row);
    void ApplyRow(const TBuilt& B, const TCommandStates& S) const;

    QObject* owner_;
    std::function<TCommandStates()> latest_;
    std::vector<TCommandRow> rows_;
    std::vector<TBuilt> built_;
    std::map<QString, QWidget*> places_;
    std::map<QString, std::vector<QToolButton*>> groups_;
    std::map<QString, QButtonGroup*> buttonGroups_;
};
