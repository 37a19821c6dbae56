// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace fixture
{

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

QByteArray fixedPart(int trailingWordCount, int seed)
{
    const int size = 12 + 4 * 48 + 4 * trailingWordCount;
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((seed * 31 + i * 7 + 1) & 0xFF);
    return bytes;
}

QByteArray usedSlot(const QByteArray& name, int trailingWordCount, int seed, qint32 flag)
{
    return le32(static_cast<quint32>(flag)) + name + QByteArray(1, '\0') +
           fixedPart(trailingWordCount, seed);
}

QByteArray dtrSlot(const QByteArray& name, int seed, qint32 flag)
{
    return usedSlot(name, kDtrTrailingWords, seed, flag);
}

QByteArray unusedSlot()
{
    return le32(0);
}

QByteArray store(const std::vector<QByteArray>& slots, quint32 header)
{
    QByteArray bytes = le32(header);
    for (const QByteArray& slot : slots)
        bytes += slot;
    for (size_t k = slots.size(); k < 300; ++k)
        bytes += unusedSlot();
    return bytes;
}

QByteArray storeOf(const std::vector<QByteArray>& names, int trailingWordCount)
{
    std::vector<QByteArray> slots;
    int seed = 1;
    for (const QByteArray& name : names)
        slots.push_back(usedSlot(name, trailingWordCount, seed++));
    return store(slots);
}

namespace
{
QString makeTempRoot()
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tarvelin-test-XXXXXX"));
    dir.setAutoRemove(false);
    return dir.path();
}
} // namespace

GameDir::GameDir() : root_(makeTempRoot())
{
    QDir().mkpath(savedGames());
}

GameDir::~GameDir()
{
    // Read-only files and folders would survive removeRecursively.
    QDir(root_).removeRecursively();
}

QString GameDir::savedGames() const
{
    return root_ + QStringLiteral("/data/saved games");
}

QString GameDir::path(const QString& fileName) const
{
    return savedGames() + QLatin1Char('/') + fileName;
}

void GameDir::write(const QString& fileName, const QByteArray& bytes) const
{
    writeFile(path(fileName), bytes);
}

QByteArray GameDir::read(const QString& fileName) const
{
    return readFile(path(fileName));
}

bool GameDir::exists(const QString& fileName) const
{
    return QFile::exists(path(fileName));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace fixture
