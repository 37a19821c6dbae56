#include "core/store/StoreHistory.h"

#include "core/Logging.h"
#include "core/platform/Clock.h"
#include "core/platform/FileName.h"
#include "core/store/StoreFormat.h"
#include "core/store/StorePaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace tarvelin
{

namespace
{

bool& historyEnabled()
{
    static bool enabled = true;
    return enabled;
}

const Clock*& historyClock()
{
    static const Clock* clock = nullptr;
    return clock;
}

QDateTime now()
{
    const QDateTime time = historyClock() ? historyClock()->now() : QDateTime::currentDateTimeUtc();
    // Whole seconds: the records carry no more.
    return QDateTime::fromSecsSinceEpoch(time.toSecsSinceEpoch(), Qt::UTC);
}

const QRegularExpression& generationName()
{
    static const QRegularExpression name(QStringLiteral("^([0-9]{1,15})\\.generation$"));
    return name;
}

// The game folder's name keeps the history folder recognisable; the hash of the game and the
// store's real path keeps two stores of the same name apart.
QString folderName(const StorePaths& paths, RecordLayout layout)
{
    QString real = canonicalPath(paths.folder);
    if (real.isEmpty())
        real = absolutePath(paths.folder);
    const QByteArray key = QByteArray::number(layout.trailingWordCount) + '\n' +
                           encodeFileName(real + QStringLiteral("/setups.sav"));
    const QByteArray hash =
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);

    const QString gameFolder = QFileInfo(QFileInfo(real).path()).path();
    QString readable = QFileInfo(gameFolder).fileName().left(40);
    for (QChar& c : readable) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'_' && c != u'.')
            c = u'_';
    }
    if (readable.isEmpty() || readable.startsWith(u'.'))
        readable.prepend(QStringLiteral("store"));
    return readable + u'-' + QString::fromLatin1(hash);
}

// The record of one generation file, read from its first bytes only: a list of a hundred
// generations does not read a hundred stores.
DecodedGeneration readHead(const QFileInfo& file)
{
    QFile device(file.filePath());
    if (!device.open(QIODevice::ReadOnly)) {
        DecodedGeneration failed;
        failed.error = device.errorString();
        return failed;
    }
    return decodeGenerationHead(device.read(kGenerationHeadSize), device.size());
}

} // namespace

void setStoreHistoryEnabled(bool enabled)
{
    historyEnabled() = enabled;
}

void setStoreHistoryClock(const Clock* clock)
{
    historyClock() = clock;
}

StoreHistory::StoreHistory(const StorePaths& paths, RecordLayout layout)
    : folder_(joinPath(rootFolder(), folderName(paths, layout))), layout_(layout)
{
}

QString StoreHistory::rootFolder()
{
    // A relative XDG_STATE_HOME is to be ignored, as the other XDG variables are.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return joinPath(state, QStringLiteral("tarvelin-setup-utility/history"));
}

QString StoreHistory::generationPath(qint64 id) const
{
    return joinPath(folder_, QStringLiteral("%1.generation").arg(id, 10, 10, QLatin1Char('0')));
}

HistoryListing StoreHistory::list() const
{
    HistoryListing listing;
    const QFileInfoList entries = QDir(folder_).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QRegularExpressionMatch match = generationName().match(entry.fileName());
        const auto passOver = [&](const QString& why) {
            listing.passedOver << QStringLiteral("%1: %2").arg(entry.filePath(), why);
        };
        if (!match.hasMatch()) {
            passOver(QStringLiteral("not a generation of the history"));
            continue;
        }
        const qint64 id = match.captured(1).toLongLong();
        listing.highestId = std::max(listing.highestId, id);
        if (entry.isSymLink() || !entry.isFile()) {
            passOver(QStringLiteral("not a regular file"));
            continue;
        }
        const DecodedGeneration decoded = readHead(entry);
        if (!decoded.record) {
            passOver(decoded.error);
            continue;
        }
        if (decoded.record->id != id) {
            passOver(QStringLiteral("its record names generation %1").arg(decoded.record->id));
            continue;
        }
        listing.generations.push_back(*decoded.record);
    }
    std::sort(listing.generations.begin(), listing.generations.end(),
              [](const Generation& a, const Generation& b) { return a.id > b.id; });
    for (const QString& why : std::as_const(listing.passedOver))
        qCInfo(lcStore).noquote() << "history passed over" << why;
    return listing;
}

std::optional<Generation> StoreHistory::find(qint64 id) const
{
    const HistoryListing listing = list();
    const auto it = std::find_if(listing.generations.begin(), listing.generations.end(),
                                 [id](const Generation& g) { return g.id == id; });
    return it == listing.generations.end() ? std::nullopt : std::optional(*it);
}

FileContents StoreHistory::bytesOf(qint64 id) const
{
    const QString path = generationPath(id);
    const PathInfo info(path);
    if (info.exists() && (info.isSymLink() || !info.isFile())) {
        FileContents refused;
        refused.error = QStringLiteral("%1: not a regular file").arg(path);
        return refused;
    }
    FileContents contents = readWholeFile(path, layout::kMaxStoreFileSize + kGenerationHeadSize);
    if (!contents.ok)
        return contents;
    const DecodedGeneration decoded = decodeGenerationHead(contents.bytes, contents.bytes.size());
    if (!decoded.record || decoded.record->id != id) {
        contents.ok = false;
        contents.error = QStringLiteral("%1: %2").arg(
            path,
            decoded.record ? QStringLiteral("a record of another generation") : decoded.error);
        contents.bytes.clear();
        return contents;
    }
    contents.bytes.remove(0, decoded.bytesOffset);
    return contents;
}

KeepResult StoreHistory::keep(const QByteArray& storeBytes, const QString& command) const
{
    KeepResult kept;
    if (!historyEnabled())
        return kept;
    if (!QDir().mkpath(folder_)) {
        kept.result = FileResult::failure(
            QStringLiteral("%1: the history folder could not be created").arg(folder_));
        return kept;
    }
    HistoryListing listing = list();
    kept.passedOver = listing.passedOver;
    if (!listing.generations.empty() && listing.generations.front().bytes == storeBytes.size()) {
        const FileContents newest = bytesOf(listing.generations.front().id);
        if (newest.ok && newest.bytes == storeBytes)
            return kept;
    }

    Generation record;
    record.id = listing.highestId + 1;
    record.time = now();
    record.command = command;
    record.setups = parseStore(storeBytes, layout_).table.usedCount();
    record.bytes = storeBytes.size();
    kept.result =
        saveFileAtomically(generationPath(record.id), encodeGeneration(record, storeBytes));
    if (!kept)
        return kept;
    kept.keptId = record.id;

    listing.generations.insert(listing.generations.begin(), record);
    int unpinned = 0;
    for (const Generation& generation : listing.generations) {
        if (generation.pinned || ++unpinned <= kKeptUnpinned)
            continue;
        if (const FileResult removed = removeFile(generationPath(generation.id)); !removed)
            kept.passedOver << removed.error;
    }
    return kept;
}

FileResult StoreHistory::setPinned(qint64 id, bool pinned) const
{
    const std::optional<Generation> found = find(id);
    if (!found)
        return FileResult::failure(QStringLiteral("There is no generation %1.").arg(id));
    if (found->pinned == pinned)
        return FileResult::success();
    const FileContents bytes = bytesOf(id);
    if (!bytes.ok)
        return FileResult::failure(bytes.error);
    Generation record = *found;
    record.pinned = pinned;
    return saveFileAtomically(generationPath(id), encodeGeneration(record, bytes.bytes));
}

} // namespace tarvelin
