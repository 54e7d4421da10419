#pragma once

// The number legend beside the grid of a number riddle: the 26 numbers with the letter the solver
// has assigned to each. The solver types the letters here; with automatic entry a typed letter
// fills every cell of its number, and two commands carry letters between legend and riddle.
// The rules live in TNumLegend, the painting in TNumLegendPainter; the window keeps only the
// automatic-entry switch.

#include "NumLegend.h"
#include "RiddleSupportForm.h"

class QAction;
class QMenu;
class QToolButton;
class TDrawGrid;
class TGradientPanel;
class TWordRiddle;

class TNumLegendForm : public TRiddleSupportForm {
    Q_OBJECT
public:
    TNumLegendForm(QObject* Owner, TWordRiddle* Grid);

    TToolWindowKind ToolKind() const override { return twNumLegend; }
    TWordRiddle* WordGrid() const;
    // Typed letters also go into the riddle (SBAutoEintragen is down).
    bool AutoEntry() const;
    TNumLegendButtons Buttons() const;
    // The entry of the legend grid's current cell.
    int CurrentEntry() const;

    // Refreshes the layout, the buttons and the letters.
    void FormShow();
    // The grid takes the riddle's cell size, the window the grid's size.
    void LayoutGrid();
    void UpdateButtons();
    void RepaintLetters();
    // The grid changed: with automatic entry the letter at its cursor reaches the legend.
    void GridChanged();

    bool GridLegendSelectCell(int ACol, int ARow);
    // True when the key was the legend's.
    bool GridLegendKeyDown(int Key);
    void GridLegendKeyPress(QChar Key);
    void SelectEntry(int Entry);

    // Commands of the buttons, the context menu and the main window's view menu.
    void MenuLegendePopup();
    void MItemLegendeAutomatischEintragenClick();
    void MItemLegendeUebernehmenClick();
    void MItemLegendeEintragenClick();

    TGradientPanel* Toolbar = nullptr;
    QToolButton* SBNichtEintragen = nullptr;
    QToolButton* SBAutoEintragen = nullptr;
    QToolButton* SBLegendeEintragen = nullptr;
    QToolButton* SBRaetselEintragen = nullptr;
    TDrawGrid* GridLegend = nullptr;
    QMenu* MenuLegende = nullptr;
    QAction* MItemLegendeAutomatischEintragen = nullptr;
    QAction* MItemLegendeN1 = nullptr;
    QAction* MItemLegendeUebernehmen = nullptr;
    QAction* MItemLegendeEintragen = nullptr;

private:
    void CreateToolbar();
    void CreateMenu();
    QToolButton* AddButton(const char* Name, int Left, const QString& Hint, const char* Icon);
    // The rules need the grid; a window whose grid is gone does nothing.
    std::optional<TNumLegend> Legend() const;

    QWidget* content_ = nullptr;
};
