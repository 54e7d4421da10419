#include "CellFonts.h"

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
    if (CellHeight != letterFontHeight_ || letterFontName_ != FontName) {
        letterFont_ = QFont(FontName);
        letterFont_.setBold(true);
        letterFont_.setPixelSize(qMax(1, CellHeight - 4));
        letterFontHeight_ = CellHeight;
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
