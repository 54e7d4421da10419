#pragma once

#include "GridRiddle.h"
#include "GridWordData.h"
#include "WordPainter.h"
#include "WordRiddleData.h"

#include <vector>

// The grid control of word riddles: it shows its riddle through TWordPainter and takes the
// solver's keys and mouse. The riddle itself is its data object, Riddle().
class TWordRiddle : public TGridRiddle {
    Q_OBJECT
public:
    explicit TWordRiddle(QWidget* Parent = nullptr);

    TWordRiddleData& Riddle() override { return data_; }
    const TWordRiddleData& Riddle() const override { return data_; }

    void PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, int DrawState,
                   const QRect& Rect) override;
    void PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target, int& CellSize) override;
    // Text and background colour of a cell.
    void GetCellColors(int ACol, int ARow, TPaintTarget Target, int DrawState, TColor& Text,
                       TColor& Background) const;

    // Rebuilds a picture bitmap from Image and ImageOptions; FitToArea sizes it to the picture area.
    void RenderImage(QImage& Bitmap, bool FitToArea) const;
    TPictureArea ImageBounds() const { return ::ImageBounds(data_); }
    const TPictureBitmap& Picture() const { return picture_; }

    QString AccessibleCellName(int ACol, int ARow) const override;
    QString AccessibleCellValue(int ACol, int ARow) const override;
    // The clue of the current word for its cells, else of the word in the input direction.
    QString AccessibleCellDescription(int ACol, int ARow) const override;

    bool IsInCurrentWord(int ACol, int ARow) const;
    const TGridWordData& CurrentWord() const { return currentWord_; }

    // Input and navigation of the solver.
    // Walks back to the first free cell of the run; true when a word of that direction starts there.
    bool FindWordStart(int ACol, int ARow, TWordDirection Direction, int& StartCol, int& StartRow) const;
    bool FindClueStart(int32_t ClueNumber, TWordDirection Direction, int& StartCol, int& StartRow) const;
    void GotoClue(int32_t ClueNumber, TWordDirection Direction);
    TGridWordData GetWordData(int ACol, int ARow, bool ReverseIfNeeded, TWordDirection Direction) const;
    void UpdateInputDirection(int ACol, int ARow, bool Toggle);
    void SetInputDirection(TWordDirection Direction);
    void UpdateCurrentWord(int ACol, int ARow);
    void SelectFirstCell();
    void EnterLetter(int ACol, int ARow, uint8_t Letter);
    void AdvanceCursor();

    // Whole words, from the clue legend and the word entry dialog.
    // True when every letter written equals the solution.
    bool EnterWord(const QString& Text, int ACol, int ARow, TWordDirection Direction);
    // Without Force, letters that also belong to a crossing word stay.
    void ClearWord(int ACol, int ARow, bool Force, TWordDirection Direction);
    // The solution letters of the run of free cells through the cell.
    QString SolutionRun(int ACol, int ARow, TWordDirection Direction) const;
    int RunLength(int ACol, int ARow, TWordDirection Direction) const;
    // The letter-legend entry for this solution letter gets it as the solver's letter.
    void EnterLegendLetter(uint8_t Letter);
    // Cells of a row (across) or column (down) with the flag bit, or (Mode) with nothing else.
    int CountFlag(int Line, TWordDirection Direction, bool Mode, int Bit) const;

    // Solved marks of clues and lines.
    bool IsClueSolved(int Index) const;
    bool IsLineSolved(int Line, TWordDirection Direction) const;
    void SetLineState(int Line, TWordDirection Direction, uint8_t Value);
    void UpdateSolvedMarks(int ACol, int ARow);

signals:
    // The current word changed (another start cell or direction); delivered after the keystroke.
    void OnSelectedWordChange(TObject* Sender);
    // A key could not be taken, or a wrong letter was typed.
    void OnInputError(TObject* Sender, TInputError ErrorType);

protected:
    bool SelectCell(int ACol, int ARow) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    bool event(QEvent* Event) override;

    void SyncGeometry() override;
    void UpdateHeaderLines() override;
    bool WantsRangeSelect() const override;
    // Word-search and puzzle cells draw their frames over the lines around them.
    int CellOverhang() const override;

private:
    TWordPainter ScreenPainter(const TScreenState& Screen) const;
    void RebuildPicture();
    void InputError(TInputError ErrorType);
    void HandleCharacter(const QString& Text);
    // Word search: the dragged range becomes a straight line that is marked (or, with Ctrl, unmarked).
    void MarkDraggedLine(bool Unmark);
    // The solved mark of the word the line covers exactly; the words that lost a mark are unsolved.
    void UpdateLineSolvedMarks(const QPoint& Start, TWordDirection Direction, int Length,
                               const std::vector<QPoint>& Unmarked);
    // The riddle cell nearest to a viewport position, so that a drag past the edge ends at the edge.
    QPoint NearestRiddleCell(const QPoint& Pos) const;
    void HandleBackspace();
    // Repaints the free cells of the run through (col, row) in the direction.
    void RepaintRun(int ACol, int ARow, TWordDirection Direction);

    TWordRiddleData data_;
    TPictureBitmap picture_;
    TGridWordData currentWord_;
    TGridWordData previousWord_;
    QPoint lastHandled_{-1, -1};
    QPoint hoverCell_{-1, -1};
    bool markingDrag_ = false;
};
