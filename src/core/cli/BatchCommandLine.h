// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"

// import with several files and export of several setups: the same commands as import and export
// of one, over the batch functions, which write the store once.

namespace tarvelin::cli
{

// import FILE FILE...: all or nothing, or with --keep-going each file that can be.
int runImportFiles(CommandContext& context);
// export --slot K --slot K2 ... or --all: each setup under its own name, none unless all can be.
int runExportSetups(CommandContext& context);

} // namespace tarvelin::cli
