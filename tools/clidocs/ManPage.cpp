// SPDX-License-Identifier: GPL-3.0-or-later
#include "clidocs/ManPage.h"

#include "core/cli/CommandTable.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace tarvelin::cli
{

namespace
{

// Text as roff prints it: a backslash is roff's escape, a plain "-" may be set as a hyphen (and
// then not match when a reader searches for an option), and a line beginning with "." or "'"
// would be read as a request.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string bold(std::string_view text)
{
    return "\\fB" + escaped(text) + "\\fR";
}

std::string italic(std::string_view text)
{
    return "\\fI" + escaped(text) + "\\fR";
}

std::string sentence(std::string_view text)
{
    std::string out(text);
    if (!out.empty())
        out.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(out.front())));
    if (!out.empty() && out.back() != '.')
        out += '.';
    return escaped(out);
}

std::string optionWithValue(const OptionSpec& option)
{
    std::string out = bold("--" + std::string(option.name));
    if (!option.valueName.empty()) {
        // Appended piece by piece: GCC 12 at -O3 takes `" " + string` for an overlapping copy.
        out += ' ';
        out += italic(option.valueName);
    }
    return out;
}

// A usage line set as man pages set synopses: the command's words and the options in bold, the
// values in italics, the brackets plain.
std::string usageLine(const CommandSpec& command)
{
    std::string out;
    bool valueNext = false;
    std::string_view rest = command.usage;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        std::string_view word = rest.substr(0, blank);
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
        if (word.empty())
            continue;
        std::string open;
        std::string close;
        while (!word.empty() && word.front() == '[') {
            open += '[';
            word.remove_prefix(1);
        }
        while (!word.empty() && word.back() == ']') {
            close += ']';
            word.remove_suffix(1);
        }
        std::string set;
        if (word.starts_with("--")) {
            set = bold(word);
            const auto table = optionTable();
            const auto found = std::find_if(table.begin(), table.end(), [&](const OptionSpec& o) {
                return word.substr(2) == o.name;
            });
            valueNext = found != table.end() && !found->valueName.empty();
        } else if (valueNext || std::none_of(word.begin(), word.end(), [](char c) {
                       return std::islower(static_cast<unsigned char>(c));
                   })) {
            set = italic(word);
            valueNext = false;
        } else {
            set = bold(word);
        }
        if (!out.empty())
            out += ' ';
        out += open;
        out += set;
        out += close;
    }
    return out;
}

bool takes(std::span<const CommandOption> options, Option option)
{
    return std::any_of(options.begin(), options.end(),
                       [&](const CommandOption& o) { return o.option == option; });
}

// "Taken by every command." / "Taken by list, export and import."
std::string takenBy(Option option)
{
    std::vector<std::string> takers;
    if (takes(windowOptions(), option))
        takers.emplace_back("the program without a command");
    if (takes(everyCommandOptions(), option)) {
        takers.emplace_back("every command");
    } else {
        for (const CommandSpec& command : commandTable()) {
            if (takes(command.options, option))
                takers.emplace_back(command.name);
        }
    }
    if (takers.empty())
        return {};
    std::string out = "Taken by ";
    for (std::size_t i = 0; i < takers.size(); ++i) {
        if (i > 0)
            out += i + 1 == takers.size() ? " and " : ", ";
        out += takers[i];
    }
    return escaped(out + ".");
}

void addCommand(std::string& page, const CommandSpec& command)
{
    page += ".TP\n" + usageLine(command) + "\n" + sentence(command.summary) + "\n";
    if (command.arguments.empty() && command.options.empty())
        return;
    page += ".RS\n";
    for (const ArgumentSpec& argument : command.arguments)
        page += ".TP\n" + italic(argument.name) + "\n" + sentence(argument.help) + "\n";
    for (const CommandOption& option : command.options) {
        const OptionSpec& definition = optionSpec(option.option);
        std::string help = sentence(option.help.empty() ? definition.help : option.help);
        if (option.required)
            help += " Required.";
        if (option.repeatable)
            help += " May be given more than once.";
        page += ".TP\n" + optionWithValue(definition) + "\n" + help + "\n";
    }
    page += ".RE\n";
}

