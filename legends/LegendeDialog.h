#pragma once

// The clue legend beside the grid: the clues across ("Waagerecht :") and down ("Senkrecht :"),
// or one list where the riddle kind allows it. The solver marks clues as solved, hides solved
// ones, jumps to a clue's word, types the word of a clue and drags puzzle words into the grid.
// The rows come from the grid every time (LegendRows); the rules of buttons and items from
// LegendRules. The window keeps only the solver's choices and which list was used last.

#include "LegendList.h"
#include "LegendRenderer.h"
#include "LegendRules.h"
#include "RiddleSupportForm.h"

class QLabel;
class QMenu;
class QSplitter;
class QToolButton;
class TGradientPanel;
class TWordRiddle;

// A row of one of the two lists; no list means no row.
struct TLegendRowRef {
    TLegendList* List = nullptr;
    int Row = -1;
    explicit operator bool() const { return List && Row >= 0; }
};

class TLegendForm : public TRiddleSupportForm {
    Q_OBJECT
public:
    TLegendForm(QObject* Owner, TWordRiddle* Grid);

    TToolWindowKind ToolKind() const override { return twLegend; }
    TWordRiddle* WordGrid() const;
    TLegendOptions Options() const { return options_; }
    // The buttons as they stand for the grid's riddle and the solver's choices.
    TLegendToolbar ToolbarState() const;
    // The upper list (and its caption and splitter) shows.
    bool TwoListsShown() const { return twoLists_; }

    // Builds the lists the first time and refreshes the tool bar; afterwards the lists follow the
    // grid.
    void FormShow();
    void RefreshLegend();
    void UpdateToolbar();
    void UpdateDragCursor();

    // The lists as they stand, for paper or any canvas: measured, drawn into a rectangle, or printed
    // over pages W × H with the margins L and T (NewPage starts the next page). They paint in the
    // canvas's font.
    TLegendRenderer Renderer() const;
    void MeasureLegend(const QPainter& Canvas, bool Stacked, int& Height, int& Width) const;
    void DrawLegend(QPainter& Canvas, const QRect& Rect, bool Stacked) const;
    int PrintLegend(QPainter& Canvas, int W, int H, int L, int T, const std::function<void()>& NewPage) const;

    TLegendRowRef FindClueRow(int ClueIndex) const;
    TLegendRowRef FindLineRow(int LineNumber, TWordDirection Direction) const;
    TLegendRowRef FindNumberRow(int32_t ClueNumber, TWordDirection Direction) const;
    void SetRowSolved(const TLegendRowRef& Row, bool Solved);
    void SetLineRowSolved(const TLegendRowRef& Row, bool Solved);
    TLegendRowRef SelectClue(int ClueIndex);
    TLegendRowRef SelectLine(int LineNumber, TWordDirection Direction);
    // The focused row of the list for that direction; null without one.
    const TLegendRowData* FocusedRowData(TWordDirection Direction) const;

    // The grid's news: a clue's solved flag (Sender: the clue entry), a line's solved flag, and
    // the current word, whose row the lists select.
    void ClueStateChanged(TObject* Sender);
    void LineStateChanged(int ACol, int ARow, TWordDirection ADir);
    void FollowCurrentWord();

    // Commands of the buttons, the context menu and the main window's view menu.
    void SBEineLegendeClick();
    void SBBegrNichtAusblendenClick();
    void SBBegrNichtMarkierenClick();
    void MItemLegendeEingebenClick();
    void MenuLegendePopup();
    void MItemLegendeBearbeitetClick();
    void MItemLegendeAusblendenClick();
    void MItemLegendeMarkierenClick();
    void MItemLegendeEineLegendeClick();

    TGradientPanel* Toolbar = nullptr;
    QToolButton* SBBegrNichtAusblenden = nullptr;
    QToolButton* SBBegrAusblenden = nullptr;
    QToolButton* SBBegrNichtMarkieren = nullptr;
    QToolButton* SBBegrMarkieren = nullptr;
    QToolButton* SBEineLegende = nullptr;
    QToolButton* SBZweiLegenden = nullptr;
    QToolButton* SBInputWord = nullptr;
    QWidget* PanelTop = nullptr;
    QLabel* PanelLblWaager = nullptr;
    QWidget* PanelBottom = nullptr;
    QLabel* PanelLblSenkr = nullptr;
    QSplitter* Splitter = nullptr;
    TLegendList* VTWaagerecht = nullptr;
    TLegendList* VTSenkrecht = nullptr;
    QMenu* MenuLegende = nullptr;
    QAction* MItemLegendeBearbeitet = nullptr;
    QAction* MItemLegendeEingeben = nullptr;
    QAction* MItemLegendeN1 = nullptr;
    QAction* MItemLegendeAusblenden = nullptr;
    QAction* MItemLegendeMarkieren = nullptr;
    QAction* MItemLegendeEineLegende = nullptr;

signals:
    // The solver picked a clue with the mouse: the grid, now at its word, wants the keys.
    void GridFocusWanted();

private:
    void CreateToolbar();
    void CreateLists();
    void CreateMenu();
    QToolButton* AddButton(const char* Name, int Left, const QString& Hint, const char* Icon);
    // The list that searches and selections for a direction use.
    TLegendList* ListFor(TWordDirection Direction) const;
    TLegendRowRef FindRow(TWordDirection Direction,
                          const std::function<bool(const TLegendRowData&)>& Matches) const;
    void SetRowMark(const TLegendRowRef& Row, bool Solved, bool Changed);
    TLegendRowRef SelectRow(const TLegendRowRef& Row);
    void ListFocusChanged(TLegendList* List);
    void StartDrag(TLegendList* List, Qt::KeyboardModifiers Modifiers);
    void SolvedMarkClicked(TLegendList* List, int Row);

    TLegendOptions options_;
    bool twoLists_ = false;
    // The lists have been built; from then on every legend change of the riddle rebuilds them.
    bool built_ = false;
    // The lists follow the grid only once the window shows, and not while it moves the focus itself.
    bool gridSync_ = false;
    // The list the solver used last (or the one SelectClue chose); commands act on its focused row.
    TLegendList* activeList_ = nullptr;
};
