// SPDX-License-Identifier: GPL-3.0-or-later
// How often the game window flushes files to the disk. This test executable stands in for the C
// library's fdatasync and fsync, which Qt reaches through the dynamic linker, and counts the calls.
#include "core/game/GameProfile.h"
#include "core/platform/AddressSource.h"
#include "core/platform/Clock.h"
#include "core/platform/VolumeTable.h"
#include "core/registry/Registry.h"
#include "support/FakeAddressSource.h"
#include "support/FakeClock.h"
#include "support/FakeVolumeTable.h"
#include "support/FileTree.h"
#include "support/StoreBytes.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/MessageBox.h"

#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace
{

std::atomic<int> flushes{0};

using SyncCall = int (*)(int);

SyncCall next(const char* name)
{
    void* found = ::dlsym(RTLD_NEXT, name);
    SyncCall call = nullptr;
    std::memcpy(&call, &found, sizeof call);
    return call;
}

} // namespace

extern "C" int fdatasync(int fd)
{
    static const SyncCall real = next("fdatasync");
    ++flushes;
    return real(fd);
}

extern "C" int fsync(int fd)
{
    static const SyncCall real = next("fsync");
    ++flushes;
    return real(fd);
}

namespace tarvelin
{
namespace
{

class DiskFlushTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        game.write("setups.sav", fixture::storeOf({"Eldora", "Knox"}, fixture::kDtrTrailingWords));
        setups = fixture::makeFolder(scratch.path(), QStringLiteral("setups"));
        other = fixture::makeFolder(scratch.path(), QStringLiteral("other"));
        for (int i = 0; i < 3; ++i)
            fixture::writeFile(setups + QStringLiteral("/Track %1.set").arg(i), "x");
        ASSERT_TRUE(registry.ensureCreated());
        ASSERT_TRUE(registry.createKey(profile.GameKey));
        ASSERT_TRUE(registry.SetKeyValue(profile.GameKey, profile.DirectoryValueName, game.root(),
                                         RegistryType::String));
        ASSERT_TRUE(registry.SetKeyValue(QString::fromLatin1(UtilityKey), profile.FolderValueName,
                                         setups, RegistryType::String));
        services.volumes = &volumes;
        services.address = &address;
        services.clock = &clock;
    }

    // The files under the scratch folder and the game directory that differ from `before`.
    int changedSince(const fixture::FileTree& before, const fixture::FileTree& after) const
    {
        int changed = 0;
        for (const auto& [path, state] : after) {
            const auto old = before.find(path);
            changed += (old == before.end() || !(old->second == state)) ? 1 : 0;
        }
        return changed;
    }

    fixture::FileTree everything() const
    {
        fixture::FileTree tree = fixture::snapshotTree(scratch.path());
        for (const auto& [path, state] : fixture::snapshotTree(game.root()))
            tree[QStringLiteral("game/") + path] = state;
        return tree;
    }

    const GameProfile& profile = DirtTrackRacingProfile;
    MessageRecorder messages;
    QTemporaryDir scratch;
    fixture::GameDir game;
    QString setups;
    QString other;
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
    FakeVolumeTable volumes{{{QStringLiteral("/"), true}}};
    FakeAddressSource address{QStringLiteral("10.0.0.5")};
    FakeClock clock{QDateTime(QDate(2024, 6, 1), QTime(9, 30))};
    GameWindowServices services;
};

// A count that did not see Qt's flushes would find none here, where each write is counted.
TEST_F(DiskFlushTest, OneFlushPerFileTheWindowChangesAndOneOfItsFolder)
{
    // Each file written is flushed, and then its folder once the file has taken its place.
    constexpr int kFileWrite = 2;
    // Opening on the folder already remembered: the backup and the store's first generation in
    // the history are the only files written; opening again on the same store adds no
    // generation, so only the backup is written.
    fixture::FileTree before = everything();
    int start = flushes;
    createGameWindow(profile, registry, services).reset();
    EXPECT_EQ(flushes - start, 2 * kFileWrite);
    start = flushes;
    auto window = createGameWindow(profile, registry, services);
    ASSERT_EQ(window->folderBrowser().folder(), setups);
    EXPECT_EQ(game.read("setups.bak"), game.read("setups.sav"));
    EXPECT_EQ(flushes - start, kFileWrite);
    EXPECT_EQ(fixture::readFile(registry.filePath()), before.at("registry.reg").bytes);

    // Another folder: the registry file once, for the one value that changed; Qt's lock file,
    // taken around the write, is flushed as it is created.
    constexpr int kRegistryWrite = 1 + kFileWrite;
    before = everything();
    start = flushes;
    ASSERT_TRUE(window->folderBrowser().setFolder(other));
    EXPECT_EQ(flushes - start, kRegistryWrite);
    EXPECT_EQ(changedSince(before, everything()), 1);
    EXPECT_EQ(
        registryText(registry.QueryValue(QString::fromLatin1(UtilityKey), profile.FolderValueName)),
        other);

    // Back and forth within one window: one write per real change, none for staying.
    start = flushes;
    ASSERT_TRUE(window->folderBrowser().setFolder(other));
    window->folderBrowser().restoreRememberedFolder();
    EXPECT_EQ(flushes - start, 0);
    ASSERT_TRUE(window->folderBrowser().setFolder(setups));
    EXPECT_EQ(flushes - start, kRegistryWrite);
    EXPECT_TRUE(messages.messages().isEmpty());
}

} // namespace
} // namespace tarvelin