void addOption(std::string& page, const OptionSpec& option)
{
    std::string names = optionWithValue(option);
    if (option.shortName != 0)
        names += ", " + bold(std::string("-") + option.shortName);
    page += ".TP\n" + names + "\n" + sentence(option.help) + "\n";
    const std::string takers = takenBy(option.option);
    if (!takers.empty())
        page += takers + "\n";
}

// Each command's own --json fields, from the table: "file: the setup file; replaced: ..." as
// one tagged paragraph a command.
void addJsonShapes(std::string& page)
{
    page += ".SH JSON OUTPUT\n"
            "With " +
            bold("--json") +
            " a command prints one JSON object on standard output, done or refused, and its "
            "messages go into it instead of onto standard error; the exit status is the same.\n"
            "A usage error (exit status 2) is still one line on standard error.\n"
            ".PP\n"
            ".nf\n"
            "{\"done\": true, \"dry_run\": false, \"messages\": [\"...\"], ...}\n"
            ".fi\n"
            ".PP\n"
            "\\(lqdone\\(rq is false when the command refused or failed; "
            "\\(lqdry_run\\(rq is there for the commands that take " +
            bold("--dry-run") +
            "; \\(lqmessages\\(rq are the lines the command would print on standard error. "
            "The command's own fields follow.\n"
            "A dry run's \\(lqchanges\\(rq of the store is {\"add\": [...], \"remove\": "
            "[...], \"change\": [...], \"reorder\": false}, by setup name.\n"
            "When done, " +
            bold("list") + ", " + bold("history list") + " and " + bold("history show") +
            " print their own shapes instead:\n"
            ".TP\n" +
            bold("list") +
            "\n{\"game\", \"gameDirectory\", \"store\", \"count\", \"nextSlot\", "
            "\"setups\": [{\"position\", \"slot\", \"name\"}, ...]}\n"
            ".TP\n" +
            bold("history list") +
            "\n[{\"id\", \"time\", \"command\", \"setups\", \"bytes\", \"pinned\"}, ...], "
            "newest first\n"
            ".TP\n" +
            bold("history show") +
            "\n{\"bring_back\": [...], \"remove\": [...], \"change\": [...], \"reorder\": "
            "false}\n"
            ".PP\n"
            "The other commands' own fields:\n";
    for (const CommandSpec& command : commandTable()) {
        if (command.jsonFields.empty())
            continue;
        page += ".TP\n" + bold(command.name) + "\n";
        std::string_view rest = command.jsonFields;
        while (!rest.empty()) {
            const std::size_t end = rest.find("; ");
            const std::string_view field = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
            const std::size_t colon = field.find(": ");
            page += "\\(lq" + escaped(field.substr(0, colon)) +
                    "\\(rq: " + escaped(field.substr(colon + 2)) + (rest.empty() ? ".\n" : ";\n");
        }
    }
}

} // namespace

