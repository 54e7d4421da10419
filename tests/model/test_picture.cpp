// The riddle picture: damaged or oversized JPEG and BMP streams are refused, both by the
// decoders and by the riddle file reader; sound ones up to the size limit are taken.

#include "RiddlePicture.h"
#include "RiddleTestSupport.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace {

QImage Noise(int Width, int Height) {
    QImage image(Width, Height, QImage::Format_RGB32);
    uint32_t seed = 12345;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixel(x, y, qRgb(int(seed >> 24), (x * 3) % 256, (y * 5) % 256));
        }
    return image;
}

// The picture's dimensions as its JPEG frame header states them.
QByteArray JpegClaiming(int Width, int Height) {
    QByteArray jpeg = EncodeJpeg(Noise(16, 16), 80);
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0);
    qToBigEndian(uint16_t(Height), jpeg.data() + sof + 5);
    qToBigEndian(uint16_t(Width), jpeg.data() + sof + 7);
    return jpeg;
}

// A greyscale progressive JPEG of a flat picture, written by hand: the DC scan, then scans of one
// AC coefficient each (first at bit 13, then refined bit by bit) until there are Scans scans
// (at most 883). The AC scans hold nothing but end-of-band runs: a few bytes each, yet every one
// makes the decoder walk all blocks of the picture.
QByteArray ProgressiveJpeg(int Width, int Height, int Scans) {
    auto segment = [](const char* Marker, const QByteArray& Body) {
        const int length = int(Body.size()) + 2;
        return QByteArray::fromHex(Marker) + char(length >> 8) + char(length & 0xFF) + Body;
    };
    struct {
        QByteArray bytes;
        int bits = 0, count = 0;
        void Put(int Value, int Count) {
            for (int i = Count - 1; i >= 0; --i) {
                bits = (bits << 1) | ((Value >> i) & 1);
                if (++count == 8) {
                    bytes += char(bits);
                    if (bits == 0xFF)
                        bytes += '\0';
                    bits = count = 0;
                }
            }
        }
        QByteArray Take() {
            if (count > 0)
                Put((1 << (8 - count)) - 1, 8 - count);
            return std::exchange(bytes, QByteArray());
        }
    } out;
    const int blocks = ((Width + 7) / 8) * ((Height + 7) / 8);
    auto be16 = [](int Value) { return QByteArray(1, char(Value >> 8)) + char(Value & 0xFF); };
    // DC: symbol 0 is the code 0. AC: the end-of-band run symbols r·16 (r = 0 … 14) are the
    // 4-bit codes r.
    QByteArray acTable = QByteArray::fromHex("100000000f") + QByteArray(12, '\0');
    for (int r = 0; r <= 14; ++r)
        acTable += char(r << 4);
    QByteArray jpeg =
        QByteArray::fromHex("ffd8") + segment("ffdb", QByteArray(1, '\0') + QByteArray(64, 1)) +
        segment("ffc2", QByteArray(1, 8) + be16(Height) + be16(Width) + QByteArray::fromHex("01011100")) +
        segment("ffc4", QByteArray::fromHex("0001") + QByteArray(15, '\0') + '\0') + segment("ffc4", acTable);
    for (int i = 0; i < blocks; ++i)
        out.Put(0, 1);
    jpeg += segment("ffda", QByteArray::fromHex("010100000000")) + out.Take();
    for (int scan = 1; scan < Scans; ++scan) {
        const int band = (scan - 1) / 14 + 1, step = (scan - 1) % 14;
        const int high = step == 0 ? 0 : 14 - step, low = 13 - step;
        for (int left = blocks; left > 0;) {
            const int run = qMin(left, 32767);
            const int r = 31 - qCountLeadingZeroBits(quint32(run));
            out.Put(r, 4);
            out.Put(run - (1 << r), r);
            left -= run;
        }
        QByteArray header = QByteArray::fromHex("010100");
        header += char(band) + QByteArray(1, char(band)) + char(high << 4 | low);
        jpeg += segment("ffda", header) + out.Take();
    }
    return jpeg + QByteArray::fromHex("ffd9");
}

// A colour table of red and blue, as a BMP stores it (blue, green, red, reserved).
const QByteArray kTwoColours = QByteArray::fromHex("0000ff00ff000000");
constexpr QRgb kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

// A BMP with a 40-byte info header, the colour table (or bit-field masks) and the pixel bytes.
QByteArray Bmp(int Width, int Height, int BitCount, int Compression, const QByteArray& Table,
               const QByteArray& Pixels, int ColorsUsed = 0) {
    QByteArray bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    rt::PutI32(bmp, 2, int32_t(54 + Table.size() + Pixels.size()));
    rt::PutI32(bmp, 10, int32_t(54 + Table.size()));
    rt::PutI32(bmp, 14, 40);
    rt::PutI32(bmp, 18, Width);
    rt::PutI32(bmp, 22, Height);
    rt::PutU16(bmp, 26, 1);
    rt::PutU16(bmp, 28, uint16_t(BitCount));
    rt::PutI32(bmp, 30, Compression);
    rt::PutI32(bmp, 46, ColorsUsed);
    return bmp + Table + Pixels;
}

