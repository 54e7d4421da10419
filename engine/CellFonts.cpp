#include "CellFonts.h"

#include <QFontMetricsF>

namespace {
// Measured this large, the face's own proportions show rather than the rounding of small sizes.
constexpr int kMeasureSize = 1000;
} // namespace

QFont FontOfLineHeight(QFont Font, int LineHeight) {
    Font.setPixelSize(kMeasureSize);
    const qreal lineHeightPerPixel = QFontMetricsF(Font).height() / kMeasureSize;
    Font.setPixelSize(qMax(1, qRound(qMax(1, LineHeight) / lineHeightPerPixel)));
    return Font;
}

TCellFonts::TCellFonts() {
    DescriptionFont = QFont(FontName);
    DescriptionFont.setPixelSize(8);
    IndexFont = QFont(FontName);
    IndexFont.setPixelSize(13);
    IndexFont.setBold(true);
    NumberFont = QFont(FontName);
    NumberFont.setPixelSize(9);
}

const QFont& TCellFonts::LetterFont(int CellHeight) const {
    if (CellHeight != letterFontHeight_ || LetterMargin != letterFontMargin_ || letterFontName_ != FontName) {
        QFont bold(FontName);
        bold.setBold(true);
        letterFont_ = FontOfLineHeight(bold, CellHeight - LetterMargin);
        letterFontHeight_ = CellHeight;
        letterFontMargin_ = LetterMargin;
        letterFontName_ = FontName;
    }
    return letterFont_;
}

const QFontMetrics& TCellFonts::NumberMetrics() const {
    if (!(measuredNumberFont_ == NumberFont)) {
        measuredNumberFont_ = NumberFont;
        numberMetrics_ = QFontMetrics(NumberFont);
    }
    return numberMetrics_;
}
