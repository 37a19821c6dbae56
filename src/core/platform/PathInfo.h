// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/names/FileNameEncoding.h"

#include <QString>
#include <sys/stat.h>

namespace tarvelin
{

// What lies at a path, asked with lstat and stat on its exact bytes: QFileInfo's questions, which
// Qt would ask of a re-encoded name.
class PathInfo
{
public:
    explicit PathInfo(const QString& path);

    // Through a link, as QFileInfo: a dangling link does not exist.
    bool exists() const { return found_; }
    bool isSymLink() const { return link_; }
    bool isDir() const { return found_ && S_ISDIR(mode_); }
    bool isFile() const { return found_ && S_ISREG(mode_); }
    // For this process, as access() answers it (root reads everything).
    bool isReadable() const;
    bool isExecutable() const;
    qint64 size() const { return size_; }
    // The last change of its bytes, in milliseconds since the epoch.
    qint64 modifiedMs() const { return modifiedMs_; }

    static bool exists(const QString& path) { return PathInfo(path).exists(); }

private:
    QByteArray name_;
    mode_t mode_ = 0;
    qint64 size_ = 0;
    qint64 modifiedMs_ = 0;
    bool found_ = false;
    bool link_ = false;
};

// The current folder, decoded as above (QDir::currentPath re-encodes it).
QString currentFolder();
// `path` made absolute against the current folder and cleaned of "." and "..", as text.
QString absolutePath(const QString& path);
// The real path, links resolved; empty when nothing is there.
QString canonicalPath(const QString& path);
// Two names of one file (a case-insensitive volume, or a link), both there.
bool sameFile(const QString& a, const QString& b);
// The last part of a path, and the folder before it ("." for a bare name), as text alone.
QString fileNameOf(const QString& path);
QString folderOf(const QString& path);

} // namespace tarvelin
