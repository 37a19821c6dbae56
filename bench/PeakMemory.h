// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The peak memory of a process with the game window open on a folder of 100,000 setup files,
// against one with the bare window of the same size. Each is measured in a child process of its
// own, so that nothing the benchmarks allocated before counts.
namespace bench
{

// In a child started by recordPeakMemory: opens its window, prints the peak memory and returns
// the exit code. Nothing when the arguments do not ask for it.
std::optional<int> runPeakMemoryChild(int argc, char** argv);

// Starts the two children and puts their figures into the table.
void recordPeakMemory(const char* executable);

} // namespace bench
