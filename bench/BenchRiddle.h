#pragma once

// The large riddle the legend and print benchmarks share.

class TWordRiddleData;

constexpr int kBenchSize = 99;
constexpr int kBenchWordLength = 4;

// A 99 × 99 Swedish riddle: every odd row holds words of four letters between black cells, every
// even row is black; 50 rows of 20 words give 1000 across clues.
void FillBenchRiddle(TWordRiddleData& Riddle);
