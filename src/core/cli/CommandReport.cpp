// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/CommandReport.h"

#include "core/Logging.h"
#include "core/cli/CommandLine.h"
#include "core/cli/TerminalText.h"

#include <QJsonArray>
#include <QTextStream>
#include <algorithm>

namespace tarvelin::cli
{

namespace
{

// What the player reads about the outcome, in order.
QStringList linesOf(const CommandOutcome& outcome, const QStringList& doneLines)
{
    QStringList lines;
    if (outcome.done)
        lines << doneLines;
    for (const Message& message : outcome.messages)
        lines << message.text;
    if (!outcome.done && outcome.messages.empty() && !outcome.detail.isEmpty())
        lines << outcome.detail;
    return lines;
}

bool takesDryRun(const CommandSpec& command)
{
    return std::ranges::any_of(command.options, [](const CommandOption& option) {
        return option.option == Option::DryRun;
    });
}

int exitCode(const CommandOutcome& outcome)
{
    return outcome.done ? kSuccess : kFailed;
}

} // namespace

int reportAsLines(CommandContext& context, const CommandOutcome& outcome)
{
    if (!outcome.detail.isEmpty())
        qCInfo(lcCommandLine).noquote() << outcome.detail;
    for (const QString& line : linesOf(outcome, {}))
        context.err << terminalText(line) << Qt::endl;
    return exitCode(outcome);
}

int report(CommandContext& context, const CommandOutcome& outcome, const QStringList& doneLines,
           const OrderedJson& fields)
{
    if (!context.json()) {
        if (outcome.done) {
            for (const QString& line : doneLines)
                context.err << terminalText(line) << Qt::endl;
        }
        return reportAsLines(context, outcome);
    }
    if (!outcome.detail.isEmpty())
        qCInfo(lcCommandLine).noquote() << outcome.detail;
    OrderedJson json;
    json.add("done", outcome.done);
    if (takesDryRun(*context.invocation.command))
        json.add("dry_run", context.dryRun());
    json.add("messages", QJsonArray::fromStringList(linesOf(outcome, doneLines)));
    context.out << json.append(fields).text() << Qt::endl;
    return exitCode(outcome);
}

int fail(CommandContext& context, const QString& why, const OrderedJson& fields)
{
    return report(context, refused(Message{why}), {}, fields);
}

int wrongUsage(CommandContext& context, const QString& why)
{
    const std::string_view name = context.invocation.command->name;
    context.err << QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())) << ": "
                << why << "; see --help" << Qt::endl;
    return kWrongUsage;
}

} // namespace tarvelin::cli
