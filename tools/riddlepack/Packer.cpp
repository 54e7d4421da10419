#include "Packer.h"

#include "EmbeddedRiddle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool Copy(QFile& From, QSaveFile& To) {
    while (!From.atEnd()) {
        const QByteArray chunk = From.read(1 << 20);
        if (chunk.isEmpty() || To.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

bool SameFile(const QString& A, const QString& B) {
    const QString ca = QFileInfo(A).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(B).canonicalFilePath();
}
} // namespace

QString PackRiddle(const QString& Player, const QString& RiddleFile, const QString& Out) {
    if (SameFile(Out, Player) || SameFile(Out, RiddleFile))
        return QStringLiteral("%1: the output must not overwrite an input").arg(Out);
    QFile playerFile(Player), riddle(RiddleFile);
    if (!playerFile.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot read the player (%2)").arg(Player, playerFile.errorString());
    if (!riddle.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot read the riddle file (%2)").arg(RiddleFile, riddle.errorString());
    if (!HasElfSection(playerFile, QUIVANE_PLAYER_SECTION))
        return QStringLiteral("%1: not a Quivane player; riddles are packed onto the quivane program of this "
                              "project")
            .arg(Player);
    try {
        TStreamReader in(riddle);
        TRiddleHeader header;
        if (ReadRiddleHeader(in, header) != rfOk)
            return QStringLiteral("%1: not a riddle file").arg(RiddleFile);
    } catch (const TReadError&) {
        return QStringLiteral("%1: not a riddle file").arg(RiddleFile);
    }
    // The player would find the riddle that is already there and never the new one.
    TRiddleHeader carried;
    if (LocateEmbeddedRiddle(playerFile, carried) == rfOk)
        return QStringLiteral("%1: the player carries a riddle already").arg(Player);

    QSaveFile target(Out);
    if (!target.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: cannot write (%2)").arg(Out, target.errorString());
    if (!playerFile.seek(0) || !riddle.seek(0) || !Copy(playerFile, target) || !Copy(riddle, target)) {
        target.cancelWriting();
        return QStringLiteral("%1: writing failed (%2)").arg(Out, target.errorString());
    }
    if (!target.commit())
        return QStringLiteral("%1: writing failed (%2)").arg(Out, target.errorString());
    QFileDevice::Permissions perms = QFile::permissions(Out);
    // Whoever may read the file may run it, as with the player itself.
    if (perms & QFileDevice::ReadOwner)
        perms |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
    if (perms & QFileDevice::ReadGroup)
        perms |= QFileDevice::ExeGroup;
    if (perms & QFileDevice::ReadOther)
        perms |= QFileDevice::ExeOther;
    if (!QFile::setPermissions(Out, perms))
        return QStringLiteral("%1: cannot make it executable").arg(Out);
    return QString();
}

QString InstalledPlayer() {
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QUIVANE_TEMPLATE_FROM_TOOL));
}
