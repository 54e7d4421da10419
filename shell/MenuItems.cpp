#include "MenuItems.h"

#include "RiddleToolbarRules.h"

#include <QAction>
#include <QMenu>

QIcon IconNamed(const char* name) {
    return name ? QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name))) : QIcon();
}

void SetTag(QObject* object, int tag) {
    object->setProperty("Tag", tag);
}

int TagOf(const QObject* object) {
    return object ? object->property("Tag").toInt() : 0;
}

QAction* AddMenuItem(QObject* owner, QMenu* menu, const char* name, const QString& caption,
                     const QString& hint, const char* icon) {
    auto* a = new QAction(IconNamed(icon), caption, owner);
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(hint);
    menu->addAction(a);
    return a;
}

void AddMarkItems(QObject* owner, QMenu* menu, const TMarkMenu& marks, std::vector<QAction*>& items) {
    auto addSeparator = [&](const char* suffix) {
        QAction* s = menu->addSeparator();
        s->setObjectName(QLatin1String(marks.Prefix + suffix));
        SetTag(s, kMarkSeparator);
        items.push_back(s);
    };
    auto addMark = [&](int tag, const QByteArray& suffix) {
        const QByteArray name = marks.Prefix + suffix;
        QAction* a =
            AddMenuItem(owner, menu, name.constData(), marks.Caption(tag), MarkItemHint(tag), nullptr);
        a->setCheckable(true);
        SetTag(a, tag);
        items.push_back(a);
        QObject::connect(a, &QAction::triggered, owner, [a, triggered = marks.Triggered] { triggered(a); });
    };
    addMark(kMarkNone, "Keine");
    addSeparator("N1");
    for (int tag = 1; tag <= kMaxMarkSymbols; ++tag)
        addMark(tag, marks.Suffix(tag));
    addSeparator("N2");
    addMark(kMarkFew, "Duo");
}
