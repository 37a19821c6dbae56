#pragma once

#include "core/cli/Invocation.h"

class QTextStream;

namespace tarvelin::cli
{

enum ExitCode { kSuccess = 0, kFailed = 1, kWrongUsage = 2 };

// Runs one subcommand. Results go to `out`; messages, in the windows' own words, to `err`.
int runCommand(const Invocation& invocation, QTextStream& out, QTextStream& err);

} // namespace tarvelin::cli
