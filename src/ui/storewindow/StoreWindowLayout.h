#pragma once

#include <QRect>
#include <array>

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

// Every control of a whole-store window, each carrying its object name.
struct StoreWindowControls {
    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    SetupFileView* File1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    ClickableLabel* Picture1 = nullptr;
    ClickableLabel* Label1 = nullptr;
    // button[n] is VBUSoftButton<n>; button[0] stays empty.
    std::array<VBUSoftButton*, 5> button{};
    QFrame* Frame1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image5 = nullptr;
};

// Builds the controls on `surface`, a client area of kStoreClientWidthTwips by
// kStoreClientHeightTwips, back to front.
StoreWindowControls buildStoreWindowControls(QWidget* surface, const GameProfile& profile,
                                             const VolumeTable& volumes);

} // namespace tarvelin
