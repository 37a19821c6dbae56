// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/HistorySettings.h"
#include "core/store/StoreCommandOutcome.h"
#include "core/store/StoreGeneration.h"
#include "core/store/StorePreview.h"

#include <vector>

namespace tarvelin
{

// The store's generations, newest first. Damaged or foreign files of the history folder are in
// passedOver and never stop the list.
struct HistoryListOutcome : CommandOutcome {
    std::vector<Generation> generations;
};
HistoryListOutcome listHistory(const QString& gameDirectory, RecordLayout layout);

// What restoring generation `id` would change against the store as it is now.
struct HistoryPreviewOutcome : CommandOutcome {
    Generation generation;
    StorePreview preview;
};
HistoryPreviewOutcome previewGeneration(const QString& gameDirectory, RecordLayout layout,
                                        qint64 id);

// Puts generation `id` back as setups.sav, under the store's lock; the store it replaces is kept
// as a generation itself, so the restore can be undone.
struct HistoryRestoreOutcome : StoreCommandOutcome {
    StorePreview preview;          // what the restore changed (or, in a dry run, would change)
    qint64 keptGeneration = 0;     // the generation that now holds the replaced store; 0: none new
    qint64 restoredGeneration = 0; // the generation put back (or, in a dry run, to be)
};
HistoryRestoreOutcome restoreGeneration(const QString& gameDirectory, RecordLayout layout,
                                        qint64 id, bool dryRun = false,
                                        const HistorySettings& history = {});

// What undoing the last change would bring back and remove: the newest generation whose bytes
// differ from the store as it is now (one equal to it, such as the opening kept, changed nothing
// to undo). Not done, with its message, when there is none.
HistoryPreviewOutcome previewUndo(const QString& gameDirectory, RecordLayout layout);
// Restores that generation as restoreGeneration does: the replaced store is kept, so undoing
// again takes the undo back.
HistoryRestoreOutcome undoLastChange(const QString& gameDirectory, RecordLayout layout,
                                     bool dryRun = false, const HistorySettings& history = {});

// Pins generation `id`, so retention never prunes it, or unpins it.
CommandOutcome pinGeneration(const QString& gameDirectory, RecordLayout layout, qint64 id,
                             bool pinned);

// "There is no generation ..." for an id the history does not hold.
Message unknownGenerationMessage(qint64 id);

} // namespace tarvelin
