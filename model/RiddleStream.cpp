#include "RiddleStream.h"

#include "Cp1252.h"

#include <QtEndian>

TStreamReader::TStreamReader(QIODevice& Device) : device_(Device), size_(Device.size()) {}

void TStreamReader::Seek(qint64 Pos) {
    if (Pos < 0 || Pos > size_ || !device_.seek(Pos))
        throw TReadError("seek outside the stream");
}

void TStreamReader::Skip(qint64 Count) {
    if (Count < 0 || Count > Remaining())
        throw TReadError("skip past the end");
    Seek(Pos() + Count);
}

void TStreamReader::ReadExactly(char* Into, qint64 Count) {
    if (Count < 0 || Count > Remaining())
        throw TReadError("read past the end");
    if (Count > 0 && device_.read(Into, Count) != Count)
        throw TReadError("short read");
}

QByteArray TStreamReader::Bytes(qint64 Count) {
    if (Count < 0 || Count > Remaining())
        throw TReadError("read past the end");
    QByteArray out(Count, Qt::Uninitialized);
    ReadExactly(out.data(), Count);
    return out;
}

uint8_t TStreamReader::U8() {
    char b;
    ReadExactly(&b, 1);
    return static_cast<uint8_t>(b);
}

uint16_t TStreamReader::U16() {
    uchar b[2];
    ReadExactly(reinterpret_cast<char*>(b), 2);
    return qFromLittleEndian<uint16_t>(b);
}

int32_t TStreamReader::I32() {
    uchar b[4];
    ReadExactly(reinterpret_cast<char*>(b), 4);
    return qFromLittleEndian<int32_t>(b);
}

QByteArray TStreamReader::FixedBytes(int Capacity) {
    char buf[256];
    ReadExactly(buf, Capacity + 1);
    int length = qMin<int>(static_cast<uint8_t>(buf[0]), Capacity);
    return QByteArray(buf + 1, length);
}

QString TStreamReader::FixedText(int Capacity) {
    return FromCp1252(FixedBytes(Capacity));
}

void TStreamWriter::Bytes(const QByteArray& Data) {
    if (device_.write(Data) != Data.size())
        throw TWriteError("write failed");
}

void TStreamWriter::U8(uint8_t Value) {
    Bytes(QByteArray(1, char(Value)));
}

void TStreamWriter::U16(uint16_t Value) {
    char b[2];
    qToLittleEndian(Value, b);
    Bytes(QByteArray(b, 2));
}

void TStreamWriter::I32(int32_t Value) {
    char b[4];
    qToLittleEndian(Value, b);
    Bytes(QByteArray(b, 4));
}

void TStreamWriter::FixedBytes(int Capacity, const QByteArray& Text) {
    QByteArray field(Capacity + 1, '\0');
    int length = qMin<int>(Text.size(), Capacity);
    field[0] = char(length);
    std::copy_n(Text.constData(), length, field.data() + 1);
    Bytes(field);
}

void TStreamWriter::FixedText(int Capacity, const QString& Text) {
    FixedBytes(Capacity, ToCp1252(Text));
}

qint64 TStreamWriter::BeginSection(const char* Tag) {
    FixedBytes(6, QByteArray(Tag));
    qint64 lengthPos = Pos();
    I32(0);
    return lengthPos;
}

void TStreamWriter::EndSection(qint64 LengthPos) {
    qint64 end = Pos();
    if (!device_.seek(LengthPos))
        throw TWriteError("seek failed");
    I32(int32_t(end - LengthPos - 4));
    if (!device_.seek(end))
        throw TWriteError("seek failed");
}

void TStreamWriter::Section(const char* Tag, const QByteArray& Payload) {
    FixedBytes(6, QByteArray(Tag));
    I32(int32_t(Payload.size()));
    Bytes(Payload);
}