// Collects the toolkit's warnings while it lives.
struct TWarnings {
    static inline QStringList List;
    QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& Text) { List << Text; });
    ~TWarnings() { qInstallMessageHandler(previous); }
};

QByteArray BmpPatched(int Offset, int32_t Value, int Size = 4) {
    QByteArray bmp = EncodeBmp(Noise(20, 10));
    if (Size == 4)
        rt::PutI32(bmp, Offset, Value);
    else
        rt::PutU16(bmp, Offset, uint16_t(Value));
    return bmp;
}

TEST(Picture, DamagedOrOversizedPicturesAreRefused) {
    const QByteArray jpeg = EncodeJpeg(Noise(64, 64), 90);
    const QByteArray bmp = EncodeBmp(Noise(20, 10));
    const QByteArray masks = QByteArray::fromHex("0000ff0000ff0000ff000000");
    const struct {
        const char* name;
        bool isJpeg;
        QByteArray data;
        bool sound;
    } cases[] = {
        {"sound JPEG", true, jpeg, true},
        {"sound BMP", false, bmp, true},
        {"JPEG at the side limit", true, EncodeJpeg(Noise(4096, 1), 50), true},
        {"BMP at the side limit", false, EncodeBmp(Noise(1, 4096)), true},
        {"text instead of JPEG", true, QByteArray("this is not a picture"), false},
        {"BMP stream as JPEG", true, bmp, false},
        {"truncated JPEG", true, jpeg.left(jpeg.size() / 2), false},
        {"JPEG without its end marker", true, jpeg.left(jpeg.size() - 2), false},
        {"JPEG claiming 5000 x 10", true, JpegClaiming(5000, 10), false},
        {"JPEG claiming 4096 x 4097", true, JpegClaiming(4096, 4097), false},
        {"JPEG 4097 wide", true, EncodeJpeg(Noise(4097, 1), 50), false},
        {"BMP 4097 high", false, EncodeBmp(Noise(1, 4097)), false},
        {"JPEG stream as BMP", false, jpeg, false},
        {"BMP without its magic", false, BmpPatched(0, 0x4D42 ^ 0x0101, 2), false},
        {"BMP pixel data cut", false, bmp.left(bmp.size() - 7), false},
        {"BMP pixel offset past the end", false, BmpPatched(10, 100000), false},
        {"BMP pixel offset inside the header", false, BmpPatched(10, 20), false},
        {"BMP pixel offset on the info header's last byte", false, BmpPatched(10, 14 + 40 - 1), false},
        {"BMP info header size 8", false, BmpPatched(14, 8), false},
        {"BMP info header past the end", false, BmpPatched(14, 100000), false},
        {"BMP claiming 5000 wide", false, BmpPatched(18, 5000), false},
        {"BMP claiming -20 wide", false, BmpPatched(18, -20), false},
        {"BMP claiming 3000 x 3000", false, BmpPatched(22, 3000), false},
        {"BMP claiming 5000 high top-down", false, BmpPatched(22, -5000), false},
        {"BMP with 7 bits per pixel", false, BmpPatched(28, 7, 2), false},
        {"BMP with compression 9", false, BmpPatched(30, 9), false},
        {"BMP header only", false, bmp.left(20), false},
        {"progressive JPEG of 100 scans", true, ProgressiveJpeg(64, 48, 100), true},
        {"progressive JPEG of 101 scans", true, ProgressiveJpeg(64, 48, 101), false},
        {"4096 x 4096 progressive JPEG of 883 empty scans", true, ProgressiveJpeg(4096, 4096, 883), false},
        {"4096 x 4096 progressive JPEG of 2 scans", true, ProgressiveJpeg(4096, 4096, 2), false},
        {"1024 x 1024 progressive JPEG of 2 scans", true, ProgressiveJpeg(1024, 1024, 2), true},
        {"BMP with bit fields", false, Bmp(2, 2, 32, 3, masks, QByteArray(16, '\x40')), true},
        {"4096 x 4096 BMP with bit fields, no pixels", false, Bmp(4096, 4096, 32, 3, masks, {}), false},
        {"run-length coded BMP without any pixel data", false, Bmp(3, 1, 8, 1, kTwoColours, {}, 2), false},
        {"1-bit BMP with a colour table of 256", false,
         Bmp(8, 2, 1, 0, kTwoColours + QByteArray(254 * 4, '\x7f'), QByteArray::fromHex("a5000000a5000000"),
             256),
         true},
        {"8-bit BMP with indices past its table", false,
         Bmp(4, 1, 8, 0, kTwoColours, QByteArray::fromHex("000102ff"), 2), true},
    };
    TWordRiddleData source;
    rt::FillLine(source, QStringLiteral("AB"));
    source.SetRiddleOptions(TRiddleOptions{roHasImage});
    const rt::Sections sections = rt::Split(rt::Save(source));
    const TWarnings warnings;
    for (const auto& c : cases) {
        const QImage image = c.isJpeg ? DecodeJpeg(c.data) : DecodeBmp(c.data);
        EXPECT_EQ(image.isNull(), !c.sound) << c.name;
        rt::Sections s = sections;
        rt::Find(s, "IMAGE_").payload = QByteArray(1, char(c.isJpeg ? 1 : 0)) + c.data;
        TWordRiddleData target;
        EXPECT_EQ(rt::Load(target, rt::Join(s)), c.sound ? rfOk : rfSectionError) << c.name;
        EXPECT_EQ(target.Image().size(), image.size()) << c.name;
        EXPECT_TRUE(TWarnings::List.isEmpty()) << c.name << ": " << TWarnings::List.value(0).toStdString();
        TWarnings::List.clear();
    }
}

