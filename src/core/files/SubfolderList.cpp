// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SubfolderList.h"

#include "core/names/FileNameEncoding.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvelin
{

bool SubfolderCollector::consider(const FolderEntry& entry)
{
    // A link counts as what it names (a dangling link is no folder).
    if (!entry.isFolder())
        return false;
    const QString name = decodeFileName(entry.name());
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
    SubfolderCollector folders;
    forEachEntry(folder, [&folders](const FolderEntry& entry) {
        if (entry.name()[0] != '.') // hidden folders
            folders.consider(entry);
    });
    return folders.sortedNames();
}

} // namespace tarvelin
