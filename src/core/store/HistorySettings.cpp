// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/HistorySettings.h"

#include "core/platform/Clock.h"

namespace tarvelin
{

QDateTime HistorySettings::now() const
{
    const QDateTime time = clock ? clock->now() : QDateTime::currentDateTimeUtc();
    return QDateTime::fromSecsSinceEpoch(time.toSecsSinceEpoch(), Qt::UTC);
}

} // namespace tarvelin
