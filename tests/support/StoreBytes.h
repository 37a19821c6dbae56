// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Fixture files built straight from the byte layout, independently of the production writer,
// so that a wrong writer cannot agree with itself.
namespace fixture
{

inline constexpr int kDtrTrailingWords = 6;
inline constexpr int kScTrailingWords = 5;

// The game's opaque part after a name's terminator (12 + 192 + 4 x trailing), filled with a
// pattern that differs per seed.
QByteArray fixedPart(int trailingWordCount, int seed);

// One used slot: flag, name, 0x00, fixed part.
QByteArray usedSlot(const QByteArray& name, int trailingWordCount, int seed, qint32 flag = 1);
// One used slot of Dirt Track Racing, the game most store tests run on.
QByteArray dtrSlot(const QByteArray& name, int seed, qint32 flag = 1);
// One unused slot: a zero flag.
QByteArray unusedSlot();

// A store: header, then the given slots, then unused slots up to 300.
QByteArray store(const std::vector<QByteArray>& slots, quint32 header = 0);

// A store whose slots 1..names.size() hold setups with those names.
QByteArray storeOf(const std::vector<QByteArray>& names, int trailingWordCount);

QByteArray le32(quint32 value);

// A game directory with "data/saved games" under a temporary root.
class GameDir
{
public:
    GameDir();
    ~GameDir();
    GameDir(const GameDir&) = delete;
    GameDir& operator=(const GameDir&) = delete;

    QString root() const { return root_; }
    QString savedGames() const;
    QString path(const QString& fileName) const; // a file in "data/saved games"

    void write(const QString& fileName, const QByteArray& bytes) const;
    QByteArray read(const QString& fileName) const;
    bool exists(const QString& fileName) const;

private:
    QString root_;
};

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace fixture
