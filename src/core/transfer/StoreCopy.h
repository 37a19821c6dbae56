#pragma once

#include "core/files/FileTrashing.h"
#include "core/platform/Message.h"
#include "core/store/StoreList.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tarvelin
{

struct GameProfile;

// The store a whole-store transfer read or wrote. The game window of the same game, when it is
// open, takes it as its table, list and counters, so that it never writes an older table back
// over the store.
struct GameStoreShown {
    SetupTable table;
    std::vector<StoreLine> lines;
    StoreCounters counters; // nothing selected
};

struct StoreCopyOutcome {
    bool written = false; // export: the copy was written; import: the store was replaced
    QString writtenPath;
    // Set when the store on disk was read or replaced; unset, the game window keeps its list.
    std::optional<GameStoreShown> gameStore;
    std::optional<Message> message; // neither transfer reports success
    bool refreshFileList = false;
    QStringList passedOver; // failed steps that did not stop the command (logged)
};

// The message of every failed whole-store import.
inline constexpr char kNoCopyChosenText[] = "You did'nt choose a file to import.";

// Copies the game's store into `transferFolder` as the profile's StoreCopyFileName: the store's
// header as read and its 300 slots rebuilt from what was read, left writable. The file-system
// root is refused. A store that cannot be read writes no copy, so a good copy is never replaced
// by an empty one.
StoreCopyOutcome ExportStoreCopy(const QString& gameDirectory, const QString& transferFolder,
                                 const GameProfile& profile);

// Replaces the game's store by the selected copy, keeping its slot positions; the header
// written is the profile's StoreImportHeader. Any failure, including a copy that is not a whole
// store of this game, ends with kNoCopyChosenText and leaves the store as it was.
StoreCopyOutcome ImportStoreCopy(const QString& gameDirectory, const QString& transferFolder,
                                 const QString& selectedFileName, const GameProfile& profile);

// Sends the selected copy to the trash once the player has confirmed; with none selected,
// "Please choose a file to delete". The file list is refreshed afterwards in every case.
TrashOutcome DeleteStoreCopy(const QString& transferFolder, const QString& selectedFileName,
                             Trash& trash, const ConfirmDeletion& confirm);

} // namespace tarvelin
