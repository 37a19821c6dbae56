// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/ShellFonts.h"

#include <QStringList>

namespace tarvelin
{

QFont impactFont(int pointSize)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Impact"), QStringLiteral("Anton"),
                                 QStringLiteral("DejaVu Sans Condensed"),
                                 QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

QFont arialBlackFont(int pointSize)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"),
                                 QStringLiteral("Liberation Sans")});
    font.setPointSize(pointSize);
    font.setWeight(QFont::Black);
    return font;
}

} // namespace tarvelin
