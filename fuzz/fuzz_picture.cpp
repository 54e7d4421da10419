// Feeds arbitrary bytes to the picture decoders of the riddle file.

#include "RiddlePicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    DecodeJpeg(bytes);
    DecodeBmp(bytes);
    return 0;
}
