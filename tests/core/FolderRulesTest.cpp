// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FolderRules.h"

#include "core/files/SetupFileList.h"
#include "core/files/StripExtension.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

TEST(RootFolder, EverySpellingOfTheRootAndNoFolderAtAllAreRefused)
{
    for (const char* root : {"", "/", "//", "/.", "/tmp/..", "/./"})
        EXPECT_TRUE(isRootFolder(QString::fromLatin1(root))) << root;
    for (const char* folder : {"/tmp", "/tmp/", "setups", "/.hidden"})
        EXPECT_FALSE(isRootFolder(QString::fromLatin1(folder))) << folder;
}

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

// (Names that are not UTF-8 list by their bytes: FileNameTest.)
TEST(SetupFileList, LinksCountAsTheirTarget)
{
    QTemporaryDir dir;
    fixture::writeFile(dir.filePath(QStringLiteral("DTR SETUPS.SAV")), "x");
    QFile::link(dir.filePath(QStringLiteral("DTR SETUPS.SAV")), dir.filePath("linked.set"));
    QFile::link(dir.filePath(QStringLiteral("nowhere")), dir.filePath("dangling.set"));

    EXPECT_EQ(listSetupFiles(dir.path(), QStringLiteral("Dtr setups.sav")),
              (QStringList{"DTR SETUPS.SAV"}));
    EXPECT_EQ(listSetupFiles(dir.path(), QStringLiteral("*.set*")), QStringList{"linked.set"});
}

TEST(SetupFileList, AnyScriptSortsByItsFoldedTextThenByName)
{
    QTemporaryDir dir;
    const QStringList names{QStringLiteral("ezra.set"),
                            QStringLiteral("ab.set"),
                            QString::fromUtf8("\xEF\xBC\xA1.set"), // fullwidth A
                            QStringLiteral("Zed.set"),
                            QString::fromUtf8("\xC3\x89mile.set"),
                            QStringLiteral("AB.set"),
                            QString::fromUtf8("\xF0\x9F\x98\x80.set"),
                            QStringLiteral("Ab.set")};
    for (const QString& name : names)
        fixture::writeFile(dir.filePath(name), "x");

    // Folded texts compare unit by unit as the program's text does (a character beyond the
    // basic plane before the fullwidth letters); names equal but for case in their own order.
    EXPECT_EQ(listSetupFiles(dir.path(), QStringLiteral("*.SET")),
              (QStringList{"AB.set", "Ab.set", "ab.set", "ezra.set", "Zed.set",
                           QString::fromUtf8("\xC3\x89mile.set"),
                           QString::fromUtf8("\xF0\x9F\x98\x80.set"),
                           QString::fromUtf8("\xEF\xBC\xA1.set")}));
    // '?' stands for one unit of text; a pattern outside ASCII matches without case too.
    EXPECT_EQ(listSetupFiles(dir.path(), QStringLiteral("?.set")),
              (QStringList{QString::fromUtf8("\xEF\xBC\xA1.set")}));
    EXPECT_EQ(listSetupFiles(dir.path(), QString::fromUtf8("\xC3\xA9*")),
              (QStringList{QString::fromUtf8("\xC3\x89mile.set")}));
    EXPECT_EQ(listSetupFiles(dir.path(), QString::fromUtf8("\xEF\xBD\x81*")),
              (QStringList{QString::fromUtf8("\xEF\xBC\xA1.set")}));
}

} // namespace
