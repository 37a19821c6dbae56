#pragma once

#include "core/motion/Twips.h"

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
class ChoiceList;
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

// Every control of a game window, each carrying its object name.
struct GameWindowControls {
    QGroupBox* Frame1 = nullptr;
    ChoiceList* List1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Text6 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label9 = nullptr;

    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    SetupFileView* File1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;

    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;

    // button[n] is VBUSoftButton<n>; button[0] stays empty.
    std::array<VBUSoftButton*, 13> button{};
    // picProgress[n] is picProgress<n>; picProgress[0] stays empty.
    std::array<ProgressPicture*, 4> picProgress{};

    AddressBox* Text7 = nullptr;
    GameStatusBar* StatusBar1 = nullptr;
    ClickableLabel* Label1 = nullptr;

    // Picture1 to Picture10: the menu pictures, never shown themselves.
    std::array<QLabel*, 10> Picture{};

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    ClickableLabel* Image5 = nullptr;
    QLabel* Image8 = nullptr;
    QLabel* Image10 = nullptr;
};

// Creates the controls of `profile`'s game window on `surface`, the window's client area, each
// at its place with its captions, tooltips and accessible name. The drive list reads `volumes`
// and the status bar's time `clock`; both must outlive the window.
GameWindowControls buildGameWindowControls(QWidget* surface, const GameProfile& profile,
                                           const VolumeTable& volumes, const Clock& clock);

} // namespace tarvelin
