#pragma once

// The tool windows of a riddle window: the clue legend, the number legend of a number riddle, the
// solution word and the stopwatch. The host creates, refreshes, places and closes them around the
// riddle window and passes the view menu's legend commands on to them.

#include "CommandState.h"
#include "PrintSource.h"
#include "RiddleTypes.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class QMdiSubWindow;
class TGridRiddle;
class TLegendForm;
class TLoesungForm;
class TNumLegendForm;
class TStopuhrForm;
class TWordRiddle;

class TToolWindowHost : public QObject {
    Q_OBJECT
public:
    // Riddle is the riddle window the tool windows stand around and belong to; WordGrid the grid
    // the legends and the solution word serve.
    TToolWindowHost(QMdiSubWindow* Riddle, TWordRiddle* WordGrid);

    // Each runs again whether the window belongs to the riddle: creates or refreshes it, or closes
    // it; Place moves it to its home.
    void UpdateLegendWindow(bool Place);
    void UpdateSolutionWindow(bool Place);
    void UpdateStopwatch(TGridRiddle* Shown, bool Place);
    // Every window back to its home, after the riddle window changed its size.
    void PlaceAll();
    // The number legend's letters and the solution word's boxes show wrong letters and the solution;
    // both take the cell size of the riddle.
    void RepaintLetterGrids();
    void LayoutLetterGrids();

    TLegendForm* Legend() const;
    TNumLegendForm* NumLegend() const;
    TLoesungForm* Solution() const;
    TStopuhrForm* Stopwatch() const;

    // What the view menu's legend items follow, and what a print takes of the legends.
    TLegendMenuFacts LegendMenuFacts() const;
    void AddLegends(TPrintSource& Source) const;
    // The legend's answers to the grid: the cursor's word, a clue's or a line's solved mark.
    void FollowCurrentWord();
    void ClueStateChanged(TObject* Clue);
    void LineStateChanged(int ACol, int ARow, TWordDirection Direction);
    // The number legend after the solver's letters changed, and with automatic entry the grid's
    // letter at the cursor.
    void LettersChanged();
    void GridChanged();
    // The clue legend shows its clues in one list.
    bool OneList() const;
    void UpdateDragCursor();
    void UpdateLegendToolbar();

    // The view menu's legend commands.
    void MItemLegendeAusblendenClick();
    void MItemLegendeMarkierenClick();
    void MItemLegendeEineLegendeClick();
    void MItemLegendeAutomatischEintragenClick();
    void MItemLegendeUebernehmenClick();
    void MItemLegendeEintragenClick();

signals:
    // A legend wants the keys back at the grid.
    void GridFocusWanted();

private:
    void UpdateNumLegendWindow(bool Place);
    void PlaceLegend();
    void PlaceNumLegend();
    void PlaceSolution();
    void PlaceStopwatch();
    QRect Home() const;

    QMdiSubWindow* riddle_;
    TWordRiddle* wordGrid_;
    QPointer<TLegendForm> legend_;
    QPointer<TNumLegendForm> numLegend_;
    QPointer<TLoesungForm> solution_;
    QPointer<TStopuhrForm> stopwatch_;
};
