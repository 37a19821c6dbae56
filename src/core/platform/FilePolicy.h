// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace tarvelin
{

// Every kind of path the utility reads, writes, lists or removes. Each file step names the kind of
// its path, and the door applies that kind's row of the one table below.
enum class PathKind {
    Store,         // setups.sav: the game's store
    Backup,        // setups.bak
    StoreScratch,  // setups.tmp: where a new store is built before it takes setups.sav's place
    Temporary,     // the utility's own hidden temporary and spare files
    HistoryFolder, // the history's root and each store's folder in it
    Generation,    // one kept store in a history folder
    SetupFile,     // a single setup read or written by the player's choice
    StoreCopy,     // a whole store copied out or in
    RegistryFile,  // the registry's .reg file
    RegistryLock,  // its lock file
    PictureCache,  // the drawn artwork kept between runs, and its folders
    HelpPage,      // the help's pages and style sheet
    WineFile,      // Wine's registry and drive folders, read only
    DemoFolder,    // the demo games the utility makes and removes
    Trash,         // the freedesktop trash a deleted setup file goes to
};

// One row of the table: what a path of this kind may be.
struct PathPolicy {
    PathKind kind;
    const char* what; // the player's name for it, in the README's list
    // A link here is written where it points and stays a link. Only the store may be one: every
    // other write through a link would land somewhere the player did not choose.
    bool writtenThroughLink;
    bool mayCreate;
    bool mayReplace;
    // Removed with everything under it, as the utility's own folder: never through a link.
    bool removedWhole;
};

const std::array<PathPolicy, 15>& pathPolicies();
const PathPolicy& pathPolicy(PathKind kind);

// The refusal of writing, removing or changing `path`, or an empty text when `path` may be. One
// look at the path (lstat, and stat through the store's link): absent where the kind may be
// created, or a regular file where it may be replaced; never a folder, FIFO, device or socket,
// never a dangling link (its target is not created), and a link only where the kind is written
// through one.
QString writeRefusal(PathKind kind, const QString& path);

// The refusal of removing `path`: only a regular file, or a link itself (never what it points
// to), is ever removed.
QString removalRefusal(const QString& path);

} // namespace tarvelin
