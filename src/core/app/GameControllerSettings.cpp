// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/GameControllerSettings.h"

#include "core/platform/ProgramStarter.h"

namespace tarvelin
{

CommandOutcome startGameControllerSettings(ProgramStarter& starter, const WineSetup& wine)
{
    CommandOutcome outcome;
    outcome.done =
        starter.startDetached(QStringLiteral("jstest-gtk"), {}) ||
        starter.startInWine(QStringLiteral("wine"),
                            {QStringLiteral("control"), QStringLiteral("joy.cpl")}, {}, wine);
    if (!outcome.done)
        outcome.messages.push_back(exclamation(QString::fromLatin1(kNoControllerSettings)));
    return outcome;
}

} // namespace tarvelin
