#pragma once

#include "GridRiddle.h"
#include "WordRiddleData.h"

// The grid control of word riddles.
class TWordRiddle : public TGridRiddleOf<TWordRiddleData> {
    Q_OBJECT
public:
    explicit TWordRiddle(QWidget* parent = nullptr) : TGridRiddleOf(parent) {}
};
