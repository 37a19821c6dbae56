// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/CommandLine.h"

#include "core/app/HelpIndex.h"
#include "core/cli/CommandContext.h"
#include "core/cli/GameResolution.h"
#include "core/cli/TerminalText.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

namespace tarvelin::cli
{

namespace
{

// Where the windows will find their help pages, found as they find them: a player, or a check of
// an installed package, sees at once whether the program finds its help.
QString helpPagesLine()
{
    const QString directory = QCoreApplication::instance()
                                  ? findHelpDirectory(QCoreApplication::applicationDirPath())
                                  : QString();
    if (directory.isEmpty())
        return QStringLiteral("\nThe windows' help pages were not found beside the program.\n");
    return QStringLiteral("\nThe windows' help pages are in %1.\n").arg(directory);
}

} // namespace

QString programHelp()
{
    return usageText() + helpPagesLine();
}

int runCommand(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (!invocation.usageError.isEmpty()) {
        err << terminalText(invocation.usageError) << "; see --help" << Qt::endl;
        return kWrongUsage;
    }
    if (invocation.has(Option::Help)) {
        if (invocation.command)
            out << commandHelp(*invocation.command);
        else if (!invocation.group.isEmpty())
            out << groupHelp(invocation.group);
        else
            out << programHelp();
        return kSuccess;
    }
    if (invocation.has(Option::Version)) {
        out << QLatin1StringView(kProgramName.data(), static_cast<qsizetype>(kProgramName.size()))
            << ' ' << TARVELIN_VERSION << '\n';
        return kSuccess;
    }
    if (!invocation.command) {
        err << "No command; see --help" << Qt::endl;
        return kWrongUsage;
    }
    const QString registryFile = invocation.value(Option::Registry);
    CommandContext context{
        invocation, out, err,
        Registry(registryFile.isEmpty() ? Registry::defaultFilePath() : registryFile)};
    if (invocation.command->needsGameDirectory) {
        context.game = resolveGame(context);
        if (!context.game)
            return kFailed;
    }
    return invocation.command->run(context);
}

void setCommandLineLogging(bool verbose)
{
    // The command's own messages say why it failed; the log would say it a second time.
    QLoggingCategory::setFilterRules(verbose ? QStringLiteral("tarvelin.*=true")
                                             : QStringLiteral("tarvelin.*=false"));
}

} // namespace tarvelin::cli
