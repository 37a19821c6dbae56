// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// The command line's one table: every command with its arguments, the options it takes, its
// usage line, its summary, the function that runs it and whether that function needs the game
// directory found first. Parsing, the usage checks, --help and dispatch all read it; so can a man
// page or a shell completion generator, which need nothing but these plain declarations.

namespace tarvelin::cli
{

// Every option of the command line, whichever command takes it.
enum class Option {
    Game,
    GameDir,
    WinePrefix,
    Registry,
    Slot,
    All,
    Name,
    To,
    Json,
    Delete,
    KeepGoing,
    Dword,
    DryRun,
    Replace,
    Verbose,
    Help,
    Version,
    Demo,
};
inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::Demo) + 1;

// What an option's value (or an argument) is, for the checks and for shell completion.
enum class ValueKind {
    None,      // a flag, no value
    Text,      // any non-empty text
    File,      // a file's path
    Directory, // a folder's path
    Game,      // dtr or sc
    Slot,      // a slot number, 1 to 300
    Id,        // a whole number from 1: a generation of the backup history
    Command,   // a command's name, or the first word of a two-word one
};

struct OptionSpec {
    Option option;
    std::string_view name;      // written --name
    char shortName;             // written -h; 0 when there is none
    std::string_view valueName; // "DIR"; empty for a flag
    ValueKind kind;
    std::string_view help;
};

// An option as one command takes it.
struct CommandOption {
    Option option;
    bool required = false;
    std::string_view help = {}; // empty: the option's own help
    bool repeatable = false;    // may be given more than once: --slot 3 --slot 7
};

struct ArgumentSpec {
    std::string_view name; // "FILE"
    ValueKind kind;
    std::string_view help;
    // An older spelling of an option: the argument may stand in its place, at this position.
    // Such an argument is optional and not part of the usage line.
    bool standsForOption = false;
    Option option = Option::Help;
    bool mayBeEmpty = false; // a registry value may be set to nothing
    bool optional = false;   // written [NAME] in the usage line; only the last ones may be
    // FILE...: takes every word left, one at least; only the last argument may.
    bool repeatable = false;
};

struct CommandContext;
using CommandFunction = int (*)(CommandContext&);

struct CommandSpec {
    // One or two words: "list", "registry set".
    std::string_view name;
    std::span<const ArgumentSpec> arguments;
    // Beside these, every command takes the options of kEveryCommandOptions.
    std::span<const CommandOption> options;
    std::string_view usage;   // after the program's name
    std::string_view summary; // one line
    CommandFunction run;
    // The command works on a game's directory: the runner finds it (--game-dir, else the
    // registry file, else the Wine prefix) before `run`, and refuses the command without it.
    bool needsGameDirectory = false;
    // With --json, the command's own fields after "done", "dry_run" and "messages", each with
    // what it holds: "file: the setup file; replaced: ...". Empty: the command prints its own
    // JSON (a listing) or none.
    std::string_view jsonFields = {};
};

inline constexpr std::string_view kProgramName = "tarvelin-setup-utility";

// All options, in the order the help lists them.
std::span<const OptionSpec> optionTable();
const OptionSpec& optionSpec(Option option);

// All commands, in the order the help lists them.
std::span<const CommandSpec> commandTable();

// The options every command takes, and those of the program without a command (the windows).
std::span<const CommandOption> everyCommandOptions();
std::span<const CommandOption> windowOptions();

} // namespace tarvelin::cli
