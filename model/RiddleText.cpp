#include "RiddleText.h"

QString FormatSolveTime(int Seconds, bool WithUnit) {
    int s = static_cast<uint16_t>(Seconds);
    QString text = QString::number(s / 60).rightJustified(2, QLatin1Char('0')) + QLatin1Char(':') +
                   QString::number(s % 60).rightJustified(2, QLatin1Char('0'));
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
