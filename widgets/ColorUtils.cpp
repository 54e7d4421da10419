#include "ColorUtils.h"

#include <algorithm>

QColor DarkenColor(const QColor& Color, double Factor) {
    const double f = std::clamp(Factor, 0.0, 1.0);
    return QColor(int(Color.red() * f), int(Color.green() * f), int(Color.blue() * f));
}
