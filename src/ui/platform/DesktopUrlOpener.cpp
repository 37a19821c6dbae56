#include "ui/platform/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QUrl>

namespace tarvelin
{

Q_LOGGING_CATEGORY(lcLinks, "tarvelin.links")

void DesktopUrlOpener::openUrl(const QString& address)
{
    if (!QDesktopServices::openUrl(QUrl(address)))
        qCInfo(lcLinks).noquote() << "could not open" << address;
}

} // namespace tarvelin
