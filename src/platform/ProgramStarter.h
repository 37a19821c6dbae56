#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin
{

// Starts another program without waiting for it (the game-controller settings, the system
// information tool, the game's launcher). Windows get one at start-up; tests give a recorder.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    // True when the program started.
    virtual bool startDetached(const QString& program, const QStringList& args) = 0;
};

// The real one: QProcess::startDetached.
class DetachedProcessStarter final : public ProgramStarter
{
public:
    bool startDetached(const QString& program, const QStringList& args) override;
};

} // namespace tarvelin
