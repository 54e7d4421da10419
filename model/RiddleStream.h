#pragma once

// Little-endian primitives of the riddle file. The reader never allocates more than the bytes
// that are really left in the stream, so a damaged length cannot make it reserve memory.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <stdexcept>

struct TReadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
struct TWriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TStreamReader {
public:
    explicit TStreamReader(QIODevice& Device);

    qint64 Pos() const { return device_.pos(); }
    qint64 Size() const { return size_; }
    qint64 Remaining() const { return size_ - device_.pos(); }
    void Seek(qint64 Pos);
    void Skip(qint64 Count);

    QByteArray Bytes(qint64 Count);
    uint8_t U8();
    uint16_t U16();
    int32_t I32();
    bool Bool() { return U8() != 0; }
    // A length byte and Capacity character bytes; a length above the capacity is clamped so
    // that the stream stays in step with the fixed field size.
    QString FixedText(int Capacity);
    // The same field, but the characters as raw bytes (tags and class names).
    QByteArray FixedBytes(int Capacity);

private:
    void ReadExactly(char* Into, qint64 Count);
    QIODevice& device_;
    qint64 size_;
};

class TStreamWriter {
public:
    explicit TStreamWriter(QIODevice& Device) : device_(Device) {}

    qint64 Pos() const { return device_.pos(); }
    void Bytes(const QByteArray& Data);
    void U8(uint8_t Value);
    void U16(uint16_t Value);
    void I32(int32_t Value);
    void Bool(bool Value) { U8(Value ? 1 : 0); }
    // Bytes after the text are written as zeros.
    void FixedText(int Capacity, const QString& Text);
    void FixedBytes(int Capacity, const QByteArray& Text);

    // Writes the tag and a place-holder length; EndSection fills in the true length.
    qint64 BeginSection(const char* Tag);
    void EndSection(qint64 LengthPos);
    void Section(const char* Tag, const QByteArray& Payload);

private:
    QIODevice& device_;
};

// Texts are cut to the capacity of their fixed field when they are set.
inline QString Capped(const QString& Text, int Capacity) {
    return Text.left(Capacity);
}
