// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StoreLayout.h"

#include <QString>

namespace tarvelin
{

enum class StoreImportHeader { Zero, AsRead };
enum class SlideDirection { Left, Right };

// Everything that differs between the two games. Two constant instances exist; windows and
// commands take every per-game value from the profile they were created with.
struct GameProfile {
    // Short name on the command line and in the demo ("dtr", "sc").
    QString id;
    // Object names of the game window and of its whole-store window.
    QString windowName;
    QString storeWindowName;
    // Title of the game, as players know it.
    QString gameTitle;
    // Label of the launch button's picture.
    QString playLabel;

    QString GameKey;
    QString DirectoryValueName;
    QString FolderValueName;
    QString StoreFolderValueName;
    QString SetupFileExtension;
    QString SetupFilePattern;
    QString StoreCopyFileName;
    int trailingWordCount;
    QString CdMissingMessage;
    QString SwitchButtonCaption;
    StoreImportHeader storeImportHeader;
    QString StoreDirectoryLabel;
    SlideDirection StoreCloseSlide;
    bool DownloadPicture;
    QString DirectoriesLabel;

    RecordLayout recordLayout() const { return RecordLayout{trailingWordCount}; }
    const GameProfile& OtherProfile() const;
};

extern const GameProfile DirtTrackRacingProfile;
extern const GameProfile SprintCarsProfile;

// The profile whose id is `id` ("dtr" or "sc"), or nullptr.
const GameProfile* profileById(QStringView id);

} // namespace tarvelin
