// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/BatchCommandLine.h"

#include "core/cli/CommandReport.h"
#include "core/cli/StoreReport.h"
#include "core/cli/TerminalText.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"
#include "core/transfer/SetupBatchExport.h"
#include "core/transfer/SetupBatchImport.h"

#include <QJsonArray>
#include <QTextStream>

namespace tarvelin::cli
{

int runImportFiles(CommandContext& context)
{
    const GameContext& game = *context.game;
    QStringList files;
    for (const QString& file : context.invocation.arguments)
        files << joinPath(absolutePath(folderOf(file)), fileNameOf(file));
    const bool deleteFiles = context.invocation.has(Option::Delete);
    const bool dryRun = context.dryRun();
    const BatchImportOutcome outcome = importSetups({
        .gameDirectory = game.gameDirectory,
        .profile = game.profile,
        .files = files,
        .onRefusal = context.invocation.has(Option::KeepGoing) ? BatchRefusal::PassOver
                                                               : BatchRefusal::NothingChanged,
        .style = MessageStyle::Marked,
        .deleteFilesAfterImport = deleteFiles,
        .dryRun = dryRun,
    });
    // Each file as it was written on the command line, beside the slot its setup took.
    QStringList imported;
    for (qsizetype i = 0; i < outcome.importedFiles.size(); ++i) {
        const QString& path = outcome.importedFiles.at(i);
        const QString& file = context.invocation.arguments.at(files.indexOf(path));
        const int slot = outcome.importedSlots.at(static_cast<std::size_t>(i));
        const bool deleted =
            outcome.deletedFiles.contains(path) || (dryRun && deleteFiles && outcome.done);
        if (!context.json())
            context.out << slot << '\t' << terminalText(file) << '\n';
        imported << OrderedJson()
                        .add("file", file)
                        .add("slot", slot)
                        .add("file_deleted", deleted)
                        .text();
    }
    QStringList refusedFiles;
    for (const QString& file : outcome.refusedFiles)
        refusedFiles << context.invocation.arguments.at(files.indexOf(file));

    StoreReport result = storeReport(context, outcome, QStringLiteral("The store now holds"));
    if (outcome.done && dryRun && deleteFiles)
        result.lines.prepend(
            QStringLiteral("Dry run: the %1 files would be deleted once they are in the store.")
                .arg(files.size()));
    return report(context, outcome, result.lines,
                  OrderedJson()
                      .addWritten("files", jsonArrayOfLines(imported))
                      .add("refused", QJsonArray::fromStringList(refusedFiles))
                      .append(result.fields));
}

int runExportSetups(CommandContext& context)
{
    const GameContext& game = *context.game;
    const Invocation& line = context.invocation;
    const BatchExportOutcome outcome = exportSetups({
        .gameDirectory = game.gameDirectory,
        .profile = game.profile,
        .slots = line.slots(),
        .allSlots = line.has(Option::All),
        .folder = absolutePath(line.value(Option::To)),
        .replaceExisting = line.has(Option::Replace),
        .dryRun = context.dryRun(),
    });
    const OrderedJson fields =
        OrderedJson()
            .add("files",
                 QJsonArray::fromStringList(outcome.done ? outcome.writtenFiles : QStringList{}))
            .add("would_replace", QJsonArray::fromStringList(outcome.wouldReplace));
    if (!outcome.wouldReplace.isEmpty()) {
        CommandOutcome refusal = outcome;
        for (const QString& file : outcome.wouldReplace)
            refusal.messages.push_back({QStringLiteral("%1 already exists.").arg(file)});
        refusal.messages.push_back(
            {QStringLiteral("Nothing was exported; give --replace to replace them.")});
        return report(context, refusal, {}, fields);
    }
    QStringList lines;
    if (outcome.done && context.dryRun()) {
        for (const QString& file : outcome.writtenFiles)
            lines << QStringLiteral("Dry run: %1 would be %2.")
                         .arg(file, PathInfo::exists(file) ? QStringLiteral("replaced")
                                                           : QStringLiteral("written"));
        lines << QStringLiteral("Nothing was written.");
    } else if (outcome.done && !context.json()) {
        for (const QString& file : outcome.writtenFiles)
            context.out << terminalText(file) << '\n';
    }
    return report(context, outcome, lines, fields);
}

} // namespace tarvelin::cli
