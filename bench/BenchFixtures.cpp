// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchFixtures.h"

#include "FloorCalls.h"
#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "core/store/StoreFile.h"
#include "core/store/StoreFormat.h"
#include "core/store/StorePaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <stdexcept>

namespace bench
{

namespace
{

QTemporaryDir& root()
{
    static QTemporaryDir dir = [] {
        QTemporaryDir made(QDir::tempPath() + QStringLiteral("/tarvelin-bench-XXXXXX"));
        // Kept for profiling one command by hand (strace, perf) on the same files.
        if (qEnvironmentVariableIsSet("TARVELIN_BENCH_KEEP")) {
            made.setAutoRemove(false);
            std::fprintf(stderr, "bench files kept in %s\n", qPrintable(made.path()));
        }
        return made;
    }();
    return dir;
}

tarvelin::SetupRecord setupNamed(int index)
{
    tarvelin::SetupRecord record;
    record.used = 1;
    // 64 bytes, so every name is as long as the games let a player type.
    record.name = QStringLiteral("Setup %1 ").arg(index, 3, 10, QLatin1Char('0')).toLatin1();
    record.name = record.name.leftJustified(64, 'x');
    record.leadingWords.fill(static_cast<char>(index));
    record.blocks.fill(static_cast<char>(index * 7));
    record.trailingWords.fill(static_cast<char>(-index));
    return record;
}

} // namespace

QByteArray storeBytes(int count)
{
    tarvelin::SetupTable table;
    for (int slot = 1; slot <= count; ++slot)
        table.entry(slot) = setupNamed(tarvelin::layout::kSlotCount + 1 - slot);
    return tarvelin::serializeStore(table, tarvelin::DirtTrackRacingProfile.recordLayout());
}

QByteArray setupFileBytes()
{
    return tarvelin::serializeSetupFile(setupNamed(1),
                                        tarvelin::DirtTrackRacingProfile.recordLayout());
}

QString gameDirectoryWith(const QString& name, const QByteArray& bytes)
{
    const QString game = root().filePath(name);
    QDir().mkpath(game + QStringLiteral("/data/saved games"));
    floor::writePlain(tarvelin::StorePaths::forGameDirectory(game).store.toStdString(),
                      bytes.toStdString());
    return game;
}

QString fullStoreGameDirectory()
{
    static const QString directory =
        gameDirectoryWith(QStringLiteral("game"), storeBytes(tarvelin::layout::kSlotCount));
    return directory;
}

QString fullStorePath()
{
    return tarvelin::StorePaths::forGameDirectory(fullStoreGameDirectory()).store;
}

QString setupFolder(int count)
{
    static std::map<int, QString> folders;
    if (const auto found = folders.find(count); found != folders.end())
        return found->second;
    const QString folder = root().filePath(QStringLiteral("setups-%1").arg(count));
    QDir().mkpath(folder);
    // Written without a flush each: a hundred thousand of them would take minutes.
    const std::string bytes(1240, 'x');
    for (int i = 0; i < count; ++i)
        floor::writePlain((folder + QStringLiteral("/Track %1.set").arg(i)).toStdString(), bytes);
    for (int i = 0; i < 20; ++i)
        floor::writePlain((folder + QStringLiteral("/notes %1.txt").arg(i)).toStdString(), bytes);
    folders[count] = folder;
    return folder;
}

QString windowRegistry(const QString& gameDirectory, const QString& rememberedFolder,
                       const QString& fileName)
{
    const QString path = root().filePath(fileName);
    tarvelin::Registry registry(path);
    const tarvelin::GameProfile& profile = tarvelin::DirtTrackRacingProfile;
    const QString utilityKey = QString::fromLatin1(tarvelin::UtilityKey);
    if (!registry.ensureCreated() || !registry.createKey(profile.GameKey) ||
        !registry.SetKeyValue(profile.GameKey, profile.DirectoryValueName, gameDirectory,
                              tarvelin::RegistryType::String) ||
        !registry.SetKeyValue(utilityKey, profile.FolderValueName, rememberedFolder,
                              tarvelin::RegistryType::String))
        throw std::runtime_error("cannot write the bench registry");
    return path;
}

QString scratchFolder()
{
    static const QString folder = [] {
        const QString path = root().filePath(QStringLiteral("scratch"));
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

} // namespace bench