std::string manPage(std::string_view version, std::string_view date)
{
    const std::string program = escaped(kProgramName);
    std::string page;
    page += ".\\\" Written from the program's command table by tarvelin-cli-docs.\n";
    page += ".TH TARVELIN\\-SETUP\\-UTILITY 1 \"" + escaped(date) + "\" \"" + program + " " +
            escaped(version) + "\" \"User Commands\"\n";
    // Paths and options are never broken at a hyphen.
    page += ".nh\n";
    page += ".SH NAME\n" + program +
            " \\- manage the car setups of Dirt Track Racing and Dirt Track Racing \\- Sprint "
            "Cars\n";
    page += ".SH SYNOPSIS\n";
    page += ".B " + program + "\n[" + bold("--demo") + "] [" + bold("--registry") + " " +
            italic("FILE") + "] [" + bold("--verbose") + "]\n.br\n";
    page += ".B " + program + "\n" + italic("COMMAND") + " [" + italic("options") + "]\n.br\n";
    page += ".B " + program + "\n" + italic("COMMAND") + " " + bold("--help") + "\n";
    page += ".SH DESCRIPTION\n"
            "The Tarvelin Setup Utility manages the car setups that Dirt Track Racing and Dirt "
            "Track Racing \\- Sprint Cars keep in their store files\n"
            "(\\fIdata/saved games/setups.sav\\fR below each game's directory): it lists them, "
            "exports and imports single setups, sorts and deletes them,\n"
            "backs the store up and restores it, and renames setup files or moves them to the "
            "trash.\n"
            ".PP\n"
            "Without a command it opens its windows; " +
            bold("--demo") +
            " first builds demo games and setup files in a scratch folder and opens the "
            "windows on them.\n"
            "With a command it works without a display, through the same commands as the "
            "windows.\n"
            "Messages are the windows' own texts, on standard error.\n"
            "Options may come before or after the command, and a value may follow its option "
            "after \"=\" (" +
            bold("--game=dtr") +
            ").\n"
            ".PP\n"
            "A game command finds the game's store through " +
            bold("--game-dir") + " " + italic("DIR") +
            ", else the game directory in the registry file, else the game's key in the Wine "
            "prefix.\n";
    page += ".SH COMMANDS\n";
    for (const CommandSpec& command : commandTable())
        addCommand(page, command);
    page += ".SH OPTIONS\n";
    for (const OptionSpec& option : optionTable())
        addOption(page, option);
    addJsonShapes(page);
    page += ".SH EXIT STATUS\n"
            ".TP\n0\nThe command succeeded.\n"
            ".TP\n1\nThe command refused or failed; nothing was changed.\n"
            ".TP\n2\nWrong usage: an option the command does not take, a missing or extra "
            "argument, an empty value, an unknown command.\n"
            "One line on standard error names the problem.\n";
    page += ".SH ENVIRONMENT\n"
            ".TP\n.B TARVELIN_REGISTRY\nThe registry file, when " +
            bold("--registry") +
            " is not given.\n"
            ".TP\n.B XDG_CONFIG_HOME\nHolds \\fItarvelin\\-setup\\-utility/registry.reg\\fR, "
            "the default registry file (default \\fI~/.config\\fR).\n"
            ".TP\n.B WINEPREFIX\nThe Wine prefix a game missing from the registry file is "
            "looked up in (default \\fI~/.wine\\fR).\n"
            ".TP\n.B XDG_DATA_HOME\nHolds the demo's games under "
            "\\fItarvelin\\-setup\\-utility/demo\\fR (default \\fI~/.local/share\\fR).\n"
            ".TP\n.B XDG_STATE_HOME\nHolds the backup history under "
            "\\fItarvelin\\-setup\\-utility/history\\fR (default \\fI~/.local/state\\fR).\n"
            ".TP\n.B XDG_CACHE_HOME\nHolds the windows' drawn pictures under "
            "\\fItarvelin\\-setup\\-utility/pictures\\fR (default \\fI~/.cache\\fR).\n";
    page += ".SH FILES\n"
            ".TP\n.I data/saved games/setups.sav\n"
            "Below a game's directory: the game's store of setups; \\fIsetups.bak\\fR beside "
            "it is its backup, rewritten by " +
            bold("backup") + " and put back by " + bold("restore") +
            ", and \\fIsetups.tmp\\fR a scratch file of a write.\n"
            ".TP\n.I ~/.config/tarvelin\\-setup\\-utility/registry.reg\n"
            "The registry file, in the Windows \\fI.reg\\fR format: the games' directories "
            "(\\fB$XDG_CONFIG_HOME\\fR, " +
            bold("--registry") +
            " or \\fB$TARVELIN_REGISTRY\\fR choose another).\n"
            ".TP\n.I ~/.local/state/tarvelin\\-setup\\-utility/history/\n"
            "The backup history: one folder a store, one file a generation "
            "(\\fB$XDG_STATE_HOME\\fR).\n"
            ".TP\n.I ~/.cache/tarvelin\\-setup\\-utility/pictures/\n"
            "The windows' artwork, drawn once per build; never needed "
            "(\\fB$XDG_CACHE_HOME\\fR).\n"
            ".TP\n.I ~/.local/share/tarvelin\\-setup\\-utility/demo/\n"
            "The demo's games and setup files, built by " +
            bold("--demo") +
            " (\\fB$XDG_DATA_HOME\\fR).\n"
            ".TP\n.I /usr/share/tarvelin\\-setup\\-utility/help\n"
            "The help pages the windows show (\\fIshare/tarvelin\\-setup\\-utility/help\\fR "
            "beside the folder of the program);\n" +
            program + " " + bold("--help") + " names the folder it found.\n";
    return page;
}

} // namespace tarvelin::cli
