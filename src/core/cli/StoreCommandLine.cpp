#include "core/cli/StoreCommandLine.h"

#include "core/cli/CommandReport.h"
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

// The store's new size, once a command changed it.
QStringList storeSizeLine(const StoreCommandOutcome& outcome, const QString& what)
{
    if (!outcome.store)
        return {};
    return {QStringLiteral("%1 %2 setups.").arg(what).arg(outcome.store->counters.total)};
}

QStringList copyWrittenLine(const StoreCopyOutcome& outcome, const QString& from)
{
    if (!outcome.store)
        return {};
    return {QStringLiteral("%1 now holds the %2 setups of %3.")
                .arg(outcome.writtenPath)
                .arg(outcome.store->counters.total)
                .arg(from)};
}

void printListing(CommandContext& context, const StoreState& store)
{
    const GameContext& game = *context.game;
    if (context.invocation.has(Option::Json)) {
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
    if (outcome.done)
        printListing(context, *outcome.store);
    return report(context, outcome);
}

int runExport(CommandContext& context)
{
    const GameContext& game = *context.game;
    const Invocation& line = context.invocation;
    const QString folder = absolutePath(line.value(Option::To));
    const ExportOutcome outcome = exportSetup({
        .gameDirectory = game.gameDirectory,
        .profile = game.profile,
        .selectedSlot = line.slot(),
        .exportName = line.value(Option::Name),
        .folder = folder,
        .style = MessageStyle::Marked,
        .replaceExisting = line.has(Option::Replace),
    });
    if (outcome.wouldReplace)
        return fail(context, QStringLiteral("%1 already exists. Nothing was exported; give "
                                            "--replace to replace it.")
                                 .arg(joinPath(folder, line.value(Option::Name) +
                                                           game.profile->SetupFileExtension)));
    if (outcome.done)
        context.out << terminalText(outcome.writtenFile) << '\n';
    return report(context, outcome);
}

int runImport(CommandContext& context)
{
    const GameContext& game = *context.game;
    const QString& file = context.invocation.arguments.at(0);
    const ImportOutcome outcome = importSetup({
        .gameDirectory = game.gameDirectory,
        .profile = game.profile,
        .folder = absolutePath(folderOf(file)),
        .chosenFile = fileNameOf(file),
        .style = MessageStyle::Marked,
        .deleteFileAfterImport = context.invocation.has(Option::Delete),
    });
    if (outcome.importedSlot != 0)
        context.out << outcome.importedSlot << '\n';
    return report(context, outcome, storeSizeLine(outcome, QStringLiteral("The store now holds")));
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
    });
    return report(context, outcome, storeSizeLine(outcome, QStringLiteral("The store now holds")));
}

int runSort(CommandContext& context)
{
    const GameContext& game = *context.game;
    const StoreCommandOutcome outcome = sortStore(game.gameDirectory, game.profile->recordLayout());
    return report(context, outcome, storeSizeLine(outcome, QStringLiteral("Sorted")));
}

int runBackup(CommandContext& context)
{
    const GameContext& game = *context.game;
    return report(context, backUpStore(game.gameDirectory, game.profile->recordLayout()));
}

int runRestore(CommandContext& context)
{
    const GameContext& game = *context.game;
    const StoreCommandOutcome outcome =
        restoreStore(game.gameDirectory, game.profile->recordLayout());
    return report(context, outcome,
                  storeSizeLine(outcome, QStringLiteral("Restored from setups.bak:")));
}

int runStoreExport(CommandContext& context)
{
    const GameContext& game = *context.game;
    const QString folder = context.invocation.value(Option::To);
    const StoreCopyOutcome outcome = exportStoreCopy(game.gameDirectory, folder, *game.profile,
                                                     context.invocation.has(Option::Replace));
    if (outcome.wouldReplace)
        return fail(context,
                    QStringLiteral("%1 already exists. Nothing was exported; give "
                                   "--replace to replace it.")
                        .arg(joinPath(absolutePath(folder), game.profile->StoreCopyFileName)));
    return report(context, outcome, copyWrittenLine(outcome, game.paths.store));
}

int runStoreImport(CommandContext& context)
{
    const GameContext& game = *context.game;
    const QString& copy = context.invocation.arguments.at(0);
    const StoreCopyOutcome outcome =
        importStoreCopy(game.gameDirectory, folderOf(copy), fileNameOf(copy), *game.profile);
    return report(context, outcome, copyWrittenLine(outcome, copy));
}

} // namespace tarvelin::cli
