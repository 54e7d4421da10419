// The riddle picture: damaged or oversized JPEG and BMP streams are refused, both by the
// decoders and by the riddle file reader; sound ones up to the size limit are taken.

#include "RiddlePicture.h"
#include "RiddleTestSupport.h"

#include <gtest/gtest.h>

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
        {"BMP info header size 8", false, BmpPatched(14, 8), false},
        {"BMP info header past the end", false, BmpPatched(14, 100000), false},
        {"BMP claiming 5000 wide", false, BmpPatched(18, 5000), false},
        {"BMP claiming -20 wide", false, BmpPatched(18, -20), false},
        {"BMP claiming 3000 x 3000", false, BmpPatched(22, 3000), false},
        {"BMP claiming 5000 high top-down", false, BmpPatched(22, -5000), false},
        {"BMP with 7 bits per pixel", false, BmpPatched(28, 7, 2), false},
        {"BMP with compression 9", false, BmpPatched(30, 9), false},
        {"BMP header only", false, bmp.left(20), false},
    };
    TWordRiddleData source;
    rt::FillLine(source, QStringLiteral("AB"));
    source.SetRiddleOptions(TRiddleOptions{roHasImage});
    const rt::Sections sections = rt::Split(rt::Save(source));
    for (const auto& c : cases) {
        const QImage image = c.isJpeg ? DecodeJpeg(c.data) : DecodeBmp(c.data);
        EXPECT_EQ(image.isNull(), !c.sound) << c.name;
        rt::Sections s = sections;
        rt::Find(s, "IMAGE_").payload = QByteArray(1, char(c.isJpeg ? 1 : 0)) + c.data;
        TWordRiddleData target;
        EXPECT_EQ(rt::Load(target, rt::Join(s)), c.sound ? rfOk : rfSectionError) << c.name;
        EXPECT_EQ(target.Image().size(), image.size()) << c.name;
    }
}

} // namespace
