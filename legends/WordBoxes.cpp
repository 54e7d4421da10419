#include "WordBoxes.h"

namespace {
// Only the ASCII letters change: the callers spell umlauts out themselves.
QChar UpperAscii(QChar C) {
    return C >= QLatin1Char('a') && C <= QLatin1Char('z') ? QChar(C.unicode() - 'a' + 'A') : C;
}
} // namespace

void TWordBoxes::SetText(const QString& Text) {
    boxes_.clear();
    for (QChar c : Text)
        boxes_.push_back(UpperAscii(c));
    current_ = 0;
}

QString TWordBoxes::Text() const {
    QString text;
    for (QChar c : boxes_)
        text += c.isNull() ? QLatin1Char(' ') : UpperAscii(c);
    return text;
}

QChar TWordBoxes::Box(int Index) const {
    return Exists(Index) ? boxes_[size_t(Index)] : QChar();
}

void TWordBoxes::SetCurrent(int Index) {
    current_ = qBound(0, Index, qMax(0, Count() - 1));
}

bool TWordBoxes::Complete() const {
    for (QChar c : boxes_)
        if (c.isNull() || c == QLatin1Char(' '))
            return false;
    return true;
}

void TWordBoxes::Type(QChar Key) {
    if (!Exists(current_))
        return;
    Key = UpperAscii(Key);
    if ((Key >= QLatin1Char('A') && Key <= QLatin1Char('Z')) || Key == QLatin1Char(' ')) {
        boxes_[size_t(current_)] = Key;
        if (Exists(current_ + 1))
            ++current_;
        return;
    }
    switch (Key.unicode()) {
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

void TWordBoxes::TypePair(QChar First, QChar Second) {
    boxes_[size_t(current_)] = First;
    if (!Exists(current_ + 1))
        return;
    boxes_[size_t(current_ + 1)] = Second;
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
