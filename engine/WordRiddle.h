#pragma once

#include "GridRiddle.h"
#include "WordRiddleData.h"

// The grid control of word riddles.
class TWordRiddle : public TGridRiddle, public TWordRiddleData {
    Q_OBJECT
public:
    explicit TWordRiddle(QWidget* parent = nullptr);

    TRiddleData& Riddle() override { return *this; }
    const TRiddleData& Riddle() const override { return *this; }

protected:
    void Repaint() override;
    void SizeToFit() override;
    void DimensionsChanged() override;
    void InvalidateCell(int col, int row) override;
};
