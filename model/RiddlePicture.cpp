#include "RiddlePicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

bool PictureSizeAllowed(qint64 Width, qint64 Height) {
    return Width > 0 && Height > 0 && Width <= kMaxPictureSide && Height <= kMaxPictureSide &&
           Width * Height <= kMaxPicturePixels;
}

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

[[noreturn]] void JpegErrorExit(j_common_ptr Cinfo) {
    longjmp(reinterpret_cast<JpegError*>(Cinfo->err)->jump, 1);
}

// Warnings about corrupt data (level -1) count as errors: otherwise a truncated stream
// "decodes" to a picture padded with grey.
void JpegEmitMessage(j_common_ptr Cinfo, int Level) {
    if (Level < 0)
        longjmp(reinterpret_cast<JpegError*>(Cinfo->err)->jump, 1);
}

void JpegSilent(j_common_ptr) {}

// A progressive picture needs a dozen scans or so; thousands of scans that each walk the whole
// picture only make decoding take seconds.
constexpr int kMaxJpegScans = 100;

void JpegProgress(j_common_ptr Cinfo) {
    if (Cinfo->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(Cinfo)->input_scan_number > kMaxJpegScans)
        longjmp(reinterpret_cast<JpegError*>(Cinfo->err)->jump, 1);
}

// Decoding never holds more than the finished picture and this much besides: a progressive
// picture would have libjpeg keep every coefficient of the whole picture (up to 96 MB for the
// largest one) before the first row comes out. A picture that needs more is refused.
constexpr qint64 kJpegWorkingMemory = 8LL * 1024 * 1024;

// The decoder writes straight into the pixels of a QImage::Format_RGB32, which are 0xffRRGGBB
// words in the machine's byte order.
constexpr J_COLOR_SPACE kRgb32Order = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Everything that longjmp may skip lives outside the function that calls setjmp.
struct JpegDecoder {
    jpeg_decompress_struct cinfo{};
    JpegError err{};
    jpeg_progress_mgr progress{};
    QImage image;

    bool Run(const QByteArray& Data) {
        cinfo.err = jpeg_std_error(&err.mgr);
        err.mgr.error_exit = JpegErrorExit;
        err.mgr.emit_message = JpegEmitMessage;
        err.mgr.output_message = JpegSilent;
        if (setjmp(err.jump))
            return false;
        jpeg_create_decompress(&cinfo);
        progress.progress_monitor = JpegProgress;
        cinfo.progress = &progress;
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(Data.constData()),
                     static_cast<unsigned long>(Data.size()));
        jpeg_read_header(&cinfo, TRUE);
        if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height))
            return false;
        if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK)
            return false;
        cinfo.out_color_space = kRgb32Order;
        image = QImage(int(cinfo.image_width), int(cinfo.image_height), QImage::Format_RGB32);
        if (image.isNull())
            return false;
        cinfo.mem->max_memory_to_use = long(kJpegWorkingMemory + kMaxPicturePixels * 4 - image.sizeInBytes());
        jpeg_start_decompress(&cinfo);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
        return true;
    }
    ~JpegDecoder() { jpeg_destroy_decompress(&cinfo); }
};

