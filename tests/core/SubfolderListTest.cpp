// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SubfolderList.h"

#include "core/files/SetupFileList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

// The folder list below the open folder: folders and links to folders, in letter-case-blind
// order, with files, hidden folders and dangling links left out; the same as Qt's own listing.
TEST(SubfolderList, ListsFoldersAndTheirLinksAsTheFolderListShowsThem)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    for (const char* name : {"tracks", "Eldora", "apex", "Zeta", "ümlaut", ".hidden", "b c"})
        ASSERT_TRUE(dir.mkdir(QString::fromUtf8(name)));
    for (const char* name : {"Fairbury.set", "aaa file", ".dotfile"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("tracks")), dir.filePath("Linked")));
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("Fairbury.set")), dir.filePath("filelink")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath("dangling")));

    const QStringList listed = listSubfolders(root.path());
    EXPECT_EQ(listed, (QStringList{"apex", "b c", "Eldora", "Linked", "tracks", "Zeta", "ümlaut"}));
    EXPECT_EQ(listed,
              dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    EXPECT_TRUE(listSubfolders(dir.filePath(QStringLiteral("missing"))).isEmpty());
    EXPECT_TRUE(listSubfolders(dir.filePath(QStringLiteral("Fairbury.set"))).isEmpty());
    EXPECT_TRUE(listSubfolders(QString()).isEmpty());

    // One reading for both lists gives what each reading alone gives: a folder named like a
    // setup file is a folder, a link to a setup file a file.
    ASSERT_TRUE(dir.mkdir(QStringLiteral("Folder.set")));
    const FolderContents both = listFolder(root.path(), QStringLiteral("*.set*"));
    EXPECT_EQ(both.subfolders, listSubfolders(root.path()));
    EXPECT_TRUE(both.subfolders.contains(QStringLiteral("Folder.set")));
    EXPECT_EQ(both.files, listSetupFiles(root.path(), QStringLiteral("*.set*")));
    EXPECT_EQ(both.files, QStringList{"Fairbury.set"});
}

} // namespace
} // namespace tarvelin
