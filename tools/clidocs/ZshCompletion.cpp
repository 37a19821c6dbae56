// SPDX-License-Identifier: GPL-3.0-or-later
#include "clidocs/ZshCompletion.h"

#include "clidocs/CompletionWords.h"

namespace tarvelin::cli
{

namespace
{

std::string tables()
{
    std::string out = "    local -A values=(";
    for (const OptionSpec& option : optionTable()) {
        if (option.kind == ValueKind::None)
            continue;
        out += "\n        " + singleQuoted("--" + std::string(option.name)) + " " +
               std::string(completionOf(option.kind));
        if (option.shortName != 0)
            out += "\n        " + singleQuoted(std::string("-") + option.shortName) + " " +
                   std::string(completionOf(option.kind));
    }
    out += "\n    )\n    local -A optionHelp=(";
    for (const OptionSpec& option : optionTable())
        out += "\n        " + singleQuoted("--" + std::string(option.name)) + " " +
               singleQuoted(option.help);
    out += "\n    )\n";

    const CommandWords words = commandWords();
    out += "    local commands=" + singleQuoted(joined(words.first)) + "\n";
    out += "    local -A subcommands=(";
    for (const auto& [first, second] : words.second)
        out += "\n        " + singleQuoted(first) + " " + singleQuoted(joined(second));
    out += "\n    )\n    local -A summaries=(";
    for (const auto& [first, second] : words.second)
        out += "\n        " + singleQuoted(first) + " " + singleQuoted(first + " commands");
    for (const CommandSpec& command : commandTable())
        out += "\n        " + singleQuoted(command.name) + " " + singleQuoted(command.summary);
    out += "\n    )\n";
    out += "    local windows=" + singleQuoted(joined(optionSpellings(windowOptions()))) + "\n";
    out += "    local every=" + singleQuoted(joined(optionSpellings(everyCommandOptions()))) + "\n";
    out += "    local -A options=(";
    for (const CommandSpec& command : commandTable())
        out += "\n        " + singleQuoted(command.name) + " " +
               singleQuoted(joined(optionSpellings(command.options)));
    out += "\n    )\n    local -A arguments=(";
    for (const CommandSpec& command : commandTable())
        out += "\n        " + singleQuoted(command.name) + " " +
               singleQuoted(joined(argumentKinds(command)));
    out += "\n    )\n";
    out += "    local -A again=(";
    for (const CommandSpec& command : commandTable())
        out += "\n        " + singleQuoted(command.name) + " " +
               singleQuoted(joined(repeatableSpellings(command.options)));
    out += "\n    )\n";
    return out;
}

constexpr std::string_view kHead = R"zsh(#compdef tarvelin-setup-utility
# zsh completion for tarvelin-setup-utility
# Written from the program's command table by tarvelin-cli-docs.

_tarvelin_setup_utility_value()
{
    case $1 in
    game) compadd -- dtr sc ;;
    command) _tarvelin_setup_utility_words commands '' ${=commands} ;;
    directory) _files -/ ;;
    file) _files ;;
    *) return 1 ;;
    esac
}

# Offers the words with their helps (options) or their summaries (commands, under `prefix`).
_tarvelin_setup_utility_words()
{
    local tag=$1 prefix=$2 word
    shift 2
    local -a described=()
    for word; do
        if [[ $tag == options ]]; then
            described+=("$word:${optionHelp[$word]}")
        else
            described+=("$word:${summaries[$prefix$word]}")
        fi
    done
    _describe -t $tag $tag described
}

_tarvelin_setup_utility()
{
)zsh";

// The walk over the line, as the bash completion's. zsh keeps --to=DIR as one word.
constexpr std::string_view kWalk = R"zsh(
    local i word expecting= ended= cur=${words[CURRENT]}
    local -a typed=() given=()
    for ((i = 2; i < CURRENT; i++)); do
        word=${words[i]}
        if [[ -n $expecting ]]; then
            expecting=
        elif [[ -z $ended && $word == -- ]]; then
            ended=1
        elif [[ -z $ended && $word == --*=* ]]; then
            given+=("${word%%=*}")
        elif [[ -z $ended && $word == -?* ]]; then
            given+=("$word")
            [[ -n ${values[$word]} ]] && expecting=$word
        else
            typed+=("$word")
        fi
    done

    if [[ -n $expecting ]]; then
        _tarvelin_setup_utility_value ${values[$expecting]}
        return
    fi
    if [[ -z $ended && $cur == --*=* && -n ${values[${cur%%=*}]} ]]; then
        compset -P '*='
        _tarvelin_setup_utility_value ${values[${cur%%=*}]}
        return
    fi
    if ((${#typed} == 0)); then
        if [[ -z $ended && $cur == -* ]]; then
            _tarvelin_setup_utility_words options '' ${=windows}
        else
            _tarvelin_setup_utility_words commands '' ${=commands}
        fi
        return
    fi

    local command=${typed[1]} skip=1
    if [[ -n ${subcommands[$command]} ]]; then
        if ((${#typed} == 1)); then
            _tarvelin_setup_utility_words subcommands "$command " ${=subcommands[$command]}
            return
        fi
        command+=" ${typed[2]}"
        skip=2
    fi
    ((${+options[$command]})) || return 1

    local -a kinds=(${=arguments[$command]})
    local at=$((${#typed} - skip))
    # FILE...: every word after the last argument's is more of it.
    if ((${#kinds})) && [[ ${kinds[-1]} == *... ]]; then
        kinds[-1]=${kinds[-1]%...}
        ((at >= ${#kinds})) && at=$((${#kinds} - 1))
    fi
    if [[ -n $ended || ($cur != -* && at -lt ${#kinds}) ]]; then
        ((at < ${#kinds})) && _tarvelin_setup_utility_value ${kinds[at + 1]}
        return
    fi
    local -a offered=()
    local option
    for option in ${=options[$command]} ${=every}; do
        ((${given[(Ie)$option]} && ! ${${=again[$command]}[(Ie)$option]})) ||
            offered+=("$option")
    done
    _tarvelin_setup_utility_words options '' $offered
}

_tarvelin_setup_utility "$@"
)zsh";

} // namespace

std::string zshCompletion()
{
    return std::string(kHead) + tables() + std::string(kWalk);
}

} // namespace tarvelin::cli
