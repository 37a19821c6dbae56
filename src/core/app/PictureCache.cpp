// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/PictureCache.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
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
    const QString path = absolutePath(QCoreApplication::applicationFilePath());
    const PathInfo program(path);
    const QByteArray identity = path.toUtf8() + '\n' + QByteArray::number(program.size()) + '\n' +
                                QByteArray::number(program.modifiedMs());
    return QString::fromLatin1(
        QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(16));
}

QString pictureFile(const QString& folder, const QString& key)
{
    const QByteArray name =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return joinPath(folder, QString::fromLatin1(name) + QStringLiteral(".pixels"));
}

// Only the folders of other builds, never through a link: the root itself was made a folder of
// ours (not a link) before this runs, and a link among its entries is passed over.
void removeOtherBuilds(const QString& root, const QString& folder)
{
    QStringList builds;
    forEachEntry(root, [&builds](const FolderEntry& entry) {
        if (!entry.isLink() && entry.isFolder())
            builds << decodeFileName(entry.name());
    });
    for (const QString& build : builds) {
        const QString path = joinPath(root, build);
        if (path == folder)
            continue;
        if (const FileResult removed = removeOwnFolder(path, PathKind::PictureCache); !removed)
            qCInfo(lcFiles).noquote() << "old pictures kept:" << removed.error;
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
        if (root.isEmpty())
            return QString();
        QString build = joinPath(root, buildKey());
        // Never followed through a link: without its own folders, there is no cache.
        if (PathInfo(root).isSymLink() || PathInfo(build).isSymLink()) {
            qCInfo(lcFiles).noquote() << root << "is a symbolic link: no pictures are cached";
            return QString();
        }
        return build;
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
    if (!PathInfo(folder).isDir()) {
        const QString root = folderOf(folder);
        if (!makeFolders(root, PathKind::PictureCache) ||
            !makeFolders(folder, PathKind::PictureCache))
            return;
        removeOtherBuilds(root, folder);
    }
    if (const FileResult saved =
            saveCacheFile(pictureFile(folder, key), encodeCachedPicture(key, picture));
        !saved)
        qCInfo(lcFiles).noquote() << "picture not cached:" << saved.error;
}

} // namespace tarvelin
