// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/PictureCache.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QtEndian>

namespace tarvelin
{

namespace
{

using namespace picture_layout;

void appendWord(QByteArray& out, quint32 value)
{
    char word[kWordSize];
    qToLittleEndian(value, word);
    out.append(word, kWordSize);
}

quint32 wordAt(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

QString cacheRoot()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || QDir::isRelativePath(cache)) {
        if (QDir::homePath().isEmpty() || QDir::homePath() == QDir::rootPath())
            return {};
        cache = QDir::homePath() + QStringLiteral("/.cache");
    }
    return joinPath(cache, QStringLiteral("tarvelin-setup-utility/pictures"));
}

// A build is told apart by its executable's size and time: a rebuilt program draws afresh.
QString buildKey()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QByteArray identity = program.absoluteFilePath().toUtf8() + '\n' +
                                QByteArray::number(program.size()) + '\n' +
                                QByteArray::number(program.lastModified().toMSecsSinceEpoch());
    return QString::fromLatin1(
        QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(16));
}

QString pictureFile(const QString& folder, const QString& key)
{
    const QByteArray name =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return joinPath(folder, QString::fromLatin1(name) + QStringLiteral(".pixels"));
}

void removeOtherBuilds(const QString& folder)
{
    const QFileInfo own(folder);
    QDir root(own.path());
    const QStringList builds = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& build : builds) {
        if (build != own.fileName())
            QDir(root.filePath(build)).removeRecursively();
    }
}

} // namespace

QByteArray encodeCachedPicture(const QString& key, const CachedPicture& picture)
{
    const QByteArray keyBytes = key.toUtf8();
    QByteArray out;
    out.reserve(kMagic.size() + 4 * kWordSize + keyBytes.size() + picture.pixels.size());
    out += kMagic;
    appendWord(out, static_cast<quint32>(keyBytes.size()));
    out += keyBytes;
    appendWord(out, picture.width);
    appendWord(out, picture.height);
    appendWord(out, picture.bytesPerLine);
    out += picture.pixels;
    return out;
}

std::optional<CachedPicture> decodeCachedPicture(QByteArray bytes, const QString& key)
{
    if (!bytes.startsWith(kMagic) || bytes.size() < kMagic.size() + kWordSize)
        return std::nullopt;
    qsizetype offset = kMagic.size();
    const quint32 keySize = wordAt(bytes, offset);
    offset += kWordSize;
    if (keySize > kMaxKeySize || bytes.size() - offset < qsizetype{keySize} + 3 * kWordSize)
        return std::nullopt;
    if (QByteArrayView(bytes).sliced(offset, keySize) != QByteArrayView(key.toUtf8()))
        return std::nullopt;
    offset += keySize;
    CachedPicture picture;
    picture.width = wordAt(bytes, offset);
    picture.height = wordAt(bytes, offset + kWordSize);
    picture.bytesPerLine = wordAt(bytes, offset + 2 * kWordSize);
    offset += 3 * kWordSize;
    if (picture.width == 0 || picture.height == 0 || picture.width > kMaxSide ||
        picture.height > kMaxSide || picture.bytesPerLine < picture.width ||
        picture.bytesPerLine > 16 * kMaxSide)
        return std::nullopt;
    const qint64 pixelBytes = qint64{picture.height} * picture.bytesPerLine;
    if (bytes.size() - offset != pixelBytes)
        return std::nullopt;
    // In place: the file's bytes become the pixels without a copy of a whole picture.
    bytes.remove(0, offset);
    picture.pixels = std::move(bytes);
    return picture;
}

QString pictureCacheFolder()
{
    static const QString folder = [] {
        const QString root = cacheRoot();
        return root.isEmpty() ? QString() : joinPath(root, buildKey());
    }();
    return folder;
}

std::optional<CachedPicture> readCachedPicture(const QString& key)
{
    const QString folder = pictureCacheFolder();
    if (folder.isEmpty())
        return std::nullopt;
    FileContents contents = readWholeFile(pictureFile(folder, key), kMaxFileSize);
    if (!contents.ok)
        return std::nullopt;
    return decodeCachedPicture(std::move(contents.bytes), key);
}

void keepCachedPicture(const QString& key, const CachedPicture& picture)
{
    const QString folder = pictureCacheFolder();
    if (folder.isEmpty())
        return;
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder))
            return;
        removeOtherBuilds(folder);
    }
    if (const FileResult saved =
            saveCacheFile(pictureFile(folder, key), encodeCachedPicture(key, picture));
        !saved)
        qCInfo(lcFiles).noquote() << "picture not cached:" << saved.error;
}

} // namespace tarvelin
