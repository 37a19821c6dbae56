#include "core/store/HistorySettings.h"

#include "core/platform/Clock.h"

#include <utility>

namespace tarvelin
{

namespace
{

HistorySettings& settingsInForce()
{
    static HistorySettings settings;
    return settings;
}

} // namespace

QDateTime HistorySettings::now() const
{
    const QDateTime time = clock ? clock->now() : QDateTime::currentDateTimeUtc();
    return QDateTime::fromSecsSinceEpoch(time.toSecsSinceEpoch(), Qt::UTC);
}

HistorySettings HistorySettings::inForce()
{
    return settingsInForce();
}

HistorySettings HistorySettings::putInForce(HistorySettings settings)
{
    return std::exchange(settingsInForce(), settings);
}

} // namespace tarvelin
