// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/FolderSteps.h"

#include "core/Logging.h"
#include "core/names/FileNameEncoding.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelin
{

namespace
{

FileResult failure(const QString& path, int error)
{
    FileResult result = FileResult::failure(
        QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error))));
    qCWarning(lcFiles).noquote() << result.error;
    return result;
}

bool statAt(int folderFd, const char* name, bool follow, mode_t& mode)
{
    struct stat info {
    };
    if (::fstatat(folderFd, name, &info, follow ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    mode = info.st_mode;
    return true;
}

// Everything under the open folder `fd`, never through a link: each subfolder is opened with
// O_NOFOLLOW relative to its parent, so a folder swapped for a link meanwhile is not entered.
bool removeContents(int fd)
{
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    bool all = true;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        mode_t mode = 0;
        if (!statAt(::dirfd(dir), name, false, mode)) {
            all = false;
            continue;
        }
        if (S_ISDIR(mode)) {
            const int sub =
                ::openat(::dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub < 0 || !removeContents(sub) ||
                ::unlinkat(::dirfd(dir), name, AT_REMOVEDIR) != 0)
                all = false;
        } else if (::unlinkat(::dirfd(dir), name, 0) != 0) {
            all = false;
        }
    }
    ::closedir(dir);
    return all;
}

// The folders above one of ours may be the player's links (a home on another disk, say); the
// utility's own folder itself never is.
FileResult makeFolder(const QString& path, bool linkAllowed, bool mayCreate)
{
    const QByteArray name = encodeFileName(path);
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0) {
        if (!mayCreate)
            return failure(path, ENOENT);
        const qsizetype slash = path.lastIndexOf(u'/');
        if (slash > 0) {
            if (FileResult above = makeFolder(path.left(slash), true, true); !above)
                return above;
        }
        if (::mkdir(name.constData(), 0777) != 0 && errno != EEXIST)
            return failure(path, errno);
        if (::lstat(name.constData(), &info) != 0)
            return failure(path, errno);
    }
    if (S_ISLNK(info.st_mode)) {
        if (!linkAllowed) {
            FileResult refused = FileResult::failure(
                QStringLiteral("%1 is a symbolic link: the utility's own folder is never followed.")
                    .arg(path));
            qCWarning(lcFiles).noquote() << refused.error;
            return refused;
        }
        if (::stat(name.constData(), &info) != 0)
            return failure(path, errno);
    }
    if (!S_ISDIR(info.st_mode))
        return failure(path, ENOTDIR);
    return FileResult::success();
}

} // namespace

const char* FolderEntry::name() const
{
    return entry_->d_name;
}

bool FolderEntry::isFile() const
{
    if (entry_->d_type == DT_REG)
        return true;
    mode_t mode = 0;
    return (entry_->d_type == DT_UNKNOWN || entry_->d_type == DT_LNK) &&
           statAt(folderFd_, entry_->d_name, true, mode) && S_ISREG(mode);
}

bool FolderEntry::isFolder() const
{
    if (entry_->d_type == DT_DIR)
        return true;
    mode_t mode = 0;
    return (entry_->d_type == DT_UNKNOWN || entry_->d_type == DT_LNK) &&
           statAt(folderFd_, entry_->d_name, true, mode) && S_ISDIR(mode);
}

bool FolderEntry::isRegularItself() const
{
    if (entry_->d_type != DT_UNKNOWN)
        return entry_->d_type == DT_REG;
    mode_t mode = 0;
    return statAt(folderFd_, entry_->d_name, false, mode) && S_ISREG(mode);
}

bool FolderEntry::isLink() const
{
    if (entry_->d_type != DT_UNKNOWN)
        return entry_->d_type == DT_LNK;
    mode_t mode = 0;
    return statAt(folderFd_, entry_->d_name, false, mode) && S_ISLNK(mode);
}

// Read as bytes: QDir would find no folder whose name is not UTF-8.
bool forEachEntry(const QString& folder, const std::function<void(const FolderEntry&)>& each,
                  qint64* sizeOnDisk)
{
    if (folder.isEmpty())
        return false;
    DIR* dir = ::opendir(encodeFileName(folder).constData());
    if (!dir)
        return false;
    if (sizeOnDisk) {
        struct stat info {
        };
        *sizeOnDisk = ::fstat(::dirfd(dir), &info) == 0 ? info.st_size : 0;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
            each(FolderEntry(::dirfd(dir), entry));
    }
    ::closedir(dir);
    return true;
}

QStringList listFolder(const QString& folder)
{
    QList<QByteArray> names;
    forEachEntry(folder,
                 [&names](const FolderEntry& entry) { names << entry.nameBytes().toByteArray(); });
    std::sort(names.begin(), names.end());
    QStringList decoded;
    decoded.reserve(names.size());
    for (const QByteArray& name : names)
        decoded << decodeFileName(name);
    return decoded;
}

FileResult makeFolders(const QString& path, PathKind kind)
{
    // The utility's own folders are never followed; a folder the player named may be a link.
    const bool own = kind == PathKind::HistoryFolder || pathPolicy(kind).removedWhole;
    return makeFolder(path, !own, pathPolicy(kind).mayCreate);
}

FileResult removeOwnFolder(const QString& path, PathKind kind)
{
    if (!pathPolicy(kind).removedWhole)
        return FileResult::failure(
            QStringLiteral("%1 is not a folder of the utility's own: it was not removed.")
                .arg(path));
    const QByteArray name = encodeFileName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? FileResult::success() : failure(path, errno);
    if (!removeContents(fd) || ::rmdir(name.constData()) != 0)
        return failure(path, errno != 0 ? errno : EBUSY);
    return FileResult::success();
}

FileResult removeEmptyFolder(const QString& path)
{
    // rmdir never follows a link and never removes a folder with entries.
    if (::rmdir(encodeFileName(path).constData()) != 0)
        return failure(path, errno);
    return FileResult::success();
}

} // namespace tarvelin
