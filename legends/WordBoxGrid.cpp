#include "WordBoxGrid.h"

#include "GridRiddle.h"
#include "RiddleDrawTools.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
// Too small a reference cell (a riddle sized to fit its window) would give unreadable boxes.
constexpr int kMinCellSize = 12;
} // namespace

TWordBoxLook TWordBoxLook::Of(const TGridRiddle& grid) {
    TWordBoxLook look;
    look.CellWidth = qMax(kMinCellSize, grid.DefaultColWidth());
    look.CellHeight = qMax(kMinCellSize, grid.DefaultRowHeight());
    look.FontName = grid.FontName();
    return look;
}

TWordBoxGrid::TWordBoxGrid(const TWordBoxColors& colors, const TWordBoxLook& look, QWidget* parent)
    : TDrawGrid(parent), colors_(colors), font_(look.FontName) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The boxes sit one grid line apart, so a box plus its line is as wide as a riddle cell.
    const int cellWidth = qMax(kMinCellSize, look.CellWidth);
    const int cellHeight = qMax(kMinCellSize, look.CellHeight);
    SetDefaultColWidth(cellWidth - 1);
    SetDefaultRowHeight(cellHeight - 1);
    SetGridLineWidth(1);
    SetRowCount(1);
    SetColCount(0);
    font_.setBold(true);
    font_.setPixelSize(cellHeight - 4);
}

void TWordBoxGrid::SetText(const QString& text) {
    boxes_.SetText(text);
    SetColCount(boxes_.Count());
    SetCurrentSilently(0, 0);
}

QSize TWordBoxGrid::RowSize() const {
    return QSize(boxes_.Count() * (DefaultColWidth() + 1) + 3, DefaultRowHeight() + 2);
}

bool TWordBoxGrid::SelectCell(int col, int) {
    boxes_.SetCurrent(col);
    return true;
}

void TWordBoxGrid::DrawCell(QPainter& painter, int col, int, const QRect& rect, int) {
    const bool focused = hasFocus();
    painter.fillRect(rect, ToQColor(focused ? colors_.FocusedBackground : colors_.Background));
    const QChar letter = boxes_.Box(col);
    if (!letter.isNull()) {
        painter.setFont(font_);
        painter.setPen(ToQColor(colors_.Text));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, QString(letter));
    }
    // The boxes run across, so the cursor carries the arrow to the right.
    if (focused && col == Col())
        DrawCursorFrame(painter, rect, 1, true);
}

void TWordBoxGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        boxes_.Backspace();
        break;
    case Qt::Key_Delete:
        boxes_.Delete();
        break;
    case Qt::Key_Home:
        boxes_.Home();
        break;
    case Qt::Key_End:
        boxes_.End();
        break;
    default: {
        const QString text = event->text();
        const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (text.size() != 1 || !text[0].isPrint() || command) {
            // Arrows move as in any grid; Return and Escape go on to the dialog's buttons.
            TDrawGrid::keyPressEvent(event);
            if (OnChange)
                OnChange();
            return;
        }
        boxes_.Type(text[0]);
    }
    }
    event->accept();
    ShowCurrent();
    if (OnChange)
        OnChange();
}

void TWordBoxGrid::ShowCurrent() {
    if (boxes_.Count() > 0)
        MoveCurrent(boxes_.Current(), 0, false);
    InvalidateGrid();
}

void TWordBoxGrid::focusInEvent(QFocusEvent* event) {
    TDrawGrid::focusInEvent(event);
    InvalidateGrid();
}

void TWordBoxGrid::focusOutEvent(QFocusEvent* event) {
    TDrawGrid::focusOutEvent(event);
    InvalidateGrid();
}
