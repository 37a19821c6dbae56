// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StoreFile.h"
#include "core/store/StorePaths.h"

namespace tarvelin
{

// The store as every command and the game window read it. A setups.sav missing from an existing
// "saved games" folder is a store the game has not written yet: it reads as an empty store (ok,
// with `missing` set). A missing folder, a file that cannot be read, or something that is not a
// file is not ok, and `error` says why.
StoreRead readGameStore(const StorePaths& paths, RecordLayout layout);

} // namespace tarvelin
