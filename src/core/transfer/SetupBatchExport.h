// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"

#include <QStringList>
#include <vector>

namespace tarvelin
{

struct GameProfile;

struct BatchExportRequest {
    QString gameDirectory;
    const GameProfile* profile = nullptr;
    std::vector<int> slots; // store slots (1-based); empty with allSlots = every setup
    bool allSlots = false;
    QString folder; // each setup written as folder/<its own name>.set (.dts for Sprint Cars)
    bool replaceExisting = false;
    bool dryRun = false;
};

struct BatchExportOutcome : CommandOutcome {
    QStringList writtenFiles; // in a dry run, the files that would be written
    QStringList wouldReplace; // files that exist and were not replaced (no replaceExisting)
};

// Exports several setups as export does one, each under its own name. Every setup is checked
// first, and nothing is written unless all of them can be: a slot holding no setup, two setups of
// one name, a file export refuses, or an existing file without replaceExisting (then listed in
// wouldReplace) each stop the whole batch with its message. A dry run stops after the checks.
BatchExportOutcome exportSetups(const BatchExportRequest& request);

} // namespace tarvelin
