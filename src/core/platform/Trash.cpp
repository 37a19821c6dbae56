#include "core/platform/Trash.h"

#include "core/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace tarvelin
{

namespace
{

TrashResult logged(TrashResult result)
{
    if (!result.ok)
        qCWarning(lcTrash).noquote() << result.error;
    return result;
}

// The file sits on another volume than the home trash, where Qt looks for a trash of that
// volume's own and gives up when there is none.
bool onAnotherVolume(const QString& path, const QString& dataHome)
{
    const QStorageInfo fileVolume(QFileInfo(path).absolutePath());
    const QStorageInfo homeVolume(dataHome);
    return fileVolume.isValid() && homeVolume.isValid() &&
           fileVolume.rootPath() != homeVolume.rootPath();
}

} // namespace

TrashResult SystemTrash::moveToTrash(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return logged(TrashResult::failed(QStringLiteral("%1 does not exist.").arg(path)));
    if (info.isDir() && !info.isSymLink())
        return logged(TrashResult::failed(QStringLiteral("%1 is a folder.").arg(path)));

    // Without this folder Qt 6.4 builds a relative trash path and moves the file there.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QDir().mkpath(dataHome))
        return logged(TrashResult::failed(
            QStringLiteral("There is no folder for the trash (%1), so %2 was not deleted.")
                .arg(dataHome, path)));

    QFile file(path);
    if (!file.moveToTrash()) {
        if (onAnotherVolume(path, dataHome))
            return logged(TrashResult::failed(
                QStringLiteral("The drive of %1 has no trash, so the file was not deleted.")
                    .arg(path)));
        return logged(TrashResult::failed(QStringLiteral("%1 could not be moved to the trash: %2")
                                              .arg(path, file.errorString())));
    }
    // On success the file object names the file's place in the trash.
    const QString pathInTrash = file.fileName();
    if (!QDir::isAbsolutePath(pathInTrash)) {
        // The file went somewhere under the current folder: put it back where the player had it.
        if (QFileInfo::exists(pathInTrash) && !QFileInfo::exists(path))
            QFile::rename(pathInTrash, path);
        return logged(
            TrashResult::failed(QStringLiteral("%1 could not be moved to the trash.").arg(path)));
    }
    return TrashResult::moved(pathInTrash);
}

} // namespace tarvelin