// The process's resident memory from /proc/self/status ("VmRSS" or its peak "VmHWM"), in bytes.
qint64 Resident(const char* Field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(Field))
            return line.mid(qsizetype(strlen(Field)) + 1).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

// Pictures of 4 and 8 bits come out in their colour table's colours, row by row from the top.
TEST(Picture, PalettePicturesKeepTheirColours) {
    const QRgb R = kRed, B = kBlue, K = qRgb(0, 0, 0);
    const struct {
        const char* name;
        QByteArray bmp;
        QList<QRgb> pixels;
    } cases[] = {
        {"indices past the table are black",
         Bmp(4, 1, 8, 0, kTwoColours, QByteArray::fromHex("000102ff"), 2),
         {R, B, K, K}},
        {"rows of three bytes padded to four, bottom row first",
         Bmp(3, 2, 8, 0, kTwoColours, QByteArray::fromHex("0001000001000100"), 2),
         {B, R, B, R, B, R}},
        {"4 bits", Bmp(3, 1, 4, 0, kTwoColours, QByteArray::fromHex("10100000"), 2), {B, R, B}},
        {"run-length coded", Bmp(3, 1, 8, 1, kTwoColours, QByteArray::fromHex("020101000001"), 2), {B, B, R}},
    };
    for (const auto& c : cases) {
        const QImage image = DecodeBmp(c.bmp);
        ASSERT_EQ(image.format(), QImage::Format_RGB32) << c.name;
        QList<QRgb> pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                pixels << image.pixel(x, y);
        EXPECT_EQ(pixels, c.pixels) << c.name;
    }
}

// Decoding the largest picture holds the picture and little besides: never the picture a second
// time in another pixel format.
TEST(Picture, LargestPicturesDecodeWithoutASecondCopy) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's allocator keeps freed blocks and copies on every realloc";
#endif
    QImage flat(kMaxPictureSide, kMaxPictureSide, QImage::Format_RGB32);
    flat.fill(Qt::black);
    const QByteArray jpeg = EncodeJpeg(flat, 50);
    flat = QImage();
    // Run-length coded: every row 16 runs of 255 pixels and one of 16, all of colour 1.
    const QByteArray row = QByteArray::fromHex("ff01").repeated(16) + QByteArray::fromHex("10010000");
    const QByteArray rle = Bmp(kMaxPictureSide, kMaxPictureSide, 8, 1, kTwoColours,
                               row.repeated(kMaxPictureSide) + QByteArray::fromHex("0001"), 2);
    constexpr qint64 kPicture = kMaxPicturePixels * 4;
    constexpr qint64 kBesides = 12LL * 1024 * 1024;
    for (const auto& [name, isJpeg, data, colour] : {std::tuple{"JPEG", true, jpeg, qRgb(0, 0, 0)},
                                                     std::tuple{"run-length coded BMP", false, rle, kBlue}}) {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        ASSERT_TRUE(clear.open(QIODevice::WriteOnly) && clear.write("5") == 1) << "cannot reset the peak";
        clear.close();
        const qint64 before = Resident("VmRSS:");
        const QImage image = isJpeg ? DecodeJpeg(data) : DecodeBmp(data);
        const qint64 peak = Resident("VmHWM:") - before;
        ASSERT_EQ(image.size(), QSize(kMaxPictureSide, kMaxPictureSide)) << name;
        EXPECT_EQ(image.pixel(kMaxPictureSide - 1, kMaxPictureSide - 1), colour) << name;
        EXPECT_GE(peak, kPicture) << name << ": the picture was not decoded whole";
        EXPECT_LT(peak, kPicture + kBesides) << name << ": " << peak / 1024 / 1024 << " MB";
    }
}

} // namespace
