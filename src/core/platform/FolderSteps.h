// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FileIO.h"
#include "core/platform/FilePolicy.h"

#include <QByteArrayView>
#include <QStringList>
#include <functional>

struct dirent;

namespace tarvelin
{

// One entry of a folder as the folder's listing tells it. What it is asks the disk only when the
// listing does not say (a file system without entry types, or a link), so a list of many plain
// files costs one read of the folder and no stat per file.
class FolderEntry
{
public:
    FolderEntry(int folderFd, const dirent* entry) : folderFd_(folderFd), entry_(entry) {}

    const char* name() const;
    QByteArrayView nameBytes() const { return QByteArrayView(name()); }
    // Through a link, as the player sees the folder.
    bool isFile() const;
    bool isFolder() const;
    // The entry itself, never what a link names.
    bool isRegularItself() const;
    bool isLink() const;

private:
    int folderFd_;
    const dirent* entry_;
};

// Calls `each` for every entry of `folder` but "." and "..". False when the folder cannot be
// read. `sizeOnDisk`, when given, receives the folder's own size: a fair guess at its entries.
bool forEachEntry(const QString& folder, const std::function<void(const FolderEntry&)>& each,
                  qint64* sizeOnDisk = nullptr);
// The names of the entries of `folder` (hidden ones too, never "." and ".."), in byte order; none
// when it cannot be read. A name that is not UTF-8 comes back as decodeFileName gives it.
QStringList listFolder(const QString& folder);

// `path` and the folders above it made where missing. A folder of the utility's own (the history's,
// the picture cache's, the demo's) must be a folder itself, not a link: it is never followed
// somewhere else.
FileResult makeFolders(const QString& path, PathKind kind);
// `path` removed with everything under it, for the kinds whose folders are the utility's own; a
// link met on the way is removed itself, and what it names is never touched. `path` itself may
// not be a link.
FileResult removeOwnFolder(const QString& path, PathKind kind);
// An empty folder removed, as the last step of clearing away the utility's own temporaries; a
// folder that still holds anything, and a link, stay.
FileResult removeEmptyFolder(const QString& path);

} // namespace tarvelin
