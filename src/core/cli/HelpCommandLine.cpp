// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/HelpCommandLine.h"

#include "core/cli/CommandLine.h"
#include "core/cli/CommandReport.h"

#include <QTextStream>

namespace tarvelin::cli
{

int runHelp(CommandContext& context)
{
    const QStringList& words = context.invocation.arguments;
    if (words.isEmpty()) {
        context.out << programHelp();
        return kSuccess;
    }
    const QString name = words.join(QLatin1Char(' '));
    for (const CommandSpec& command : commandTable()) {
        if (QLatin1StringView(command.name.data(), static_cast<qsizetype>(command.name.size())) ==
            name) {
            context.out << commandHelp(command);
            return kSuccess;
        }
    }
    if (const QString group = groupHelp(name); words.size() == 1 && !group.isEmpty()) {
        context.out << group;
        return kSuccess;
    }
    return wrongUsage(context, QStringLiteral("%1 is not a command").arg(name));
}

} // namespace tarvelin::cli
