// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Trash.h"

#include "core/Logging.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool isOwnFolder(const QByteArray& path)
{
    struct stat info {
    };
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid();
}

// A folder of the trash: made when missing (only the user may look inside), never a link.
bool ensureFolder(const QByteArray& path)
{
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return isOwnFolder(path);
}

dev_t deviceOf(const QByteArray& path)
{
    struct stat info {
    };
    return ::stat(path.constData(), &info) == 0 ? info.st_dev : dev_t(-1);
}

// The top folder of the volume that holds `folder`: the last one up from it on the same device.
QByteArray volumeTop(QByteArray folder)
{
    const dev_t device = deviceOf(folder);
    while (folder.size() > 1) {
        const qsizetype slash = folder.lastIndexOf('/');
        const QByteArray parent = slash <= 0 ? QByteArray("/") : folder.left(slash);
        if (deviceOf(parent) != device)
            break;
        folder = parent;
    }
    return folder;
}

// The trash of a volume other than the home folder's: the administrator's $top/.Trash/$uid when
// $top/.Trash is a sticky folder and no link, else $top/.Trash-$uid. Empty when neither will do.
QByteArray volumeTrash(const QByteArray& top)
{
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(::getuid());
    struct stat shared {
    };
    const QByteArray sharedTrash = base + "/.Trash";
    if (::lstat(sharedTrash.constData(), &shared) == 0 && S_ISDIR(shared.st_mode) &&
        (shared.st_mode & S_ISVTX) && ensureFolder(sharedTrash + '/' + uid))
        return sharedTrash + '/' + uid;
    const QByteArray own = base + "/.Trash-" + uid;
    return ensureFolder(own) ? own : QByteArray();
}

// Claims a name in the trash by creating its record exclusively: "name", then "name.2", ...
int claimRecord(const QByteArray& trash, const QByteArray& fileName, QByteArray& trashedName)
{
    for (int attempt = 1; attempt < 10000; ++attempt) {
        trashedName = attempt == 1 ? fileName : fileName + '.' + QByteArray::number(attempt);
        const QByteArray record = trash + "/info/" + trashedName + ".trashinfo";
        const int fd =
            ::open(record.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

// The freedesktop trash, done here on the name's own bytes: Qt's moveToTrash would re-encode a
// name that is not UTF-8 and miss the file.
TrashResult SystemTrash::moveToTrash(const QString& path)
{
    const QString absolute = absolutePath(path);
    const QByteArray source = encodeFileName(absolute);
    struct stat info {
    };
    if (path.isEmpty() || ::lstat(source.constData(), &info) != 0)
        return logged(TrashResult::failed(QStringLiteral("%1 does not exist.").arg(path)));
    if (S_ISDIR(info.st_mode))
        return logged(TrashResult::failed(QStringLiteral("%1 is a folder.").arg(path)));

    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !makeFolders(dataHome, PathKind::Trash))
        return logged(TrashResult::failed(
            QStringLiteral("There is no folder for the trash (%1).").arg(dataHome)));

    const qsizetype slash = source.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray("/") : source.left(slash);
    const QByteArray fileName = source.mid(slash + 1);
    const QByteArray home = encodeFileName(dataHome);
    QByteArray trash;
    if (deviceOf(folder) == deviceOf(home)) {
        trash = home + "/Trash";
        if (!ensureFolder(trash))
            trash.clear();
    } else {
        trash = volumeTrash(volumeTop(folder));
    }
    if (trash.isEmpty() || !ensureFolder(trash + "/files") || !ensureFolder(trash + "/info"))
        return logged(
            TrashResult::failed(QStringLiteral("The drive of %1 has no trash.").arg(path)));

    QByteArray trashedName;
    const int fd = claimRecord(trash, fileName, trashedName);
    if (fd < 0)
        return logged(
            TrashResult::failed(QStringLiteral("%1 could not be moved to the trash: %2")
                                    .arg(path, QString::fromLocal8Bit(std::strerror(errno)))));
    // The record names the original place by its bytes, percent-encoded.
    const QByteArray record =
        "[Trash Info]\nPath=" + source.toPercentEncoding("/") + "\nDeletionDate=" +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() +
        '\n';
    const QByteArray recordPath = trash + "/info/" + trashedName + ".trashinfo";
    const bool recorded = writeAll(fd, record) && ::fsync(fd) == 0;
    ::close(fd);
    const QByteArray target = trash + "/files/" + trashedName;
    if (!recorded || std::rename(source.constData(), target.constData()) != 0) {
        const int error = recorded ? errno : EIO;
        ::unlink(recordPath.constData());
        return logged(
            TrashResult::failed(QStringLiteral("%1 could not be moved to the trash: %2")
                                    .arg(path, QString::fromLocal8Bit(std::strerror(error)))));
    }
    return TrashResult::moved(decodeFileName(target));
}

} // namespace tarvelin
