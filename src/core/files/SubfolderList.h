// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FolderSteps.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tarvelin
{

// The names of the folders in `folder`, links to folders included, hidden ones left out, sorted
// by name without regard to letter case: what the folder list shows below the open folder.
// Read from the directory's own entry types, so a folder of a hundred thousand setup files is
// not looked at file by file. An unreadable folder lists nothing.
QStringList listSubfolders(const QString& folder);

// The folders among a directory's entries, for a reading of the directory that lists its files
// at the same time.
class SubfolderCollector
{
public:
    // True, and the name kept, when the entry is a folder (or a link to one); hidden entries
    // are for the caller to leave out.
    bool consider(const FolderEntry& entry);
    QStringList sortedNames();

private:
    // (folded, name): sorted on the folded name, ties in plain order so the list never varies.
    std::vector<std::pair<QString, QString>> found_;
};

} // namespace tarvelin
