// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

namespace tarvelin::art
{

// The one palette: night-race blue, dirt brown, gold; the application icon and the installed
// SVG (data/desktop/tarvelin-setup-utility.svg) use the same values.
inline const QColor kNight{0x14, 0x1b, 0x27};
inline const QColor kNightLight{0x2a, 0x36, 0x4a};
inline const QColor kDirt{0x9c, 0x5a, 0x2b};
inline const QColor kDirtLight{0xd9, 0xa0, 0x62};
inline const QColor kClay{0xb8, 0x5c, 0x24};
inline const QColor kClayLight{0xf0, 0x9a, 0x3e};
inline const QColor kGold{0xff, 0xd6, 0x5a};
inline const QColor kCream{0xf4, 0xe9, 0xd2};
inline const QColor kFlagRed{0xc8, 0x32, 0x28};
inline const QColor kChequerDark{0x14, 0x14, 0x14};
inline const QColor kChequerLight{0xf0, 0xf0, 0xf0};
// The small menu pictures, drawn on the light menus rather than on the night artwork.
inline const QColor kInk{0x22, 0x2a, 0x36};
inline const QColor kMenuBlue{0x1f, 0x6f, 0xd1};
inline const QColor kMenuGreen{0x2e, 0x9e, 0x3e};
inline const QColor kMenuGold{0xe8, 0xa8, 0x17};

// The letters of the oval command buttons, one colour per kind of command: gold sends a setup
// out (export, rename, pin), sky brings one in (import, restore), red takes one away, green
// plays or closes.
inline const QColor kOvalGold{0xff, 0xd4, 0x5a};
inline const QColor kOvalSky{0x7c, 0xd0, 0xff};
inline const QColor kOvalRed{0xff, 0x6b, 0x5a};
inline const QColor kOvalGreen{0x7c, 0xf0, 0x7a};
inline const QColor kOvalOrange{0xff, 0xa5, 0x3c}; // sort
inline const QColor kOvalViolet{0xd6, 0x9c, 0xff}; // download

// The oval button itself: its shadow, rim, metal face (lit and pressed), arrow and glint.
inline const QColor kOvalShadow{0, 0, 0, 90};
inline const QColor kOvalPressedShadow{0, 0, 0, 40};
inline const QColor kOvalRim{0x1a, 0x1a, 0x1e};
inline const QColor kOvalFaceTop{0x78, 0x7e, 0x8c};
inline const QColor kOvalFaceBottom{0x2c, 0x30, 0x38};
inline const QColor kOvalPressedFaceTop{0x4a, 0x4e, 0x58};
inline const QColor kOvalPressedFaceBottom{0x22, 0x24, 0x2a};
inline const QColor kOvalArrow{255, 255, 255, 48};
inline const QColor kOvalGlint{255, 255, 255, 90};
inline const QColor kOvalGlintEnd{255, 255, 255, 0};
inline const QColor kOvalLabelShadow{0, 0, 0, 170};
inline const QColor kOvalDisabledLabel{0x90, 0x90, 0x90};
// The ring round an oval or a picture button under the pointer.
inline const QColor kOvalHoverRing{255, 214, 90, 220};
inline const QColor kPictureHoverRing{255, 214, 90, 200};
// The caption buttons: a blue plate, lit and pressed, its edge, its letters.
inline const QColor kCaptionButtonTop{0x4c, 0x5d, 0x7a};
inline const QColor kCaptionButtonBottom{0x26, 0x2f, 0x40};
inline const QColor kCaptionButtonPressedTop{0x2a, 0x33, 0x44};
inline const QColor kCaptionButtonPressedBottom{0x1c, 0x22, 0x2e};
inline const QColor kCaptionButtonEdge{0x12, 0x16, 0x1e};
inline const QColor kCaptionButtonHoverEdge{255, 214, 90};
inline const QColor kCaptionButtonText{0xf4, 0xf1, 0xe6};
inline const QColor kCaptionButtonDisabledText{0x9a, 0x9a, 0x9a};
// The keyboard focus: the dashed ring of a button, the edge of a list, tree, drop-down or field.
// Light enough to stand out 3:1 from a field's dark edge as well as from the dark windows.
inline const QColor kFocusRing{0x8c, 0xcf, 0xff};
// The same on the help and volume windows' light, desktop-styled surfaces, where the light ring
// would vanish.
inline const QColor kFocusRingOnLight{0x1f, 0x5f, 0xa8};

// The game, whole-store and history windows' captions, counters and framed groups.
inline const QColor kCaptionText{0xd9, 0xdd, 0xe6};
inline const QColor kValueGold{0xff, 0xd4, 0x5a}; // counters, group titles, the moving banner
inline const QColor kGroupBorder{0x5a, 0x64, 0x78};
inline const QColor kGroupFill{10, 13, 20, 170};
inline const QColor kMakerLink{0x8f, 0xc8, 0xff};
// The light lists and fields on the dark windows, and their chosen line.
inline const QColor kFieldFill{0xf7, 0xf5, 0xee};
inline const QColor kFieldText{0x15, 0x18, 0x1e};
inline const QColor kFieldBorder{0x0b, 0x0e, 0x14};
inline const QColor kSelectionFill{0xc0, 0x46, 0x2a};
inline const QColor kSelectionText{0xff, 0xff, 0xff};
// The address box and the game window's status bar.
inline const QColor kAddressFill{0x1b, 0x21, 0x30};
inline const QColor kAddressText{0xa8, 0xf0, 0xa0};
inline const QColor kAddressBorder{0x3a, 0x44, 0x58};
inline const QColor kStatusFill{0x16, 0x1b, 0x26};
inline const QColor kStatusBorder{0x2f, 0x3a, 0x4d};
// The status bar's clock picture.
inline const QColor kClockFace{Qt::white};
inline const QColor kClockHands{Qt::black};
// The whole-store window's banner frame (behind the moving banner).
inline const QColor kBannerFrameFill{0x0b, 0x0e, 0x14};
// The progress indicators' track, behind the moving block.
inline const QColor kProgressTrack{0x0d, 0x11, 0x18};
// The history window's preview captions: what a restore brings back, removes, changes.
inline const QColor kBringsBackCaption{0x7c, 0xf0, 0x7a};
inline const QColor kRemovesCaption{0xff, 0xa0, 0x94};
inline const QColor kChangesCaption{0xff, 0xd4, 0x5a};

// The start, directories and about windows: gold-edged panels over the backdrop.
inline const QColor kPanelBorder{255, 214, 90, 110};
inline const QColor kStartPanelFill{0, 0, 0, 70};
inline const QColor kPanelFill{0, 0, 0, 60};
inline const QColor kAboutRule{255, 214, 90, 140};
inline const QColor kDirectoryFill{0, 0, 0, 110};
inline const QColor kDirectoryBorder{0x56, 0x62, 0x7a};
inline const QColor kQuitAccent{0xff, 0x8a, 0x70};
inline const QColor kStartLink{0x9c, 0xc8, 0xff};
inline const QColor kStartStatusFill{0x0d, 0x11, 0x18};
inline const QColor kStartStatusBorder{0x3a, 0x45, 0x58};

// `colour` as a style sheet writes it: `#rrggbb`, or `rgba(r, g, b, a)` when it is translucent.
QString styleColour(const QColor& colour);

// `sheet` with each `$name` replaced by the palette colour of that name (the constant above
// without its `k`, first letter lower case: `$fieldFill` for kFieldFill), so the windows' style
// sheets hold no colour of their own.
QString paletteStyleSheet(const QString& sheet);
// The keyboard focus, seen on every list, tree, drop-down and field: the end of each window's
// sheet, so that every window shows it alike.
inline constexpr QLatin1StringView kFocusRingRule{
    "QListWidget:focus, QListView:focus, QListView#File1:focus, QTreeWidget:focus,\n"
    "QTreeWidget#Dir1:focus, QLineEdit:focus, QComboBox:focus {\n"
    "    border: 2px solid $focusRing;\n"
    "}\n"};

} // namespace tarvelin::art
