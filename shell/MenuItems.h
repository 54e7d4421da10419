#pragma once

// Building blocks of the menus and tool bars that the main window and the riddle window share.

#include <QByteArray>
#include <QIcon>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QObject;

// One of our own icons from the resources; no name gives no icon.
QIcon IconNamed(const char* name);
// The number that tells the items and buttons of one handler apart (0 when unset).
void SetTag(QObject* object, int tag);
int TagOf(const QObject* object);
// Items are owned by the window rather than the menu, so that an item's hint travels up to the
// main window's hint line.
QAction* AddMenuItem(QObject* owner, QMenu* menu, const char* name, const QString& caption,
                     const QString& hint, const char* icon);

// The items of a "Felder markieren" menu: none, a separator, one per symbol, a separator, and the
// cells with one or two possible symbols. Each item is named Prefix + its suffix and collected in items.
struct TMarkMenu {
    QByteArray Prefix;
    std::function<QString(int tag)> Caption;
    std::function<QByteArray(int tag)> Suffix;
    std::function<void(QAction*)> Triggered;
};
void AddMarkItems(QObject* owner, QMenu* menu, const TMarkMenu& marks, std::vector<QAction*>& items);
