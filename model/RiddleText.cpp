#include "RiddleText.h"

QString IntToStrZero(int Value, int Digits) {
    QString digits = QString::number(qAbs(qint64(Value))).rightJustified(Digits, QLatin1Char('0'));
    return Value < 0 ? QLatin1Char('-') + digits : digits;
}

QString FormatSolveTime(int Seconds, bool WithUnit) {
    int s = static_cast<uint16_t>(Seconds);
    QString text = IntToStrZero(s / 60, 2) + QLatin1Char(':') + IntToStrZero(s % 60, 2);
    if (WithUnit)
        text += QStringLiteral(" min.");
    return text;
}

QString NormalizeWord(const QString& Text, int MaxLength) {
    QString out;
    for (QChar c : Text.toUpper()) {
        switch (c.unicode()) {
        case u'Ä':
            out += QStringLiteral("AE");
            break;
        case u'Ö':
            out += QStringLiteral("OE");
            break;
        case u'Ü':
            out += QStringLiteral("UE");
            break;
        case u'ß':
        case u'ẞ':
            out += QStringLiteral("SS");
            break;
        default:
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                out += c;
        }
    }
    return out.left(qMax(0, MaxLength));
}

QString ReverseText(const QString& Text) {
    QString out;
    out.reserve(Text.size());
    for (qsizetype i = Text.size() - 1; i >= 0; --i)
        out += Text[i];
    return out;
}

int CompareVersions(const QString& A, const QString& B) {
    auto widen = [](const QString& Value) {
        return !Value.isEmpty() && Value[0].unicode() >= 0x33 ? QLatin1Char('0') + Value : Value;
    };
    return QString::compare(widen(A), widen(B), Qt::CaseInsensitive) < 0 ? -1 : 1;
}

int CountChar(const QString& Text, QChar Ch, bool IgnoreCase) {
    return int(Text.count(Ch, IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive));
}

QString TrimChar(const QString& Text, QChar Ch) {
    qsizetype first = 0, last = Text.size();
    while (first < last && Text[first] == Ch)
        ++first;
    while (last > first && Text[last - 1] == Ch)
        --last;
    return Text.mid(first, last - first);
}

int YearOf(const QDate& Date) {
    return Date.isValid() ? Date.year() : 0;
}

int CompareReal(double A, double B) {
    if (A == B)
        return 0;
    return B > A ? 1 : 255;
}

int ShiftStateBits(Qt::KeyboardModifiers Modifiers) {
    int bits = 0;
    if (Modifiers & Qt::ShiftModifier)
        bits |= sbShift;
    if (Modifiers & Qt::AltModifier)
        bits |= sbAlt;
    if (Modifiers & Qt::ControlModifier)
        bits |= sbCtrl;
    return bits;
}
