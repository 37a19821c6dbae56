// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreCommandOutcome.h"

namespace tarvelin
{

Message noGameDirectoryMessage()
{
    return {QStringLiteral("No game directory is known, so there is no store to change."),
            MessageIcon::Exclamation};
}

Message storeUnreadableMessage(const QString& storePath)
{
    return {QStringLiteral("The store %1 could not be read. Nothing was changed.").arg(storePath),
            MessageIcon::Exclamation};
}

Message storeNotWrittenMessage(const QString& storePath)
{
    return {
        QStringLiteral("The store %1 could not be written. It was left as it was.").arg(storePath),
        MessageIcon::Exclamation};
}

Message storeDamagedMessage(const QString& storePath, const QString& defect)
{
    return exclamation(QStringLiteral("The store %1 does not read whole as a store of this game: "
                                      "%2. It was left as it was.")
                           .arg(storePath, defect));
}

} // namespace tarvelin
