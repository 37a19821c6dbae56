// SPDX-License-Identifier: GPL-3.0-or-later
#include "clidocs/CompletionWords.h"

#include <algorithm>

namespace tarvelin::cli
{

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

std::string_view completionOf(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Game:
        return "game";
    case ValueKind::Command:
        return "command";
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

std::string longSpelling(Option option)
{
    return "--" + std::string(optionSpec(option).name);
}

std::vector<std::string> optionSpellings(std::span<const CommandOption> options)
{
    std::vector<std::string> words;
    for (const CommandOption& option : options)
        words.push_back(longSpelling(option.option));
    return words;
}

std::vector<std::string> argumentKinds(const CommandSpec& command)
{
    std::vector<std::string> kinds;
    for (const ArgumentSpec& argument : command.arguments)
        kinds.push_back(std::string(completionOf(argument.kind)) +
                        (argument.repeatable ? "..." : ""));
    return kinds;
}

std::vector<std::string> repeatableSpellings(std::span<const CommandOption> options)
{
    std::vector<std::string> words;
    for (const CommandOption& option : options) {
        if (option.repeatable)
            words.push_back(longSpelling(option.option));
    }
    return words;
}

std::string joined(const std::vector<std::string>& words, std::string_view separator)
{
    std::string out;
    for (const std::string& word : words) {
        if (!out.empty())
            out += separator;
        out += word;
    }
    return out;
}

std::string singleQuoted(std::string_view text)
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

} // namespace tarvelin::cli
