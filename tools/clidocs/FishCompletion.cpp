// SPDX-License-Identifier: GPL-3.0-or-later
#include "clidocs/FishCompletion.h"

#include "clidocs/CompletionWords.h"

namespace tarvelin::cli
{

namespace
{

// Single-quoted for fish, whatever the text holds: fish escapes only \ and ' inside.
std::string quoted(std::string_view text)
{
    std::string out = "'";
    for (const char c : text) {
        if (c == '\\' || c == '\'')
            out += '\\';
        out += c;
    }
    return out + "'";
}

// A function that answers each key of the table with its text: `switch $argv[1]`.
std::string lookup(std::string_view name,
                   const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string out = "function " + std::string(name) + "\n    switch $argv[1]\n";
    for (const auto& [key, text] : entries)
        out += "        case " + quoted(key) + "\n            echo " + quoted(text) + "\n";
    out += "        case '*'\n            return 1\n    end\nend\n\n";
    return out;
}

std::string tables()
{
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::pair<std::string, std::string>> helps;
    for (const OptionSpec& option : optionTable()) {
        const std::string name = "--" + std::string(option.name);
        helps.emplace_back(name, option.help);
        if (option.kind == ValueKind::None)
            continue;
        values.emplace_back(name, completionOf(option.kind));
        if (option.shortName != 0)
            values.emplace_back(std::string("-") + option.shortName, completionOf(option.kind));
    }
    const CommandWords words = commandWords();
    std::vector<std::pair<std::string, std::string>> subcommands;
    std::vector<std::pair<std::string, std::string>> summaries;
    for (const auto& [first, second] : words.second) {
        subcommands.emplace_back(first, joined(second));
        summaries.emplace_back(first, first + " commands");
    }
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::pair<std::string, std::string>> arguments;
    std::vector<std::pair<std::string, std::string>> again;
    for (const CommandSpec& command : commandTable()) {
        const std::string name(command.name);
        summaries.emplace_back(name, command.summary);
        options.emplace_back(name, joined(optionSpellings(command.options)));
        arguments.emplace_back(name, joined(argumentKinds(command)));
        again.emplace_back(name, joined(repeatableSpellings(command.options)));
    }
    return lookup("__tarvelin_setup_utility_value_kind", values) +
           lookup("__tarvelin_setup_utility_option_help", helps) +
           lookup("__tarvelin_setup_utility_subcommands", subcommands) +
           lookup("__tarvelin_setup_utility_summary", summaries) +
           lookup("__tarvelin_setup_utility_options", options) +
           lookup("__tarvelin_setup_utility_arguments", arguments) +
           lookup("__tarvelin_setup_utility_again", again) +
           "set -g __tarvelin_setup_utility_commands " + joined(words.first) + "\n" +
           "set -g __tarvelin_setup_utility_windows " + joined(optionSpellings(windowOptions())) +
           "\n" + "set -g __tarvelin_setup_utility_every " +
           joined(optionSpellings(everyCommandOptions())) + "\n\n";
}

constexpr std::string_view kHead = R"(# fish completion for tarvelin-setup-utility
# Written from the program's command table by tarvelin-cli-docs.

)";

// The walk over the line, as the bash completion's. fish keeps --to=DIR as one token.
constexpr std::string_view kWalk =
    R"fish(# The words with their helps (options) or their summaries (commands under the first argument).
function __tarvelin_setup_utility_described --argument-names prefix
    for word in $argv[2..-1]
        if string match -q -- '-*' $word
            printf '%s\t%s\n' $word (__tarvelin_setup_utility_option_help $word)
        else
            printf '%s\t%s\n' $word (__tarvelin_setup_utility_summary (string trim -- "$prefix $word"))
        end
    end
end

function __tarvelin_setup_utility_value --argument-names kind current
    switch $kind
        case game
            printf '%s\n' dtr sc
        case command
            __tarvelin_setup_utility_described '' $__tarvelin_setup_utility_commands
        case directory
            __fish_complete_directories $current ''
        case file
            __fish_complete_path $current
    end
end

function __tarvelin_setup_utility_complete
    set -l tokens (commandline -opc)
    set -e tokens[1]
    set -l current (commandline -ct)
    set -l expecting
    set -l ended
    set -l typed
    set -l given
    for word in $tokens
        if test -n "$expecting"
            set expecting
        else if test -z "$ended"; and test "$word" = --
            set ended 1
        else if test -z "$ended"; and string match -qr -- '^--[^=]+=' $word
            set -a given (string replace -r -- '=.*' '' $word)
        else if test -z "$ended"; and string match -qr -- '^-.' $word
            set -a given $word
            set expecting (__tarvelin_setup_utility_value_kind $word)
        else
            set -a typed $word
        end
    end

    if test -n "$expecting"
        __tarvelin_setup_utility_value $expecting $current
        return
    end
    if test -z "$ended"; and string match -qr -- '^--[^=]+=' $current
        set -l option (string replace -r -- '=.*' '' $current)
        set -l kind (__tarvelin_setup_utility_value_kind $option)
        if test -n "$kind"
            set -l value (string replace -r -- '^[^=]*=' '' $current)
            for candidate in (__tarvelin_setup_utility_value $kind $value)
                echo "$option=$candidate"
            end
            return
        end
    end
    if test (count $typed) -eq 0
        if test -z "$ended"; and string match -q -- '-*' $current
            __tarvelin_setup_utility_described '' $__tarvelin_setup_utility_windows
        else
            __tarvelin_setup_utility_described '' $__tarvelin_setup_utility_commands
        end
        return
    end

    set -l command $typed[1]
    set -l skip 1
    set -l second (__tarvelin_setup_utility_subcommands $command)
    if test -n "$second"
        if test (count $typed) -eq 1
            __tarvelin_setup_utility_described $command (string split ' ' $second)
            return
        end
        set command "$command $typed[2]"
        set skip 2
    end
    set -l own (__tarvelin_setup_utility_options $command); or return

    set -l kinds (string split -n ' ' -- "$(__tarvelin_setup_utility_arguments $command)")
    set -l at (math (count $typed) - $skip)
    # FILE...: every word after the last argument's is more of it.
    if test (count $kinds) -gt 0; and string match -q -- '*...' $kinds[-1]
        set kinds[-1] (string replace -- '...' '' $kinds[-1])
        if test $at -ge (count $kinds)
            set at (math (count $kinds) - 1)
        end
    end
    if test -n "$ended"; or begin; not string match -q -- '-*' $current; and test $at -lt (count $kinds); end
        if test $at -lt (count $kinds)
            __tarvelin_setup_utility_value $kinds[(math $at + 1)] $current
        end
        return
    end
    for option in (string split -n ' ' -- "$own") $__tarvelin_setup_utility_every
        set -l again (string split -n ' ' -- "$(__tarvelin_setup_utility_again $command)")
        if not contains -- $option $given; or contains -- $option $again
            __tarvelin_setup_utility_described '' $option
        end
    end
end

complete -c tarvelin-setup-utility -f -a '(__tarvelin_setup_utility_complete)'
)fish";

} // namespace

std::string fishCompletion()
{
    return std::string(kHead) + tables() + std::string(kWalk);
}

} // namespace tarvelin::cli
