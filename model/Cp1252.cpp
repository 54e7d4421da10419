#include "Cp1252.h"

namespace {
// Unicode code points of the bytes 0x80 … 0x9F; 0 marks the five bytes that have none.
constexpr char16_t kHighTable[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        char16_t u = kHighTable[b - 0x80];
        // The undefined bytes keep their value as a C1 control, like the system's own code page does.
        return u ? u : char16_t(b);
    }
    return char16_t(b);
}

int Encode(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHighTable[i] == u || (kHighTable[i] == 0 && u == 0x80 + i))
            return 0x80 + i;
    return -1;
}
} // namespace

QString FromCp1252(const char* bytes, qsizetype length) {
    QString out;
    out.reserve(length);
    for (qsizetype i = 0; i < length; ++i)
        out.append(QChar(Decode(static_cast<unsigned char>(bytes[i]))));
    return out;
}

QString FromCp1252(const QByteArray& bytes) {
    return FromCp1252(bytes.constData(), bytes.size());
}

QByteArray ToCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        int b = Encode(c.unicode());
        out.append(char(b < 0 ? '?' : b));
    }
    return out;
}

bool IsCp1252Representable(const QString& text) {
    for (QChar c : text)
        if (Encode(c.unicode()) < 0)
            return false;
    return true;
}
