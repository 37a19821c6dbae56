// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/Message.h"
#include "core/platform/PathInfo.h"

#include <QString>

namespace tarvelin
{

// A file, or a link, that a new file of this name would replace. A folder is no such file: writing
// over it fails on its own.
inline bool wouldReplaceFile(const QString& path)
{
    const PathInfo info(path);
    return info.isSymLink() || (info.exists() && !info.isDir());
}

// What the window asks before a command replaces a player's file; `shownName` as the file list
// shows it. The answer that keeps the file is the default.
inline Message replaceQuestion(const QString& shownName)
{
    return {shownName + QStringLiteral(" already exists. Replace it?"), MessageIcon::Question};
}

} // namespace tarvelin
