// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/SystemInformation.h"

#include "core/registry/Registry.h"
#include "support/FakeProgramStarter.h"
#include "support/StoreBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const QString kMsInfo = QString::fromLatin1(kSysInfoKey);
const QString kShared = QString::fromLatin1(kSharedToolsKey);
const QString kUnavailable = QString::fromLatin1(kSysInfoUnavailable);

// The one message StartSysInfo gives when the tool does not start; empty when it started.
QString messageOf(const CommandOutcome& outcome)
{
    EXPECT_EQ(outcome.done, outcome.messages.empty());
    return outcome.messages.empty() ? QString() : outcome.messages.front().text;
}

class SystemInformationTest : public ::testing::Test
{
protected:
    void writeRegistry(const QByteArray& body)
    {
        fixture::writeFile(registryPath, "REGEDIT4\r\n\r\n" + body);
    }

    QTemporaryDir dir;
    QString registryPath = dir.filePath(QStringLiteral("registry.reg"));
    Registry registry{registryPath};
    fixture::FakeProgramStarter starter;
};

TEST_F(SystemInformationTest, GetKeyValueReadsTextEmptiesOnMissingAndTurnsNumbersToText)
{
    writeRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
                  "\"PATH\"=\"C:\\\\WINDOWS\\\\MSINFO32.EXE\"\r\n"
                  "\"Count\"=dword:0000000a\r\n");
    QString text = QStringLiteral("old");
    EXPECT_TRUE(GetKeyValue(registry, kMsInfo.toLower(), QStringLiteral("PATH"), text));
    EXPECT_EQ(text, QStringLiteral("C:\\WINDOWS\\MSINFO32.EXE"));
    EXPECT_TRUE(GetKeyValue(registry, kMsInfo, QStringLiteral("Count"), text));
    EXPECT_EQ(text, QStringLiteral("10"));

    text = QStringLiteral("old");
    EXPECT_FALSE(GetKeyValue(registry, kMsInfo, QStringLiteral("Missing"), text));
    EXPECT_TRUE(text.isEmpty());
    text = QStringLiteral("old");
    EXPECT_FALSE(GetKeyValue(registry, kShared, QStringLiteral("MSINFO"), text));
    EXPECT_TRUE(text.isEmpty());
}

// The path is read but the tool does not start: the message, and no second place is tried. A
// PATH of another type than text is no path. (A tool that starts, and no registry at all: the
// about window's test.)
TEST_F(SystemInformationTest, AToolThatDoesNotStartOrAPathOfAnotherTypeShowsTheMessage)
{
    writeRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
                  "\"PATH\"=\"/opt/tools/msinfo\"\r\n");
    starter.succeeds = false;
    const CommandOutcome outcome = StartSysInfo(registry, starter);
    EXPECT_FALSE(outcome.done);
    const std::vector<Message> unavailable{{kUnavailable, MessageIcon::None, kApplicationTitle}};
    EXPECT_EQ(outcome.messages, unavailable);
    ASSERT_EQ(starter.starts.size(), 1);
    EXPECT_EQ(starter.starts[0].program, QStringLiteral("/opt/tools/msinfo"));

    writeRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
                  "\"PATH\"=hex:43,3a,5c\r\n");
    EXPECT_EQ(messageOf(StartSysInfo(registry, starter)), kUnavailable);
    EXPECT_EQ(starter.starts.size(), 1);
}

TEST_F(SystemInformationTest, SharedToolsFolderStartsTheToolOnlyWhenItsFileIsThere)
{
    const QString tools = dir.filePath(QStringLiteral("Shared Tools"));
    ASSERT_TRUE(QDir().mkpath(tools));
    writeRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\r\n"
                  "\"MSINFO\"=\"" +
                  tools.toUtf8() + "\"\r\n");

    // Folder present, file missing: the message, nothing started.
    EXPECT_EQ(messageOf(StartSysInfo(registry, starter)), kUnavailable);
    EXPECT_TRUE(starter.starts.isEmpty());

    // The file's name is matched without regard to case, as on the games' file system.
    fixture::writeFile(tools + QStringLiteral("/msinfo32.exe"), "MZ");
    EXPECT_EQ(messageOf(StartSysInfo(registry, starter)), QString());
    ASSERT_EQ(starter.starts.size(), 1);
    EXPECT_EQ(starter.starts[0].program, tools + QStringLiteral("/msinfo32.exe"));
}

} // namespace
