// The clue legend window's lists on paper: the window hands its rows to the renderer.

#include "LegendeDialog.h"
#include "WordRiddle.h"

TLegendRenderer TLegendForm::Renderer() const {
    TLegendLists lists;
    lists.TwoLists = twoLists_;
    if (twoLists_)
        lists.Across = VTWaagerecht->Model()->Rows();
    lists.Down = VTSenkrecht->Model()->Rows();
    const TWordRiddle* grid = WordGrid();
    const TColor black = grid ? grid->Riddle().BackgroundColors().Get(TRiddleColors::Black) : clBlack;
    return TLegendRenderer(std::move(lists), VTSenkrecht->Model()->Columns(), black);
}

void TLegendForm::MeasureLegend(const QPainter& Canvas, bool Stacked, int& Height, int& Width) const {
    const QSize size = Renderer().MeasureLegend(TLegendMetrics::Of(Canvas.fontMetrics()), Stacked);
    Height = size.height();
    Width = size.width();
}

void TLegendForm::DrawLegend(QPainter& Canvas, const QRect& Rect, bool Stacked) const {
    Renderer().DrawLegend(Canvas, Rect, Stacked);
}

int TLegendForm::PrintLegend(QPainter& Canvas, int W, int H, int L, int T,
                             const std::function<void()>& NewPage) const {
    return Renderer().PrintLegend(Canvas, W, H, L, T, NewPage);
}
