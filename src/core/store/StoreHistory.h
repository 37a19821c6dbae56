// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FileIO.h"
#include "core/store/HistorySettings.h"
#include "core/store/StoreGeneration.h"
#include "core/store/StoreLayout.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace tarvelin
{

struct StorePaths;

// The generations of one store, newest first, and the files of its folder that were passed
// over because they are damaged or not generations at all.
struct HistoryListing {
    std::vector<Generation> generations;
    QStringList passedOver;
};

// One file of a history folder whose name is a generation's: "0000000042.generation", or
// "0000000042.pinned.generation" once pinned. The name says which generations pruning spares, so
// a new generation prunes without reading a hundred records.
struct GenerationFile {
    QString name;
    qint64 id = 0;
    bool pinned = false;
    bool regular = false; // not a folder, link or FIFO
};

struct KeepResult {
    FileResult result;
    qint64 keptId = 0; // 0: nothing kept, the store equals the newest generation
    QStringList passedOver;
    explicit operator bool() const { return result.ok; }
};

// The backup history of one store: every store a command replaced, kept outside the game
// folder under $XDG_STATE_HOME/tarvelin-setup-utility/history/, one folder per game and store.
// The caller holds the store's lock for every step that writes.
class StoreHistory
{
public:
    explicit StoreHistory(const StorePaths& paths, RecordLayout layout,
                          HistorySettings settings = {});

    // Unpinned generations beyond this many, oldest first, are pruned after each new one.
    static constexpr int kKeptUnpinned = 100;

    // $XDG_STATE_HOME/tarvelin-setup-utility/history, ~/.local/state/... without it.
    static QString rootFolder();
    const QString& folder() const { return folder_; }

    // A history root or a store's history folder that is a link is refused: kept through it,
    // generations would land wherever the link points. Every step refuses as for a history that
    // cannot be written, and reads find nothing.
    FileResult usable() const;

    HistoryListing list() const;
    std::optional<Generation> find(qint64 id) const;
    // The store bytes of a generation, checked against its record.
    FileContents bytesOf(qint64 id) const;

    // Some generation holds these setups: its bytes equal `storeBytes` but for the header, which
    // a backup carries as 0 whatever its store's was.
    bool holds(QByteArrayView storeBytes) const;

    // Keeps `storeBytes` as a new generation replaced by `command`, unless they equal the newest
    // generation byte for byte, then prunes. A failure leaves no new generation behind.
    KeepResult keep(const QByteArray& storeBytes, const QString& command) const;

    // keep() in two steps around the store's own write: stage() writes the generation without
    // waiting for the disk, finish() puts it in place and prunes. A command stages, writes its
    // new store, and finishes just before that store replaces the old one, so one journal commit
    // flushes both files and the generation is still on the disk first.
    struct Staged {
        KeepResult result; // a failure, or nothing to keep when `save` is empty
        std::unique_ptr<AtomicSave> save;
        qint64 keptId = 0;
        std::vector<GenerationFile> files; // the folder as stage() found it, newest first
        QStringList scratch;               // scratch files left over, removed by finish()
    };
    Staged stage(const QByteArray& storeBytes, const QString& command) const;
    KeepResult finish(Staged& staged) const;
    FileResult setPinned(qint64 id, bool pinned) const;

private:
    QString generationPath(qint64 id, bool pinned) const;
    // The newest file whose record reads and names its own id; ids come only from such files.
    const GenerationFile* newestValid(const std::vector<GenerationFile>& files) const;
    // The first id after `id` that no file's name holds yet, pinned or not.
    qint64 freeIdAfter(qint64 id) const;
    // The pinned file of a generation where there is one, else the unpinned one.
    QString existingPath(qint64 id) const;
    // Beyond the newest kKeptUnpinned unpinned generations, by their file names: `files` as
    // generationFiles() lists them.
    void prune(const std::vector<GenerationFile>& files, QStringList& passedOver) const;

    QString folder_;
    RecordLayout layout_;
    HistorySettings settings_;
};

} // namespace tarvelin
