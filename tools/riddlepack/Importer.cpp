#include "Importer.h"

#include "IpuzImporter.h"
#include "PuzImporter.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace {
// Far above any real crossword file; the bound keeps a wrong file from being read whole.
constexpr qint64 kMaxImportBytes = 16 * 1024 * 1024;
} // namespace

TImported ImportFile(const QString& Path) {
    const QString name = QFileInfo(Path).fileName();
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw TSourceError(QStringLiteral("%1: cannot read the file (%2)").arg(Path, file.errorString()));
    if (file.size() > kMaxImportBytes)
        throw TSourceError(
            QStringLiteral("%1: %2 bytes, too large for a crossword file").arg(name).arg(file.size()));
    const QByteArray bytes = file.readAll();
    try {
        return IsPuz(bytes) ? ImportPuz(bytes) : ImportIpuz(bytes);
    } catch (const TSourceError& e) {
        throw TSourceError(name + QStringLiteral(": ") + e.Message());
    }
}

TBuiltRiddle BuildImported(const TImported& Imported, const QString& Path) {
    const QFileInfo info(Path);
    return BuildRiddle(QJsonDocument(Imported.Source).toJson(), info.fileName(), info.absoluteDir());
}
