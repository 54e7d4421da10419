#pragma once

// The classic flat speed button of a tool bar, and the program's own icons.

#include <QIcon>
#include <QRect>
#include <QString>

class QToolButton;
class QWidget;

// One of our own icons from the resources (":/icons/NAME.png"), read when first drawn; no name
// gives no icon.
QIcon IconNamed(const char* Name);

// A flat button that never takes the keyboard focus (the grid keeps it), shows its hint as
// tooltip and in the hint line, and, showing only an icon, is named by its hint for screen readers.
QToolButton* MakeSpeedButton(QWidget* Parent, const char* Name, const QRect& Geometry, const QString& Hint,
                             const char* Icon);
