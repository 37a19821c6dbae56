// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FileTree.h"

#include "core/files/FolderRules.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QDirIterator>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fixture
{

FileTree snapshotTree(const QString& root)
{
    FileTree tree;
    const QDir base(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        constexpr QFile::Permissions write =
            QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        // A FIFO would block the reader, and a dangling link has nothing to read: each stands
        // for itself.
        QByteArray bytes;
        if (info.isSymLink() && !info.exists())
            bytes = "(link to " + QFile::encodeName(info.symLinkTarget()) + ")";
        else if (!info.isFile())
            bytes = "(not a regular file)";
        else
            bytes = readFile(path);
        tree[base.relativeFilePath(path)] = {bytes, (info.permissions() & write) == 0};
    }
    return tree;
}

QString makeFolder(const QString& root, const QString& relative)
{
    QDir(root).mkpath(relative);
    return tarvelin::folderPath(QDir(root).filePath(relative));
}

void writeRawFile(const QByteArray& path, const QByteArray& bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    const ssize_t written = ::write(fd, bytes.constData(), size_t(bytes.size()));
    ::close(fd);
    ASSERT_EQ(written, bytes.size()) << path.toStdString();
}

quint64 inodeOf(const QString& path)
{
    struct stat info {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

int modeOf(const QString& path)
{
    struct stat info {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

void setMode(const QString& path, int mode)
{
    EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0) << path.toStdString();
}

} // namespace fixture
