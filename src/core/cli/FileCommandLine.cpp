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

int runRenameFile(CommandContext& context)
{
    const QString& file = context.invocation.arguments.at(0);
    const QString& newName = context.invocation.arguments.at(1);
    const GameProfile& profile = profileOf(context);
    const SetupFileRenameOutcome outcome =
        renameSetupFile(folderOf(file), fileNameOf(file), newName, profile,
                        context.invocation.has(Option::Replace));
    if (outcome.result == RenameResult::WouldReplace)
        return fail(context,
                    QStringLiteral("%1 already exists. %2 was not renamed; give "
                                   "--replace to replace it.")
                        .arg(joinPath(folderOf(file), newName + profile.SetupFileExtension),
                             fileNameOf(file)));
    return report(context, outcome);
}

int runTrashFile(CommandContext& context)
{
    const QString& file = context.invocation.arguments.at(0);
    SystemTrash trash;
    // Typing the command is the player's confirmation.
    const TrashOutcome outcome = trashSelectedFile(folderOf(file), fileNameOf(file), trash,
                                                   [](const Message&) { return true; });
    return report(context, outcome,
                  {QStringLiteral("%1 is now in the trash: %2").arg(file, outcome.pathInTrash)});
}

} // namespace tarvelin::cli
