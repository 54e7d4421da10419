#include "DragState.h"

#include <QPixmap>
#include <array>

bool DragVertical = false;
bool DragReversed = false;

namespace {
std::array<QCursor, 5>& CursorSlots() {
    static std::array<QCursor, 5> cursorSlots;
    return cursorSlots;
}
} // namespace

void LoadRiddleCursors() {
    static const char* const files[] = {":/cursors/cursor-ltr.png", ":/cursors/cursor-rtl.png",
                                        ":/cursors/cursor-ttb.png", ":/cursors/cursor-btt.png",
                                        ":/cursors/cursor-move.png"};
    for (size_t i = 0; i < CursorSlots().size(); ++i)
        CursorSlots()[i] = QCursor(QPixmap(QString::fromLatin1(files[i])), 16, 16);
}

QCursor RiddleCursor(int Slot) {
    if (Slot < crDragLTR || Slot > crDragMove)
        return QCursor();
    return CursorSlots()[size_t(Slot - crDragLTR)];
}

int DragCursorSlot(bool Vertical, bool Reversed) {
    if (Vertical)
        return Reversed ? crDragBTT : crDragTTB;
    return Reversed ? crDragRTL : crDragLTR;
}
