// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin
{

// The Wine a Windows program runs in: the prefix it gets as WINEPREFIX and the wine program of
// that prefix's runner. Empty parts: Wine's own default prefix, the `wine` on the PATH.
struct WineSetup {
    QString prefix;
    QString wine;
    friend bool operator==(const WineSetup&, const WineSetup&) = default;
};

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
    // The same, a Windows program (and the program named "wine") running in `wine`.
    virtual bool startInWine(const QString& program, const QStringList& args,
                             const QString& workingDirectory, const WineSetup& wine) = 0;
};

// A program and its arguments as they are handed to the process.
struct StartCommand {
    QString program;
    QStringList args;
    QString winePrefix; // WINEPREFIX of the program; empty: the utility's own environment
    friend bool operator==(const StartCommand&, const StartCommand&) = default;
};

// True when `path` is a file that starts with the "MZ" header of DOS and Windows programs.
bool isWindowsProgram(const QString& path);

// What runs `program`: a Windows program goes through the setup's wine in its prefix, and so does
// the program named "wine" itself; anything else is run as it is.
StartCommand commandFor(const QString& program, const QStringList& args,
                        const WineSetup& wine = {});

// The real starter: QProcess::startDetached, through wine for Windows programs.
class DetachedProgramStarter : public ProgramStarter
{
public:
    bool startDetached(const QString& program, const QStringList& args) override;
    bool startDetachedIn(const QString& program, const QStringList& args,
                         const QString& workingDirectory) override;
    bool startInWine(const QString& program, const QStringList& args,
                     const QString& workingDirectory, const WineSetup& wine) override;
};

} // namespace tarvelin
