#pragma once

// The layout rules of the riddle window's tool bar and pop-up menu: where the movable buttons go,
// how far zoom may go, and the texts of the marking and snapshot items. (Which commands are
// offered is decided in CommandState.) Plain values in, plain values out.

#include "RiddleTypes.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <initializer_list>

// Cell size limits of the zoom commands, in pixels.
constexpr int kMinGridSize = 20;
constexpr int kMaxGridSize = 60;

// Tags of the symbol marking buttons and items: 0 clears the marking, 1 … 12 mark a symbol,
// 255 the cells with one or two possible symbols; separators carry −1.
constexpr int kMarkNone = 0;
constexpr int kMarkFew = 255;
constexpr int kMarkSeparator = -1;
constexpr int kMaxMarkSymbols = 12;
constexpr int kSnapshotSlots = 4;

// A marking button or item is offered for the sudoku's symbol count (6, 9 or 12).
bool MarkTagVisible(int Tag, int Symbols);

// Left edge of SBMarkDuo and width of the panel, for buttons of ButtonWidth at 22 × tag.
struct TMarkPanelLayout {
    int DuoLeft = 0;
    int PanelWidth = 0;
};
TMarkPanelLayout MarkPanelLayout(int Symbols, int ButtonWidth);

// The fill-in button follows the tooltip button with a small gap.
int BuchstEintragenLeft(bool ShowHintsVisible, int ShowHintsLeft, int ShowHintsWidth);

// The window is as wide as the grid, or wider when a tool bar element would be cut off.
struct TToolbarEdge {
    bool Visible = false;
    int Left = 0;
    int Width = 0;
};
int FittedClientWidth(int GridWidth, std::initializer_list<TToolbarEdge> Edges);

// The cell size after a zoom step; a step past the limits leaves it unchanged.
int ZoomedGridSize(int GridSize, int Step);

// Texts of the marking items of the pop-up menu (without accelerators).
QString MarkItemCaption(int Tag);
QString MarkItemHint(int Tag);
// The symbol a marking button shows: "1" … "9", "A", "B", "C".
QString MarkButtonCaption(int Tag);

// Snapshot slots are numbered 1 … 4; a null time marks an empty slot.
using TSnapshotTimes = std::array<QDateTime, kSnapshotSlots>;
// The slot a new snapshot goes into: the first empty one, else the oldest (the lower on a tie).
int SnapshotSlotFor(const TSnapshotTimes& Times);
QString SnapshotItemCaption(int Slot, const QDateTime& Time);
QString SnapshotItemHint(const QDateTime& Time);

// The key the help command hands to the hints window.
QString HelpKey(TRiddleType Type);
