#include "GridRiddle.h"

#include <QPainter>

TGridRiddle::TGridRiddle(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
}

QSize TGridRiddle::GridExtent() const {
    const TRiddleData& r = Riddle();
    const int cell = r.GridSize() > 0 ? r.GridSize() : 30;
    return QSize(r.RiddleCols() * cell + 1, r.RiddleRows() * cell + 1);
}

void TGridRiddle::AdjustClientSize() {
    if (!Riddle().PaintOptions().Contains(poAutoSize))
        return;
    resize(GridExtent());
    if (Riddle().OnSizeChanged)
        Riddle().OnSizeChanged(&Riddle());
}

void TGridRiddle::paintEvent(QPaintEvent*) {
    // Until the cells are painted the control names the riddle and its size.
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().base());
    const TRiddleData& r = Riddle();
    const QString text =
        RiddleDescription(r) + QStringLiteral("\n%1 × %2").arg(r.RiddleCols()).arg(r.RiddleRows());
    p.drawText(viewport()->rect(), Qt::AlignCenter, text);
}
