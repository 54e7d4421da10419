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

protected:
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

    QImage pictureBitmap_;
    TPictureArea pictureArea_;
    bool pictureSelected_ = false;
};
