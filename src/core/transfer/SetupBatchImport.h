// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/HistorySettings.h"
#include "core/store/StoreCommandOutcome.h"
#include "core/transfer/MessageStyle.h"

#include <QStringList>
#include <vector>

namespace tarvelin
{

struct GameProfile;

// What a batch does when one of its files is refused.
enum class BatchRefusal {
    StopThere, // the window: the files before the refused one stay imported; its message is shown
    NothingChanged, // the command line: any refusal leaves the store as it was (exit 1)
    PassOver, // --keep-going: a refused file is passed over with its message, the others go in
};

struct BatchImportRequest {
    QString gameDirectory;
    const GameProfile* profile = nullptr;
    QStringList files; // whole paths, imported in this order
    BatchRefusal onRefusal = BatchRefusal::StopThere;
    MessageStyle style = MessageStyle::Marked;
    bool deleteFilesAfterImport = false; // as ImportRequest::deleteFileAfterImport, for each file
    int selectedIndex = -1;
    HistorySettings history = {};
    bool dryRun = false;
};

struct BatchImportOutcome : StoreCommandOutcome {
    std::vector<int> importedSlots; // the slot each imported file took, in the order imported
    QStringList importedFiles;      // the files whose setup went in, same order
    QStringList refusedFiles; // refused files (the one that stopped the batch, or each passed over)
    QStringList deletedFiles; // the imported files deleted, as asked
};

// Imports several setup files as import does one, each into the first free slot, under one lock,
// with one read and one write of the store, so the history keeps one generation for the whole
// batch. Each refused file gets the message importing it alone would give; once some went in and
// another was refused, one more message says how many of the files were imported. A dry run stops
// before the write, as import's does.
BatchImportOutcome importSetups(const BatchImportRequest& request);

} // namespace tarvelin
