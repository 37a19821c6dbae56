#pragma once

#include "core/platform/Message.h"
#include "core/store/SetupTable.h"
#include "core/transfer/EntryPoint.h"

#include <optional>
#include <vector>

namespace tarvelin
{

struct GameProfile;

struct ExportRequest {
    QString gameDirectory;
    const GameProfile* profile = nullptr;
    // The slot of the selected store list line (StoreLine::slot), 0 when none is selected.
    int selectedSlot = 0;
    QString exportName; // the setup name field (Text3), as typed: the file's name
    QString folder;     // the chosen folder (Dir1)
    EntryPoint entryPoint = EntryPoint::Button;
    // The window's table, which the menu entry exports from when setups.sav cannot be read.
    const SetupTable* windowTable = nullptr;
};

struct ExportOutcome {
    bool done = false; // a file was written
    QString writtenFile;
    std::vector<Message> messages; // shown in this order
    // setups.sav as re-read: the window's table becomes this; its store list stays as it is.
    std::optional<SetupTable> table;
    // Text3 is emptied and the file list refreshed, except when the button ended at once
    // because the store could not be read.
    bool clearSetupName = true;
    QString detail; // why nothing was written, for the log and the command line
};

// Export: the selected setup of setups.sav, cut out whole, written to folder/NAME.set (.dts for
// Sprint Cars) and left read-only. Refused, with a message each, for the root folder, an empty
// name, no selected setup, a name that is no file name, or a read-only file of that name.
ExportOutcome ExportSetup(const ExportRequest& request);

} // namespace tarvelin
