#pragma once

// Placing a dialog over the window it belongs to.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The frame the window system draws around a shown top-level window (none before it is shown).
QMargins FrameMargins(const QWidget* Window);

// Where a window of Size (without its frame) goes so that its frame stands centred on Owner's
// frame. Frame is the frame it will get, which the window system adds only once it is shown.
QPoint CentredOn(const QRect& OwnerFrame, const QSize& Size, const QMargins& Frame);
