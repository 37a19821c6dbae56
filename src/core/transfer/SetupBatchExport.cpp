// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer/SetupBatchExport.h"

#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreCommandOutcome.h"
#include "core/store/StoreList.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"
#include "core/transfer/SetupExport.h"

#include <QHash>
#include <algorithm>

namespace tarvelin
{

namespace
{

// The slots asked for, each once, in the order given; every used slot for allSlots.
std::vector<int> chosenSlots(const BatchExportRequest& request, const SetupTable& table)
{
    if (request.allSlots)
        return table.usedSlots();
    std::vector<int> slots;
    for (const int slot : request.slots) {
        if (std::find(slots.begin(), slots.end(), slot) == slots.end())
            slots.push_back(slot);
    }
    return slots;
}

ExportRequest exportOf(const BatchExportRequest& request, const StoreLine& line, bool dryRun)
{
    return {
        .gameDirectory = request.gameDirectory,
        .profile = request.profile,
        .selectedSlot = line.slot,
        .exportName = line.displayName(),
        .folder = request.folder,
        .style = MessageStyle::Marked,
        // The store is read once more for each setup: one the game saved over since is refused.
        .listedName = line.name,
        .replaceExisting = request.replaceExisting,
        .dryRun = dryRun,
    };
}

// Every setup checked as export checks one, nothing written; false with the refusals.
bool checkAll(const BatchExportRequest& request, const std::vector<StoreLine>& lines,
              BatchExportOutcome& outcome)
{
    QHash<QString, int> slotOfTarget;
    for (const StoreLine& line : lines) {
        const ExportOutcome checked = exportSetup(exportOf(request, line, true));
        const QString target =
            joinPath(request.folder, line.displayName() + request.profile->SetupFileExtension);
        if (checked.wouldReplace) {
            outcome.wouldReplace << target;
            continue;
        }
        if (!checked.done) {
            outcome.messages.insert(outcome.messages.end(), checked.messages.begin(),
                                    checked.messages.end());
            outcome.detail = checked.detail;
            continue;
        }
        if (const auto other = slotOfTarget.constFind(target); other != slotOfTarget.cend()) {
            outcome.messages.push_back(
                exclamation(QStringLiteral("The setups in slots %1 and %2 have the same name: "
                                           "both would be written to %3. Nothing was exported.")
                                .arg(*other)
                                .arg(line.slot)
                                .arg(target)));
            continue;
        }
        slotOfTarget.insert(target, line.slot);
        outcome.writtenFiles << checked.writtenFile;
    }
    return outcome.messages.empty() && outcome.wouldReplace.isEmpty();
}

} // namespace

BatchExportOutcome exportSetups(const BatchExportRequest& request)
{
    const StorePaths paths = StorePaths::forGameDirectory(request.gameDirectory);
    if (!paths.isValid())
        return refused<BatchExportOutcome>(noGameDirectoryMessage());
    const StoreRead read = readGameStore(paths, request.profile->recordLayout());
    if (!read.ok)
        return refused<BatchExportOutcome>(storeUnreadableMessage(paths.store), read.error);
    const SetupTable& table = read.image.table;

    std::vector<StoreLine> lines;
    for (const int slot : chosenSlots(request, table)) {
        if (!SetupTable::isSlot(slot) || !table.entry(slot).isUsed()) {
            return refused<BatchExportOutcome>(exclamation(
                QStringLiteral("Slot %1 of the store holds no setup. Nothing was exported.")
                    .arg(slot)));
        }
        lines.push_back({slot, table.entry(slot).name});
    }
    if (lines.empty())
        return refused<BatchExportOutcome>(
            exclamation(QStringLiteral("The store holds no setup. Nothing was exported.")));

    BatchExportOutcome outcome;
    if (!checkAll(request, lines, outcome)) {
        outcome.writtenFiles.clear();
        return outcome;
    }
    if (request.dryRun) {
        outcome.done = true;
        return outcome;
    }
    outcome.writtenFiles.clear();
    for (const StoreLine& line : lines) {
        const ExportOutcome written = exportSetup(exportOf(request, line, false));
        if (!written.done) {
            // A file of the batch appeared or the store changed since the checks: the files
            // already written stay, and are listed.
            outcome.messages.insert(outcome.messages.end(), written.messages.begin(),
                                    written.messages.end());
            outcome.detail = written.detail;
            if (written.wouldReplace)
                outcome.wouldReplace << joinPath(
                    request.folder, line.displayName() + request.profile->SetupFileExtension);
            return outcome;
        }
        outcome.writtenFiles << written.writtenFile;
        outcome.passedOver << written.passedOver;
    }
    outcome.done = true;
    return outcome;
}

} // namespace tarvelin
