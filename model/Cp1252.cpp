#include "Cp1252.h"

namespace {
// Unicode code points of the bytes 0x80 … 0x9F; 0 marks the five bytes that have none.
constexpr char16_t kHighTable[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char B) {
    if (B >= 0x80 && B <= 0x9F) {
        char16_t u = kHighTable[B - 0x80];
        // The undefined bytes keep their value as a C1 control, like the system's own code page does.
        return u ? u : char16_t(B);
    }
    return char16_t(B);
}

int Encode(char16_t U) {
    if (U < 0x80 || (U >= 0xA0 && U <= 0xFF))
        return U;
    for (int i = 0; i < 32; ++i)
        if (kHighTable[i] == U || (kHighTable[i] == 0 && U == 0x80 + i))
            return 0x80 + i;
    return -1;
}
} // namespace

QString FromCp1252(const char* Bytes, qsizetype Length) {
    QString out;
    out.reserve(Length);
    for (qsizetype i = 0; i < Length; ++i)
        out.append(QChar(Decode(static_cast<unsigned char>(Bytes[i]))));
    return out;
}

QString FromCp1252(const QByteArray& Bytes) {
    return FromCp1252(Bytes.constData(), Bytes.size());
}

QByteArray ToCp1252(const QString& Text) {
    QByteArray out;
    out.reserve(Text.size());
    for (QChar c : Text) {
        int b = Encode(c.unicode());
        out.append(char(b < 0 ? '?' : b));
    }
    return out;
}

bool IsCp1252Representable(const QString& Text) {
    for (QChar c : Text)
        if (Encode(c.unicode()) < 0)
            return false;
    return true;
}
