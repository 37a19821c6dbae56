// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/Invocation.h"
#include "core/registry/Registry.h"
#include "core/store/StorePaths.h"

#include <optional>

class QTextStream;

namespace tarvelin
{
struct GameProfile;
}

namespace tarvelin::cli
{

// The game a command works on and where its store lies.
struct GameContext {
    const GameProfile* profile = nullptr;
    QString gameDirectory;
    StorePaths paths{};
};

// What a command's function runs with: the checked command line, the two streams, the registry
// file it names and, for a command that needs one, its game, found before the command runs.
struct CommandContext {
    const Invocation& invocation;
    QTextStream& out;
    QTextStream& err;
    Registry registry;
    std::optional<GameContext> game = std::nullopt;

    // The result as one JSON object on standard output instead of lines.
    bool json() const { return invocation.has(Option::Json); }
    // Only say what would change.
    bool dryRun() const { return invocation.has(Option::DryRun); }
};

} // namespace tarvelin::cli
