#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;
class QRect;

namespace tarvelin
{

struct GameProfile;

// The pictures of the start, directories and about windows, drawn by the program so that they
// scale and never come out as empty rectangles. One palette: night-race blue, dirt brown, gold.
namespace artwork
{

inline const QColor kNight{0x14, 0x1b, 0x27};
inline const QColor kNightLight{0x2a, 0x36, 0x4a};
inline const QColor kDirt{0x9c, 0x5a, 0x2b};
inline const QColor kGold{0xff, 0xd6, 0x5a};
inline const QColor kCream{0xf4, 0xe9, 0xd2};
inline const QColor kFlagRed{0xc8, 0x32, 0x28};

enum class CarKind { LateModel, SprintCar };
enum class Emblem { Folder, Flag, CloseLeft, CloseRight, Monitor, Controller, Speaker, Mail };

// The window's background: a dark gradient with a faint track line.
void paintBackdrop(QPainter& painter, const QRect& area);

// The utility's name on a checkered banner.
QPixmap utilityBanner(QSize size);
// The game's picture for the start window: its car on a lit dirt oval and the game's title.
QPixmap gamePicture(const GameProfile& profile, QSize size);
// A car in profile, facing right.
QPixmap carPicture(CarKind kind, QSize size, const QColor& body);
// A picture button face: an emblem and a caption on a rounded plate.
QPixmap commandPicture(Emblem emblem, const QString& caption, QSize size, const QColor& accent);
QPixmap emblemPicture(Emblem emblem, QSize size);
QPixmap checkeredStrip(QSize size, int squares);

// The program's icon, the same design as the installed SVG.
QPixmap iconPixmap(int side);
QIcon applicationIcon();

} // namespace artwork
} // namespace tarvelin
