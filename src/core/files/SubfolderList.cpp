#include "core/files/SubfolderList.h"

#include "core/platform/FileName.h"

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

QStringList listSubfolders(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    DIR* dir = ::opendir(encodeFileName(folder).constData());
    if (!dir)
        return {};
    // (folded, name): sorted on the folded name, ties in plain order so the list never varies.
    std::vector<std::pair<QString, QString>> found;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') // hidden folders, "." and ".."
            continue;
        if (!isFolder(::dirfd(dir), entry))
            continue;
        const QString name = decodeFileName(entry->d_name);
        found.emplace_back(name.toLower(), name);
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end());
    QStringList names;
    names.reserve(static_cast<qsizetype>(found.size()));
    for (auto& [folded, name] : found)
        names.append(std::move(name));
    return names;
}

} // namespace tarvelin
