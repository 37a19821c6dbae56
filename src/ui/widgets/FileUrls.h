// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

namespace tarvelin
{

// A file's URL for a drag, carrying the name's very bytes: a name that is not UTF-8 reaches the
// file manager as the same file.
QUrl fileUrl(const QString& path);
// The local files among `urls`, in their order, as paths the file door takes; other URLs (web
// addresses, a remote share's) are left out.
QStringList localFiles(const QList<QUrl>& urls);

} // namespace tarvelin
