// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/ProgramStarter.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"

#include <QProcess>

namespace tarvelin
{

bool isWindowsProgram(const QString& path)
{
    const FileContents start = readFileStart(path, 2);
    return start.ok && start.bytes == "MZ";
}

StartCommand commandFor(const QString& program, const QStringList& args, const WineSetup& wine)
{
    const QString wineProgram = wine.wine.isEmpty() ? QStringLiteral("wine") : wine.wine;
    if (program == QLatin1String("wine"))
        return {wineProgram, args, wine.prefix};
    if (isWindowsProgram(program))
        return {wineProgram, QStringList{program} + args, wine.prefix};
    return {program, args, {}};
}

bool DetachedProgramStarter::startDetached(const QString& program, const QStringList& args)
{
    return startDetachedIn(program, args, QString());
}

bool DetachedProgramStarter::startDetachedIn(const QString& program, const QStringList& args,
                                             const QString& workingDirectory)
{
    return startInWine(program, args, workingDirectory, {});
}

bool DetachedProgramStarter::startInWine(const QString& program, const QStringList& args,
                                         const QString& workingDirectory, const WineSetup& wine)
{
    const StartCommand command = commandFor(program, args, wine);
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.args);
    process.setWorkingDirectory(workingDirectory);
    if (!command.winePrefix.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEPREFIX"), command.winePrefix);
        process.setProcessEnvironment(environment);
    }
    const bool started = process.startDetached();
    if (!started)
        qCWarning(lcStarter) << "could not start" << command.program << command.args << "in"
                             << command.winePrefix;
    return started;
}

} // namespace tarvelin
