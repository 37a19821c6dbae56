#pragma once

#include "core/cli/CommandContext.h"
#include "core/outcome/CommandOutcome.h"

#include <QStringList>

namespace tarvelin::cli
{

// How every command ends: when it is done, its own lines (`doneLines`) on standard error; then
// the messages a window would show, in order, on standard error too. The detail goes to the log
// (--verbose), and is printed as the reason only when the command failed without a message of
// its own. Returns the exit code: kSuccess when done, else kFailed.
int report(CommandContext& context, const CommandOutcome& outcome,
           const QStringList& doneLines = {});

// A refusal that only the command line words: `why` as the one line on standard error.
int fail(CommandContext& context, const QString& why);

// A problem that only the command itself can see in its arguments: exit kWrongUsage.
int wrongUsage(CommandContext& context, const QString& why);

} // namespace tarvelin::cli
