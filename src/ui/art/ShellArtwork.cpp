#include "ui/art/ShellArtwork.h"

#include "core/game/GameProfile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tarvelin::artwork
{

namespace
{

QPixmap blank(QSize size)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Condensed bold lettering in the spirit of the posters of the dirt ovals.
QFont posterFont(qreal pixelSize)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Impact"), QStringLiteral("Anton"),
                                 QStringLiteral("DejaVu Sans Condensed"),
                                 QStringLiteral("DejaVu Sans")});
    font.setPixelSize(qMax(6, qRound(pixelSize)));
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

void drawOutlinedText(QPainter& painter, const QRectF& box, const QString& text, QFont font,
                      const QColor& fill, Qt::Alignment alignment)
{
    QPainterPath path;
    // Shrink the lettering until the text fits its box.
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width())
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    qreal x = box.left();
    if (alignment & Qt::AlignHCenter)
        x = box.center().x() - width / 2;
    else if (alignment & Qt::AlignRight)
        x = box.right() - width;
    const qreal y = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 190), qMax(1.5, font.pixelSize() / 9.0), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path.translated(1, 1.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

void drawChecks(QPainter& painter, const QRectF& area, int rows, qreal square)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column * square < area.width(); ++column) {
            painter.setBrush((row + column) % 2 ? QColor(20, 20, 20) : QColor(240, 240, 240));
            painter.drawRect(
                QRectF(area.left() + column * square, area.top() + row * square, square, square));
        }
    }
    painter.restore();
}

QPainterPath lateModelBody(const QRectF& r)
{
    // A wedge-shaped dirt late model: long sloped nose, tall greenhouse, squared tail spoiler.
    QPainterPath body;
    body.moveTo(r.left() + r.width() * 0.02, r.top() + r.height() * 0.72);
    body.lineTo(r.left() + r.width() * 0.06, r.top() + r.height() * 0.52);
    body.lineTo(r.left() + r.width() * 0.36, r.top() + r.height() * 0.40);
    body.lineTo(r.left() + r.width() * 0.46, r.top() + r.height() * 0.14);
    body.lineTo(r.left() + r.width() * 0.72, r.top() + r.height() * 0.12);
    body.lineTo(r.left() + r.width() * 0.80, r.top() + r.height() * 0.34);
    body.lineTo(r.left() + r.width() * 0.97, r.top() + r.height() * 0.22);
    body.lineTo(r.left() + r.width() * 0.99, r.top() + r.height() * 0.72);
    body.closeSubpath();
    return body;
}

QPainterPath sprintCarBody(const QRectF& r)
{
    QPainterPath body;
    // Narrow tub with the nose wing in front and the big top wing above the cage.
    body.moveTo(r.left() + r.width() * 0.03, r.top() + r.height() * 0.70);
    body.lineTo(r.left() + r.width() * 0.10, r.top() + r.height() * 0.58);
    body.lineTo(r.left() + r.width() * 0.50, r.top() + r.height() * 0.52);
    body.lineTo(r.left() + r.width() * 0.56, r.top() + r.height() * 0.36);
    body.lineTo(r.left() + r.width() * 0.70, r.top() + r.height() * 0.36);
    body.lineTo(r.left() + r.width() * 0.86, r.top() + r.height() * 0.56);
    body.lineTo(r.left() + r.width() * 0.96, r.top() + r.height() * 0.60);
    body.lineTo(r.left() + r.width() * 0.96, r.top() + r.height() * 0.72);
    body.closeSubpath();
    QPainterPath wing;
    wing.addRect(QRectF(r.left() + r.width() * 0.40, r.top() + r.height() * 0.02, r.width() * 0.50,
                        r.height() * 0.06));
    wing.addRect(QRectF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.02, r.width() * 0.03,
                        r.height() * 0.30));
    wing.addRect(QRectF(r.left() + r.width() * 0.86, r.top() + r.height() * 0.02, r.width() * 0.03,
                        r.height() * 0.30));
    QPainterPath nose;
    nose.addRect(
        QRectF(r.left(), r.top() + r.height() * 0.50, r.width() * 0.16, r.height() * 0.05));
    return body.united(wing).united(nose);
}

void drawWheel(QPainter& painter, const QPointF& centre, qreal radius)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 16, 16));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(180, 180, 170));
    painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
    painter.setBrush(QColor(90, 90, 90));
    painter.drawEllipse(centre, radius * 0.15, radius * 0.15);
}

