#pragma once

#include <QByteArray>
#include <QString>
#include <map>

namespace fixture
{

struct FileState {
    QByteArray bytes;
    bool readOnly = false; // no write bit at all
    bool operator==(const FileState&) const = default;
};

// Every file below a folder (hidden ones and links included), by its path relative to it. A
// FIFO or device, and a dangling link, is a marker instead of bytes.
using FileTree = std::map<QString, FileState>;
FileTree snapshotTree(const QString& root);

// Creates `relative` below `root`, with the folders above it; its path as the folder rules write
// it (core/files/FolderRules.h).
QString makeFolder(const QString& root, const QString& relative);

} // namespace fixture
