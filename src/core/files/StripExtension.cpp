// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/StripExtension.h"

namespace tarvelin
{

namespace
{

// Blanks only: a name's other characters are the player's.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

} // namespace

QString StripExtension(const QString& text, const QString& suffix)
{
    const qsizetype at = text.indexOf(suffix, 0, Qt::CaseSensitive);
    if (at < 0 || suffix.isEmpty())
        return trimBlanks(text);
    return text.left(at);
}

} // namespace tarvelin
