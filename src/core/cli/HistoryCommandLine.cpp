#include "core/cli/HistoryCommandLine.h"

#include "core/cli/CommandReport.h"
#include "core/cli/JsonOutput.h"
#include "core/cli/TerminalText.h"
#include "core/game/GameProfile.h"
#include "core/store/StoreHistoryCommands.h"

#include <QTextStream>

namespace tarvelin::cli
{

namespace
{

qint64 generationId(const CommandContext& context)
{
    return context.invocation.arguments.at(0).toLongLong();
}

RecordLayout layoutOf(const CommandContext& context)
{
    return context.game->profile->recordLayout();
}

void printGenerations(CommandContext& context, const std::vector<Generation>& generations)
{
    if (context.invocation.has(Option::Json)) {
        QStringList objects;
        for (const Generation& g : generations) {
            objects << OrderedJson()
                           .add("id", g.id)
                           .add("time", generationTimeText(g.time))
                           .add("command", g.command)
                           .add("setups", g.setups)
                           .add("bytes", g.bytes)
                           .add("pinned", g.pinned)
                           .text();
        }
        context.out << jsonArrayOfLines(objects) << '\n';
        return;
    }
    for (const Generation& g : generations) {
        context.out << g.id << '\t' << generationTimeText(g.time) << '\t' << g.command << '\t'
                    << g.setups << '\t' << g.bytes << (g.pinned ? "\tpinned" : "") << '\n';
    }
}

void printPreview(CommandContext& context, const StorePreview& preview)
{
    const auto section = [&context](const char* title, const QStringList& names) {
        context.out << title << ' ' << names.size() << '\n';
        for (const QString& name : names)
            context.out << '\t' << name << '\n';
    };
    section("Bring back:", preview.bringBack);
    section("Remove:", preview.remove);
    section("Change:", preview.change);
    context.out << "Order changes: " << (preview.reorder ? "yes" : "no") << '\n';
}

void printPreviewJson(CommandContext& context, const StorePreview& preview)
{
    context.out << QStringLiteral("{\"bring_back\": %1, \"remove\": %2, \"change\": %3, "
                                  "\"reorder\": %4}")
                       .arg(jsonArray(preview.bringBack), jsonArray(preview.remove),
                            jsonArray(preview.change),
                            preview.reorder ? QStringLiteral("true") : QStringLiteral("false"))
                << '\n';
}

QStringList restoredLines(const CommandContext& context, const HistoryRestoreOutcome& outcome,
                          qint64 id, bool dryRun)
{
    if (dryRun)
        return {QStringLiteral("Dry run: %1 was not changed.").arg(context.game->paths.store)};
    QStringList lines{QStringLiteral("Restored generation %1: the store now holds %2 setups.")
                          .arg(id)
                          .arg(outcome.store->counters.total)};
    if (outcome.keptGeneration != 0)
        lines << QStringLiteral("The store it replaced is generation %1.")
                     .arg(outcome.keptGeneration);
    return lines;
}

int runPin(CommandContext& context, bool pinned)
{
    const qint64 id = generationId(context);
    const CommandOutcome outcome =
        pinGeneration(context.game->gameDirectory, layoutOf(context), id, pinned);
    return report(context, outcome,
                  {QStringLiteral("Generation %1 is %2.")
                       .arg(id)
                       .arg(pinned ? QStringLiteral("pinned: it is kept until it is unpinned")
                                   : QStringLiteral("no longer pinned"))});
}

} // namespace

int runHistoryList(CommandContext& context)
{
    const HistoryListOutcome outcome = listHistory(context.game->gameDirectory, layoutOf(context));
    // A file in the history folder that is no generation is named, and the list goes on.
    for (const QString& file : outcome.passedOver)
        context.err << terminalText(QStringLiteral("Passed over %1").arg(file)) << Qt::endl;
    if (outcome.done)
        printGenerations(context, outcome.generations);
    return report(context, outcome);
}

int runHistoryShow(CommandContext& context)
{
    const HistoryPreviewOutcome outcome =
        previewGeneration(context.game->gameDirectory, layoutOf(context), generationId(context));
    if (outcome.done) {
        if (context.invocation.has(Option::Json))
            printPreviewJson(context, outcome.preview);
        else
            printPreview(context, outcome.preview);
    }
    return report(context, outcome);
}

int runHistoryRestore(CommandContext& context)
{
    const qint64 id = generationId(context);
    const bool dryRun = context.invocation.has(Option::DryRun);
    const HistoryRestoreOutcome outcome =
        restoreGeneration(context.game->gameDirectory, layoutOf(context), id, dryRun);
    if (!outcome.done)
        return report(context, outcome);
    printPreview(context, outcome.preview);
    return report(context, outcome, restoredLines(context, outcome, id, dryRun));
}

int runHistoryPin(CommandContext& context)
{
    return runPin(context, true);
}

int runHistoryUnpin(CommandContext& context)
{
    return runPin(context, false);
}

} // namespace tarvelin::cli
