// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/SetupTable.h"

#include <QStringList>

namespace tarvelin
{

// What putting one store in place of another would change, by setup name as the windows show
// them. A name that occurs twice counts twice.
struct StorePreview {
    QStringList bringBack; // in the restored store, not in the present one
    QStringList remove;    // in the present store, not in the restored one
    QStringList change;    // in both under the same name, with different bytes
    bool reorder = false;  // the setups both hold come in another order

    bool changesNothing() const
    {
        return bringBack.isEmpty() && remove.isEmpty() && change.isEmpty() && !reorder;
    }
};

StorePreview previewRestore(const SetupTable& present, const SetupTable& restored,
                            RecordLayout layout);

} // namespace tarvelin
