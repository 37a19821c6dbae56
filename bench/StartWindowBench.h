// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The start window from the program's start to its first paint, against a bare Qt window of the
// same size, both as whole processes of this executable.
namespace bench
{

// In a child started by the start-window benchmark: shows its window, waits for the first paint,
// prints the window's size and returns the exit code. Nothing when the arguments do not ask for it.
std::optional<int> runStartWindowChild(int argc, char** argv);

} // namespace bench
