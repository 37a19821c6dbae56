// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"
#include "core/cli/JsonOutput.h"
#include "core/outcome/CommandOutcome.h"

#include <QStringList>

namespace tarvelin::cli
{

// How every command ends: when it is done, its own lines (`doneLines`) on standard error; then
// the messages a window would show, in order, on standard error too. The detail goes to the log
// (--verbose), and is printed as the reason only when the command failed without a message of
// its own. Returns the exit code: kSuccess when done, else kFailed.
//
// With --json those lines go into one object on standard output instead: {"done": ..., "dry_run":
// ... (for a command that takes --dry-run), "messages": [...], then the command's own `fields`}.
int report(CommandContext& context, const CommandOutcome& outcome,
           const QStringList& doneLines = {}, const OrderedJson& fields = {});

// The lines of report() always, for the commands whose --json prints their own listing.
int reportAsLines(CommandContext& context, const CommandOutcome& outcome);

// A refusal that only the command line words: `why` as the one line on standard error, or the
// message of the JSON object with the command's `fields`.
int fail(CommandContext& context, const QString& why, const OrderedJson& fields = {});

// A problem that only the command itself can see in its arguments: exit kWrongUsage.
int wrongUsage(CommandContext& context, const QString& why);

} // namespace tarvelin::cli
