// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/GameProfile.h"

namespace tarvelin
{

const GameProfile DirtTrackRacingProfile{
    .id = QStringLiteral("dtr"),
    .windowName = QStringLiteral("Dirt"),
    .storeWindowName = QStringLiteral("dtrSav"),
    .gameTitle = QStringLiteral("Dirt Track Racing"),
    .playLabel = QStringLiteral("Play Dtr"),
    .GameKey = QStringLiteral("Software\\Ratbag\\Dirt Track Racing\\1.00"),
    .DirectoryValueName = QStringLiteral("Directory"),
    .FolderValueName = QStringLiteral("(Dir)"),
    .StoreFolderValueName = QStringLiteral("(DirExport)"),
    .SetupFileExtension = QStringLiteral(".set"),
    .SetupFilePattern = QStringLiteral("*.set*"),
    .StoreCopyFileName = QStringLiteral("Dtr setups.sav"),
    .trailingWordCount = 6,
    .CdMissingMessage = QStringLiteral("Your Dirt Track Racing cd is not in the cdrom"),
    .SwitchButtonCaption = QStringLiteral("SPRINT CAR RACING SETUP UTILITY"),
    .storeImportHeader = StoreImportHeader::Zero,
    .StoreDirectoryLabel = QStringLiteral("Dirt Track Game Directory."),
    .StoreCloseSlide = SlideDirection::Right,
    .DownloadPicture = false,
    .DirectoriesLabel = QStringLiteral("Dtr Game Directory"),
};

const GameProfile SprintCarsProfile{
    .id = QStringLiteral("sc"),
    .windowName = QStringLiteral("Sc"),
    .storeWindowName = QStringLiteral("ScSav"),
    .gameTitle = QStringLiteral("Dirt Track Racing - Sprint Cars"),
    .playLabel = QStringLiteral("Play Sc"),
    .GameKey = QStringLiteral("Software\\Ratbag\\Dirt Track Racing - Sprint Cars\\1.00"),
    .DirectoryValueName = QStringLiteral("Directory"),
    .FolderValueName = QStringLiteral("(Dir2)"),
    .StoreFolderValueName = QStringLiteral("(DirExport1)"),
    .SetupFileExtension = QStringLiteral(".dts"),
    .SetupFilePattern = QStringLiteral("*.dts*"),
    .StoreCopyFileName = QStringLiteral("Sc setups.sav"),
    .trailingWordCount = 5,
    .CdMissingMessage = QStringLiteral("Your Sprint Car Racing cd is not in the cdrom"),
    .SwitchButtonCaption = QStringLiteral("DIRT TRACK RACING SETUP UTILITY"),
    .storeImportHeader = StoreImportHeader::AsRead,
    .StoreDirectoryLabel = QStringLiteral("Sprint Car Game Directory."),
    .StoreCloseSlide = SlideDirection::Left,
    .DownloadPicture = true,
    .DirectoriesLabel = QStringLiteral("Sprint Game Directory"),
};

const GameProfile& GameProfile::OtherProfile() const
{
    return this == &DirtTrackRacingProfile ? SprintCarsProfile : DirtTrackRacingProfile;
}

const GameProfile* profileById(QStringView id)
{
    if (id == DirtTrackRacingProfile.id)
        return &DirtTrackRacingProfile;
    if (id == SprintCarsProfile.id)
        return &SprintCarsProfile;
    return nullptr;
}

} // namespace tarvelin
