// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/FileCommandLine.h"

#include "core/cli/CommandReport.h"
#include "core/cli/GameResolution.h"
#include "core/files/FileTrashing.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"
#include "core/platform/Trash.h"

namespace tarvelin::cli
{

namespace
{

// A dry run's trash: it takes what the desktop's trash would take, a file, and moves nothing.
class TrashThatMovesNothing : public Trash
{
public:
    TrashResult moveToTrash(const QString& path) override
    {
        const PathInfo file(path);
        if (!file.exists() && !file.isSymLink())
            return TrashResult::failed(QStringLiteral("%1 does not exist.").arg(path));
        return TrashResult::moved({});
    }
};

} // namespace

int runRenameFile(CommandContext& context)
{
    const QString& file = context.invocation.arguments.at(0);
    const QString& newName = context.invocation.arguments.at(1);
    const GameProfile& profile = profileOf(context);
    const QString target = joinPath(folderOf(file), newName + profile.SetupFileExtension);
    const SetupFileRenameOutcome outcome =
        renameSetupFile(folderOf(file), fileNameOf(file), newName, profile,
                        context.invocation.has(Option::Replace), context.dryRun());
    const OrderedJson fields = OrderedJson().add("file", file).add("new_file", target);
    if (outcome.result == RenameResult::WouldReplace)
        return fail(context,
                    QStringLiteral("%1 already exists. %2 was not renamed; give --replace to "
                                   "replace it.")
                        .arg(target, fileNameOf(file)),
                    fields);
    const QStringList lines = context.dryRun()
                                  ? QStringList{QStringLiteral("Dry run: nothing was renamed.")}
                                  : QStringList{};
    return report(context, outcome, lines, fields);
}

int runTrashFile(CommandContext& context)
{
    const QString& file = context.invocation.arguments.at(0);
    SystemTrash systemTrash;
    TrashThatMovesNothing dryRunTrash;
    Trash& trash = context.dryRun() ? static_cast<Trash&>(dryRunTrash) : systemTrash;
    // Typing the command is the player's confirmation.
    const TrashOutcome outcome = trashSelectedFile(folderOf(file), fileNameOf(file), trash,
                                                   [](const Message&) { return true; });
    const QString line =
        context.dryRun()
            ? QStringLiteral("Dry run: %1 would be moved to the trash. Nothing was moved.")
                  .arg(file)
            : QStringLiteral("%1 is now in the trash: %2").arg(file, outcome.pathInTrash);
    return report(context, outcome, {line},
                  OrderedJson().add("file", file).add("in_trash", outcome.pathInTrash));
}

} // namespace tarvelin::cli
