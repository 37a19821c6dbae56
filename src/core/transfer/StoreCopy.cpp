#include "core/transfer/StoreCopy.h"

#include "core/Logging.h"
#include "core/files/FileReplace.h"
#include "core/files/FolderRules.h"
#include "core/files/TypedFileName.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"
#include "core/store/StoreChange.h"
#include "core/store/StoreFormat.h"
#include "core/store/StorePaths.h"

namespace tarvelin
{

namespace
{

// A store-format file read whole, with the header the store reader passes over.
struct CopyRead {
    StoreImage image;
    QByteArray header; // four bytes, zeros where the file had none
};

CopyRead parseWithHeader(const QByteArray& bytes, RecordLayout layout)
{
    CopyRead read{parseStore(bytes, layout), bytes.left(layout::kHeaderSize)};
    read.header.append(QByteArray(layout::kHeaderSize - read.header.size(), '\0'));
    return read;
}

QByteArray serializeWithHeader(const SetupTable& table, RecordLayout layout,
                               const QByteArray& header, QByteArrayView excess = {})
{
    QByteArray bytes = serializeStore(table, layout, excess);
    bytes.replace(0, layout::kHeaderSize, header);
    return bytes;
}

StoreCopyOutcome importFailed(const QString& why, StoreCopyOutcome outcome = {})
{
    return refused({QString::fromLatin1(kNoCopyChosenText)},
                   QStringLiteral("whole-store import: %1").arg(why), std::move(outcome));
}

} // namespace

StoreCopyOutcome exportStoreCopy(const QString& gameDirectory, const QString& transferFolder,
                                 const GameProfile& profile, bool replaceExisting)
{
    const RecordLayout layout = profile.recordLayout();
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    FileContents store;
    if (paths.isValid())
        store = readWholeFile(paths.store, layout::kMaxStoreFileSize);
    else
        store.error = QStringLiteral("no game directory");
    if (!store.ok) {
        return refused<StoreCopyOutcome>(
            exclamation(QStringLiteral("The store %1 could not be read, so no copy was written.")
                            .arg(paths.isValid() ? paths.store : QStringLiteral("setups.sav"))),
            store.error);
    }
    const CopyRead read = parseWithHeader(store.bytes, layout);
    StoreCopyOutcome outcome;
    outcome.store = stateOf(read.image.table);

    if (isRootFolder(transferFolder))
        return refused({QString::fromLatin1(kRootFolderRefusedText)}, {}, std::move(outcome));
    const QString copy = joinPath(transferFolder, profile.StoreCopyFileName);
    // Root may write over a read-only file; the player's read-only copy is kept all the same.
    FileResult written = refuseLink(copy);
    if (written && !isReadOnly(copy) && !replaceExisting && wouldReplaceFile(copy)) {
        outcome.wouldReplace = true;
        outcome.messages.push_back(replaceQuestion(profile.StoreCopyFileName));
        return outcome;
    }
    if (written)
        written = isReadOnly(copy)
                      ? FileResult::failure(QStringLiteral("%1 is read-only.").arg(copy))
                      : saveFileAtomically(
                            copy, serializeWithHeader(read.image.table, layout, read.header), {},
                            PathKind::StoreCopy);
    if (!written) {
        return refused(
            exclamation(QStringLiteral("The copy was not written. %1").arg(written.error)),
            written.error, std::move(outcome));
    }
    if (const FileResult normal = setNormal(copy); !normal)
        outcome.passedOver << normal.error;
    outcome.done = true;
    outcome.writtenPath = copy;
    return outcome;
}

StoreCopyOutcome importStoreCopy(const QString& gameDirectory, const QString& transferFolder,
                                 const QString& selectedFileName, const GameProfile& profile,
                                 const HistorySettings& history)
{
    if (transferFolder.isEmpty() || !isUsableFileName(selectedFileName))
        return importFailed(QStringLiteral("no file selected"));
    const QString copy = joinPath(transferFolder, selectedFileName);
    if (PathInfo(copy).isDir())
        return importFailed(QStringLiteral("%1 is a folder").arg(copy));
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return importFailed(QStringLiteral("no game directory"));

    const RecordLayout layout = profile.recordLayout();
    const FileContents contents = readWholeFile(copy, layout::kMaxStoreFileSize);
    if (!contents.ok)
        return importFailed(contents.error);
    StoreChange change = StoreChange::begin(paths, layout, QStringLiteral("store-import"), history);
    if (!change.started())
        return refused<StoreCopyOutcome>(change.refusal(), change.refusalDetail());
    const CopyRead read = parseWithHeader(contents.bytes, layout);
    // A copy cut short is damaged. Bytes after slot 300 are kept, as the store keeps them, unless
    // the file reads as a whole store of the other game: then this game's walk found garbage, and
    // would replace every setup of the store with it.
    const StoreImage asOtherGame =
        parseStore(contents.bytes, profile.OtherProfile().recordLayout());
    const bool otherGames =
        !read.image.excess.isEmpty() && !asOtherGame.cutShort && asOtherGame.excess.isEmpty();
    if (read.image.cutShort || otherGames)
        return importFailed(
            QStringLiteral("%1 is not a whole store of %2").arg(copy, profile.gameTitle));

    StoreCopyOutcome outcome;
    // The copy's own attributes do not matter to the import: a copy on a read-only medium
    // imports all the same.
    if (const FileResult normal = setNormal(copy); !normal)
        outcome.passedOver << normal.error;
    // A store that is a link keeps its target's mode: attributes never go through a link.
    if (PathInfo::exists(paths.store) && !PathInfo(paths.store).isSymLink()) {
        if (const FileResult normal = setNormal(paths.store); !normal)
            return importFailed(normal.error, std::move(outcome));
    }
    const QByteArray header = profile.storeImportHeader == StoreImportHeader::AsRead
                                  ? read.header
                                  : QByteArray(layout::kHeaderSize, '\0');
    if (const FileResult written = change.replaceBytes(
            serializeWithHeader(read.image.table, layout, header, read.image.excess), false);
        !written) {
        if (change.historyRefused())
            return refused(change.notWrittenMessage(), written.error, std::move(outcome));
        return importFailed(written.error, std::move(outcome));
    }
    if (const FileResult normal = setNormal(paths.store); !normal)
        outcome.passedOver << normal.error;

    outcome.done = true;
    outcome.writtenPath = paths.store;
    outcome.store = stateOf(read.image.table);
    return outcome;
}

} // namespace tarvelin
