// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SubfolderList.h"

#include "core/names/FileNameEncoding.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace tarvelin
{

namespace
{

// A stat only where the file system reports no type, or for a link, which counts as what it
// points to (a dangling link is no folder).
bool isFolder(int dirFd, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
        return false;
    struct stat info;
    return ::fstatat(dirFd, entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

bool SubfolderCollector::consider(int dirFd, const dirent* entry)
{
    if (!isFolder(dirFd, entry))
        return false;
    const QString name = decodeFileName(entry->d_name);
    found_.emplace_back(name.toLower(), name);
    return true;
}

QStringList SubfolderCollector::sortedNames()
{
    std::sort(found_.begin(), found_.end());
    QStringList names;
    names.reserve(static_cast<qsizetype>(found_.size()));
    for (auto& [folded, name] : found_)
        names.append(std::move(name));
    found_.clear();
    return names;
}

QStringList listSubfolders(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    DIR* dir = ::opendir(encodeFileName(folder).constData());
    if (!dir)
        return {};
    SubfolderCollector folders;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.') // hidden folders, "." and ".."
            folders.consider(::dirfd(dir), entry);
    }
    ::closedir(dir);
    return folders.sortedNames();
}

} // namespace tarvelin
