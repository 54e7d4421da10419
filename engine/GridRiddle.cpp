#include "GridRiddle.h"

namespace {
// The solve clock is looked at twice a second, so a shown time is never more than half a second late.
constexpr int kClockInterval = 500;
} // namespace

TGridRiddle::TGridRiddle(QWidget* Parent) : TDrawGrid(Parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    clockTimer_.setInterval(kClockInterval);
}

void TGridRiddle::AttachRiddle() {
    TRiddleData& riddle = Riddle();
    connect(&riddle, &TRiddleData::Invalidated, this, &TGridRiddle::InvalidateGrid);
    connect(&riddle, &TRiddleData::CellInvalidated, this, &TGridRiddle::InvalidateCell);
    connect(&riddle, &TRiddleData::GeometryChanged, this, &TGridRiddle::SyncGeometry);
    connect(&riddle, &TRiddleData::ClockRunningChanged, this, [this](bool Running) {
        if (Running)
            clockTimer_.start();
        else
            clockTimer_.stop();
    });
    connect(&clockTimer_, &QTimer::timeout, &riddle, &TRiddleData::ClockTick);
    SyncGeometry();
}

void TGridRiddle::SetFonts(const TCellFonts& Fonts) {
    fonts_ = Fonts;
    InvalidateGrid();
}

void TGridRiddle::SetFontName(const QString& Name) {
    if (Name == fonts_.FontName)
        return;
    fonts_.FontName = Name;
    InvalidateGrid();
}

bool TGridRiddle::WantsRangeSelect() const {
    return Riddle().DisplayMode() == dmEditing;
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
    if (r.EventsEnabled())
        emit OnSizeChanged(&r);
}

bool TGridRiddle::SelectCell(int ACol, int ARow) {
    if (ACol <= 0 || ARow <= 0)
        return false;
    bool canSelect = true;
    if (Riddle().EventsEnabled() && OnSelectCell)
        OnSelectCell(&Riddle(), ACol, ARow, canSelect);
    return canSelect;
}

void TGridRiddle::DrawCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect, int DrawState) {
    PaintCell(Painter, ACol, ARow, ptScreen, DrawState, Rect);
}

void TGridRiddle::TopLeftChanged() {
    emit OnTopLeftChanged(&Riddle());
}

TScreenState TGridRiddle::ScreenState() const {
    TScreenState s;
    s.Col = Col();
    s.Row = Row();
    s.Focused = hasFocus() && isEnabled();
    s.Selection = Selection();
    return s;
}
