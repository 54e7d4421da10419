#include "RiddleStream.h"

#include "Cp1252.h"

#include <QtEndian>

TStreamReader::TStreamReader(QIODevice& device) : device_(device), size_(device.size()) {}

void TStreamReader::Seek(qint64 pos) {
    if (pos < 0 || pos > size_ || !device_.seek(pos))
        throw TReadError("seek outside the stream");
}

void TStreamReader::Skip(qint64 count) {
    if (count < 0 || count > Remaining())
        throw TReadError("skip past the end");
    Seek(Pos() + count);
}

void TStreamReader::ReadExactly(char* into, qint64 count) {
    if (count < 0 || count > Remaining())
        throw TReadError("read past the end");
    if (count > 0 && device_.read(into, count) != count)
        throw TReadError("short read");
}

QByteArray TStreamReader::Bytes(qint64 count) {
    if (count < 0 || count > Remaining())
        throw TReadError("read past the end");
    QByteArray out(count, Qt::Uninitialized);
    ReadExactly(out.data(), count);
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

void TStreamWriter::Bytes(const QByteArray& data) {
    if (device_.write(data) != data.size())
        throw TWriteError("write failed");
}

void TStreamWriter::U8(uint8_t v) {
    Bytes(QByteArray(1, char(v)));
}

void TStreamWriter::U16(uint16_t v) {
    char b[2];
    qToLittleEndian(v, b);
    Bytes(QByteArray(b, 2));
}

void TStreamWriter::I32(int32_t v) {
    char b[4];
    qToLittleEndian(v, b);
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
