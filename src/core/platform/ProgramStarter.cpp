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

StartCommand commandFor(const QString& program, const QStringList& args)
{
    if (isWindowsProgram(program))
        return {QStringLiteral("wine"), QStringList{program} + args};
    return {program, args};
}

bool DetachedProgramStarter::startDetached(const QString& program, const QStringList& args)
{
    return startDetachedIn(program, args, QString());
}

bool DetachedProgramStarter::startDetachedIn(const QString& program, const QStringList& args,
                                             const QString& workingDirectory)
{
    const StartCommand command = commandFor(program, args);
    const bool started =
        QProcess::startDetached(command.program, command.args, workingDirectory, nullptr);
    if (!started)
        qCWarning(lcStarter) << "could not start" << command.program << command.args;
    return started;
}

} // namespace tarvelin
