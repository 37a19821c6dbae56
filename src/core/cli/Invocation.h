// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandTable.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace tarvelin::cli
{

// The command line as the user wrote it, checked against the command table. Options may come
// before or after the command.
struct Invocation {
    const CommandSpec* command = nullptr; // none: the windows (or the program's --help)
    // The first word of two-word commands, given alone with --help ("registry --help").
    QString group;
    // The command's arguments, in the table's order; an argument that stands for an option
    // (export's NAME DIR) has been moved to that option.
    QStringList arguments;
    std::array<std::optional<QString>, kOptionCount> options; // the first value of each
    // Every value of an option the command takes more than once, in the order given.
    std::array<QStringList, kOptionCount> repeated;
    // The one line naming what is wrong; empty when the line is right.
    QString usageError;

    bool has(Option option) const { return options[static_cast<std::size_t>(option)].has_value(); }
    QString value(Option option) const
    {
        return options[static_cast<std::size_t>(option)].value_or(QString());
    }
    // --slot as a number; only set (1 to 300) once the line is checked.
    int slot() const { return value(Option::Slot).toInt(); }
    // Each --slot given, in order.
    std::vector<int> slots() const
    {
        std::vector<int> numbers;
        for (const QString& given : repeated[static_cast<std::size_t>(Option::Slot)])
            numbers.push_back(given.toInt());
        return numbers;
    }

    bool startsWindows() const
    {
        return command == nullptr && usageError.isEmpty() && !has(Option::Help) &&
               !has(Option::Version);
    }
};

Invocation parseInvocation(const QStringList& arguments);

// The program's help, listing every command; one command's own; and that of the commands whose
// first word is `group` ("history", "registry"), empty when there are none.
QString usageText();
QString commandHelp(const CommandSpec& command);
QString groupHelp(const QString& group);

} // namespace tarvelin::cli
