#include "Packer.h"

#include "EmbeddedRiddle.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool Copy(QFile& from, QSaveFile& to) {
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(1 << 20);
        if (chunk.isEmpty() || to.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

bool SameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}
} // namespace

QString PackRiddle(const QString& player, const QString& riddleFile, const QString& out) {
    if (SameFile(out, player) || SameFile(out, riddleFile))
        return QStringLiteral("%1: the output must not overwrite an input").arg(out);
    QFile playerFile(player), riddle(riddleFile);
    if (!playerFile.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot read the player (%2)").arg(player, playerFile.errorString());
    if (!riddle.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot read the riddle file (%2)").arg(riddleFile, riddle.errorString());
    try {
        TStreamReader in(riddle);
        TRiddleHeader header;
        if (ReadRiddleHeader(in, header) != rfOk)
            return QStringLiteral("%1: not a riddle file").arg(riddleFile);
    } catch (const TReadError&) {
        return QStringLiteral("%1: not a riddle file").arg(riddleFile);
    }
    // The player would find the riddle that is already there and never the new one.
    TRiddleHeader carried;
    if (LocateEmbeddedRiddle(playerFile, carried) == rfOk)
        return QStringLiteral("%1: the player carries a riddle already").arg(player);

    QSaveFile target(out);
    if (!target.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: cannot write (%2)").arg(out, target.errorString());
    if (!playerFile.seek(0) || !riddle.seek(0) || !Copy(playerFile, target) || !Copy(riddle, target)) {
        target.cancelWriting();
        return QStringLiteral("%1: writing failed (%2)").arg(out, target.errorString());
    }
    if (!target.commit())
        return QStringLiteral("%1: writing failed (%2)").arg(out, target.errorString());
    QFileDevice::Permissions perms = QFile::permissions(out);
    // Whoever may read the file may run it, as with the player itself.
    if (perms & QFileDevice::ReadOwner)
        perms |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
    if (perms & QFileDevice::ReadGroup)
        perms |= QFileDevice::ExeGroup;
    if (perms & QFileDevice::ReadOther)
        perms |= QFileDevice::ExeOther;
    if (!QFile::setPermissions(out, perms))
        return QStringLiteral("%1: cannot make it executable").arg(out);
    return QString();
}
