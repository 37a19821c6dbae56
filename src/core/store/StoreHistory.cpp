// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreHistory.h"

#include "core/Logging.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"
#include "core/store/StoreFormat.h"
#include "core/store/StorePaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <algorithm>
#include <optional>

namespace tarvelin
{

namespace
{

constexpr QByteArrayView kUnpinnedSuffix = ".generation";
constexpr QByteArrayView kPinnedSuffix = ".pinned.generation";
// Every generation's name has exactly this many digits; any other name is not one of ours, and
// its number never decides the next id.
constexpr qsizetype kIdDigits = 10;
constexpr qint64 kMaxId = 9'999'999'999;

std::optional<GenerationFile> parseGenerationFileName(QByteArrayView name)
{
    GenerationFile file;
    QByteArrayView digits;
    if (name.endsWith(kPinnedSuffix)) {
        digits = name.chopped(kPinnedSuffix.size());
        file.pinned = true;
    } else if (name.endsWith(kUnpinnedSuffix)) {
        digits = name.chopped(kUnpinnedSuffix.size());
    } else {
        return std::nullopt;
    }
    if (digits.size() != kIdDigits)
        return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        file.id = file.id * 10 + (c - '0');
    }
    return file;
}

// What the oldest pruned generation becomes: the file the next generation is written over.
constexpr QByteArrayView kSpareName = "pruned.spare";

// A file of the history's own that holds no generation: the spare, or the temporary file of a
// generation write cut short ("0000000042.generation.Xy12Ab"). Neither is listed nor reported;
// the next generation is written over one of them and the next prune removes the others. A
// temporary file of the utility's own (".tarvelin-setup-utility.Xy12Ab") is one too.
bool isScratchName(QByteArrayView name)
{
    if (name == kSpareName || isTemporaryFileName(name))
        return true;
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 && parseGenerationFileName(name.first(dot)).has_value();
}

// The generation files of a folder, newest first and a pinned twin before its unpinned one; the
// history's scratch files go to `scratch`, other names to `foreign`. Read from the folder's
// entries alone, without a stat per file.
std::vector<GenerationFile> generationFiles(const QString& folder, QStringList* foreign,
                                            QStringList* scratch = nullptr)
{
    std::vector<GenerationFile> files;
    forEachEntry(folder, [&](const FolderEntry& entry) {
        const QByteArrayView name = entry.nameBytes();
        std::optional<GenerationFile> file = parseGenerationFileName(name);
        if (!file && isScratchName(name)) {
            if (scratch)
                *scratch << decodeFileName(entry.name());
            return;
        }
        if (!file) {
            if (foreign)
                *foreign << decodeFileName(entry.name());
            return;
        }
        file->name = QString::fromLatin1(name); // digits and a suffix, checked above
        file->regular = entry.isRegularItself();
        files.push_back(std::move(*file));
    });
    std::sort(files.begin(), files.end(), [](const GenerationFile& a, const GenerationFile& b) {
        return a.id != b.id ? a.id > b.id : a.pinned > b.pinned;
    });
    if (foreign)
        foreign->sort();
    return files;
}

// The game folder's name keeps the history folder recognisable; the hash of the game and the
// real store's path keeps two stores of the same name apart, and gives every way to one store (a
// setups.sav linking to another game folder's) one history, as it has one lock.
QString folderName(const StorePaths& paths, RecordLayout layout)
{
    QString store = canonicalPath(paths.store);
    if (store.isEmpty()) {
        QString folder = canonicalPath(paths.folder);
        if (folder.isEmpty())
            folder = absolutePath(paths.folder);
        store = folder + QStringLiteral("/setups.sav");
    }
    const QString real = folderOf(store);
    const QByteArray key =
        QByteArray::number(layout.trailingWordCount) + '\n' + encodeFileName(store);
    const QByteArray hash =
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);

