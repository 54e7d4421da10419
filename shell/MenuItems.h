#pragma once

// Building blocks of the menus and tool bars that the main window and the riddle window share.

#include "SpeedButton.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QObject;

// The number that tells the items and buttons of one handler apart (0 when unset).
void SetTag(QObject* Object, int Tag);
int TagOf(const QObject* Object);
// Items are owned by the window rather than the menu, so that an item's hint travels up to the
// main window's hint line.
QAction* AddMenuItem(QObject* Owner, QMenu* Menu, const char* Name, const QString& Caption,
                     const QString& Hint, const char* Icon);

// The items of a "Felder markieren" menu: none, a separator, one per symbol, a separator, and the
// cells with one or two possible symbols. Each item is named Prefix + its suffix and collected in items.
struct TMarkMenu {
    QByteArray Prefix;
    std::function<QString(int Tag)> Caption;
    std::function<QByteArray(int Tag)> Suffix;
    std::function<void(QAction*)> Triggered;
};
void AddMarkItems(QObject* Owner, QMenu* Menu, const TMarkMenu& Marks, std::vector<QAction*>& Items);
