// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/ProgramStarter.h"

#include <QList>

namespace fixture
{

// Records every program it is asked to start, with its arguments and folder, and answers with
// `succeeds`.
class FakeProgramStarter : public tarvelin::ProgramStarter
{
public:
    struct Start {
        QString program;
        QStringList args;
        QString workingDirectory;
    };

    bool succeeds = true;
    QList<Start> starts;

    bool startDetached(const QString& program, const QStringList& args) override
    {
        return startDetachedIn(program, args, QString());
    }
    bool startDetachedIn(const QString& program, const QStringList& args,
                         const QString& workingDirectory) override
    {
        starts.append({program, args, workingDirectory});
        return succeeds;
    }
};

} // namespace fixture
