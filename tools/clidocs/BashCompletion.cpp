#include "clidocs/BashCompletion.h"

#include "core/cli/CommandTable.h"

#include <algorithm>
#include <vector>

namespace tarvelin::cli
{

namespace
{

// Single-quoted for bash, whatever the text holds.
std::string quoted(std::string_view text)
{
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

// How the script completes a value or an argument of this kind.
std::string_view completionOf(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Game:
        return "game";
    case ValueKind::File:
        return "file";
    case ValueKind::Directory:
        return "directory";
    case ValueKind::None:
    case ValueKind::Text:
    case ValueKind::Slot:
    case ValueKind::Id:
        break;
    }
    return "none";
}

std::string spelling(Option option)
{
    return "--" + std::string(optionSpec(option).name);
}

std::string joined(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

std::string optionWords(std::span<const CommandOption> options)
{
    std::vector<std::string> words;
    for (const CommandOption& option : options)
        words.push_back(spelling(option.option));
    return joined(words);
}

// The first word of each command, each once, in the table's order; and the second words of the
// two-word commands under their first.
struct CommandWords {
    std::vector<std::string> first;
    std::vector<std::pair<std::string, std::vector<std::string>>> second;
};

CommandWords commandWords()
{
    CommandWords words;
    for (const CommandSpec& command : commandTable()) {
        const std::size_t blank = command.name.find(' ');
        const std::string first(command.name.substr(0, blank));
        if (std::find(words.first.begin(), words.first.end(), first) == words.first.end())
            words.first.push_back(first);
        if (blank == std::string_view::npos)
            continue;
        auto group = std::find_if(words.second.begin(), words.second.end(),
                                  [&](const auto& g) { return g.first == first; });
        if (group == words.second.end())
            group = words.second.insert(words.second.end(), {first, {}});
        group->second.emplace_back(command.name.substr(blank + 1));
    }
    return words;
}

// The program's part of the script: its data, from the table.
std::string tables()
{
    std::string out;
    out += "    local -A values=(";
    for (const OptionSpec& option : optionTable()) {
        if (option.kind == ValueKind::None)
            continue;
        out += "\n        [" + quoted("--" + std::string(option.name)) +
               "]=" + std::string(completionOf(option.kind));
        if (option.shortName != 0)
            out += "\n        [" + quoted(std::string("-") + option.shortName) +
                   "]=" + std::string(completionOf(option.kind));
    }
    out += "\n    )\n";

    const CommandWords words = commandWords();
    out += "    local commands=" + quoted(joined(words.first)) + "\n";
    out += "    local -A subcommands=(";
    for (const auto& [first, second] : words.second)
        out += "\n        [" + quoted(first) + "]=" + quoted(joined(second));
    out += "\n    )\n";

    out += "    local windows=" + quoted(optionWords(windowOptions())) + "\n";
    out += "    local every=" + quoted(optionWords(everyCommandOptions())) + "\n";
    out += "    local -A options=(";
    for (const CommandSpec& command : commandTable())
        out += "\n        [" + quoted(command.name) + "]=" + quoted(optionWords(command.options));
    out += "\n    )\n";
    out += "    local -A arguments=(";
    for (const CommandSpec& command : commandTable()) {
        std::vector<std::string> kinds;
        for (const ArgumentSpec& argument : command.arguments)
            kinds.emplace_back(completionOf(argument.kind));
        out += "\n        [" + quoted(command.name) + "]=" + quoted(joined(kinds));
    }
    out += "\n    )\n";
    return out;
}

// The walk over the line, the same for any table. `given` keeps the options already on the line,
// so that one given twice (a usage error) is not offered again.
constexpr std::string_view kHead = R"(# bash completion for tarvelin-setup-utility
# Written from the program's command table by tarvelin-cli-docs.

_tarvelin_setup_utility_value()
{
    case $1 in
    game) mapfile -t COMPREPLY < <(compgen -W 'dtr sc' -- "$cur") ;;
    directory)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        ;;
    file)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    *) COMPREPLY=() ;;
    esac
}

_tarvelin_setup_utility()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
)";

constexpr std::string_view kWalk = R"(
    local i word expecting= ended=
    local -a words=() given=()
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ -n $expecting ]]; then
            # bash splits --to=DIR into --to, = and DIR.
            [[ $word == = ]] || expecting=
            continue
        fi
        if [[ -z $ended && $word == -- ]]; then
            ended=1
        elif [[ -z $ended && $word == -?* ]]; then
            given+=("$word")
            [[ -n ${values[$word]} ]] && expecting=$word
        else
            words+=("$word")
        fi
    done
    [[ $cur == = ]] && cur=
    COMPREPLY=()

    if [[ -n $expecting ]]; then
        _tarvelin_setup_utility_value "${values[$expecting]}"
        return
    fi
    local offered= option
    if ((${#words[@]} == 0)); then
        if [[ -z $ended && $cur == -* ]]; then
            offered=$windows
        else
            offered=$commands
        fi
        mapfile -t COMPREPLY < <(compgen -W "$offered" -- "$cur")
        return
    fi

    local command=${words[0]} skip=1
    if [[ -n ${subcommands[$command]} ]]; then
        if ((${#words[@]} == 1)); then
            mapfile -t COMPREPLY < <(compgen -W "${subcommands[$command]}" -- "$cur")
            return
        fi
        command+=" ${words[1]}"
        skip=2
    fi
    [[ -n ${options[$command]+set} ]] || return 0

    local -a kinds
    read -r -a kinds <<<"${arguments[$command]}"
    local at=$((${#words[@]} - skip))
    if [[ -n $ended || ($cur != -* && at -lt ${#kinds[@]}) ]]; then
        ((at < ${#kinds[@]})) && _tarvelin_setup_utility_value "${kinds[at]}"
        return
    fi
    for option in ${options[$command]} $every; do
        [[ " ${given[*]} " == *" $option "* ]] || offered+=" $option"
    done
    mapfile -t COMPREPLY < <(compgen -W "$offered" -- "$cur")
}
complete -F _tarvelin_setup_utility tarvelin-setup-utility
)";

} // namespace

std::string bashCompletion()
{
    return std::string(kHead) + tables() + std::string(kWalk);
}

} // namespace tarvelin::cli
