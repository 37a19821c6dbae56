// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/Invocation.h"

class QTextStream;

namespace tarvelin::cli
{

enum ExitCode { kSuccess = 0, kFailed = 1, kWrongUsage = 2 };

// Runs one command of the command table. Results go to `out`; messages, in the windows' own
// words, to `err`; a usage error is one line there.
int runCommand(const Invocation& invocation, QTextStream& out, QTextStream& err);

// The program's help (usageText) with where the windows find their help pages.
QString programHelp();

// The program's log (tarvelin.*) on the command line: silent, or every level with --verbose.
// QT_LOGGING_RULES still has the last word.
void setCommandLineLogging(bool verbose);

} // namespace tarvelin::cli
