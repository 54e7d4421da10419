#pragma once

// The solution word window below the grid: one box per letter of the solution word, titled with
// its clue. The solver types the word here; the letters live in the riddle's solution word
// (TKeywordBoxes holds the typing rules).

#include "RiddleSupportForm.h"

class TDrawGrid;
class TWordRiddle;

class TLoesungForm : public TRiddleSupportForm {
    Q_OBJECT
public:
    TLoesungForm(QObject* Owner, TWordRiddle* Grid);

    TToolWindowKind ToolKind() const override { return twSolution; }
    TWordRiddle* WordGrid() const;

    // Refreshes the boxes, the caption and the layout, and keeps the window inside the main window.
    void FormShow();
    // The boxes take the riddle's cell size, the window the boxes' size.
    void LayoutBoxes();
    void RepaintBoxes();

    // The keys of the boxes; false for a key that is left to the grid.
    bool GridKeywordKeyDown(int Key);
    bool GridKeywordKeyPress(QChar Key);

    TDrawGrid* GridKeyword = nullptr;

private:
    QWidget* content_ = nullptr;
};
