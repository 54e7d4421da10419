#pragma once

// Private messages the program posts to its own windows. Each message number gets an event
// type of its own above QEvent::User.

#include <QEvent>

constexpr int kMsgWordChanged = 2048; // a word grid reports a changed current word to itself
constexpr int kMsgStart = 2049;       // the main window starts loading once the loop runs
constexpr int kMsgStopwatch = 2085;   // refresh the stopwatch

constexpr QEvent::Type RiddleEventType(int Message) {
    return QEvent::Type(QEvent::User + Message);
}
