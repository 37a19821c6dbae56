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

} // namespace tarvelin
