// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"
#include "core/store/SetupTable.h"

#include <optional>

namespace tarvelin
{

struct GameProfile;

// One setup file checked and its setup added to a store in memory.
struct SetupIntake {
    // The slot the setup took; 0 when the file was refused, or holds an unused record and so adds
    // nothing.
    int slot = 0;
    std::optional<Message> refusal; // why the file was refused; nothing: it was taken in
    QString detail;
    bool storeFull = false; // refused because every slot of the table is used

    explicit operator bool() const { return !refusal.has_value(); }
};

// Puts the setup of the file at `path` into the first free slot of `table`. A full table, a file
// that cannot be read, or one that is not exactly one setup of this game is refused with the
// message the player sees, and `table` is left as it was.
SetupIntake takeInSetupFile(SetupTable& table, const QString& path, const GameProfile& profile);

// Once the store holding its setup is written, the file is made writable, and deleted when asked:
// it now lives in the store. True when it was deleted; a deletion that failed adds its message.
bool settleImportedFile(const QString& path, bool deleteFile, CommandOutcome& outcome);

} // namespace tarvelin
