// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/AboutTexts.h"

#include <QVersionNumber>

namespace tarvelin
{

QString versionLabel(const QString& version)
{
    const QVersionNumber number = QVersionNumber::fromString(version.trimmed());
    return QStringLiteral("Version %1.%2.%3")
        .arg(number.majorVersion())
        .arg(number.minorVersion())
        .arg(number.microVersion());
}

QString programVersionLabel()
{
    return versionLabel(QStringLiteral(TARVELIN_VERSION));
}

QStringList creditLines()
{
    return {
        QStringLiteral("Programming: the Tarvelin team"),
        QStringLiteral("Artwork: the Tarvelin team"),
        QStringLiteral("Testing: the league racers of the Tarvelin forums"),
        QStringLiteral("Setups: every player who shares one"),
        QStringLiteral("The games: Dirt Track Racing and Sprint Cars by Ratbag"),
    };
}

} // namespace tarvelin
