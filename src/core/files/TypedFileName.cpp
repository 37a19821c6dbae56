// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/TypedFileName.h"

#include "core/names/FileNameEncoding.h"

namespace tarvelin
{

namespace
{
constexpr qsizetype kMaxFileNameBytes = 255;
}

bool isUsableFileName(const QString& fileName)
{
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return false;
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QChar(u'\0')))
        return false;
    return encodeFileName(fileName).size() <= kMaxFileNameBytes;
}

} // namespace tarvelin
