#include "support/FileTree.h"

#include "core/files/FolderRules.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QDirIterator>

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
        tree[base.relativeFilePath(path)] = {readFile(path), (info.permissions() & write) == 0};
    }
    return tree;
}

QString makeFolder(const QString& root, const QString& relative)
{
    QDir(root).mkpath(relative);
    return tarvelin::folderPath(QDir(root).filePath(relative));
}

} // namespace fixture
