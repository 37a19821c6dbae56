#pragma once

#include "core/cli/CommandTable.h"
#include "core/cli/Invocation.h"
#include "core/registry/Registry.h"

class QTextStream;

namespace tarvelin::cli
{

// What a command's function runs with: the checked command line, the two streams and the
// registry file it names.
struct CommandContext {
    const Invocation& invocation;
    QTextStream& out;
    QTextStream& err;
    Registry registry;
};

// One function per row of the command table.
int runList(CommandContext& context);
int runExport(CommandContext& context);
int runImport(CommandContext& context);
int runDelete(CommandContext& context);
int runSort(CommandContext& context);
int runBackup(CommandContext& context);
int runRestore(CommandContext& context);
int runStoreExport(CommandContext& context);
int runStoreImport(CommandContext& context);
int runHistoryList(CommandContext& context);
int runHistoryShow(CommandContext& context);
int runHistoryRestore(CommandContext& context);
int runHistoryPin(CommandContext& context);
int runHistoryUnpin(CommandContext& context);
int runRenameFile(CommandContext& context);
int runTrashFile(CommandContext& context);
int runRegistryGet(CommandContext& context);
int runRegistrySet(CommandContext& context);
int runRegistryDelete(CommandContext& context);
int runRegistryImportWine(CommandContext& context);

} // namespace tarvelin::cli
