#pragma once

// The base of both grid controls: a scrollable widget that shows one riddle.

#include "RiddleData.h"

#include <QAbstractScrollArea>

class TGridRiddle : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TGridRiddle(QWidget* parent = nullptr);

    virtual TRiddleData& Riddle() = 0;
    virtual const TRiddleData& Riddle() const = 0;

    // The size the control needs to show every cell without scrolling.
    QSize GridExtent() const;
    // With poAutoSize the control takes exactly its grid extent.
    void AdjustClientSize();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A grid control joined with the data of its riddle kind: the data's painting hooks become
// repaints of the control.
template <class Data> class TGridRiddleOf : public TGridRiddle, public Data {
public:
    explicit TGridRiddleOf(QWidget* parent = nullptr) : TGridRiddle(parent) {}

    TRiddleData& Riddle() override { return *this; }
    const TRiddleData& Riddle() const override { return *this; }

protected:
    void Repaint() override { viewport()->update(); }
    void SizeToFit() override { AdjustClientSize(); }
    void DimensionsChanged() override { updateGeometry(); }
    void InvalidateCell(int, int) override { viewport()->update(); }
};
