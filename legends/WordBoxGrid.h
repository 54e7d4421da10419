#pragma once

// The one-row grid of letter boxes in the word entry dialog. It paints and edits a TWordBoxes;
// the typing rules live there.

#include "DrawGrid.h"
#include "RiddleColors.h"
#include "WordBoxes.h"

#include <QString>
#include <functional>

class TGridRiddle;

// Size and font of the boxes. They are taken from the riddle's cells, so that a word looks the
// same in the dialog as in the grid.
struct TWordBoxLook {
    // The riddle grid's cell size in pixels, without its grid line.
    int CellWidth = 30;
    int CellHeight = 30;
    QString FontName = QStringLiteral("Arial");

    static TWordBoxLook Of(const TGridRiddle& Grid);
};

// Colours as the riddle stores them (0x00BBGGRR or a system colour).
struct TWordBoxColors {
    TColor Background = clWhite;
    // The background while the boxes have the focus, so the word reads as the one being edited.
    TColor FocusedBackground = clWhite;
    TColor Text = clBlack;
};

class TWordBoxGrid : public TDrawGrid {
    Q_OBJECT
public:
    TWordBoxGrid(const TWordBoxColors& Colors, const TWordBoxLook& Look, QWidget* Parent = nullptr);

    const TWordBoxes& Boxes() const { return boxes_; }
    // One box per character; the first box becomes current.
    void SetText(const QString& Text);
    // The size the row needs: every box with its line and a 1-pixel frame.
    QSize RowSize() const;

    QString AccessibleCellName(int ACol, int ARow) const override;

    // After every key, so that the dialog can follow the boxes' completeness.
    std::function<void()> OnChange;

protected:
    bool SelectCell(int ACol, int ARow) override;
    void DrawCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect, int DrawState) override;
    void keyPressEvent(QKeyEvent* Event) override;
    // The background depends on the focus, so every box changes colour.
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    void ShowCurrent();

    TWordBoxes boxes_;
    TWordBoxColors colors_;
    QFont font_;
};
