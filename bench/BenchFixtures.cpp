#include "BenchFixtures.h"

#include "gamewindow/GameProfile.h"
#include "platform/FileIO.h"
#include "store/StoreFile.h"
#include "store/StorePaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <map>
#include <stdexcept>

namespace bench
{

namespace
{

QTemporaryDir& root()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tarvelin-bench-XXXXXX"));
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

QString fullStoreGameDirectory()
{
    static const QString directory = [] {
        const QString game = root().filePath(QStringLiteral("game"));
        QDir().mkpath(game + QStringLiteral("/data/saved games"));
        tarvelin::SetupTable table;
        for (int slot = 1; slot <= tarvelin::layout::kSlotCount; ++slot)
            table.entry(slot) = setupNamed(slot);
        const auto layout = tarvelin::DirtTrackRacingProfile.recordLayout();
        if (!tarvelin::WriteSlots(tarvelin::StorePaths::forGameDirectory(game).store, table,
                                  layout))
            throw std::runtime_error("cannot write the bench store");
        return game;
    }();
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
    const QByteArray bytes(1240, 'x');
    for (int i = 0; i < count; ++i)
        tarvelin::saveFileAtomically(folder + QStringLiteral("/Track %1.set").arg(i), bytes);
    for (int i = 0; i < 20; ++i)
        tarvelin::saveFileAtomically(folder + QStringLiteral("/notes %1.txt").arg(i), bytes);
    folders[count] = folder;
    return folder;
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