void drawEmblem(QPainter& painter, Emblem emblem, const QRectF& r)
{
    painter.save();
    prepare(painter);
    const qreal s = qMin(r.width(), r.height());
    const QRectF box(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
    const qreal pen = qMax(1.0, s / 14);
    switch (emblem) {
    case Emblem::Folder: {
        QPainterPath tab;
        tab.moveTo(box.left() + s * 0.08, box.top() + s * 0.28);
        tab.lineTo(box.left() + s * 0.38, box.top() + s * 0.28);
        tab.lineTo(box.left() + s * 0.46, box.top() + s * 0.18);
        tab.lineTo(box.left() + s * 0.08, box.top() + s * 0.18);
        tab.closeSubpath();
        painter.setPen(QPen(QColor(90, 56, 10), pen));
        painter.setBrush(QColor(0xe0, 0xa8, 0x3c));
        painter.drawPath(tab);
        QLinearGradient front(box.topLeft(), box.bottomLeft());
        front.setColorAt(0, QColor(0xff, 0xd6, 0x6e));
        front.setColorAt(1, QColor(0xd8, 0x92, 0x28));
        painter.setBrush(front);
        painter.drawRoundedRect(
            QRectF(box.left() + s * 0.08, box.top() + s * 0.28, s * 0.84, s * 0.56), s * 0.05,
            s * 0.05);
        break;
    }
    case Emblem::Flag: {
        painter.setPen(QPen(QColor(60, 60, 60), pen * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(box.left() + s * 0.18, box.top() + s * 0.10),
                         QPointF(box.left() + s * 0.18, box.bottom() - s * 0.06));
        const QRectF cloth(box.left() + s * 0.22, box.top() + s * 0.12, s * 0.66, s * 0.46);
        drawChecks(painter, cloth, 4, cloth.height() / 4);
        painter.setPen(QPen(QColor(30, 30, 30), pen / 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cloth);
        break;
    }
    case Emblem::CloseLeft:
    case Emblem::CloseRight: {
        QPainterPath arrow;
        const bool left = emblem == Emblem::CloseLeft;
        const qreal tip = left ? box.left() + s * 0.08 : box.right() - s * 0.08;
        const qreal base = left ? box.left() + s * 0.50 : box.right() - s * 0.50;
        const qreal tail = left ? box.right() - s * 0.10 : box.left() + s * 0.10;
        arrow.moveTo(tip, box.center().y());
        arrow.lineTo(base, box.top() + s * 0.15);
        arrow.lineTo(base, box.top() + s * 0.36);
        arrow.lineTo(tail, box.top() + s * 0.36);
        arrow.lineTo(tail, box.bottom() - s * 0.36);
        arrow.lineTo(base, box.bottom() - s * 0.36);
        arrow.lineTo(base, box.bottom() - s * 0.15);
        arrow.closeSubpath();
        painter.setPen(QPen(QColor(40, 20, 0), pen / 1.5));
        painter.setBrush(kGold);
        painter.drawPath(arrow);
        break;
    }
    case Emblem::Monitor: {
        painter.setPen(QPen(QColor(30, 30, 30), pen));
        painter.setBrush(QColor(200, 204, 210));
        painter.drawRoundedRect(
            QRectF(box.left() + s * 0.08, box.top() + s * 0.12, s * 0.84, s * 0.58), s * 0.05,
            s * 0.05);
        QLinearGradient screen(box.topLeft(), box.bottomRight());
        screen.setColorAt(0, QColor(0x3a, 0x7b, 0xd5));
        screen.setColorAt(1, QColor(0x12, 0x2c, 0x5c));
        painter.setBrush(screen);
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(box.left() + s * 0.15, box.top() + s * 0.19, s * 0.70, s * 0.44));
        painter.setBrush(QColor(200, 204, 210));
        painter.setPen(QPen(QColor(30, 30, 30), pen));
        painter.drawRect(QRectF(box.left() + s * 0.30, box.top() + s * 0.78, s * 0.40, s * 0.08));
        painter.setPen(QPen(kGold, pen));
        painter.drawText(QRectF(box.left() + s * 0.15, box.top() + s * 0.19, s * 0.70, s * 0.44),
                         Qt::AlignCenter, QStringLiteral("i"));
        break;
    }
    case Emblem::Controller: {
        QPainterPath pad;
        pad.addRoundedRect(QRectF(box.left() + s * 0.06, box.top() + s * 0.30, s * 0.88, s * 0.42),
                           s * 0.20, s * 0.20);
        painter.setPen(QPen(QColor(20, 20, 20), pen));
        painter.setBrush(QColor(70, 78, 92));
        painter.drawPath(pad);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kCream);
        painter.drawRect(QRectF(box.left() + s * 0.18, box.top() + s * 0.47, s * 0.20, s * 0.07));
        painter.drawRect(QRectF(box.left() + s * 0.245, box.top() + s * 0.40, s * 0.07, s * 0.21));
        painter.setBrush(kFlagRed);
        painter.drawEllipse(QPointF(box.left() + s * 0.70, box.top() + s * 0.45), s * 0.05,
                            s * 0.05);
        painter.setBrush(kGold);
        painter.drawEllipse(QPointF(box.left() + s * 0.80, box.top() + s * 0.55), s * 0.05,
                            s * 0.05);
        break;
    }
    case Emblem::Speaker: {
        QPainterPath cone;
        cone.moveTo(box.left() + s * 0.12, box.top() + s * 0.38);
        cone.lineTo(box.left() + s * 0.30, box.top() + s * 0.38);
        cone.lineTo(box.left() + s * 0.52, box.top() + s * 0.18);
        cone.lineTo(box.left() + s * 0.52, box.bottom() - s * 0.18);
        cone.lineTo(box.left() + s * 0.30, box.bottom() - s * 0.38);
        cone.lineTo(box.left() + s * 0.12, box.bottom() - s * 0.38);
        cone.closeSubpath();
        painter.setPen(QPen(QColor(20, 20, 20), pen / 1.5));
        painter.setBrush(kCream);
        painter.drawPath(cone);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kGold, pen, Qt::SolidLine, Qt::RoundCap));
        for (int wave = 1; wave <= 2; ++wave) {
            const qreal radius = s * (0.12 + 0.13 * wave);
            painter.drawArc(QRectF(box.left() + s * 0.50 - radius, box.center().y() - radius,
                                   radius * 2, radius * 2),
                            -45 * 16, 90 * 16);
        }
        break;
    }
    case Emblem::Mail: {
        const QRectF envelope(box.left() + s * 0.06, box.top() + s * 0.22, s * 0.88, s * 0.56);
        painter.setPen(QPen(QColor(60, 40, 20), pen));
        painter.setBrush(kCream);
        painter.drawRoundedRect(envelope, s * 0.04, s * 0.04);
        QPainterPath flap;
        flap.moveTo(envelope.topLeft());
        flap.lineTo(envelope.center().x(), envelope.top() + envelope.height() * 0.58);
        flap.lineTo(envelope.topRight());
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(flap);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kFlagRed);
        painter.drawEllipse(
            QPointF(envelope.center().x(), envelope.top() + envelope.height() * 0.58), s * 0.07,
            s * 0.07);
        break;
    }
    }
    painter.restore();
}

} // namespace

