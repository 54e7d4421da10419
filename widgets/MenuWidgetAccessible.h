#pragma once

// A widget placed in a menu (a QWidgetAction's widget) as a screen reader sees it. A menu lists only
// its actions, so without this the widget and its buttons are not on the accessibility bus at all:
// the action becomes a menu item whose one child is the widget, and the widget (so far the symbol
// palette) names that item as its parent, so that the way down from the menu and the way up from a
// button agree.

#include <QAccessibleWidget>
#include <QPointer>

class QWidgetAction;

class TMenuWidgetItemAccessible : public QAccessibleInterface {
public:
    explicit TMenuWidgetItemAccessible(QWidgetAction* Action);

    // Makes these objects for the program's widget actions and palettes; idempotent.
    static void InstallFactory();

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int Index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* Child) const override;
    QAccessibleInterface* childAt(int X, int Y) const override;
    QString text(QAccessible::Text Kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;

private:
    QWidget* Shown() const;

    QPointer<QWidgetAction> action_;
};

class TMenuWidgetAccessible : public QAccessibleWidget {
public:
    explicit TMenuWidgetAccessible(QWidget* Widget);

    QAccessibleInterface* parent() const override;
};
