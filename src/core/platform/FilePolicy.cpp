// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/FilePolicy.h"

#include "core/names/FileNameEncoding.h"

#include <sys/stat.h>

namespace tarvelin
{

namespace
{

using K = PathKind;

// kind, what, written through a link, may be created, may replace, removed whole
constexpr std::array<PathPolicy, 15> kPolicies{{
    {K::Store, "the store, setups.sav", true, true, true, false},
    {K::Backup, "the backup, setups.bak", false, true, true, false},
    {K::StoreScratch, "setups.tmp", false, true, true, false},
    {K::Temporary, "the utility's own temporary files", false, true, false, false},
    {K::HistoryFolder, "the history's folders", false, true, false, false},
    {K::Generation, "a kept store in the history", false, true, true, false},
    {K::SetupFile, "a setup file", false, true, true, false},
    {K::StoreCopy, "a copy of a whole store", false, true, true, false},
    {K::RegistryFile, "the registry file", false, true, true, false},
    {K::RegistryLock, "the registry's lock file", false, true, true, false},
    {K::PictureCache, "the picture cache", false, true, true, true},
    {K::HelpPage, "the help pages", false, false, false, false},
    {K::WineFile, "Wine's files", false, false, false, false},
    {K::DemoFolder, "the demo games", false, true, true, true},
    {K::Trash, "the trash", false, true, false, false},
}};

// The table is indexed by kind: each row must stand at its kind's place.
constexpr bool rowsInOrder()
{
    for (std::size_t i = 0; i < kPolicies.size(); ++i) {
        if (static_cast<std::size_t>(kPolicies[i].kind) != i)
            return false;
    }
    return true;
}
static_assert(rowsInOrder());

QString notRegular(const QString& path)
{
    return QStringLiteral("%1 is not a regular file (a folder, a FIFO or a device), so it was not "
                          "written.")
        .arg(path);
}

} // namespace

const std::array<PathPolicy, 15>& pathPolicies()
{
    return kPolicies;
}

const PathPolicy& pathPolicy(PathKind kind)
{
    return kPolicies[static_cast<std::size_t>(kind)];
}

QString writeRefusal(PathKind kind, const QString& path)
{
    const PathPolicy& policy = pathPolicy(kind);
    const QByteArray name = encodeFileName(path);
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0)
        return policy.mayCreate ? QString() : QStringLiteral("%1: no such file").arg(path);
    if (S_ISLNK(info.st_mode)) {
        if (!policy.writtenThroughLink)
            return QStringLiteral("%1 is a symbolic link to another file: it was not written over.")
                .arg(path);
        if (::stat(name.constData(), &info) != 0)
            return QStringLiteral("%1 is a link to nothing: the file it names was not created.")
                .arg(path);
    }
    if (!S_ISREG(info.st_mode))
        return notRegular(path);
    if (!policy.mayReplace)
        return QStringLiteral("%1 already exists: it was not replaced.").arg(path);
    return {};
}

QString removalRefusal(const QString& path)
{
    struct stat info {
    };
    if (::lstat(encodeFileName(path).constData(), &info) != 0)
        return {}; // the removal itself says the file is gone
    if (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode))
        return {};
    return QStringLiteral("%1 is not a regular file (a folder, a FIFO or a device), so it was not "
                          "removed.")
        .arg(path);
}

} // namespace tarvelin