    const QString gameFolder = folderOf(folderOf(real));
    QString readable = fileNameOf(gameFolder).left(40);
    for (QChar& c : readable) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'_' && c != u'.')
            c = u'_';
    }
    if (readable.isEmpty() || readable.startsWith(u'.'))
        readable.prepend(QStringLiteral("store"));
    return readable + u'-' + QString::fromLatin1(hash);
}

// The generation file at `path` is generation `id` and holds exactly `storeBytes`.
bool holdsStore(const QString& path, qint64 id, QByteArrayView storeBytes)
{
    const FileContents contents =
        readFileStart(path, layout::kMaxStoreFileSize + kGenerationHeadSize);
    if (!contents.ok || contents.bytes.size() != contents.fileSize)
        return false;
    const DecodedGeneration decoded = decodeGenerationHead(contents.bytes, contents.bytes.size());
    return decoded.record && decoded.record->id == id &&
           QByteArrayView(contents.bytes).sliced(decoded.bytesOffset) == storeBytes;
}

// The record of one generation file, read from its first bytes only: a list of a hundred
// generations does not read a hundred stores.
DecodedGeneration readHead(const QString& path)
{
    const FileContents head = readFileStart(path, kGenerationHeadSize);
    if (!head.ok) {
        DecodedGeneration failed;
        failed.error = head.error;
        return failed;
    }
    return decodeGenerationHead(head.bytes, head.fileSize);
}

} // namespace

StoreHistory::StoreHistory(const StorePaths& paths, RecordLayout layout, HistorySettings settings)
    : folder_(joinPath(rootFolder(), folderName(paths, layout))), layout_(layout),
      settings_(settings)
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

QString StoreHistory::generationPath(qint64 id, bool pinned) const
{
    return joinPath(folder_, QStringLiteral("%1%2")
                                 .arg(id, 10, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(pinned ? kPinnedSuffix : kUnpinnedSuffix)));
}

const GenerationFile* StoreHistory::newestValid(const std::vector<GenerationFile>& files) const
{
    // Newest first: the first file read is nearly always the one, so a new generation still
    // reads one record, not a hundred.
    for (const GenerationFile& file : files) {
        if (!file.regular)
            continue;
        const DecodedGeneration decoded = readHead(joinPath(folder_, file.name));
        if (decoded.record && decoded.record->id == file.id)
            return &file;
    }
    return nullptr;
}

qint64 StoreHistory::freeIdAfter(qint64 id) const
{
    // A damaged or planted file is passed over, never written over: its name is skipped.
    do
        ++id;
    while (id <= kMaxId &&
           (entryExists(generationPath(id, false)) || entryExists(generationPath(id, true))));
    return id;
}

QString StoreHistory::existingPath(qint64 id) const
{
    // As find() takes it: a pinned name that is no regular file (a planted link) is passed over.
    const QString pinned = generationPath(id, true);
    const PathInfo info(pinned);
    return info.isFile() && !info.isSymLink() ? pinned : generationPath(id, false);
}

FileResult StoreHistory::usable() const
{
    for (const QString& folder : {rootFolder(), folder_}) {
        if (PathInfo(folder).isSymLink()) {
            return FileResult::failure(
                QStringLiteral("%1 is a link: the backup history is never kept through a link")
                    .arg(folder));
        }
    }
    return FileResult::success();
}

