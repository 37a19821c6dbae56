// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/motion/Twips.h"
#include "ui/gamewindow/StoreList.h"

#include <QRect>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tarvelin
{

struct GameProfile;
class AddressBox;
class ClickableLabel;
class Clock;
class DriveList;
class FolderList;
class GameStatusBar;
class ProgressPicture;
class SetupFileView;
class VBUSoftButton;
class VolumeTable;

inline constexpr int kClientWidthTwips = 11220;
inline constexpr int kClientHeightTwips = 7080;

// Every control of a game window. The members say what each control holds; the object names
// (in the comments) are what tests and screen readers find the controls by.
struct GameWindowControls {
    // The store group.
    QGroupBox* storeFrame = nullptr;         // Frame1, captioned with the chosen setup
    StoreList* storeList = nullptr;          // List1
    QLineEdit* setupNameField = nullptr;     // Text3: the chosen setup's name, the export's name
    QLabel* storeTotalCaption = nullptr;     // Label3
    QLabel* storeTotalLabel = nullptr;       // Text6: setups in the store
    QLabel* selectedSetupCaption = nullptr;  // Label4
    QLabel* selectedPositionLabel = nullptr; // Label9: 1-based position of the chosen line

    // The file group.
    DriveList* driveList = nullptr;        // Drive1
    FolderList* folderList = nullptr;      // Dir1
    QGroupBox* fileFrame = nullptr;        // Frame2, captioned with the clicked file
    SetupFileView* fileList = nullptr;     // File1
    QLineEdit* newFileNameField = nullptr; // Text1: the rename's new name
    QLabel* fileTotalCaption = nullptr;    // Label5
    QLabel* fileTotalLabel = nullptr;      // Label8: setup files in the folder
    QLabel* selectedFileCaption = nullptr; // Label6
    QLabel* selectedFileLabel = nullptr;   // Label7: 1-based position of the chosen file

    // Hidden value holders.
    QLineEdit* nextSlotField = nullptr;      // Text4: the slot the next import fills
    QLineEdit* gameDirectoryField = nullptr; // Text5

    // The command buttons, VBUSoftButton1 to VBUSoftButton12.
    VBUSoftButton* importButton = nullptr;      // VBUSoftButton1
    VBUSoftButton* exportButton = nullptr;      // VBUSoftButton2
    VBUSoftButton* downloadButton = nullptr;    // VBUSoftButton3
    VBUSoftButton* restoreButton = nullptr;     // VBUSoftButton4
    VBUSoftButton* deleteSetupButton = nullptr; // VBUSoftButton5
    VBUSoftButton* renameFileButton = nullptr;  // VBUSoftButton6
    VBUSoftButton* deleteFileButton = nullptr;  // VBUSoftButton7
    VBUSoftButton* exitButton = nullptr;        // VBUSoftButton8
    VBUSoftButton* sortButton = nullptr;        // VBUSoftButton9
    VBUSoftButton* playButton = nullptr;        // VBUSoftButton10
    VBUSoftButton* controllerButton = nullptr;  // VBUSoftButton11
    VBUSoftButton* otherGameButton = nullptr;   // VBUSoftButton12
    // progressPictures[n] is picProgress<n>; progressPictures[0] stays empty.
    std::array<ProgressPicture*, 4> progressPictures{};

    AddressBox* addressBox = nullptr;        // Text7
    GameStatusBar* statusBar = nullptr;      // StatusBar1
    ClickableLabel* makerSiteLink = nullptr; // Label1

    // Picture1 to Picture10: the menu pictures, never shown themselves.
    std::array<QLabel*, 10> menuPictures{};

    QLabel* iconPicture = nullptr;        // Image1
    QLabel* titlePicture = nullptr;       // Image2: SETUP UTILITY
    QLabel* backgroundPicture = nullptr;  // Image3
    QLabel* buttonPanelPicture = nullptr; // Image4
    ClickableLabel* carPicture = nullptr; // Image5
    QLabel* gameLogoPicture = nullptr;    // Image8
    QLabel* makersLogoPicture = nullptr;  // Image10
};

// Creates the controls of `profile`'s game window on `surface`, the window's client area, each
// at its place with its captions, tooltips and accessible name. The drive list reads `volumes`
// and the status bar's time `clock`; both must outlive the window.
GameWindowControls buildGameWindowControls(QWidget* surface, const GameProfile& profile,
                                           const VolumeTable& volumes, const Clock& clock);

} // namespace tarvelin
