#pragma once

#include "core/platform/ProgramStarter.h"

#include <QList>

namespace fixture
{

// Records every program it is asked to start and answers with `starts`.
class RecordingStarter : public tarvelin::ProgramStarter
{
public:
    struct Start {
        QString program;
        QStringList args;
    };

    bool startDetached(const QString& program, const QStringList& args) override
    {
        started.append({program, args});
        return starts;
    }

    bool starts = true;
    QList<Start> started;
};

} // namespace fixture
