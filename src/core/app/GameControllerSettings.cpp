#include "core/app/GameControllerSettings.h"

#include "core/platform/ProgramStarter.h"

namespace tarvelin
{

std::optional<Message> startGameControllerSettings(ProgramStarter& starter)
{
    if (starter.startDetached(QStringLiteral("jstest-gtk"), {}))
        return std::nullopt;
    if (starter.startDetached(QStringLiteral("wine"),
                              {QStringLiteral("control"), QStringLiteral("joy.cpl")}))
        return std::nullopt;
    return Message{QString::fromLatin1(kNoControllerSettings), MessageIcon::Exclamation};
}

} // namespace tarvelin
