// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
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

// Writes `bytes` into the file named by exactly these bytes, with POSIX calls only (no name
// conversion of the utility's or Qt's); a test failure when it cannot.
void writeRawFile(const QByteArray& path, const QByteArray& bytes);

// The file's inode number, 0 when there is none: an atomic rewrite gives its name a new one.
quint64 inodeOf(const QString& path);
// The file's permission bits (as chmod takes them), -1 when there is no file.
int modeOf(const QString& path);
// Sets the file's permission bits; a test failure when it cannot.
void setMode(const QString& path, int mode);

} // namespace fixture
