// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

namespace tarvelin
{

struct GameProfile;
class ClickableLabel;
class DriveList;
class FolderList;
class SetupFileView;
class VBUSoftButton;
class VolumeTable;

inline constexpr int kStoreClientWidthTwips = 6600;
inline constexpr int kStoreClientHeightTwips = 5280;
// Picture1, the banner's frame, and Label1 inside it.
inline constexpr QRect kBannerFrameTwips{120, 960, 6360, 420};
inline constexpr int kBannerTopTwips = 60;
inline constexpr int kBannerHeightTwips = 300;
inline constexpr int kBannerStartLeftTwips = 120;
inline constexpr int kBannerWidthTwips = 5040;

// Every control of a whole-store window; the object names are in the comments.
struct StoreWindowControls {
    DriveList* driveList = nullptr;          // Drive1
    FolderList* folderList = nullptr;        // Dir1
    SetupFileView* fileList = nullptr;       // File1: the whole-store copies in the folder
    QLineEdit* gameDirectoryField = nullptr; // Text1
    QLabel* gameDirectoryCaption = nullptr;  // Label2
    ClickableLabel* bannerFrame = nullptr;   // Picture1
    ClickableLabel* movingBanner = nullptr;  // Label1, sliding inside the banner frame
    VBUSoftButton* importButton = nullptr;   // VBUSoftButton1
    VBUSoftButton* exportButton = nullptr;   // VBUSoftButton2
    VBUSoftButton* deleteButton = nullptr;   // VBUSoftButton3
    VBUSoftButton* closeButton = nullptr;    // VBUSoftButton4
    QFrame* folderFrame = nullptr;           // Frame1
    QLabel* divider = nullptr;               // Label3
    QLabel* iconPicture = nullptr;           // Image1
    QLabel* titlePicture = nullptr;          // Image2
    QLabel* backgroundPicture = nullptr;     // Image3
    QLabel* carPicture = nullptr;            // Image5
};

// Builds the controls on `surface`, a client area of kStoreClientWidthTwips by
// kStoreClientHeightTwips, back to front.
StoreWindowControls buildStoreWindowControls(QWidget* surface, const GameProfile& profile,
                                             const VolumeTable& volumes);

} // namespace tarvelin
