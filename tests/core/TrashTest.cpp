// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Trash.h"

#include "support/ScopedEnvironment.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

TEST(SystemTrash, MovesAFileIntoANewDataFolderAndRefusesFolders)
{
    QTemporaryDir home;
    const QString dataHome = home.filePath("data"); // not there yet: the trash must make it
    const QString work = home.filePath("setups");
    QDir().mkpath(work);
    const QString file = work + "/Track 1.set";
    fixture::writeFile(file, "setup");
    TrashResult result = TrashResult::failed({});
    TrashResult folder = TrashResult::failed({});
    {
        const fixture::ScopedEnvironment homeFolder("HOME", home.path().toLocal8Bit());
        const fixture::ScopedEnvironment dataFolder("XDG_DATA_HOME", dataHome.toLocal8Bit());
        const QString current = QDir::currentPath();
        QDir::setCurrent(work);
        SystemTrash trash;
        result = trash.moveToTrash(file);
        folder = trash.moveToTrash(work);
        QDir::setCurrent(current);
    }

    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.pathInTrash, dataHome + "/Trash/files/Track 1.set");
    EXPECT_EQ(fixture::readFile(result.pathInTrash), QByteArray("setup"));
    EXPECT_TRUE(QFile::exists(dataHome + "/Trash/info/Track 1.set.trashinfo"));
    // Nothing is left under the current folder, where Qt 6.4 would otherwise put it.
    EXPECT_TRUE(QDir(work).isEmpty());
    EXPECT_FALSE(folder.ok);
    EXPECT_TRUE(QDir(work).exists());
}

} // namespace
