#include "platform/ProgramStarter.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>

namespace tarvelin
{

Q_LOGGING_CATEGORY(lcProgramStarter, "tarvelin.platform.programstarter")

bool isWindowsProgram(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

StartCommand commandFor(const QString& program, const QStringList& args)
{
    if (isWindowsProgram(program))
        return {QStringLiteral("wine"), QStringList{program} + args};
    return {program, args};
}

bool DetachedProcessStarter::startDetached(const QString& program, const QStringList& args)
{
    return startDetachedIn(program, args, QString());
}

bool DetachedProcessStarter::startDetachedIn(const QString& program, const QStringList& args,
                                             const QString& workingDirectory)
{
    if (program.isEmpty())
        return false;
    const StartCommand command = commandFor(program, args);
    const bool started =
        QProcess::startDetached(command.program, command.args, workingDirectory, nullptr);
    if (!started)
        qCInfo(lcProgramStarter) << "could not start" << command.program << command.args;
    return started;
}

} // namespace tarvelin
