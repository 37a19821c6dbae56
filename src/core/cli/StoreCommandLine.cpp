// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/StoreCommandLine.h"

#include "core/cli/BatchCommandLine.h"
#include "core/cli/CommandReport.h"
#include "core/cli/StoreChangeOutput.h"
#include "core/cli/StoreReport.h"
#include "core/cli/TerminalText.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreListing.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "core/transfer/StoreCopy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace tarvelin::cli
{

namespace
{

int reportStoreChange(CommandContext& context, const StoreCommandOutcome& outcome,
                      const QString& what, const OrderedJson& before = {})
{
    StoreReport result = storeReport(context, outcome, what);
    return report(context, outcome, result.lines, OrderedJson(before).append(result.fields));
}

// What a dry run would do to a file the command writes.
QString wouldWrite(bool existed)
{
    return existed ? QStringLiteral("would be replaced") : QStringLiteral("would be written");
}

void printListing(CommandContext& context, const StoreState& store)
{
    const GameContext& game = *context.game;
    if (context.json()) {
        QJsonArray setups;
        int position = 0;
        for (const StoreLine& line : store.lines) {
            setups.append(QJsonObject{{QStringLiteral("position"), ++position},
                                      {QStringLiteral("slot"), line.slot},
                                      {QStringLiteral("name"), line.displayName()}});
        }
        const QJsonObject listing{
            {QStringLiteral("game"), game.profile->id},
            {QStringLiteral("gameDirectory"), game.gameDirectory},
            {QStringLiteral("store"), game.paths.store},
            {QStringLiteral("count"), store.counters.total},
            {QStringLiteral("nextSlot"), store.counters.nextSlot},
            {QStringLiteral("setups"), setups},
        };
        context.out << QJsonDocument(listing).toJson(QJsonDocument::Indented);
        return;
    }
    int position = 0;
    for (const StoreLine& line : store.lines)
        context.out << ++position << '\t' << line.slot << '\t'
                    << escapedForOneLine(line.displayName()) << '\n';
}

} // namespace

int runList(CommandContext& context)
{
    const GameContext& game = *context.game;
    const StoreCommandOutcome outcome =
        listSetups(game.gameDirectory, game.profile->recordLayout());
    if (!outcome.done)
        return report(context, outcome);
    printListing(context, *outcome.store);
    return reportAsLines(context, outcome);
}

int runExport(CommandContext& context)
{
    const GameContext& game = *context.game;
    const Invocation& line = context.invocation;
    if (line.has(Option::Slot) == line.has(Option::All))
        return wrongUsage(context, line.has(Option::All)
                                       ? QStringLiteral("--slot and --all are both given")
                                       : QStringLiteral("needs --slot K or --all"));
    if (!line.has(Option::Name))
        return runExportSetups(context);
    if (line.has(Option::All) || line.slots().size() > 1)
        return wrongUsage(context, QStringLiteral("--name names the file of one --slot only"));
    const QString folder = absolutePath(line.value(Option::To));
    const QString target =
        joinPath(folder, line.value(Option::Name) + game.profile->SetupFileExtension);
    const bool existed = PathInfo::exists(target);
    const ExportOutcome outcome = exportSetup({
        .gameDirectory = game.gameDirectory,
        .profile = game.profile,
        .selectedSlot = line.slot(),
        .exportName = line.value(Option::Name),
        .folder = folder,
        .style = MessageStyle::Marked,
        .replaceExisting = line.has(Option::Replace),
        .dryRun = context.dryRun(),
    });
    const OrderedJson fields = OrderedJson()
                                   .add("file", outcome.done ? outcome.writtenFile : target)
                                   .add("replaced", outcome.done && existed);
    if (outcome.wouldReplace)
        return fail(context,
                    QStringLiteral("%1 already exists. Nothing was exported; give --replace to "
                                   "replace it.")
                        .arg(target),
                    fields);
    QStringList lines;
    if (outcome.done && context.dryRun())
        lines << QStringLiteral("Dry run: %1 %2. Nothing was written.")
                     .arg(outcome.writtenFile, wouldWrite(existed));
    else if (outcome.done && !context.json())
        context.out << terminalText(outcome.writtenFile) << '\n';
    return report(context, outcome, lines, fields);
}

int runImport(CommandContext& context)
{
    if (context.invocation.arguments.size() > 1)
        return runImportFiles(context);
    const GameContext& game = *context.game;
    const QString& file = context.invocation.arguments.at(0);
    const bool deleteFile = context.invocation.has(Option::Delete);
    const ImportOutcome outcome = importSetup({
        .gameDirectory = game.gameDirectory,
        .profile = game.profile,
        .folder = absolutePath(folderOf(file)),
        .chosenFile = fileNameOf(file),
        .style = MessageStyle::Marked,
        .deleteFileAfterImport = deleteFile,
        .dryRun = context.dryRun(),
    });
    if (outcome.importedSlot != 0 && !context.json())
        context.out << outcome.importedSlot << '\n';
    StoreReport result = storeReport(context, outcome, QStringLiteral("The store now holds"));
    if (outcome.done && context.dryRun() && deleteFile)
        result.lines.prepend(
            QStringLiteral("Dry run: %1 would be deleted once it is in the store.").arg(file));
    return report(context, outcome, result.lines,
                  OrderedJson()
                      .add("file", file)
                      .add("slot", outcome.importedSlot)
                      .add("file_deleted",
                           outcome.fileRemoved || (outcome.done && context.dryRun() && deleteFile))
                      .append(result.fields));
}

int runDelete(CommandContext& context)
{
    const GameContext& game = *context.game;
    const StoreCommandOutcome outcome = deleteSetup({
        .gameDirectory = game.gameDirectory,
        .layout = game.profile->recordLayout(),
        .setupChosen = true, // naming a slot chooses its setup
        .selectedSlot = context.invocation.slot(),
        .listedName = std::nullopt, // the slot is taken as named, whatever it holds now
        .dryRun = context.dryRun(),
    });
    return reportStoreChange(context, outcome, QStringLiteral("The store now holds"),
                             OrderedJson().add("slot", context.invocation.slot()));
}

int runSort(CommandContext& context)
{
    const GameContext& game = *context.game;
    const StoreCommandOutcome outcome =
        sortStore(game.gameDirectory, game.profile->recordLayout(), {}, context.dryRun());
    return reportStoreChange(context, outcome, QStringLiteral("Sorted"));
}

int runBackup(CommandContext& context)
{
    const GameContext& game = *context.game;
    const StoreCommandOutcome outcome =
        backUpStore(game.gameDirectory, game.profile->recordLayout(), context.dryRun());
    OrderedJson fields;
    fields.add("backup", game.paths.backup);
    if (outcome.store)
        fields.add("setups", outcome.store->counters.total);
    return report(context, outcome,
                  context.dryRun() ? QStringList{QStringLiteral("Dry run: nothing was changed.")}
                                   : QStringList{},
                  fields);
}

int runRestore(CommandContext& context)
{
    const GameContext& game = *context.game;
    const StoreCommandOutcome outcome =
        restoreStore(game.gameDirectory, game.profile->recordLayout(), {}, context.dryRun());
    return reportStoreChange(context, outcome, QStringLiteral("Restored from setups.bak:"));
}

int runStoreExport(CommandContext& context)
{
    const GameContext& game = *context.game;
    const QString folder = context.invocation.value(Option::To);
    const bool existed = PathInfo::exists(joinPath(folder, game.profile->StoreCopyFileName));
    const StoreCopyOutcome outcome =
        exportStoreCopy(game.gameDirectory, folder, *game.profile,
                        context.invocation.has(Option::Replace), context.dryRun());
    if (outcome.wouldReplace)
        return fail(context,
                    QStringLiteral("%1 already exists. Nothing was exported; give "
                                   "--replace to replace it.")
                        .arg(joinPath(absolutePath(folder), game.profile->StoreCopyFileName)),
                    OrderedJson().add("file", outcome.writtenPath).add("replaced", false));
    OrderedJson fields;
    fields.add("file", outcome.writtenPath).add("replaced", outcome.done && existed);
    QStringList lines;
    if (outcome.store) {
        fields.add("setups", outcome.store->counters.total);
        if (context.dryRun())
            lines << QStringLiteral("Dry run: %1 %2 with the %3 setups of %4. Nothing was "
                                    "written.")
                         .arg(outcome.writtenPath, wouldWrite(existed))
                         .arg(outcome.store->counters.total)
                         .arg(game.paths.store);
        else
            lines << QStringLiteral("%1 now holds the %2 setups of %3.")
                         .arg(outcome.writtenPath)
                         .arg(outcome.store->counters.total)
                         .arg(game.paths.store);
    }
    return report(context, outcome, lines, fields);
}

int runStoreImport(CommandContext& context)
{
    const GameContext& game = *context.game;
    const QString& copy = context.invocation.arguments.at(0);
    const StoreCopyOutcome outcome = importStoreCopy(
        game.gameDirectory, folderOf(copy), fileNameOf(copy), *game.profile, {}, context.dryRun());
    OrderedJson fields;
    fields.add("file", copy).add("store", game.paths.store);
    QStringList lines;
    if (outcome.store) {
        const int setups = outcome.store->counters.total;
        fields.add("setups", setups);
        if (outcome.wouldChange) {
            lines << QStringLiteral("Dry run: %1 would hold the %2 setups of %3 (%4). Nothing "
                                    "was changed.")
                         .arg(game.paths.store)
                         .arg(setups)
                         .arg(copy, changeSummary(*outcome.wouldChange));
            fields.addWritten("changes", changesJson(*outcome.wouldChange));
        } else {
            lines << QStringLiteral("%1 now holds the %2 setups of %3.")
                         .arg(outcome.writtenPath)
                         .arg(setups)
                         .arg(copy);
        }
    }
    return report(context, outcome, lines, fields);
}

} // namespace tarvelin::cli