struct JpegEncoder {
    jpeg_compress_struct cinfo{};
    JpegError err{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    bool Run(const QImage& Rgb, int Quality) {
        cinfo.err = jpeg_std_error(&err.mgr);
        err.mgr.error_exit = JpegErrorExit;
        err.mgr.output_message = JpegSilent;
        if (setjmp(err.jump))
            return false;
        jpeg_create_compress(&cinfo);
        jpeg_mem_dest(&cinfo, &buffer, &size);
        cinfo.image_width = JDIMENSION(Rgb.width());
        cinfo.image_height = JDIMENSION(Rgb.height());
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, Quality, TRUE);
        jpeg_start_compress(&cinfo, TRUE);
        while (cinfo.next_scanline < cinfo.image_height) {
            JSAMPROW row = const_cast<uchar*>(Rgb.constScanLine(int(cinfo.next_scanline)));
            jpeg_write_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_compress(&cinfo);
        return true;
    }
    ~JpegEncoder() {
        jpeg_destroy_compress(&cinfo);
        free(buffer);
    }
};

// BMP compression kinds (plain and bit-field pixels are not compressed at all), and where the
// colour table's length stands.
constexpr uint32_t kBmpPlain = 0;
constexpr uint32_t kBmpBitFields = 3;
constexpr int kBmpColorsUsedAt = 46;

uint32_t Le32(const QByteArray& D, int At) {
    return qFromLittleEndian<uint32_t>(D.constData() + At);
}
uint16_t Le16(const QByteArray& D, int At) {
    return qFromLittleEndian<uint16_t>(D.constData() + At);
}

// A BMP stream the toolkit's decoder may read, with what its headers say.
struct TSoundBmp {
    QByteArray Stream;
    int Width = 0, Height = 0, BitCount = 0;
};

// Checks the BMP headers before the toolkit's decoder sees them: a plausible header, a size
// within the limits, and (for uncompressed pictures) pixel data that is really there. Returns no
// stream otherwise. A colour table that claims more entries than the pixels' bit depth can index
// is cut to what they can: the toolkit would warn of every entry beyond.
TSoundBmp SoundBmp(const QByteArray& Data) {
    if (Data.size() < 26 || Data[0] != 'B' || Data[1] != 'M')
        return {};
    const qint64 pixelOffset = Le32(Data, 10);
    const uint32_t infoSize = Le32(Data, 14);
    if (infoSize < 12 || 14 + qint64(infoSize) > Data.size() || pixelOffset > Data.size() ||
        pixelOffset < 14 + qint64(infoSize))
        return {};
    qint64 width, height;
    int bitCount;
    uint32_t compression = 0;
    if (infoSize == 12) {
        width = Le16(Data, 18);
        height = Le16(Data, 20);
        bitCount = Le16(Data, 24);
    } else {
        if (infoSize < 40)
            return {};
        width = qint32(Le32(Data, 18));
        height = qint32(Le32(Data, 22));
        bitCount = Le16(Data, 28);
        compression = Le32(Data, 30);
    }
    height = qAbs(height);
    if (!PictureSizeAllowed(width, height))
        return {};
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return {};
    if (compression > kBmpBitFields)
        return {};
    // Run-length coded pixels may end early; plain and bit-field pixels fill every row.
    if (compression == kBmpPlain || compression == kBmpBitFields) {
        const qint64 stride = ((width * bitCount + 31) / 32) * 4;
        if (pixelOffset + stride * height > Data.size())
            return {};
    }
    TSoundBmp sound{Data, int(width), int(height), bitCount};
    if (infoSize >= 40 && bitCount <= 8) {
        const uint32_t indexable = 1u << bitCount;
        if (Le32(Data, kBmpColorsUsedAt) > indexable)
            qToLittleEndian(indexable, sound.Stream.data() + kBmpColorsUsedAt);
    }
    return sound;
}

// The toolkit reads a picture of 4 or 8 bits a byte per pixel, and converting that would hold it
// beside the final pixels. So it reads into the last quarter of the final picture's own pixels,
// which are then filled from the front: every index is read before its pixel's four bytes reach
// it.
QImage ReadPaletteBmp(QImageReader& Reader, int Width, int Height) {
    QImage rgb(Width, Height, QImage::Format_RGB32);
    if (rgb.isNull())
        return QImage();
    const qsizetype stride = (qsizetype(Width) + 3) & ~qsizetype(3);
    uchar* indices = rgb.bits() + rgb.sizeInBytes() - stride * Height;
    QImage indexed(indices, Width, Height, stride, QImage::Format_Indexed8);
    if (!Reader.read(&indexed))
        return QImage();
    // A reader that chose pixels of its own leaves the picture to the ordinary conversion.
    if (indexed.constBits() != indices)
        return std::move(indexed).convertToFormat(QImage::Format_RGB32);
    // Indices past the colour table are black, as the toolkit's own conversion has them.
    std::array<QRgb, 256> colours;
    colours.fill(qRgb(0, 0, 0));
    const QList<QRgb> table = indexed.colorTable();
    for (qsizetype i = 0; i < table.size() && i < 256; ++i)
        colours[size_t(i)] = table[i] | 0xFF000000u;
    for (int y = 0; y < Height; ++y) {
        const uchar* from = indices + y * stride;
        auto* to = reinterpret_cast<QRgb*>(rgb.scanLine(y));
        for (int x = 0; x < Width; ++x)
            to[x] = colours[from[x]];
    }
    return rgb;
}

} // namespace

QImage DecodeJpeg(const QByteArray& Data) {
    JpegDecoder decoder;
    if (!decoder.Run(Data))
        return QImage();
    return std::move(decoder.image);
}

QByteArray EncodeJpeg(const QImage& Image, int Quality) {
    if (Image.isNull())
        return QByteArray();
    QImage rgb = Image.convertToFormat(QImage::Format_RGB888);
    JpegEncoder encoder;
    if (!encoder.Run(rgb, qBound(1, Quality, 100)))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(encoder.buffer), qsizetype(encoder.size));
}

QImage DecodeBmp(const QByteArray& Data) {
    TSoundBmp sound = SoundBmp(Data);
    if (sound.Stream.isEmpty())
        return QImage();
    QBuffer buffer(&sound.Stream);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    if (sound.BitCount == 4 || sound.BitCount == 8)
        return ReadPaletteBmp(reader, sound.Width, sound.Height);
    QImage image;
    if (!reader.read(&image))
        return QImage();
    return std::move(image).convertToFormat(QImage::Format_RGB32);
}

QByteArray EncodeBmp(const QImage& Image) {
    if (Image.isNull())
        return QByteArray();
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    Image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return out;
}
