#include "GridRiddle.h"

#include <QPainter>

TGridRiddle::TGridRiddle(QWidget* parent) : TDrawGrid(parent) {
    DescriptionFont = QFont(fontName_);
    DescriptionFont.setPixelSize(8);
    IndexFont = QFont(fontName_);
    IndexFont.setPixelSize(13);
    IndexFont.setBold(true);
    NumberFont = QFont(fontName_);
    NumberFont.setPixelSize(9);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TGridRiddle::SetFontName(const QString& name) {
    if (name == fontName_)
        return;
    fontName_ = name;
    InvalidateGrid();
}

QFont TGridRiddle::LetterFont(int cellHeight) const {
    if (cellHeight != letterFontHeight_ || letterFont_.family() != fontName_) {
        letterFont_ = QFont(fontName_);
        letterFont_.setBold(true);
        letterFont_.setPixelSize(qMax(1, cellHeight - 4));
        letterFontHeight_ = cellHeight;
    }
    return letterFont_;
}

const QFontMetrics& TGridRiddle::NumberMetrics() const {
    if (!(measuredNumberFont_ == NumberFont)) {
        measuredNumberFont_ = NumberFont;
        numberMetrics_ = QFontMetrics(NumberFont);
    }
    return numberMetrics_;
}

bool TGridRiddle::WantsRangeSelect() const {
    return Riddle().DisplayMode() == 2;
}

void TGridRiddle::SyncGeometry() {
    const TRiddleData& r = Riddle();
    SetColCount(r.RiddleCols() + 1);
    SetRowCount(r.RiddleRows() + 1);
    SetDefaultColWidth(qMax(0, r.GridSize()));
    SetDefaultRowHeight(qMax(0, r.GridSize()));
    UpdateHeaderLines();
    SetRangeSelect(WantsRangeSelect());
    if (r.PaintOptions().Contains(poAutoSize))
        AdjustClientSize();
}

void TGridRiddle::AdjustClientSize() {
    TRiddleData& r = Riddle();
    if (!r.PaintOptions().Contains(poAutoSize))
        return;
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int line = GridLineWidth();
    const int width = ColWidth(0) + (DefaultColWidth() + line) * (ColCount() - 1) + line;
    const int height = RowHeight(0) + (DefaultRowHeight() + line) * (RowCount() - 1) + line;
    resize(width, height);
    if (r.EventsEnabled() && r.OnSizeChanged)
        r.OnSizeChanged(&r);
}

bool TGridRiddle::SelectCell(int col, int row) {
    if (col <= 0 || row <= 0)
        return false;
    bool canSelect = true;
    if (Riddle().EventsEnabled() && OnSelectCell)
        OnSelectCell(&Riddle(), col, row, canSelect);
    return canSelect;
}

void TGridRiddle::DrawCell(QPainter& painter, int col, int row, const QRect& rect, int drawState) {
    PaintCell(painter, col, row, 0, drawState, rect);
}

void TGridRiddle::TopLeftChanged() {
    if (Riddle().OnTopLeftChanged)
        Riddle().OnTopLeftChanged(&Riddle());
}
