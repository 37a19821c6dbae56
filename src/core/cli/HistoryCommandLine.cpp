// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/HistoryCommandLine.h"

#include "core/cli/CommandReport.h"
#include "core/cli/JsonOutput.h"
#include "core/cli/StoreChangeOutput.h"
#include "core/cli/TerminalText.h"
#include "core/game/GameProfile.h"
#include "core/store/StoreHistoryCommands.h"

#include <QTextStream>
#include <algorithm>

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
    if (context.json()) {
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

QStringList restoredLines(const CommandContext& context, const HistoryRestoreOutcome& outcome,
                          qint64 id, bool dryRun)
{
    if (dryRun)
        return {QStringLiteral("Dry run: %1 would become generation %2 again. Nothing was "
                               "changed.")
                    .arg(context.game->paths.store)
                    .arg(id)};
    QStringList lines{QStringLiteral("Restored generation %1: the store now holds %2 setups.")
                          .arg(id)
                          .arg(outcome.store->counters.total)};
    if (outcome.keptGeneration != 0)
        lines << QStringLiteral("The store it replaced is generation %1.")
                     .arg(outcome.keptGeneration);
    return lines;
}

// A dry run finds the generation as the pin would, and changes nothing.
CommandOutcome wouldPin(const CommandContext& context, qint64 id)
{
    HistoryListOutcome list = listHistory(context.game->gameDirectory, layoutOf(context));
    if (!list.done)
        return list;
    if (std::ranges::none_of(list.generations, [id](const Generation& g) { return g.id == id; }))
        return refused(unknownGenerationMessage(id));
    CommandOutcome outcome;
    outcome.done = true;
    return outcome;
}

int runPin(CommandContext& context, bool pinned)
{
    const qint64 id = generationId(context);
    const CommandOutcome outcome = context.dryRun() ? wouldPin(context, id)
                                                    : pinGeneration(context.game->gameDirectory,
                                                                    layoutOf(context), id, pinned);
    const QString line =
        context.dryRun()
            ? QStringLiteral("Dry run: generation %1 would be %2; nothing was changed.")
                  .arg(id)
                  .arg(pinned ? QStringLiteral("pinned") : QStringLiteral("unpinned"))
            : QStringLiteral("Generation %1 is %2.")
                  .arg(id)
                  .arg(pinned ? QStringLiteral("pinned: it is kept until it is unpinned")
                              : QStringLiteral("no longer pinned"));
    return report(context, outcome, {line},
                  OrderedJson().add("generation", id).add("pinned", pinned));
}

// A restore, or an undo, as done: what it changed and the generations it put back and kept.
int reportRestore(CommandContext& context, const HistoryRestoreOutcome& outcome)
{
    if (!outcome.done)
        return report(context, outcome);
    const qint64 id = outcome.restoredGeneration;
    const bool dryRun = context.dryRun();
    if (!context.json())
        printPreview(context.out, outcome.preview);
    OrderedJson fields;
    fields.add("generation", id).add("kept_generation", outcome.keptGeneration);
    if (!dryRun)
        fields.add("setups", outcome.store->counters.total);
    fields.addWritten("changes", previewJson(outcome.preview));
    return report(context, outcome, restoredLines(context, outcome, id, dryRun), fields);
}

} // namespace

int runHistoryList(CommandContext& context)
{
    const HistoryListOutcome outcome = listHistory(context.game->gameDirectory, layoutOf(context));
    // A file in the history folder that is no generation is named, and the list goes on.
    for (const QString& file : outcome.passedOver)
        context.err << terminalText(QStringLiteral("Passed over %1").arg(file)) << Qt::endl;
    if (!outcome.done)
        return report(context, outcome);
    printGenerations(context, outcome.generations);
    return reportAsLines(context, outcome);
}

int runHistoryShow(CommandContext& context)
{
    const HistoryPreviewOutcome outcome =
        previewGeneration(context.game->gameDirectory, layoutOf(context), generationId(context));
    if (!outcome.done)
        return report(context, outcome);
    if (context.json())
        context.out << previewJson(outcome.preview) << '\n';
    else
        printPreview(context.out, outcome.preview);
    return reportAsLines(context, outcome);
}

int runHistoryRestore(CommandContext& context)
{
    const HistoryRestoreOutcome outcome = restoreGeneration(
        context.game->gameDirectory, layoutOf(context), generationId(context), context.dryRun());
    return reportRestore(context, outcome);
}

int runHistoryUndo(CommandContext& context)
{
    return reportRestore(
        context, undoLastChange(context.game->gameDirectory, layoutOf(context), context.dryRun()));
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
