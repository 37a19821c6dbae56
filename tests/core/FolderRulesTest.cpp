#include "folder/SetupFileList.h"
#include "folder/StripExtension.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

TEST(StripExtension, CutsAtTheFirstExactSuffixOrTrimsBlanks)
{
    const QString set = QStringLiteral(".set");
    EXPECT_EQ(StripExtension(QStringLiteral("Track 1.set"), set), QStringLiteral("Track 1"));
    EXPECT_EQ(StripExtension(QStringLiteral("my.settings.set"), set), QStringLiteral("my"));
    EXPECT_EQ(StripExtension(QStringLiteral("TRACK.SET"), set), QStringLiteral("TRACK.SET"));
    EXPECT_EQ(StripExtension(QStringLiteral("  abc  "), set), QStringLiteral("abc"));
    EXPECT_EQ(StripExtension(QStringLiteral(" abc .set"), set), QStringLiteral(" abc "));
    EXPECT_EQ(StripExtension(set, set), QString());
    EXPECT_EQ(StripExtension(QStringLiteral("Oval.dts"), QStringLiteral(".dts")),
              QStringLiteral("Oval"));
}

TEST(SetupFileList, MatchesThePatternWithoutCaseAndSortsByName)
{
    QTemporaryDir dir;
    for (const char* name : {"b.set", "A.SET", "c.settings", "d.dts", "notes.txt", ".hidden.set"})
        fixture::writeFile(dir.filePath(QString::fromLatin1(name)), "x");
    QDir(dir.path()).mkdir(QStringLiteral("folder.set"));

    EXPECT_EQ(listSetupFiles(dir.path(), QStringLiteral("*.set*")),
              (QStringList{"A.SET", "b.set", "c.settings"}));
    EXPECT_EQ(listSetupFiles(dir.path(), QStringLiteral("*.dts*")), (QStringList{"d.dts"}));
    EXPECT_TRUE(listSetupFiles(dir.filePath(QStringLiteral("missing")), QStringLiteral("*.set*"))
                    .isEmpty());
    EXPECT_TRUE(listSetupFiles(QString(), QStringLiteral("*.set*")).isEmpty());
}

} // namespace
