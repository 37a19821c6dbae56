// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FileUrls.h"

#include "core/names/FileNameEncoding.h"

namespace tarvelin
{

QUrl fileUrl(const QString& path)
{
    QUrl url;
    url.setScheme(QStringLiteral("file"));
    url.setPath(QString::fromLatin1(encodeFileName(path).toPercentEncoding("/")), QUrl::StrictMode);
    return url;
}

QStringList localFiles(const QList<QUrl>& urls)
{
    QStringList files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile() || !url.host().isEmpty())
            continue;
        const QByteArray bytes =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        files << decodeFileName(bytes);
    }
    return files;
}

} // namespace tarvelin
