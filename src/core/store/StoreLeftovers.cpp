// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreLeftovers.h"

#include "core/Logging.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"

#include <QRegularExpression>
#include <dirent.h>

namespace tarvelin
{

namespace
{

bool isLeftoverName(const QString& fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^setups\\.(sav|bak)\\.([A-Za-z0-9]{6})$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression word(QStringLiteral("^[a-z]+$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() && !word.match(match.captured(2)).hasMatch();
}

} // namespace

QStringList removeLeftoverTemporaries(const StorePaths& paths)
{
    QStringList removed;
    if (!paths.isValid())
        return removed;
    QStringList candidates;
    if (entryExists(paths.scratch))
        candidates << paths.scratch;
    // Read as bytes: QDir would find no folder whose name is not UTF-8.
    if (DIR* folder = ::opendir(encodeFileName(paths.folder).constData())) {
        while (const dirent* entry = ::readdir(folder)) {
            const QString name = decodeFileName(entry->d_name);
            if (isLeftoverName(name))
                candidates << joinPath(paths.folder, name);
        }
        ::closedir(folder);
    }
    for (const QString& path : candidates) {
        const PathInfo info(path);
        // A folder is never ours; setups.tmp is removed even as a link, the link itself.
        if (info.isDir() && !info.isSymLink())
            continue;
        if (path != paths.scratch && (info.isSymLink() || !info.isFile()))
            continue;
        if (const FileResult gone = removeFile(path); gone)
            removed << path;
        else
            qCInfo(lcStore).noquote() << "leftover kept:" << gone.error;
    }
    if (!removed.isEmpty())
        qCInfo(lcStore).noquote() << "removed leftover temporaries:" << removed;
    return removed;
}

} // namespace tarvelin
