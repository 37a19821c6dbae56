// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/PathInfo.h"

#include <QDir>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelin
{

PathInfo::PathInfo(const QString& path) : name_(encodeFileName(path))
{
    if (path.isEmpty())
        return;
    struct stat info {
    };
    if (::lstat(name_.constData(), &info) != 0)
        return;
    link_ = S_ISLNK(info.st_mode);
    if (link_ && ::stat(name_.constData(), &info) != 0)
        return;
    found_ = true;
    mode_ = info.st_mode;
    size_ = info.st_size;
    modifiedMs_ = qint64{info.st_mtim.tv_sec} * 1000 + info.st_mtim.tv_nsec / 1000000;
}

bool PathInfo::isReadable() const
{
    return found_ && ::access(name_.constData(), R_OK) == 0;
}

bool PathInfo::isExecutable() const
{
    return found_ && ::access(name_.constData(), X_OK) == 0;
}

QString currentFolder()
{
    char* here = ::getcwd(nullptr, 0);
    if (!here)
        return QStringLiteral("/");
    QString folder = decodeFileName(here);
    std::free(here);
    return folder;
}

QString absolutePath(const QString& path)
{
    if (path.startsWith(u'/'))
        return QDir::cleanPath(path);
    return QDir::cleanPath(currentFolder() + u'/' + path);
}

QString canonicalPath(const QString& path)
{
    char* real = ::realpath(encodeFileName(path).constData(), nullptr);
    if (!real)
        return {};
    QString canonical = decodeFileName(real);
    std::free(real);
    return canonical;
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat first {
    };
    struct stat second {
    };
    return ::stat(encodeFileName(a).constData(), &first) == 0 &&
           ::stat(encodeFileName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace tarvelin
