// SPDX-License-Identifier: GPL-3.0-or-later
#include "clidocs/BashCompletion.h"

#include "clidocs/CompletionWords.h"

namespace tarvelin::cli
{

namespace
{

std::string optionWords(std::span<const CommandOption> options)
{
    return joined(optionSpellings(options));
}

// The program's part of the script: its data, from the table.
std::string tables()
{
    std::string out;
    out += "    local -A values=(";
    for (const OptionSpec& option : optionTable()) {
        if (option.kind == ValueKind::None)
            continue;
        out += "\n        [" + singleQuoted("--" + std::string(option.name)) +
               "]=" + std::string(completionOf(option.kind));
        if (option.shortName != 0)
            out += "\n        [" + singleQuoted(std::string("-") + option.shortName) +
                   "]=" + std::string(completionOf(option.kind));
    }
    out += "\n    )\n";

    const CommandWords words = commandWords();
    out += "    local commands=" + singleQuoted(joined(words.first)) + "\n";
    out += "    local -A subcommands=(";
    for (const auto& [first, second] : words.second)
        out += "\n        [" + singleQuoted(first) + "]=" + singleQuoted(joined(second));
    out += "\n    )\n";

    out += "    local windows=" + singleQuoted(optionWords(windowOptions())) + "\n";
    out += "    local every=" + singleQuoted(optionWords(everyCommandOptions())) + "\n";
    out += "    local -A options=(";
    for (const CommandSpec& command : commandTable())
        out += "\n        [" + singleQuoted(command.name) +
               "]=" + singleQuoted(optionWords(command.options));
    out += "\n    )\n";
    out += "    local -A arguments=(";
    for (const CommandSpec& command : commandTable())
        out += "\n        [" + singleQuoted(command.name) +
               "]=" + singleQuoted(joined(argumentKinds(command)));
    out += "\n    )\n";
    out += "    local -A again=(";
    for (const CommandSpec& command : commandTable())
        out += "\n        [" + singleQuoted(command.name) +
               "]=" + singleQuoted(joined(repeatableSpellings(command.options)));
    out += "\n    )\n";
    return out;
}

// The walk over the line, the same for any table. `given` keeps the options already on the line,
// so that one given twice (a usage error) is not offered again, unless the command takes it
// again.
constexpr std::string_view kHead = R"(# bash completion for tarvelin-setup-utility
# Written from the program's command table by tarvelin-cli-docs.

_tarvelin_setup_utility_value()
{
    case $1 in
    game) mapfile -t COMPREPLY < <(compgen -W 'dtr sc' -- "$cur") ;;
    command) mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur") ;;
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
    local at=$((${#words[@]} - skip)) last=$((${#kinds[@]} - 1))
    # FILE...: every word after the last argument's is more of it.
    if ((last >= 0)) && [[ ${kinds[last]} == *... ]]; then
        kinds[last]=${kinds[last]%...}
        ((at > last)) && at=$last
    fi
    if [[ -n $ended || ($cur != -* && at -lt ${#kinds[@]}) ]]; then
        ((at < ${#kinds[@]})) && _tarvelin_setup_utility_value "${kinds[at]}"
        return
    fi
    for option in ${options[$command]} $every; do
        [[ " ${given[*]} " == *" $option "* && " ${again[$command]} " != *" $option "* ]] ||
            offered+=" $option"
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
