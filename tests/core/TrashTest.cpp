#include "platform/Trash.h"

#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

// The real trash, with the home and data folders inside a temporary folder.
class SystemTrashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        savedHome = qgetenv("HOME");
        savedDataHome = qgetenv("XDG_DATA_HOME");
        savedCurrent = QDir::currentPath();
        qputenv("HOME", home.path().toLocal8Bit());
        // Not created: the first trashing must make it.
        qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
        QDir().mkpath(work());
        QDir::setCurrent(work());
    }
    void TearDown() override
    {
        QDir::setCurrent(savedCurrent);
        qputenv("HOME", savedHome);
        if (savedDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", savedDataHome);
    }
    QString dataHome() const { return home.filePath(QStringLiteral("data")); }
    QString work() const { return home.filePath(QStringLiteral("setups")); }

    QTemporaryDir home;
    QByteArray savedHome;
    QByteArray savedDataHome;
    QString savedCurrent;
};

TEST_F(SystemTrashTest, MovesTheFileIntoTheTrashEvenWhenTheDataFolderIsNew)
{
    const QString file = work() + QStringLiteral("/Track 1.set");
    fixture::writeFile(file, "setup");

    SystemTrash trash;
    const TrashResult result = trash.moveToTrash(file);

    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(result.pathInTrash));
    EXPECT_EQ(result.pathInTrash, dataHome() + QStringLiteral("/Trash/files/Track 1.set"));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(fixture::readFile(result.pathInTrash), QByteArray("setup"));
    EXPECT_TRUE(QFile::exists(dataHome() + QStringLiteral("/Trash/info/Track 1.set.trashinfo")));
    // Nothing went astray under the current folder.
    EXPECT_EQ(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

TEST_F(SystemTrashTest, RefusesFoldersAndMissingFiles)
{
    SystemTrash trash;
    EXPECT_FALSE(trash.moveToTrash(work()).ok);
    EXPECT_TRUE(QDir(work()).exists());
    const TrashResult missing = trash.moveToTrash(work() + QStringLiteral("/gone.set"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());
}

} // namespace
