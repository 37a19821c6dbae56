// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tarvelin::cli
{

// The fish completion for the program (tarvelin-setup-utility.fish, for a vendor_completions.d
// folder), from the command table: what the bash completion offers, with each command's and
// option's summary beside it. Options may come before the command and values may follow "=".
std::string fishCompletion();

} // namespace tarvelin::cli
