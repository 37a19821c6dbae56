// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"
#include "core/store/SetupTable.h"
#include "core/transfer/MessageStyle.h"

#include <optional>

namespace tarvelin
{

struct GameProfile;

struct ExportRequest {
    QString gameDirectory;
    const GameProfile* profile = nullptr;
    // The slot of the selected store list line (StoreLine::slot), 0 when none is selected.
    int selectedSlot = 0;
    QString exportName; // the setup name as the player typed it: the file's name
    QString folder;     // the chosen folder
    MessageStyle style = MessageStyle::Marked;
    // What to export from when setups.sav cannot be read (the table the window shows). None: the
    // export then ends at once, silently, before anything is checked.
    const SetupTable* fallbackTable = nullptr;
    // The name the store list shows on the selected line: the export refuses when the slot on
    // disk holds another setup by now. None: the slot is taken as named, whatever it holds.
    std::optional<QByteArray> listedName = std::nullopt;
    // The player agreed to replace an existing file of the export's name (never a read-only one).
    bool replaceExisting = false;
    // Only say what the export would write: every check is made, nothing is written.
    bool dryRun = false;
};

// done: a file was written.
struct ExportOutcome : CommandOutcome {
    QString writtenFile;
    // setups.sav as re-read: the window's table becomes this; its store list stays as it is.
    std::optional<SetupTable> table;
    // The export got as far as checking the folder and the name, so the typed name is used up
    // (and a file may have appeared in the folder); false only when it ended at once.
    bool nameUsed = false;
    // Nothing was written because a file of that name exists: the one message is the question to
    // ask, and the export is made again with replaceExisting once the player says yes.
    bool wouldReplace = false;
    // The selected slot holds another setup than the list shows: the list is out of date.
    bool storeChanged = false;
};

// Export: the selected setup of setups.sav, cut out whole, written to folder/NAME.set (.dts for
// Sprint Cars) and left read-only. Refused, with a message each, for the root folder, an empty
// name, no selected setup, a name that is no file name, or a read-only file of that name. A dry
// run stops before the write: done, writtenFile the file it would write.
ExportOutcome exportSetup(const ExportRequest& request);

} // namespace tarvelin
