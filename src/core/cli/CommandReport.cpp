#include "core/cli/CommandReport.h"

#include "core/Logging.h"
#include "core/cli/CommandLine.h"
#include "core/cli/TerminalText.h"

#include <QTextStream>

namespace tarvelin::cli
{

int report(CommandContext& context, const CommandOutcome& outcome, const QStringList& doneLines)
{
    if (outcome.done) {
        for (const QString& line : doneLines)
            context.err << terminalText(line) << Qt::endl;
    }
    if (!outcome.detail.isEmpty())
        qCInfo(lcCommandLine).noquote() << outcome.detail;
    for (const Message& message : outcome.messages)
        context.err << terminalText(message.text) << Qt::endl;
    if (!outcome.done && outcome.messages.empty() && !outcome.detail.isEmpty())
        context.err << terminalText(outcome.detail) << Qt::endl;
    return outcome.done ? kSuccess : kFailed;
}

int fail(CommandContext& context, const QString& why)
{
    return report(context, refused(Message{why}));
}

int wrongUsage(CommandContext& context, const QString& why)
{
    const std::string_view name = context.invocation.command->name;
    context.err << QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())) << ": "
                << why << "; see --help" << Qt::endl;
    return kWrongUsage;
}

} // namespace tarvelin::cli
