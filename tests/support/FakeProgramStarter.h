// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/ProgramStarter.h"

#include <QList>

namespace fixture
{

// Records every program it is asked to start, with its arguments, folder and the Wine it runs in
// (WINEPREFIX and the wine program), and answers with `succeeds`.
class FakeProgramStarter : public tarvelin::ProgramStarter
{
public:
    struct Start {
        QString program;
        QStringList args;
        QString workingDirectory;
        tarvelin::WineSetup wine;
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
        return startInWine(program, args, workingDirectory, {});
    }
    bool startInWine(const QString& program, const QStringList& args,
                     const QString& workingDirectory, const tarvelin::WineSetup& wine) override
    {
        starts.append({program, args, workingDirectory, wine});
        return succeeds;
    }
};

} // namespace fixture
