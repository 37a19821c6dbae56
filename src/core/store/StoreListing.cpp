// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreListing.h"

#include "core/store/StoreOpening.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"

namespace tarvelin
{

namespace
{

// What `backup` would do, by the opening's own rule: only a store read whole replaces the backup.
StoreCommandOutcome backUpDryRun(const StorePaths& paths, RecordLayout layout)
{
    const StoreRead read = readGameStore(paths, layout);
    if (!read.ok)
        return refused<StoreCommandOutcome>(
            exclamation(QStringLiteral("The backup would not be written: %1").arg(read.error)));
    if (read.missing || read.image.cutShort)
        return refused<StoreCommandOutcome>(
            exclamation(QStringLiteral("The store %1 is missing, empty or incomplete, so the "
                                       "backup %2 would be kept as it is.")
                            .arg(paths.store, paths.backup)));
    StoreCommandOutcome outcome;
    outcome.done = true;
    outcome.store = stateOf(read.image.table);
    outcome.messages.push_back({QStringLiteral("%1 would hold the %2 setups of %3.")
                                    .arg(paths.backup)
                                    .arg(outcome.store->counters.total)
                                    .arg(paths.store),
                                MessageIcon::Information});
    return outcome;
}

} // namespace

StoreCommandOutcome listSetups(const QString& gameDirectory, RecordLayout layout)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<StoreCommandOutcome>(noGameDirectoryMessage());
    const StoreRead read = readGameStore(paths, layout);
    if (!read.ok)
        return refused<StoreCommandOutcome>(exclamation(read.error));
    StoreCommandOutcome outcome;
    outcome.done = true;
    outcome.store = stateOf(read.image.table);
    return outcome;
}

StoreCommandOutcome backUpStore(const QString& gameDirectory, RecordLayout layout, bool dryRun)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<StoreCommandOutcome>(noGameDirectoryMessage());
    if (dryRun)
        return backUpDryRun(paths, layout);
    const StoreOpening opening = openStoreAndBackUp(gameDirectory, layout);
    if (opening.backupKept)
        return refused<StoreCommandOutcome>(*opening.backupKept);
    if (!opening.storeRead || !opening.backupWritten)
        return refused<StoreCommandOutcome>(
            exclamation(QStringLiteral("The backup was not written: %1")
                            .arg(opening.passedOver.join(QStringLiteral("; ")))));
    StoreCommandOutcome outcome;
    outcome.done = true;
    for (const QString& step : opening.passedOver)
        outcome.messages.push_back({step, MessageIcon::Exclamation});
    outcome.messages.push_back({QStringLiteral("%1 now holds the %2 setups of %3.")
                                    .arg(paths.backup)
                                    .arg(opening.store.counters.total)
                                    .arg(paths.store),
                                MessageIcon::Information});
    outcome.store = opening.store;
    return outcome;
}

} // namespace tarvelin
