// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer/StoreCopy.h"

#include "core/Logging.h"
#include "core/files/FileReplace.h"
#include "core/files/FolderRules.h"
#include "core/files/TypedFileName.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"
#include "core/store/StoreChange.h"
#include "core/store/StoreCommandOutcome.h"
#include "core/store/StoreDefect.h"
#include "core/store/StoreFormat.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"

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
                                 const GameProfile& profile, bool replaceExisting, bool dryRun)
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
    if (written && isReadOnly(copy))
        written = FileResult::failure(QStringLiteral("%1 is read-only.").arg(copy));
    if (written && !replaceExisting && wouldReplaceFile(copy)) {
        outcome.wouldReplace = true;
        outcome.writtenPath = copy;
        outcome.messages.push_back(replaceQuestion(profile.StoreCopyFileName));
        return outcome;
    }
    if (written && dryRun) {
        outcome.done = true;
        outcome.writtenPath = copy;
        return outcome;
    }
    if (written)
        written =
            saveFileAtomically(copy, serializeWithHeader(read.image.table, layout, read.header), {},
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
                                 const HistorySettings& history, bool dryRun)
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
    // A copy that does not read whole is damaged or the other game's: its table would replace
    // every setup of the store with what a misaligned walk found.
    if (const QString defect = storeDefect(contents.bytes, layout); !defect.isEmpty())
        return importFailed(QStringLiteral("%1 is not a whole store of %2: %3")
                                .arg(copy, profile.gameTitle, defect));
    // A dry run writes nothing: it takes no lock and leaves what another command left.
    std::optional<StoreChange> change;
    if (!dryRun) {
        change = StoreChange::begin(paths, layout, QStringLiteral("store-import"), history);
        if (!change->started())
            return refused<StoreCopyOutcome>(change->refusal(), change->refusalDetail());
    }
    const CopyRead read = parseWithHeader(contents.bytes, layout);

    StoreCopyOutcome outcome;
    if (!change) {
        const StoreRead present = readGameStore(paths, layout);
        if (!present.ok)
            return refused(storeUnreadableMessage(paths.store), present.error, std::move(outcome));
        outcome.done = true;
        outcome.writtenPath = paths.store;
        outcome.store = stateOf(read.image.table);
        outcome.wouldChange = previewRestore(present.image.table, read.image.table, layout);
        return outcome;
    }
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
    change->replaceWholeStore();
    if (const FileResult written = change->replaceBytes(
            serializeWithHeader(read.image.table, layout, header, read.image.excess), false);
        !written) {
        // The copy was chosen and read: what failed is the store's write, and the player is told
        // that, not that no copy was chosen.
        return refused(change->notWrittenMessage(), written.error, std::move(outcome));
    }
    if (const FileResult normal = setNormal(paths.store); !normal)
        outcome.passedOver << normal.error;

    outcome.done = true;
    outcome.writtenPath = paths.store;
    outcome.store = stateOf(read.image.table);
    return outcome;
}

} // namespace tarvelin
