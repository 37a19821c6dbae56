#include "core/cli/FileCommandLine.h"

#include "core/cli/CommandReport.h"
#include "core/cli/GameResolution.h"
#include "core/files/FileTrashing.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/platform/Trash.h"

#include <QFileInfo>

namespace tarvelin::cli
{

int runRenameFile(CommandContext& context)
{
    const QFileInfo file(context.invocation.arguments.at(0));
    const QString& newName = context.invocation.arguments.at(1);
    const GameProfile& profile = profileOf(context);
    const SetupFileRenameOutcome outcome = renameSetupFile(
        file.path(), file.fileName(), newName, profile, context.invocation.has(Option::Replace));
    if (outcome.result == RenameResult::WouldReplace)
        return fail(context, QStringLiteral("%1 already exists. %2 was not renamed; give "
                                            "--replace to replace it.")
                                 .arg(joinPath(file.path(), newName + profile.SetupFileExtension),
                                      file.fileName()));
    return report(context, outcome);
}

int runTrashFile(CommandContext& context)
{
    const QFileInfo file(context.invocation.arguments.at(0));
    SystemTrash trash;
    // Typing the command is the player's confirmation.
    const TrashOutcome outcome =
        trashSelectedFile(file.path(), file.fileName(), trash, [](const Message&) { return true; });
    return report(
        context, outcome,
        {QStringLiteral("%1 is now in the trash: %2").arg(file.filePath(), outcome.pathInTrash)});
}

} // namespace tarvelin::cli
