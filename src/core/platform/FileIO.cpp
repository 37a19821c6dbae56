#include "core/platform/FileIO.h"

#include "core/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tarvelin
{

namespace
{

FileFaultHook& faultHook()
{
    static FileFaultHook hook;
    return hook;
}

bool stepAllowed(FileStep step, const QString& path)
{
    const FileFaultHook& hook = faultHook();
    return !hook || hook(step, path);
}

FileResult injectedFailure(const QString& path)
{
    return FileResult::failure(QStringLiteral("%1: injected failure").arg(path));
}

FileResult logged(FileResult result)
{
    if (!result.ok)
        qCWarning(lcFiles).noquote() << result.error;
    return result;
}

constexpr QFileDevice::Permissions kWriteBits = QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                                QFileDevice::WriteGroup | QFileDevice::WriteOther;

} // namespace

void setFileFaultHook(FileFaultHook hook)
{
    faultHook() = std::move(hook);
}

FileContents readDevice(QIODevice& device, qsizetype maxSize)
{
    FileContents contents;
    if (!device.isSequential() && device.size() > maxSize) {
        contents.error = QStringLiteral("%1 bytes is more than %2").arg(device.size()).arg(maxSize);
        return contents;
    }
    if (device.isSequential()) {
        // No size to trust: read in pieces up to one byte past the limit.
        constexpr qint64 kPiece = qint64{64} * 1024;
        while (contents.bytes.size() <= maxSize) {
            const QByteArray piece =
                device.read(std::min<qint64>(kPiece, maxSize + 1 - contents.bytes.size()));
            if (piece.isEmpty() && !device.waitForReadyRead(30000))
                break;
            contents.bytes += piece;
        }
    } else {
        // Allocate for the size the file reports, not for the limit; one byte more shows a
        // file that grew meanwhile.
        const qint64 expected = std::min<qint64>(device.size() - device.pos(), maxSize);
        contents.bytes = device.read(expected + 1);
        if (contents.bytes.size() > expected && contents.bytes.size() <= maxSize)
            contents.bytes += device.read(maxSize + 1 - contents.bytes.size());
    }
    if (contents.bytes.size() > maxSize) {
        contents.bytes.clear();
        contents.error = QStringLiteral("more than %1 bytes").arg(maxSize);
        return contents;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError) {
        contents.bytes.clear();
        contents.error = file->errorString();
        return contents;
    }
    contents.ok = true;
    return contents;
}

FileContents readWholeFile(const QString& path, qsizetype maxSize)
{
    FileContents contents;
    if (!stepAllowed(FileStep::Read, path)) {
        contents.error = injectedFailure(path).error;
        return contents;
    }
    QFile file(path);
    if (!file.exists()) {
        contents.missing = true;
        contents.error = QStringLiteral("%1: no such file").arg(path);
        return contents;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return contents;
    }
    contents = readDevice(file, maxSize);
    if (!contents.ok)
        contents.error = QStringLiteral("%1: %2").arg(path, contents.error);
    return contents;
}

FileResult saveFileAtomically(const QString& path, QByteArrayView bytes)
{
    if (!stepAllowed(FileStep::Open, path))
        return logged(injectedFailure(path));
    QSaveFile file(path);
    // A read-only target is replaced like any other: the folder decides, not the old file.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, file.errorString())));
    const auto failed = [&](const QString& why) {
        file.cancelWriting();
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, why)));
    };
    const qsizetype half = bytes.size() / 2;
    for (const QByteArrayView part : {bytes.first(half), bytes.sliced(half)}) {
        if (!stepAllowed(FileStep::Write, path))
            return failed(QString::fromLocal8Bit(strerror(ENOSPC)));
        if (file.write(part.data(), part.size()) != part.size())
            return failed(file.errorString());
    }
    // Flushed before the commit so that a full disk shows here, not as a short file later.
    if (!stepAllowed(FileStep::Flush, path))
        return failed(QStringLiteral("injected failure"));
    if (!file.flush())
        return failed(file.errorString());
    if (!stepAllowed(FileStep::Commit, path))
        return failed(QStringLiteral("injected failure"));
    if (!file.commit())
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, file.errorString())));
    return FileResult::success();
}

FileResult setNormal(const QString& path)
{
    if (!stepAllowed(FileStep::SetAttributes, path))
        return logged(injectedFailure(path));
    QFile file(path);
    if (!file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser))
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, file.errorString())));
    return FileResult::success();
}

FileResult setReadOnly(const QString& path)
{
    if (!stepAllowed(FileStep::SetAttributes, path))
        return logged(injectedFailure(path));
    QFile file(path);
    if (!file.setPermissions(file.permissions() & ~kWriteBits))
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, file.errorString())));
    return FileResult::success();
}

bool isReadOnly(const QString& path)
{
    // Only the mode bits count: Qt's WriteUser says whether *we* may write, which is always
    // true for root even on a file with no write bit.
    constexpr QFileDevice::Permissions modeWriteBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QFileInfo info(path);
    return info.exists() && (info.permissions() & modeWriteBits) == 0;
}

FileResult removeFile(const QString& path)
{
    if (!stepAllowed(FileStep::Remove, path))
        return logged(injectedFailure(path));
    QFile file(path);
    if (!file.remove())
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, file.errorString())));
    return FileResult::success();
}

FileResult renameFile(const QString& from, const QString& to)
{
    if (!stepAllowed(FileStep::Rename, to))
        return logged(injectedFailure(to));
    // QFile::rename refuses to replace; the store commands rely on replacing in one step.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return logged(FileResult::failure(
            QStringLiteral("%1 -> %2: %3").arg(from, to, QString::fromLocal8Bit(strerror(errno)))));
    return FileResult::success();
}

FileResult copyFile(const QString& from, const QString& to, qsizetype maxSize)
{
    const FileContents contents = readWholeFile(from, maxSize);
    if (!contents.ok)
        return logged(FileResult::failure(contents.error));
    return saveFileAtomically(to, contents.bytes);
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace tarvelin
