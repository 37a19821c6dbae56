#include "core/cli/CommandLine.h"

#include "core/cli/Commands.h"

#include <QLoggingCategory>
#include <QTextStream>

namespace tarvelin::cli
{

int runCommand(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (!invocation.usageError.isEmpty()) {
        err << invocation.usageError << "; see --help" << Qt::endl;
        return kWrongUsage;
    }
    if (invocation.has(Option::Help)) {
        out << (invocation.command ? commandHelp(*invocation.command) : usageText());
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
    return invocation.command->run(context);
}

void setCommandLineLogging(bool verbose)
{
    // The command's own messages say why it failed; the log would say it a second time.
    QLoggingCategory::setFilterRules(verbose ? QStringLiteral("tarvelin.*=true")
                                             : QStringLiteral("tarvelin.*=false"));
}

} // namespace tarvelin::cli
