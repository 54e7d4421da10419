#include "WordBoxes.h"

namespace {
// Only the ASCII letters change: the callers spell umlauts out themselves.
QChar UpperAscii(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 'a' + 'A') : c;
}
} // namespace

void TWordBoxes::SetText(const QString& text) {
    boxes_.clear();
    for (QChar c : text)
        boxes_.push_back(UpperAscii(c));
    current_ = 0;
}

QString TWordBoxes::Text() const {
    QString text;
    for (QChar c : boxes_)
        text += c.isNull() ? QLatin1Char(' ') : UpperAscii(c);
    return text;
}

QChar TWordBoxes::Box(int index) const {
    return Exists(index) ? boxes_[size_t(index)] : QChar();
}

void TWordBoxes::SetCurrent(int index) {
    current_ = qBound(0, index, qMax(0, Count() - 1));
}

bool TWordBoxes::Complete() const {
    for (QChar c : boxes_)
        if (c.isNull() || c == QLatin1Char(' '))
            return false;
    return true;
}

void TWordBoxes::Type(QChar key) {
    if (!Exists(current_))
        return;
    key = UpperAscii(key);
    if ((key >= QLatin1Char('A') && key <= QLatin1Char('Z')) || key == QLatin1Char(' ')) {
        boxes_[size_t(current_)] = key;
        if (Exists(current_ + 1))
            ++current_;
        return;
    }
    switch (key.unicode()) {
    case 0xC4: // Ä
    case 0xE4: // ä
        TypePair(QLatin1Char('A'), QLatin1Char('E'));
        break;
    case 0xD6: // Ö
    case 0xF6: // ö
        TypePair(QLatin1Char('O'), QLatin1Char('E'));
        break;
    case 0xDC: // Ü
    case 0xFC: // ü
        TypePair(QLatin1Char('U'), QLatin1Char('E'));
        break;
    case 0xDF: // ß
        TypePair(QLatin1Char('S'), QLatin1Char('S'));
        break;
    default:
        break;
    }
}

void TWordBoxes::TypePair(QChar first, QChar second) {
    boxes_[size_t(current_)] = first;
    if (!Exists(current_ + 1))
        return;
    boxes_[size_t(current_ + 1)] = second;
    // With no box after the pair the cursor stays on the first half.
    if (Exists(current_ + 2))
        current_ += 2;
}

void TWordBoxes::Backspace() {
    if (current_ <= 0)
        return;
    --current_;
    boxes_[size_t(current_)] = QChar();
}

void TWordBoxes::Delete() {
    if (Exists(current_))
        boxes_[size_t(current_)] = QChar();
}
