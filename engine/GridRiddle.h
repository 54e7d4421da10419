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