void paintBackdrop(QPainter& painter, const QRect& area)
{
    painter.save();
    prepare(painter);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, kNightLight);
    sky.setColorAt(1.0, kNight);
    painter.fillRect(area, sky);
    // A faint sweep of the racing line across the window.
    QPainterPath line;
    line.moveTo(area.left() - area.width() * 0.1, area.bottom() - area.height() * 0.15);
    line.cubicTo(area.left() + area.width() * 0.3, area.top() + area.height() * 0.55,
                 area.left() + area.width() * 0.7, area.bottom() + area.height() * 0.05,
                 area.right() + area.width() * 0.1, area.top() + area.height() * 0.45);
    painter.setPen(QPen(QColor(0xff, 0xd6, 0x5a, 22), area.height() * 0.08));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.restore();
}

QPixmap checkeredStrip(QSize size, int squares)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    const int rows = qMax(1, squares);
    drawChecks(painter, QRectF(pixmap.rect()), rows, qreal(size.height()) / rows);
    return pixmap;
}

QPixmap utilityBanner(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF r(pixmap.rect());
    QLinearGradient ground(r.topLeft(), r.bottomLeft());
    ground.setColorAt(0, QColor(0x32, 0x20, 0x14));
    ground.setColorAt(1, QColor(0x14, 0x0e, 0x0a));
    painter.fillRect(r, ground);

    // The chequered flag waves in from the right.
    const qreal square = r.height() / 6;
    QPainterPath wave;
    wave.moveTo(r.right() - r.height() * 2.2, r.top());
    wave.cubicTo(r.right() - r.height() * 1.6, r.top() + r.height() * 0.4,
                 r.right() - r.height() * 2.4, r.top() + r.height() * 0.7,
                 r.right() - r.height() * 1.9, r.bottom());
    wave.lineTo(r.bottomRight());
    wave.lineTo(r.topRight());
    wave.closeSubpath();
    painter.save();
    painter.setClipPath(wave);
    drawChecks(painter, r, 6, square);
    painter.restore();
    painter.setPen(QPen(kGold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);

    painter.fillRect(QRectF(r.left(), r.bottom() - 4, r.width(), 4), kGold);
    const QRectF title(r.left() + r.height() * 0.3, r.top() + r.height() * 0.08, r.width() * 0.75,
                       r.height() * 0.56);
    drawOutlinedText(painter, title, QStringLiteral("TARVELIN"), posterFont(r.height() * 0.48),
                     kGold, Qt::AlignLeft);
    const QRectF subtitle(title.left() + 2, r.top() + r.height() * 0.60, title.width(),
                          r.height() * 0.30);
    drawOutlinedText(painter, subtitle,
                     QStringLiteral("SETUP UTILITY  \u2022  DIRT TRACK & SPRINT"),
                     posterFont(r.height() * 0.20), kCream, Qt::AlignLeft);
    return pixmap;
}

QPixmap carPicture(CarKind kind, QSize size, const QColor& body)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF r(pixmap.rect());
    const QPainterPath shape = kind == CarKind::SprintCar ? sprintCarBody(r) : lateModelBody(r);
    QLinearGradient paint(r.topLeft(), r.bottomLeft());
    paint.setColorAt(0, body.lighter(150));
    paint.setColorAt(0.55, body);
    paint.setColorAt(1, body.darker(170));
    painter.setPen(QPen(QColor(10, 10, 10), qMax(1.0, r.height() / 40)));
    painter.setBrush(paint);
    painter.drawPath(shape);
    if (kind == CarKind::LateModel) {
        QPainterPath glass;
        glass.moveTo(r.left() + r.width() * 0.47, r.top() + r.height() * 0.38);
        glass.lineTo(r.left() + r.width() * 0.52, r.top() + r.height() * 0.20);
        glass.lineTo(r.left() + r.width() * 0.70, r.top() + r.height() * 0.19);
        glass.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.36);
        glass.closeSubpath();
        QLinearGradient tint(r.topLeft(), r.bottomLeft());
        tint.setColorAt(0, QColor(0x9c, 0xc8, 0xff));
        tint.setColorAt(1, QColor(0x1a, 0x2a, 0x40));
        painter.setBrush(tint);
        painter.drawPath(glass);
        // The body's crease line along the side.
        painter.setPen(QPen(body.darker(200), qMax(1.0, r.height() / 50)));
        painter.drawLine(QPointF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.56),
                         QPointF(r.left() + r.width() * 0.96, r.top() + r.height() * 0.50));
    }
    // Number panel on the door.
    const QRectF door(r.left() + r.width() * 0.50, r.top() + r.height() * 0.44, r.width() * 0.16,
                      r.height() * 0.22);
    painter.setBrush(kCream);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(door);
    QFont number = posterFont(door.height() * 0.8);
    painter.setFont(number);
    painter.setPen(QColor(20, 20, 20));
    painter.drawText(door, Qt::AlignCenter,
                     kind == CarKind::SprintCar ? QStringLiteral("17") : QStringLiteral("7"));
    const qreal radius = kind == CarKind::SprintCar ? r.height() * 0.22 : r.height() * 0.17;
    drawWheel(painter, QPointF(r.left() + r.width() * 0.20, r.bottom() - radius), radius);
    drawWheel(painter, QPointF(r.left() + r.width() * 0.80, r.bottom() - radius),
              kind == CarKind::SprintCar ? radius * 1.12 : radius);
    return pixmap;
}

