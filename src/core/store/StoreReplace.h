// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FileIO.h"
#include "core/store/StorePaths.h"

namespace tarvelin
{

// Writes `bytes` as the new setups.sav. Through setups.tmp when `throughScratch` (delete and
// sort): the scratch file is written whole, then renamed over the store in one step, and is gone
// afterwards whatever happened. Either way setups.sav is either the old file or the new one,
// never missing or half written, keeps the old file's mode and is left writable by its owner.
// `beforeCommit` runs once the new store is written and on its way to the disk, before it takes
// the old one's place; when it fails, the old store stays.
FileResult replaceStoreBytes(const StorePaths& paths, const QByteArray& bytes, bool throughScratch,
                             const BeforeCommit& beforeCommit = {});

} // namespace tarvelin
