// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tarvelin::cli
{

// A bash completion script for the program, from the command table: the commands and their
// second words, each command's own options and the options every command takes (each offered
// until given), the --game values, and folders or files where an option or an argument takes
// one. Options may come before the command and values may follow "=", as the parser accepts.
// Needs nothing but bash.
std::string bashCompletion();

} // namespace tarvelin::cli
