#include "platform/ProgramStarter.h"

#include <QLoggingCategory>
#include <QProcess>

namespace tarvelin
{

Q_LOGGING_CATEGORY(lcProgramStarter, "tarvelin.platform.programstarter")

bool DetachedProcessStarter::startDetached(const QString& program, const QStringList& args)
{
    if (program.isEmpty())
        return false;
    const bool started = QProcess::startDetached(program, args);
    if (!started)
        qCInfo(lcProgramStarter) << "could not start" << program << args;
    return started;
}

} // namespace tarvelin
