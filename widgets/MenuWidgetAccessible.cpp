#include "MenuWidgetAccessible.h"

#include "SymbolPalette.h"

#include <QMenu>
#include <QWidgetAction>

namespace {
// The action of a menu that shows Widget, if the widget's parent is such a menu.
QWidgetAction* HoldingAction(QWidget* Widget) {
    auto* menu = qobject_cast<QMenu*>(Widget->parentWidget());
    if (!menu)
        return nullptr;
    for (QAction* a : menu->actions())
        if (auto* wa = qobject_cast<QWidgetAction*>(a); wa && wa->defaultWidget() == Widget)
            return wa;
    return nullptr;
}

QAccessibleInterface* MakeMenuWidgetAccessible(const QString& ClassName, QObject* Object) {
    // Asked once per class of the object's chain: answering at the first keeps Qt's own classes
    // for everything that is not in a menu.
    if (ClassName != QLatin1String(Object->metaObject()->className()))
        return nullptr;
    if (auto* action = qobject_cast<QWidgetAction*>(Object))
        return action->defaultWidget() ? new TMenuWidgetItemAccessible(action) : nullptr;
    if (auto* palette = qobject_cast<TSymbolPalette*>(Object))
        return new TMenuWidgetAccessible(palette);
    return nullptr;
}
} // namespace

TMenuWidgetItemAccessible::TMenuWidgetItemAccessible(QWidgetAction* Action) : action_(Action) {}

void TMenuWidgetItemAccessible::InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeMenuWidgetAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

bool TMenuWidgetItemAccessible::isValid() const {
    return action_ && action_->defaultWidget();
}

QObject* TMenuWidgetItemAccessible::object() const {
    return action_;
}

QWidget* TMenuWidgetItemAccessible::Shown() const {
    return action_ ? action_->defaultWidget() : nullptr;
}

QWindow* TMenuWidgetItemAccessible::window() const {
    QWidget* w = Shown();
    return w && w->window() ? w->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TMenuWidgetItemAccessible::parent() const {
    QWidget* w = Shown();
    return w ? QAccessible::queryAccessibleInterface(w->parentWidget()) : nullptr;
}

int TMenuWidgetItemAccessible::childCount() const {
    return Shown() ? 1 : 0;
}

QAccessibleInterface* TMenuWidgetItemAccessible::child(int Index) const {
    return Index == 0 && Shown() ? QAccessible::queryAccessibleInterface(Shown()) : nullptr;
}

int TMenuWidgetItemAccessible::indexOfChild(const QAccessibleInterface* Child) const {
    return Child && Shown() && Child->object() == Shown() ? 0 : -1;
}

QAccessibleInterface* TMenuWidgetItemAccessible::childAt(int X, int Y) const {
    QAccessibleInterface* shown = child(0);
    return shown && shown->rect().contains(X, Y) ? shown : nullptr;
}

QString TMenuWidgetItemAccessible::text(QAccessible::Text Kind) const {
    QWidget* w = Shown();
    if (!w)
        return {};
    if (Kind == QAccessible::Name)
        return w->accessibleName();
    if (Kind == QAccessible::Description)
        return w->accessibleDescription();
    return {};
}

QRect TMenuWidgetItemAccessible::rect() const {
    QWidget* w = Shown();
    return w ? QRect(w->mapToGlobal(QPoint(0, 0)), w->size()) : QRect();
}

QAccessible::State TMenuWidgetItemAccessible::state() const {
    QAccessible::State s;
    QWidget* w = Shown();
    s.invisible = !w || !w->isVisible();
    s.disabled = !action_ || !action_->isEnabled();
    return s;
}

TMenuWidgetAccessible::TMenuWidgetAccessible(QWidget* Widget)
    : QAccessibleWidget(Widget, QAccessible::Grouping) {}

QAccessibleInterface* TMenuWidgetAccessible::parent() const {
    // Asked each time: the widget is made before it is put into its menu.
    if (QWidgetAction* action = HoldingAction(widget()))
        return QAccessible::queryAccessibleInterface(action);
    return QAccessibleWidget::parent();
}
