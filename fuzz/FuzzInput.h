#pragma once

// The input of the riddle fuzz targets: a riddle file as the player finds it after its own
// image, header first.

#include "RiddleData.h"

#include <QBuffer>

class TFuzzInput {
public:
    TFuzzInput(const uint8_t* Data, size_t Size)
        : bytes_(QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size))),
          buffer_(&bytes_) {
        buffer_.open(QIODevice::ReadOnly);
        try {
            TStreamReader in(buffer_);
            valid_ = ReadRiddleHeader(in, header_) == rfOk;
        } catch (const TReadError&) {
            valid_ = false;
        }
    }
    TFuzzInput(const TFuzzInput&) = delete;
    TFuzzInput& operator=(const TFuzzInput&) = delete;

    // The header was read; the stream then stands at the first section.
    bool Valid() const { return valid_; }
    const QByteArray& ClassName() const { return header_.ClassName; }
    QIODevice& Sections() { return buffer_; }
    // Byte k of the input, 0 past its end.
    uint8_t At(qsizetype K) const { return K < bytes_.size() ? uint8_t(bytes_[K]) : 0; }

private:
    QByteArray bytes_;
    QBuffer buffer_;
    TRiddleHeader header_;
    bool valid_ = false;
};