HistoryListing StoreHistory::list() const
{
    HistoryListing listing;
    if (const FileResult safe = usable(); !safe) {
        listing.passedOver << safe.error;
        return listing;
    }
    QStringList foreign;
    const std::vector<GenerationFile> files = generationFiles(folder_, &foreign);
    for (const QString& name : std::as_const(foreign)) {
        listing.passedOver
            << QStringLiteral("%1: not a generation of the history").arg(joinPath(folder_, name));
    }
    qint64 listed = 0; // the id last listed: its unpinned twin, left by a pin cut short, is not
    for (const GenerationFile& file : files) {
        const QString path = joinPath(folder_, file.name);
        const auto passOver = [&](const QString& why) {
            listing.passedOver << QStringLiteral("%1: %2").arg(path, why);
        };
        if (file.id == listed)
            continue;
        if (!file.regular) {
            passOver(QStringLiteral("not a regular file"));
            continue;
        }
        const DecodedGeneration decoded = readHead(path);
        if (!decoded.record) {
            passOver(decoded.error);
            continue;
        }
        if (decoded.record->id != file.id) {
            passOver(QStringLiteral("its record names generation %1").arg(decoded.record->id));
            continue;
        }
        Generation generation = *decoded.record;
        generation.pinned = generation.pinned || file.pinned;
        listing.generations.push_back(generation);
        listed = file.id;
    }
    for (const QString& why : std::as_const(listing.passedOver))
        qCInfo(lcStore).noquote() << "history passed over" << why;
    return listing;
}

std::optional<Generation> StoreHistory::find(qint64 id) const
{
    if (!usable())
        return std::nullopt;
    // As list() finds it, from its two possible names alone: the pinned file, else the unpinned.
    for (const bool pinned : {true, false}) {
        const QString path = generationPath(id, pinned);
        if (const PathInfo info(path); !info.isFile() || info.isSymLink())
            continue;
        const DecodedGeneration decoded = readHead(path);
        if (!decoded.record || decoded.record->id != id)
            continue;
        Generation generation = *decoded.record;
        generation.pinned = generation.pinned || pinned;
        return generation;
    }
    return std::nullopt;
}

