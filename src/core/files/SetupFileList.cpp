#include "core/files/SetupFileList.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace tarvelin
{

namespace
{

// '*' and '?' wildcards over case-folded text, the only pattern syntax the games' files need.
bool wildcardMatch(QStringView pattern, QStringView name)
{
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

// The directory entry's type when the file system reports it; a stat only when it does not,
// or for a link, which counts as what it points to.
bool isRegularFile(int dirFd, const dirent* entry)
{
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
        return false;
    struct stat info;
    return ::fstatat(dirFd, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

struct Listed {
    QString key; // case-folded name: the sort order of the file list
    QString name;
};

} // namespace

QStringList listSetupFiles(const QString& folder, const QString& pattern)
{
    if (folder.isEmpty())
        return {};
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return {};
    const QString foldedPattern = pattern.toCaseFolded();
    std::vector<Listed> listed;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') // hidden files, "." and ".."
            continue;
        QString name = QFile::decodeName(entry->d_name);
        QString key = name.toCaseFolded();
        if (!wildcardMatch(foldedPattern, key) || !isRegularFile(::dirfd(dir), entry))
            continue;
        listed.push_back({std::move(key), std::move(name)});
    }
    ::closedir(dir);

    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        if (const int order = QStringView(a.key).compare(b.key); order != 0)
            return order < 0;
        return a.name < b.name;
    });
    QStringList names;
    names.reserve(static_cast<qsizetype>(listed.size()));
    for (Listed& item : listed)
        names.append(std::move(item.name));
    return names;
}

} // namespace tarvelin