QPixmap gamePicture(const GameProfile& profile, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF r(pixmap.rect());
    const bool sprint = profile.DownloadPicture; // the Sprint Cars profile
    QPainterPath plate;
    plate.addRoundedRect(r.adjusted(1, 1, -1, -1), 10, 10);
    painter.setClipPath(plate);

    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, sprint ? QColor(0x1d, 0x2b, 0x52) : QColor(0x3a, 0x1f, 0x3e));
    sky.setColorAt(0.55, sprint ? QColor(0x5b, 0x3e, 0x6e) : QColor(0xb8, 0x5a, 0x2c));
    sky.setColorAt(0.56, kDirt.darker(120));
    sky.setColorAt(1, kDirt.darker(190));
    painter.fillRect(r, sky);
    // Track lights.
    for (int light = 0; light < 5; ++light) {
        const QPointF centre(r.left() + r.width() * (0.1 + 0.2 * light),
                             r.top() + r.height() * 0.12);
        QRadialGradient glow(centre, r.height() * 0.14);
        glow.setColorAt(0, QColor(255, 250, 220, 220));
        glow.setColorAt(1, QColor(255, 250, 220, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, r.height() * 0.14, r.height() * 0.14);
    }
    // The oval's banking and the groove.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xd9, 0xa0, 0x62, 110), r.height() * 0.05));
    painter.drawArc(QRectF(r.left() - r.width() * 0.2, r.top() + r.height() * 0.50, r.width() * 1.4,
                           r.height() * 0.9),
                    20 * 16, 140 * 16);
    // A rooster tail of dirt behind the car.
    QRadialGradient dust(QPointF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.62),
                         r.width() * 0.28);
    dust.setColorAt(0, QColor(0xc8, 0x8a, 0x50, 170));
    dust.setColorAt(1, QColor(0xc8, 0x8a, 0x50, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dust);
    painter.drawEllipse(QPointF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.62),
                        r.width() * 0.28, r.height() * 0.22);

    const QSize carSize(qRound(r.width() * 0.62), qRound(r.height() * (sprint ? 0.44 : 0.36)));
    const QPixmap car = carPicture(sprint ? CarKind::SprintCar : CarKind::LateModel, carSize,
                                   sprint ? QColor(0x1f, 0x6f, 0xc4) : QColor(0xd0, 0x2c, 0x20));
    painter.drawPixmap(
        QPointF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.70 - carSize.height()), car);

    const QRectF title(r.left() + 8, r.top() + r.height() * 0.74, r.width() - 16,
                       r.height() * 0.22);
    drawOutlinedText(painter, title,
                     sprint ? QStringLiteral("SPRINT CARS") : QStringLiteral("DIRT TRACK RACING"),
                     posterFont(r.height() * 0.16), kGold, Qt::AlignHCenter);
    painter.setClipping(false);
    painter.setPen(QPen(kGold.darker(130), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(plate);
    return pixmap;
}

QPixmap emblemPicture(Emblem emblem, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    drawEmblem(painter, emblem, QRectF(pixmap.rect()));
    return pixmap;
}

QPixmap commandPicture(Emblem emblem, const QString& caption, QSize size, const QColor& accent)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF r = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(0x4e, 0x58, 0x6a));
    face.setColorAt(0.5, QColor(0x2c, 0x33, 0x40));
    face.setColorAt(1, QColor(0x1a, 0x1f, 0x28));
    painter.setPen(QPen(accent, 1.5));
    painter.setBrush(face);
    painter.drawRoundedRect(r, r.height() * 0.3, r.height() * 0.3);
    const qreal side = r.height() * 0.8;
    drawEmblem(painter, emblem,
               QRectF(r.left() + r.height() * 0.25, r.center().y() - side / 2, side, side));
    const QRectF text(r.left() + r.height() * 0.35 + side, r.top(),
                      r.width() - side - r.height() * 0.6, r.height());
    drawOutlinedText(painter, text, caption, posterFont(r.height() * 0.46), accent,
                     Qt::AlignHCenter);
    return pixmap;
}

