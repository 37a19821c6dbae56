// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours inside the drawn pictures (cars, emblems, banners, backdrops, menu pictures), each
// named for the part it paints. The windows' own colours are in Palette.h.
namespace tarvelin::art
{

// Outlined poster lettering.
inline const QColor kLetterOutline{Qt::black};
inline const QColor kLetterShade{0, 0, 0, 200};

// A car's wheel: tyre, rim, hub.
inline const QColor kTyre{16, 16, 16};
inline const QColor kWheelRim{180, 180, 170};
inline const QColor kWheelHub{90, 90, 90};

// The emblems of the picture buttons.
inline const QColor kFolderEdge{90, 56, 10};
inline const QColor kFolderBack{0xe0, 0xa8, 0x3c};
inline const QColor kFolderFrontTop{0xff, 0xd6, 0x6e};
inline const QColor kFolderFrontBottom{0xd8, 0x92, 0x28};
inline const QColor kFlagPole{60, 60, 60};
inline const QColor kFlagEdge{30, 30, 30};
inline const QColor kCloseArrowEdge{40, 20, 0};
inline const QColor kMonitorEdge{30, 30, 30};
inline const QColor kMonitorCase{200, 204, 210};
inline const QColor kMonitorScreenTop{0x3a, 0x7b, 0xd5};
inline const QColor kMonitorScreenBottom{0x12, 0x2c, 0x5c};
inline const QColor kControllerEdge{20, 20, 20};
inline const QColor kControllerBody{70, 78, 92};
inline const QColor kSpeakerEdge{20, 20, 20};
inline const QColor kEnvelopeEdge{60, 40, 20};

// The night sky over a dirt oval behind the game and whole-store windows.
inline const QColor kSkyHorizon{0x3b, 0x25, 0x18};
inline const QColor kFloodlightGlow{255, 236, 190, 60};
inline const QColor kFloodlightGlowEnd{255, 236, 190, 0};
inline const QColor kTrackGroove{0xd8, 0x8a, 0x46, 70};
inline const QColor kTrackRail{255, 255, 255, 40};
inline const QColor kBackdropGrain{255, 255, 255, 10};
// The panel behind the game window's command buttons.
inline const QColor kButtonPanelTop{0x0a, 0x0d, 0x14, 200};
inline const QColor kButtonPanelBottom{0x16, 0x1b, 0x26, 220};
// The start window's banner.
inline const QColor kBannerGroundTop{0x32, 0x20, 0x14};
inline const QColor kBannerGroundBottom{0x14, 0x0e, 0x0a};
// The SETUP UTILITY banner.
inline const QColor kSetupBannerEdge{0, 0, 0, 180};
inline const QColor kSetupBannerLetters{0xfa, 0xfa, 0xf5};
// The game's logo.
inline const QColor kLogoLetters{0xf4, 0xf1, 0xe6};
// The start window's game pictures: a dusk sky (Dirt Track Racing) or a night sky (Sprint
// Cars), the lights, the dust.
inline const QColor kDuskSkyTop{0x3a, 0x1f, 0x3e};
inline const QColor kDuskSkyMiddle{0xb8, 0x5a, 0x2c};
inline const QColor kNightSkyTop{0x1d, 0x2b, 0x52};
inline const QColor kNightSkyMiddle{0x5b, 0x3e, 0x6e};
inline const QColor kTrackLight{255, 250, 220, 220};
inline const QColor kTrackLightEnd{255, 250, 220, 0};
inline const QColor kDust{0xc8, 0x8a, 0x50, 170};
inline const QColor kDustEnd{0xc8, 0x8a, 0x50, 0};
// The makers' logo.
inline const QColor kMakersLetters{0xe9, 0xe6, 0xdc};
// A car: its outline, windows, door number; the sprint car's blue body.
inline const QColor kCarOutline{10, 10, 10};
inline const QColor kCarWindowTop{0x9c, 0xc8, 0xff};
inline const QColor kCarWindowBottom{0x1a, 0x2a, 0x40};
inline const QColor kCarNumber{20, 20, 20};
inline const QColor kSprintCarBody{0x1f, 0x6f, 0xc4};
// The plate of a picture button.
inline const QColor kPlateTop{0x4e, 0x58, 0x6a};
inline const QColor kPlateMiddle{0x2c, 0x33, 0x40};
inline const QColor kPlateBottom{0x1a, 0x1f, 0x28};
// The menu pictures: the white of paper, letters and lines; the door, the lens and its handle,
// the globe, the house.
inline const QColor kMenuWhite{Qt::white};
inline const QColor kMenuPaperEdge{0x9a, 0xa4, 0xb2};
inline const QColor kMenuDoor{0x8b, 0x5a, 0x2b};
inline const QColor kMenuLens{0xcf, 0xe8, 0xff};
inline const QColor kMenuLensHandle{0x7a, 0x4a, 0x1c};
inline const QColor kMenuGlobe{0x4f, 0xa3, 0xe8};
inline const QColor kMenuHouseWall{0xf3, 0xe6, 0xc4};
// The application icon's outline.
inline const QColor kIconOutline{0x28, 0x18, 0x00};

} // namespace tarvelin::art
