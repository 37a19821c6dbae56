// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tarvelin::cli
{

// The zsh completion function for the program (_tarvelin-setup-utility, for a vendor-completions
// folder), from the command table: what the bash completion offers, with each command's and
// option's summary beside it. Options may come before the command and values may follow "=".
std::string zshCompletion();

} // namespace tarvelin::cli
