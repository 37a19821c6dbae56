// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StoreLayout.h"

#include <QByteArrayView>
#include <QString>

namespace tarvelin
{

// Why `bytes` do not read whole as a store of `layout`, in words for the player ("slot 12 runs
// past the end of the file"); empty when they do. A store is whole when its header and all 300
// slots are there, every used slot with its name's end and its fixed part. Bytes after slot 300
// are kept as the games leave them, unless the file reads whole, to its last byte, with records
// of another length: then it is a store of the other game, and this game's walk found garbage.
//
// Only a whole store is ever rewritten from what was read of it, and only a whole store replaces
// a backup: a table read from anything else would write the misreading back as the player's
// setups.
QString storeDefect(QByteArrayView bytes, RecordLayout layout);

} // namespace tarvelin
