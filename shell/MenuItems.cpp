#include "MenuItems.h"

#include "RiddleToolbarRules.h"

#include <QAction>
#include <QMenu>

void SetTag(QObject* Object, int Tag) {
    Object->setProperty("Tag", Tag);
}

int TagOf(const QObject* Object) {
    return Object ? Object->property("Tag").toInt() : 0;
}

QAction* AddMenuItem(QObject* Owner, QMenu* Menu, const char* Name, const QString& Caption,
                     const QString& Hint, const char* Icon) {
    auto* a = new QAction(IconNamed(Icon), Caption, Owner);
    a->setObjectName(QLatin1String(Name));
    a->setStatusTip(Hint);
    Menu->addAction(a);
    return a;
}

void AddMarkItems(QObject* Owner, QMenu* Menu, const TMarkMenu& Marks, std::vector<QAction*>& Items) {
    auto addSeparator = [&](const char* Suffix) {
        QAction* s = Menu->addSeparator();
        s->setObjectName(QLatin1String(Marks.Prefix + Suffix));
        SetTag(s, kMarkSeparator);
        Items.push_back(s);
    };
    auto addMark = [&](int Tag, const QByteArray& Suffix) {
        const QByteArray name = Marks.Prefix + Suffix;
        QAction* a =
            AddMenuItem(Owner, Menu, name.constData(), Marks.Caption(Tag), MarkItemHint(Tag), nullptr);
        a->setCheckable(true);
        SetTag(a, Tag);
        Items.push_back(a);
        QObject::connect(a, &QAction::triggered, Owner, [a, triggered = Marks.Triggered] { triggered(a); });
    };
    addMark(kMarkNone, "Keine");
    addSeparator("N1");
    for (int tag = 1; tag <= kMaxMarkSymbols; ++tag)
        addMark(tag, Marks.Suffix(tag));
    addSeparator("N2");
    addMark(kMarkFew, "Duo");
}
