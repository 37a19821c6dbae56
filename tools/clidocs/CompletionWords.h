// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandTable.h"

#include <string>
#include <utility>
#include <vector>

// What every shell's completion takes from the command table, in the table's order.

namespace tarvelin::cli
{

// The first word of each command, each once; and the second words of the two-word commands under
// their first.
struct CommandWords {
    std::vector<std::string> first;
    std::vector<std::pair<std::string, std::vector<std::string>>> second;
};
CommandWords commandWords();

// How a value or an argument of this kind is completed: "game", "command", "file", "directory",
// or "none" (typed by the user).
std::string_view completionOf(ValueKind kind);

// "--game", or "-h" for a short name.
std::string longSpelling(Option option);
// The options' long spellings.
std::vector<std::string> optionSpellings(std::span<const CommandOption> options);

// The completion kinds of a command's arguments, in order; a last argument that takes every word
// left carries "..." ("file...").
std::vector<std::string> argumentKinds(const CommandSpec& command);
// The long spellings of the options a command takes more than once: offered again once given.
std::vector<std::string> repeatableSpellings(std::span<const CommandOption> options);

std::string joined(const std::vector<std::string>& words, std::string_view separator = " ");

// Single-quoted for bash and zsh, whatever the text holds.
std::string singleQuoted(std::string_view text);

} // namespace tarvelin::cli