FileContents StoreHistory::bytesOf(qint64 id) const
{
    if (const FileResult safe = usable(); !safe) {
        FileContents refused;
        refused.error = safe.error;
        return refused;
    }
    const QString path = existingPath(id);
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

bool StoreHistory::holds(QByteArrayView storeBytes) const
{
    const auto setupsOf = [](QByteArrayView bytes) {
        return bytes.sliced(std::min<qsizetype>(layout::kHeaderSize, bytes.size()));
    };
    for (const Generation& generation : list().generations) {
        if (generation.bytes != storeBytes.size())
            continue;
        const FileContents kept = bytesOf(generation.id);
        if (kept.ok && setupsOf(kept.bytes) == setupsOf(storeBytes))
            return true;
    }
    return false;
}

KeepResult StoreHistory::keep(const QByteArray& storeBytes, const QString& command) const
{
    Staged staged = stage(storeBytes, command);
    return finish(staged);
}

StoreHistory::Staged StoreHistory::stage(const QByteArray& storeBytes, const QString& command) const
{
    Staged staged;
    if (!settings_.keepGenerations)
        return staged;
    if (FileResult safe = usable(); !safe) {
        staged.result.result = std::move(safe);
        return staged;
    }
    if (!makeFolders(folder_, PathKind::HistoryFolder)) {
        staged.result.result = FileResult::failure(
            QStringLiteral("%1: the history folder could not be created").arg(folder_));
        return staged;
    }
    // Names only: the newest generation is read whole to compare, no other record is read.
    QStringList scratch;
    std::vector<GenerationFile> files = generationFiles(folder_, nullptr, &scratch);
    const GenerationFile* newest = newestValid(files);
    if (newest && holdsStore(joinPath(folder_, newest->name), newest->id, storeBytes))
        return staged;

    Generation record;
    record.id = freeIdAfter(newest ? newest->id : 0);
    if (record.id > kMaxId) {
        staged.result.result = FileResult::failure(
            QStringLiteral("%1: no generation number is left after %2").arg(folder_).arg(kMaxId));
        return staged;
    }
    record.time = settings_.now();
    record.command = command;
    record.setups = countStoreSetups(storeBytes, layout_);
    record.bytes = storeBytes.size();
    auto save =
        std::make_unique<AtomicSave>(generationPath(record.id, false), PathKind::Generation);
    // The spare first: the pruned generation's file, of the size the next one most likely has.
    if (const qsizetype spare = scratch.indexOf(QString::fromLatin1(kSpareName)); spare > 0)
        scratch.move(spare, 0);
    if (!scratch.isEmpty())
        save->reuse(joinPath(folder_, scratch.takeFirst()));
    staged.scratch = std::move(scratch);
    staged.result.result = save->write(encodeGeneration(record, storeBytes));
    if (!staged.result)
        return staged;
    staged.save = std::move(save);
    staged.keptId = record.id;
    files.insert(
        files.begin(),
        GenerationFile{.name = fileNameOf(staged.save->path()), .id = record.id, .regular = true});
    staged.files = std::move(files);
    return staged;
}

KeepResult StoreHistory::finish(Staged& staged) const
{
    KeepResult kept = std::move(staged.result);
    if (!kept || !staged.save)
        return kept;
    kept.result = staged.save->commit();
    staged.save.reset();
    if (!kept)
        return kept;
    kept.keptId = staged.keptId;
    for (const QString& name : std::as_const(staged.scratch)) {
        if (const FileResult removed = removeFile(joinPath(folder_, name)); !removed)
            kept.passedOver << removed.error;
    }
    prune(staged.files, kept.passedOver);
    return kept;
}

void StoreHistory::prune(const std::vector<GenerationFile>& files, QStringList& passedOver) const
{
    // The first file pruned becomes the spare the next generation is written over; without a
    // spare each generation would free one file's blocks and allocate another's.
    bool spareMade = false;
    const auto remove = [&](const GenerationFile& file) {
        const QString path = joinPath(folder_, file.name);
        if (!spareMade && renameFile(path, joinPath(folder_, QString::fromLatin1(kSpareName))).ok) {
            spareMade = true;
            return;
        }
        if (const FileResult removed = removeFile(path); !removed)
            passedOver << removed.error;
    };
    const auto readable = [&](const GenerationFile& file, bool pinned) {
        const DecodedGeneration decoded = readHead(joinPath(folder_, file.name));
        return decoded.record && decoded.record->id == file.id && decoded.record->pinned == pinned;
    };
    int unpinned = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const GenerationFile& file = files[i];
        if (!file.regular || file.pinned)
            continue;
        const GenerationFile* twin = i > 0 && files[i - 1].id == file.id ? &files[i - 1] : nullptr;
        if (twin && twin->regular) {
            // Left behind by a pin cut short; its pinned copy holds the same store.
            if (readable(*twin, true))
                remove(file);
            continue;
        }
        // Only a record that says it is an unpinned generation of this id is pruned: a damaged
        // or foreign file is passed over, never removed.
        if (++unpinned > kKeptUnpinned && readable(file, false))
            remove(file);
    }
}

FileResult StoreHistory::setPinned(qint64 id, bool pinned) const
{
    const std::optional<Generation> found = find(id);
    if (!found)
        return FileResult::failure(QStringLiteral("There is no generation %1.").arg(id));
    const QString from = existingPath(id);
    const QString to = generationPath(id, pinned);
    if (found->pinned == pinned && from == to)
        return FileResult::success();
    const FileContents bytes = bytesOf(id);
    if (!bytes.ok)
        return FileResult::failure(bytes.error);
    // A link planted at the other name would take the generation wherever it points.
    if (FileResult notLink = refuseLink(to); !notLink)
        return notLink;
    Generation record = *found;
    record.pinned = pinned;
    // The new file first, then the old one goes: cut short between, both hold the same store,
    // the pinned one counts and the next prune removes the other.
    if (FileResult saved =
            saveFileAtomically(to, encodeGeneration(record, bytes.bytes), {}, PathKind::Generation);
        !saved)
        return saved;
    if (from != to) {
        if (FileResult removed = removeFile(from); !removed)
            return removed;
    }
    return FileResult::success();
}

} // namespace tarvelin