QPixmap iconPixmap(int side)
{
    QPixmap pixmap = blank(QSize(side, side));
    QPainter painter(&pixmap);
    prepare(painter);
    const qreal s = side;
    // Dark rounded tile, a dirt oval, the chequered flag and a gold wrench-shaped T.
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, kNightLight);
    tile.setColorAt(1, kNight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.18, s * 0.18);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kDirt, s * 0.10));
    painter.drawEllipse(QRectF(s * 0.14, s * 0.30, s * 0.72, s * 0.50));
    painter.setPen(QPen(QColor(0xd9, 0xa0, 0x62), s * 0.02));
    painter.drawEllipse(QRectF(s * 0.14, s * 0.30, s * 0.72, s * 0.50));
    const QRectF flag(s * 0.52, s * 0.12, s * 0.34, s * 0.22);
    drawChecks(painter, flag, 3, flag.height() / 3);
    painter.setPen(QPen(kCream, qMax(1.0, s * 0.025), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(s * 0.52, s * 0.12), QPointF(s * 0.52, s * 0.48));
    QPainterPath letter;
    letter.addRect(QRectF(s * 0.24, s * 0.44, s * 0.32, s * 0.09));
    letter.addRect(QRectF(s * 0.355, s * 0.44, s * 0.09, s * 0.32));
    painter.setPen(QPen(QColor(40, 24, 0), qMax(1.0, s * 0.015)));
    painter.setBrush(kGold);
    painter.drawPath(letter.simplified());
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(iconPixmap(side));
    return icon;
}

} // namespace tarvelin::artwork
