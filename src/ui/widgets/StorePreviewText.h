// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StorePreview.h"

#include <QString>

namespace tarvelin
{

// The line under a preview: that nothing changes, or whether the order of the setups does.
QString storePreviewNote(const StorePreview& preview);
// The preview in words for a question box: what comes back, what goes and what changes, a line
// each and left out when there is none, then the note.
QString storePreviewText(const StorePreview& preview);

} // namespace tarvelin
