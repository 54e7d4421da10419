// Feeds arbitrary bytes to the importers, as `riddlepack import` reads a file: an Across Lite file
// when the bytes carry its magic text, otherwise ipuz; a file that imports is built as well.

#include "Importer.h"
#include "IpuzImporter.h"
#include "PuzImporter.h"

#include <QCoreApplication>
#include <QJsonDocument>

// Building a riddle starts its solve clock, a timer, which wants an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const TImported imported = IsPuz(bytes) ? ImportPuz(bytes) : ImportIpuz(bytes);
        BuildRiddle(QJsonDocument(imported.Source).toJson(), QStringLiteral("fuzz.json"), QDir::temp())
            .Riddle->StopClock();
    } catch (const TSourceError&) {
    }
    return 0;
}
