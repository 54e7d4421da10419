#pragma once

// How large the main window becomes to hold its riddle and tool windows, and where it stands,
// so that it stays on the screen with its frame at any scale.

#include <QMargins>
#include <QRect>
#include <QSize>

struct TMainWindowFit {
    // The screen's area for windows, and the frame the window system draws around the window.
    QRect Screen;
    QMargins Frame;
    // The window's present geometry (without its frame).
    QRect Geometry;
    // The size the window needs to show everything without scrolling.
    QSize Need;
    // The width of a scroll bar, which the client area shows where the screen ends first.
    int ScrollBar = 0;
    // At the start the window may move left and up to make room; a zoom only lets it grow
    // rightwards and downwards, so that it never moves away under the mouse.
    bool MayMove = false;
};

// The window's new geometry: never smaller than it was unless the screen ends there, never
// beyond the screen with its frame.
QRect FittedGeometry(const TMainWindowFit& Fit);

// The design size, centred on the screen and no larger than it, frame included.
QRect StartGeometry(const QSize& Design, const QRect& Screen, const QMargins& Frame);
