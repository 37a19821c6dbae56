// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/HistorySettings.h"
#include "core/store/StoreCommandOutcome.h"
#include "core/store/StoreLayout.h"

#include <QString>
#include <optional>

namespace tarvelin
{

struct DeleteRequest {
    QString gameDirectory;
    RecordLayout layout;
    // The player has chosen a setup to delete. Without a choice nothing is read or written.
    bool setupChosen = false;
    // The slot of the selected list line (StoreLine::slot), 0 when no line is selected.
    int selectedSlot = 0;
    // The selected line's name as listed. When given, a store that changed on disk since it was
    // listed, so that this slot now holds another setup or none, is left alone.
    std::optional<QByteArray> listedName = std::nullopt;
    HistorySettings history = {};
    // Only say what the delete would change: no lock, no generation, nothing written.
    bool dryRun = false;
};

// A dry run (dryRun) goes as far as the write and stops there: done, `store` the store it would
// write and `wouldChange` what that changes; no lock is taken and nothing is written.

// Delete Setup: reads setups.sav afresh, clears the selected slot, compacts the table and puts
// the new store in place through setups.tmp. setups.bak is never touched. With no line
// selected nothing is removed, but the store is still compacted and rewritten.
StoreCommandOutcome deleteSetup(const DeleteRequest& request);

// Restore Store: setups.sav becomes setups.bak again, slot for slot, gaps included. The backup
// is only read and stays read-only. A missing or incomplete backup is refused. Done: the store
// was replaced, so whatever setup was chosen is no longer the one listed.
StoreCommandOutcome restoreStore(const QString& gameDirectory, RecordLayout layout,
                                 const HistorySettings& history = {}, bool dryRun = false);

// Sort Store: setups.sav rewritten through setups.tmp with its setups ordered by name in slots
// 1 to N. The chosen setup stays chosen, though no line is selected any more.
StoreCommandOutcome sortStore(const QString& gameDirectory, RecordLayout layout,
                              const HistorySettings& history = {}, bool dryRun = false);

} // namespace tarvelin
