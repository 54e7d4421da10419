#pragma once

#include "GridRiddle.h"
#include "GridWordData.h"
#include "WordRiddleData.h"

// The picture area in cells: first and last column and row.
struct TPictureArea {
    int FirstCol = 0, FirstRow = 0, LastCol = 0, LastRow = 0;
};

// The grid control of word riddles.
class TWordRiddle : public TGridRiddleOf<TWordRiddleData> {
    Q_OBJECT
public:
    explicit TWordRiddle(QWidget* parent = nullptr);

    void PaintCell(QPainter& painter, int col, int row, int target, int drawState,
                   const QRect& rect) override;
    void PaintTo(QPainter& painter, QRect& rect, int lineWeight, int target, int& cellSize) override;
    // Text and background colour of a cell.
    void GetCellColors(int col, int row, int target, int drawState, TColor& text, TColor& background) const;

    // Rebuilds a picture bitmap from Image and ImageOptions; FitToArea sizes it to the picture area.
    void RenderImage(QImage& bitmap, bool FitToArea);
    TPictureArea ImageBounds() const;
    const QImage& PictureBitmap() const { return pictureBitmap_; }
    bool PictureSelected() const { return pictureSelected_; }

    // A black cell as the solver sees it (American riddles hide the solution's black cells).
    bool IsBlackCell(int col, int row) const;
    bool IsInCurrentWord(int col, int row) const;
    const TGridWordData& CurrentWord() const { return currentWord_; }

    // Input and navigation of the solver.
    // Walks back to the first free cell of the run; true when a word of that direction starts there.
    bool FindWordStart(int col, int row, TWordDirection direction, int& startCol, int& startRow) const;
    bool FindClueStart(int32_t clueNumber, TWordDirection direction, int& startCol, int& startRow) const;
    void GotoClue(int32_t clueNumber, TWordDirection direction);
    TGridWordData GetWordData(int col, int row, bool ReverseIfNeeded, TWordDirection direction) const;
    void UpdateInputDirection(int col, int row, bool Toggle);
    void SetInputDirection(TWordDirection direction);
    void UpdateCurrentWord(int col, int row) override;
    void SelectFirstCell();
    void EnterLetter(int col, int row, uint8_t letter);
    void AdvanceCursor();

    // Whole words, from the clue legend and the word entry dialog.
    // True when every letter written equals the solution.
    bool EnterWord(const QString& text, int col, int row, TWordDirection direction);
    // Without Force, letters that also belong to a crossing word stay.
    void ClearWord(int col, int row, bool Force, TWordDirection direction);
    // The solution letters of the run of free cells through the cell.
    QString SolutionRun(int col, int row, TWordDirection direction) const;
    int RunLength(int col, int row, TWordDirection direction) const;
    // The letter-legend entry for this solution letter gets it as the solver's letter.
    void EnterLegendLetter(uint8_t letter);
    // Cells of a row (across) or column (down) with the flag bit, or (Mode) with nothing else.
    int CountFlag(int line, TWordDirection direction, bool Mode, int bit) const;

    // Solved marks of clues and lines.
    bool IsClueSolved(int index) const;
    bool IsLineSolved(int line, TWordDirection direction) const;
    void SetLineState(int line, TWordDirection direction, uint8_t value);
    void UpdateSolvedMarks(int col, int row) override;

protected:
    bool SelectCell(int col, int row) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

    void UpdateHeaderLines() override;
    bool WantsRangeSelect() const override;
    void RiddleTypeChanged() override;
    void RebuildPictureBitmap() override { RenderImage(pictureBitmap_, true); }
    void GridSizeChanged() override;

    TGridWordData currentWord_;

private:
    void PaintHeaderCell(QPainter& painter, int col, int row, const QRect& rect);
    void PaintBlackCell(QPainter& painter, int col, int row, int target, TColor background, QRect rect);
    void PaintLetterCell(QPainter& painter, int col, int row, int target, TColor text, TColor background,
                         QRect rect);
    void PaintCellNumbers(QPainter& painter, const TWordGridCell& cell, const QRect& rect);

    void HandleCharacter(const QString& text);
    // Word search: the dragged range becomes a straight line that is marked (or, with Ctrl, unmarked).
    void MarkDraggedLine(bool unmark);
    void HandleBackspace();
    // Repaints the free cells of the run through (col, row) in the direction.
    void RepaintRun(int col, int row, TWordDirection direction);

    QImage pictureBitmap_;
    TPictureArea pictureArea_;
    bool pictureSelected_ = false;
    TGridWordData previousWord_;
    QPoint lastHandled_{-1, -1};
    QPoint hoverCell_{-1, -1};
    bool markingDrag_ = false;
};
