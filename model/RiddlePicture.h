#pragma once

// The riddle picture: a JPEG (JFIF) or a Windows BMP stream. Decoding refuses what is damaged
// or larger than any riddle picture needs, instead of producing a grey or garbage picture.

#include <QByteArray>
#include <QImage>

constexpr int kMaxPictureSide = 4096;
constexpr qint64 kMaxPicturePixels = 16LL * 1024 * 1024;

// Both return a null image when the data cannot be decoded or break the size limits.
QImage DecodeJpeg(const QByteArray& Data);
QImage DecodeBmp(const QByteArray& Data);
// Quality 1 … 100 (clamped).
QByteArray EncodeJpeg(const QImage& Image, int Quality);
QByteArray EncodeBmp(const QImage& Image);

bool PictureSizeAllowed(qint64 Width, qint64 Height);
