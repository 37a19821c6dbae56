#include "support/FileTree.h"

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

} // namespace fixture
