// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin
{

// Starts another program without waiting for it: the game's launcher, the controller settings.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;

    // True when the program is running; false when it could not be started at all.
    virtual bool startDetached(const QString& program, const QStringList& args) = 0;
    // The same, with `workingDirectory` as the program's current folder. A starter that cannot
    // choose the folder starts the program in its own.
    virtual bool startDetachedIn(const QString& program, const QStringList& args,
                                 const QString& workingDirectory)
    {
        Q_UNUSED(workingDirectory);
        return startDetached(program, args);
    }
};

// A program and its arguments as they are handed to the process.
struct StartCommand {
    QString program;
    QStringList args;
    friend bool operator==(const StartCommand&, const StartCommand&) = default;
};

// True when `path` is a file that starts with the "MZ" header of DOS and Windows programs.
bool isWindowsProgram(const QString& path);

// What runs `program`: a Windows program goes through `wine`, anything else is run as it is.
StartCommand commandFor(const QString& program, const QStringList& args);

// The real starter: QProcess::startDetached, through wine for Windows programs.
class DetachedProgramStarter : public ProgramStarter
{
public:
    bool startDetached(const QString& program, const QStringList& args) override;
    bool startDetachedIn(const QString& program, const QStringList& args,
                         const QString& workingDirectory) override;
};

} // namespace tarvelin
