// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/DesktopUrlOpener.h"

#include "ui/Logging.h"

#include <QDesktopServices>
#include <QUrl>

namespace tarvelin
{

void DesktopUrlOpener::openUrl(const QString& address)
{
    if (!QDesktopServices::openUrl(QUrl(address)))
        qCInfo(lcLinks).noquote() << "could not open" << address;
}

} // namespace tarvelin
