// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/art/Palette.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;
class QRect;
class QRectF;

namespace tarvelin
{

struct GameProfile;

// Every picture of the windows, drawn by the program so that it scales cleanly and needs no
// files. Windows open again and again with the same sizes, so each picture is drawn once per
// process and then handed out again.
namespace art
{

enum class CarKind { LateModel, SprintCar };
enum class Emblem { Folder, Flag, CloseLeft, CloseRight, Monitor, Controller, Speaker, Mail };

// The game's car: a late model for Dirt Track Racing, a winged sprint car for Sprint Cars.
CarKind carKind(const GameProfile& profile);

// The picture kept under `key`, drawn by `draw` the first time it is asked for, in this run or,
// through the picture cache, in an earlier run of the same build. The pictures are let go when the
// application object goes, as pixmaps must not outlive it.
QPixmap keptPicture(const QString& key, const std::function<QPixmap()>& draw);
// Test seam: the pictures this process holds are let go, so the next use reads the cache.
void forgetKeptPictures();

// A chequered flag's squares of side `cell` over `area`, the top-left square dark, cut to `area`.
void paintChequers(QPainter& painter, const QRectF& area, qreal cell);

// The start, directories and about windows' background: a dark gradient with a faint track line.
void paintBackdrop(QPainter& painter, const QRect& area);
// Image3 of the game and whole-store windows: a night sky over a dirt oval.
QPixmap windowBackground(QSize size);
// Image4: the darker panel behind the game window's block of command buttons.
QPixmap buttonPanel(QSize size);

// The utility's name on a chequered banner (the start window).
QPixmap utilityBanner(QSize size);
// Image2: the banner reading SETUP UTILITY.
QPixmap setupUtilityBanner(QSize size);
// Image8: the game's logo.
QPixmap gameLogo(const GameProfile& profile, QSize size);
// The game's picture for the start window: its car on a lit dirt oval and the game's title.
QPixmap gamePicture(const GameProfile& profile, QSize size);
// Image10: the makers' logo.
QPixmap makersLogo(QSize size);

// A car in profile, facing right.
QPixmap carPicture(CarKind kind, QSize size, const QColor& body);
// The game's car in the game's colours.
QPixmap carPicture(const GameProfile& profile, QSize size);

// A picture button face: an emblem and a caption on a rounded plate.
QPixmap commandPicture(Emblem emblem, const QString& caption, QSize size, const QColor& accent);
QPixmap emblemPicture(Emblem emblem, QSize size);
QPixmap checkeredStrip(QSize size, int squares);

// The program's icon, the design of the installed SVG; every window carries applicationIcon().
QPixmap iconPixmap(int side);
QIcon applicationIcon();

} // namespace art
} // namespace tarvelin
