// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/MenuPictures.h"

#include "ui/art/Artwork.h"
#include "ui/art/DrawingColours.h"

#include <QPainter>
#include <QPainterPath>

namespace tarvelin
{
namespace
{

using art::kInk;
const QColor& kBlue = art::kMenuBlue;
const QColor& kGreen = art::kMenuGreen;
const QColor& kRed = art::kFlagRed;
const QColor& kGold = art::kMenuGold;

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const qreal dir = to.x() > from.x() ? -1 : 1;
    QPainterPath head;
    head.moveTo(to + QPointF(dir * 0.2, 0));
    head.lineTo(to + QPointF(dir * 3.6, -3.2));
    head.lineTo(to + QPointF(dir * 3.6, 3.2));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

// A sheet of paper standing for a setup.
void sheet(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(art::kMenuWhite);
    p.drawRect(r);
    p.setPen(QPen(art::kMenuPaperEdge, 1));
    for (qreal y = r.top() + 2.5; y < r.bottom() - 1; y += 2)
        p.drawLine(QPointF(r.left() + 1.5, y), QPointF(r.right() - 1.5, y));
}

void about(QPainter& p)
{
    p.setPen(QPen(kBlue.darker(130), 1));
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(1.5, 0.5, 11, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(art::kMenuWhite);
    p.drawEllipse(QRectF(6.2, 2.4, 1.8, 1.8));
    p.drawRect(QRectF(6.2, 5, 1.8, 4.6));
}

void exitPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(art::kMenuDoor);
    p.drawRect(QRectF(1.5, 0.5, 6, 11));
    p.setBrush(kGold);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(5.6, 5.5, 1.4, 1.4));
    arrow(p, QPointF(7.5, 6), QPointF(13.5, 6), kRed);
}

void search(QPainter& p)
{
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(art::kMenuLens);
    p.drawEllipse(QRectF(1.5, 0.8, 7, 7));
    p.setPen(QPen(art::kMenuLensHandle, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.8, 7.2), QPointF(11.8, 10.8));
}

void contents(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(kGreen);
    p.drawRect(QRectF(2.5, 0.5, 9, 11));
    p.setBrush(art::kMenuWhite);
    p.drawRect(QRectF(2.5, 9.5, 9, 2));
    p.setPen(QPen(art::kMenuWhite, 1));
    p.drawLine(QPointF(5, 3.5), QPointF(9.5, 3.5));
    p.drawLine(QPointF(5, 5.5), QPointF(9.5, 5.5));
}

void importExport(QPainter& p)
{
    arrow(p, QPointF(1, 3), QPointF(13, 3), kGreen);
    arrow(p, QPointF(13, 9), QPointF(1, 9), kBlue);
}

void homePage(QPainter& p)
{
    p.setPen(QPen(kBlue.darker(140), 1));
    p.setBrush(art::kMenuGlobe);
    p.drawEllipse(QRectF(1.5, 0.5, 11, 11));
    p.setPen(QPen(art::kMenuWhite, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4.6, 0.5, 4.8, 11));
    p.drawLine(QPointF(1.5, 6), QPointF(12.5, 6));
    p.drawLine(QPointF(7, 0.5), QPointF(7, 11.5));
}

void exportSetup(QPainter& p)
{
    sheet(p, QRectF(0.5, 0.5, 7, 11));
    arrow(p, QPointF(5, 6), QPointF(13.5, 6), kGreen);
}

void importSetup(QPainter& p)
{
    sheet(p, QRectF(6.5, 0.5, 7, 11));
    arrow(p, QPointF(9, 6), QPointF(0.5, 6), kBlue);
}

void deletePicture(QPainter& p)
{
    p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 2), QPointF(11, 10));
    p.drawLine(QPointF(11, 2), QPointF(3, 10));
}

void mainMenu(QPainter& p)
{
    QPainterPath roof;
    roof.moveTo(0.5, 6);
    roof.lineTo(7, 0.5);
    roof.lineTo(13.5, 6);
    roof.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kRed);
    p.drawPath(roof);
    p.setBrush(art::kMenuHouseWall);
    p.drawRect(QRectF(2.5, 6, 9, 5.5));
    p.setBrush(art::kMenuDoor);
    p.drawRect(QRectF(5.5, 7.5, 3, 4));
}

} // namespace

QPixmap drawMenuPicture(int number)
{
    using Draw = void (*)(QPainter&);
    static constexpr Draw kDrawings[kMenuPictureCount] = {
        about,    exitPicture, search,      contents,      importExport,
        homePage, exportSetup, importSetup, deletePicture, mainMenu};
    if (number < 1 || number > kMenuPictureCount)
        return {};
    return art::keptPicture(QStringLiteral("menu %1").arg(number), [number] {
        QImage image(kMenuPictureWidth, kMenuPictureHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        kDrawings[number - 1](painter);
        painter.end();
        return QPixmap::fromImage(image);
    });
}

} // namespace tarvelin
