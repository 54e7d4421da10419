#include "SpeedButton.h"

#include <QToolButton>

QIcon IconNamed(const char* Name) {
    return Name ? QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(Name))) : QIcon();
}

QToolButton* MakeSpeedButton(QWidget* Parent, const char* Name, const QRect& Geometry, const QString& Hint,
                             const char* Icon) {
    auto* b = new QToolButton(Parent);
    b->setObjectName(QLatin1String(Name));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(Geometry);
    b->setIcon(IconNamed(Icon));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(Hint);
    b->setStatusTip(Hint);
    // A screen reader names a button by its text; one that shows only an icon goes by its hint.
    if (Icon)
        b->setAccessibleName(Hint);
    return b;
}
