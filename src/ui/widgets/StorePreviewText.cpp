// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/StorePreviewText.h"

#include <QStringList>

namespace tarvelin
{

QString storePreviewNote(const StorePreview& preview)
{
    if (preview.changesNothing())
        return QStringLiteral("This kept store holds the same setups as the store now.");
    return preview.reorder ? QStringLiteral("Restoring also changes the order of the setups.")
                           : QStringLiteral("The order of the setups stays as it is.");
}

QString storePreviewText(const StorePreview& preview)
{
    QStringList lines;
    const auto section = [&lines](const char* caption, const QStringList& names) {
        if (!names.isEmpty())
            lines << QString::fromLatin1(caption) + u' ' + names.join(QStringLiteral(", "));
    };
    section("Brings back:", preview.bringBack);
    section("Removes:", preview.remove);
    section("Changes:", preview.change);
    lines << storePreviewNote(preview);
    return lines.join(u'\n');
}

} // namespace tarvelin
