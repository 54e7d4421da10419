#pragma once

// The cell table of a riddle: Size × Size positions, column 0 … Size − 1 and row 0 … Size − 1,
// every one of them always there. The cells are made in square blocks when a cell of the block
// is first reached, so a table costs what the riddle it holds has touched, not the largest riddle
// there could be. A cell reached for the first time (also for reading) is a fresh one, exactly
// as if it had been made with the table; a cell never moves once made.

#include <cstddef>
#include <functional>
#include <memory>

template <typename TCell, int Size> class TCellTable {
public:
    // Fresh(cell, col, row) prepares a new cell for its position.
    explicit TCellTable(std::function<void(TCell&, int, int)> Fresh) : fresh_(std::move(Fresh)) {}

    // Unchecked: the position has to be within the table.
    TCell& At(int ACol, int ARow) const {
        std::unique_ptr<TCell[]>& block = blocks_[BlockIndex(ACol, ARow)];
        if (!block)
            Make(block, ACol, ARow);
        return block[size_t(ACol % kBlock * kBlock + ARow % kBlock)];
    }
    // The cell if it was made, else null (its content is then a fresh cell's).
    const TCell* Made(int ACol, int ARow) const {
        const std::unique_ptr<TCell[]>& block = blocks_[BlockIndex(ACol, ARow)];
        return block ? &block[size_t(ACol % kBlock * kBlock + ARow % kBlock)] : nullptr;
    }
    // Every cell made so far, in no particular order.
    template <typename TVisit> void ForEachMade(TVisit Visit) {
        for (std::unique_ptr<TCell[]>& block : blocks_)
            if (block)
                for (int i = 0; i < kBlock * kBlock; ++i)
                    Visit(block[size_t(i)]);
    }

private:
    static constexpr int kBlock = 8;
    static constexpr int kBlocks = (Size + kBlock - 1) / kBlock;

    static size_t BlockIndex(int ACol, int ARow) { return size_t(ACol / kBlock * kBlocks + ARow / kBlock); }

    void Make(std::unique_ptr<TCell[]>& Block, int ACol, int ARow) const {
        Block = std::make_unique<TCell[]>(kBlock * kBlock);
        const int left = ACol / kBlock * kBlock, top = ARow / kBlock * kBlock;
        for (int c = 0; c < kBlock; ++c)
            for (int r = 0; r < kBlock; ++r)
                fresh_(Block[size_t(c * kBlock + r)], left + c, top + r);
    }

    std::function<void(TCell&, int, int)> fresh_;
    // Reading a cell may make its block, also through a const table.
    mutable std::unique_ptr<TCell[]> blocks_[kBlocks * kBlocks];
};
