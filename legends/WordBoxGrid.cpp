#include "WordBoxGrid.h"

#include "CellFonts.h"
#include "CellSpeech.h"
#include "GridRiddle.h"
#include "RiddleDrawTools.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
// Too small a reference cell (a riddle sized to fit its window) would give unreadable boxes.
constexpr int kMinCellSize = 12;
} // namespace

TWordBoxLook TWordBoxLook::Of(const TGridRiddle& Grid) {
    TWordBoxLook look;
    look.CellWidth = qMax(kMinCellSize, Grid.DefaultColWidth());
    look.CellHeight = qMax(kMinCellSize, Grid.DefaultRowHeight());
    look.FontName = Grid.FontName();
    return look;
}

TWordBoxGrid::TWordBoxGrid(const TWordBoxColors& Colors, const TWordBoxLook& Look, QWidget* Parent)
    : TDrawGrid(Parent), colors_(Colors) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The boxes sit one grid line apart, so a box plus its line is as wide as a riddle cell.
    const int cellWidth = qMax(kMinCellSize, Look.CellWidth);
    const int cellHeight = qMax(kMinCellSize, Look.CellHeight);
    SetDefaultColWidth(cellWidth - 1);
    SetDefaultRowHeight(cellHeight - 1);
    SetGridLineWidth(1);
    SetRowCount(1);
    SetColCount(0);
    // The letters are as large as in the riddle's cells.
    QFont bold(Look.FontName);
    bold.setBold(true);
    font_ = FontOfLineHeight(bold, cellHeight - 4);
}

void TWordBoxGrid::SetText(const QString& Text) {
    boxes_.SetText(Text);
    SetColCount(boxes_.Count());
    SetCurrentSilently(0, 0);
}

QSize TWordBoxGrid::RowSize() const {
    return QSize(boxes_.Count() * (DefaultColWidth() + 1) + 3, DefaultRowHeight() + 2);
}

QString TWordBoxGrid::AccessibleCellName(int ACol, int) const {
    return LetterBoxName(QStringLiteral("Begriff"), ACol, boxes_.Count(), boxes_.Box(ACol));
}

bool TWordBoxGrid::SelectCell(int ACol, int) {
    boxes_.SetCurrent(ACol);
    return true;
}

void TWordBoxGrid::DrawCell(QPainter& Painter, int ACol, int, const QRect& Rect, int) {
    const bool focused = hasFocus();
    Painter.fillRect(Rect, ToQColor(focused ? colors_.FocusedBackground : colors_.Background));
    const QChar letter = boxes_.Box(ACol);
    if (!letter.isNull()) {
        Painter.setFont(font_);
        Painter.setPen(ToQColor(colors_.Text));
        Painter.drawText(Rect, Qt::AlignCenter | Qt::TextSingleLine, QString(letter));
    }
    // The boxes run across, so the cursor carries the arrow to the right.
    if (focused && ACol == Col())
        DrawCursorFrame(Painter, Rect, 1, true);
}

void TWordBoxGrid::keyPressEvent(QKeyEvent* Event) {
    switch (Event->key()) {
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
        const QString text = Event->text();
        const bool command = Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (text.size() != 1 || !text[0].isPrint() || command) {
            // Arrows move as in any grid; Return and Escape go on to the dialog's buttons.
            TDrawGrid::keyPressEvent(Event);
            if (OnChange)
                OnChange();
            return;
        }
        boxes_.Type(text[0]);
    }
    }
    Event->accept();
    ShowCurrent();
    if (OnChange)
        OnChange();
}

void TWordBoxGrid::ShowCurrent() {
    if (boxes_.Count() > 0)
        MoveCurrent(boxes_.Current(), 0, false);
    InvalidateGrid();
}

void TWordBoxGrid::focusInEvent(QFocusEvent* Event) {
    TDrawGrid::focusInEvent(Event);
    InvalidateGrid();
}

void TWordBoxGrid::focusOutEvent(QFocusEvent* Event) {
    TDrawGrid::focusOutEvent(Event);
    InvalidateGrid();
}
