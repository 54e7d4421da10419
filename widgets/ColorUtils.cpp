#include "ColorUtils.h"

#include <algorithm>

QColor DarkenColor(const QColor& color, double factor) {
    const double f = std::clamp(factor, 0.0, 1.0);
    return QColor(int(color.red() * f), int(color.green() * f), int(color.blue() * f));
}
