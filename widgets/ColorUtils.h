#pragma once

#include <QColor>

// A darker shade of a colour: every channel multiplied by the factor (0 … 1). The tool bars and
// dialogs end their gradients in the button face darkened by 0.7.
QColor DarkenColor(const QColor& Color, double Factor);
