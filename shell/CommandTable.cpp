#include "CommandTable.h"

#include "SpeedButton.h"

#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QWidgetAction>

void SetTag(QObject* Object, int Tag) {
    Object->setProperty("Tag", Tag);
}

int TagOf(const QObject* Object) {
    return Object ? Object->property("Tag").toInt() : 0;
}

TStateOf Follows(TCommandView TCommandStates::*Field) {
    return [Field](const TCommandStates& S) { return S.*Field; };
}

TStateOf FollowsLegend(TCommandView TLegendMenuState::*Field) {
    return [Field](const TCommandStates& S) { return S.Legend.*Field; };
}

TTextOf TextOf(QString TCommandStates::*Field) {
    return [Field](const TCommandStates& S) { return S.*Field; };
}

TCommandTable::TCommandTable(QObject* Owner, std::function<TCommandStates()> Latest)
    : owner_(Owner), latest_(std::move(Latest)) {}

void TCommandTable::AddPlace(const char* Name, QWidget* Place) {
    places_[QLatin1String(Name)] = Place;
}

void TCommandTable::Build(const std::vector<TCommandRow>& Rows) {
    // The built items keep pointers to their rows.
    rows_ = Rows;
    built_.reserve(rows_.size());
    for (const TCommandRow& row : rows_)
        Add(row);
}

void TCommandTable::Add(const TCommandRow& Row) {
    QWidget* place = places_.at(QString::fromLatin1(Row.Place));
    auto* menu = qobject_cast<QMenu*>(place);
    TBuilt built{&Row};
    switch (Row.Kind) {
    case rkButton: {
        QToolButton* b = MakeSpeedButton(place, Row.Name.constData(), Row.Geometry, Row.Hint, Row.Icon);
        b->setCheckable(Row.Checkable);
        if (!Row.Caption.isEmpty())
            b->setText(Row.Caption);
        if (Row.Bold) {
            QFont bold = b->font();
            bold.setBold(true);
            b->setFont(bold);
        }
        if (!Row.Group.isEmpty()) {
            QButtonGroup*& group = buttonGroups_[QString::fromLatin1(Row.Group)];
            if (!group) {
                group = new QButtonGroup(owner_);
                group->setExclusive(true);
            }
            group->addButton(b);
            groups_[QString::fromLatin1(Row.Group)].push_back(b);
        }
        if (Row.Run)
            QObject::connect(b, &QToolButton::clicked, owner_, [Run = Row.Run, b] { Run(b); });
        built.Button = b;
        SetTag(b, Row.Tag);
        break;
    }
    case rkSeparator:
        built.Item = menu->addSeparator();
        break;
    case rkSubmenu: {
        QMenu* sub = menu ? menu->addMenu(Row.Caption) : qobject_cast<QMenuBar*>(place)->addMenu(Row.Caption);
        sub->setObjectName(QString::fromLatin1(Row.Name));
        sub->menuAction()->setStatusTip(Row.Hint);
        sub->menuAction()->setIcon(IconNamed(Row.Icon));
        places_[QString::fromLatin1(Row.Name)] = sub;
        // An opening menu shows the states of this moment.
        QObject::connect(sub, &QMenu::aboutToShow, owner_, [this, &Row] {
            if (Row.Opening)
                Row.Opening();
            Apply(latest_());
        });
        built.Item = sub->menuAction();
        break;
    }
    case rkWidget: {
        auto* a = new QWidgetAction(owner_);
        a->setDefaultWidget(Row.Widget());
        menu->addAction(a);
        built.Item = a;
        break;
    }
    case rkItem: {
        auto* a = new QAction(IconNamed(Row.Icon), Row.Caption, owner_);
        a->setStatusTip(Row.Hint);
        a->setShortcuts(Row.Shortcuts);
        a->setCheckable(Row.Checkable);
        menu->addAction(a);
        if (Row.Run)
            QObject::connect(a, &QAction::triggered, owner_, [Run = Row.Run, a] { Run(a); });
        built.Item = a;
        break;
    }
    }
    if (built.Item) {
        built.Item->setObjectName(QString::fromLatin1(Row.Name));
        SetTag(built.Item, Row.Tag);
    }
    built_.push_back(built);
}

void TCommandTable::Apply(const TCommandStates& States) const {
    for (const TBuilt& b : built_)
        ApplyRow(b, States);
}

void TCommandTable::ApplyRow(const TBuilt& B, const TCommandStates& S) const {
    const TCommandRow& row = *B.Row;
    if (row.State) {
        const TCommandView v = row.State(S);
        const bool check = (row.Parts & apChecked) || ((row.Parts & apCheckedWhenVisible) && v.Visible);
        if (B.Item) {
            if (row.Parts & apVisible)
                B.Item->setVisible(v.Visible);
            if (row.Parts & apEnabled)
                B.Item->setEnabled(v.Enabled);
            if (check)
                B.Item->setChecked(v.Checked);
        } else {
            if (row.Parts & apVisible)
                B.Button->setVisible(v.Visible);
            if (row.Parts & apEnabled)
                B.Button->setEnabled(v.Enabled);
            if (check)
                B.Button->setChecked(v.Checked);
        }
    }
    if (!B.Item)
        return;
    if (row.CaptionOf)
        B.Item->setText(row.CaptionOf(S));
    if (row.HintOf)
        B.Item->setStatusTip(row.HintOf(S));
    if (row.IconOf)
        B.Item->setIcon(IconNamed(row.IconOf(S).toLatin1().constData()));
}

QAction* TCommandTable::Item(const char* Name) const {
    for (const TBuilt& b : built_)
        if (b.Item && b.Row->Name == Name)
            return b.Item;
    return nullptr;
}

QMenu* TCommandTable::Menu(const char* Name) const {
    const auto it = places_.find(QLatin1String(Name));
    return it == places_.end() ? nullptr : qobject_cast<QMenu*>(it->second);
}

QToolButton* TCommandTable::Button(const char* Name) const {
    for (const TBuilt& b : built_)
        if (b.Button && b.Row->Name == Name)
            return b.Button;
    return nullptr;
}

const std::vector<QToolButton*>& TCommandTable::Group(const char* Name) const {
    static const std::vector<QToolButton*> none;
    const auto it = groups_.find(QLatin1String(Name));
    return it == groups_.end() ? none : it->second;
}
