#include "ui/art/GameWindowArt.h"

#include "core/game/GameProfile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tarvelin::art
{
namespace
{

const QColor kNight(0x12, 0x17, 0x21);
const QColor kDusk(0x2a, 0x33, 0x48);
const QColor kClay(0xb8, 0x5c, 0x24);
const QColor kClayLight(0xf0, 0x9a, 0x3e);
const QColor kGold(0xff, 0xd4, 0x5a);

bool isSprintCars(const GameProfile& profile)
{
    return profile.id == SprintCarsProfile.id;
}

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

// The largest bold font of `family` whose `text` fits in `box`.
QFont fittedFont(const QString& text, const QSizeF& box, bool italic, int maxPixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(italic);
    font.setPixelSize(std::max(6, maxPixels));
    while (font.pixelSize() > 6) {
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height())
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

// Text with a dark outline and a gradient fill, as on a race programme.
void outlinedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                  const QBrush& fill, qreal outline)
{
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const qreal x = box.left() + (box.width() - metrics.horizontalAdvance(text)) / 2;
    const qreal y = box.top() + (box.height() + metrics.ascent() - metrics.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    painter.setPen(QPen(QColor(0, 0, 0, 210), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path.translated(1.2, 1.6));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
}

void chequers(QPainter& painter, const QRectF& area, qreal cell)
{
    painter.save();
    painter.setClipRect(area);
    painter.setPen(Qt::NoPen);
    int row = 0;
    for (qreal y = area.top(); y < area.bottom(); y += cell, ++row) {
        int column = 0;
        for (qreal x = area.left(); x < area.right(); x += cell, ++column) {
            painter.setBrush((row + column) % 2 ? QColor(0x10, 0x10, 0x10)
                                                : QColor(0xf2, 0xf2, 0xf2));
            painter.drawRect(QRectF(x, y, cell, cell));
        }
    }
    painter.restore();
}

void wheel(QPainter& painter, QPointF centre, qreal radius, const QColor& rim)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0c, 0x0c, 0x0e));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(rim);
    painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
    painter.setBrush(QColor(0x0c, 0x0c, 0x0e));
    painter.drawEllipse(centre, radius * 0.18, radius * 0.18);
}

} // namespace

QPixmap windowBackground(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, kNight);
    sky.setColorAt(0.55, kDusk);
    sky.setColorAt(1.0, QColor(0x3b, 0x25, 0x18));
    painter.fillRect(area, sky);

    // Floodlight glow over the middle of the track.
    QRadialGradient glow(QPointF(area.center().x(), area.height() * 0.18), area.width() * 0.45);
    glow.setColorAt(0, QColor(255, 236, 190, 60));
    glow.setColorAt(1, QColor(255, 236, 190, 0));
    painter.fillRect(area, glow);

    // The dirt oval seen from the grandstand.
    const QRectF oval(area.width() * 0.06, area.height() * 0.58, area.width() * 0.88,
                      area.height() * 0.62);
    painter.setPen(QPen(QColor(0xd8, 0x8a, 0x46, 70), area.height() * 0.05));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(oval);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1.5));
    painter.drawEllipse(oval.adjusted(-area.height() * 0.03, -area.height() * 0.03,
                                      area.height() * 0.03, area.height() * 0.03));

    // Fine grain, so large areas do not look flat.
    painter.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (qreal x = -area.height(); x < area.width(); x += 9)
        painter.drawLine(QPointF(x, area.height()), QPointF(x + area.height(), 0));
    return pixmap;
}

QPixmap buttonPanel(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, QColor(0x0a, 0x0d, 0x14, 200));
    fill.setColorAt(1, QColor(0x16, 0x1b, 0x26, 220));
    painter.setPen(QPen(QColor(0xff, 0xd4, 0x5a, 90), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(area, 10, 10);
    return pixmap;
}

QPixmap gameLogo(const GameProfile& profile, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    const bool sprint = isSprintCars(profile);

    // A chequered strip on either side, leaning like a flag in the wind.
    const qreal cell = std::max<qreal>(4, area.height() / 8);
    painter.save();
    painter.setTransform(QTransform().shear(-0.25, 0), true);
    chequers(painter,
             QRectF(area.left() + area.height() * 0.28, area.top() + area.height() * 0.2, cell * 3,
                    area.height() * 0.6),
             cell);
    chequers(painter,
             QRectF(area.right() - cell * 3 + area.height() * 0.12,
                    area.top() + area.height() * 0.2, cell * 3, area.height() * 0.6),
             cell);
    painter.restore();

    const QRectF words = area.adjusted(cell * 4, 0, -cell * 4, 0);
    QLinearGradient clay(words.topLeft(), words.bottomLeft());
    clay.setColorAt(0, kGold);
    clay.setColorAt(0.5, kClayLight);
    clay.setColorAt(1, kClay);
    const QString top = sprint ? QStringLiteral("DIRT TRACK RACING") : QStringLiteral("DIRT TRACK");
    const QString bottom = sprint ? QStringLiteral("SPRINT CARS") : QStringLiteral("RACING");
    const QRectF topBox(words.left(), words.top(), words.width(),
                        words.height() * (sprint ? 0.36 : 0.5));
    const QRectF bottomBox(words.left(), topBox.bottom(), words.width(),
                           words.bottom() - topBox.bottom());
    const QFont topFont = fittedFont(top, topBox.size(), true, int(topBox.height()));
    const QFont bottomFont = fittedFont(bottom, bottomBox.size(), true, int(bottomBox.height()));
    if (sprint)
        outlinedText(painter, topBox, top, topFont, QColor(0xf4, 0xf1, 0xe6), 2.5);
    else
        outlinedText(painter, topBox, top, topFont, clay, 3);
    outlinedText(painter, bottomBox, bottom, bottomFont, clay, 3);
    return pixmap;
}

QPixmap setupUtilityBanner(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    QPainterPath stripe;
    const qreal slant = area.height() * 0.6;
    stripe.moveTo(area.left() + slant, area.top());
    stripe.lineTo(area.right(), area.top());
    stripe.lineTo(area.right() - slant, area.bottom());
    stripe.lineTo(area.left(), area.bottom());
    stripe.closeSubpath();
    QLinearGradient red(area.topLeft(), area.bottomLeft());
    red.setColorAt(0, QColor(0xe2, 0x3b, 0x2e));
    red.setColorAt(1, QColor(0x8e, 0x16, 0x12));
    painter.setPen(QPen(QColor(0, 0, 0, 180), 1));
    painter.setBrush(red);
    painter.drawPath(stripe);
    const QString text = QStringLiteral("SETUP UTILITY");
    QFont font = fittedFont(text, area.adjusted(slant, 2, -slant, -2).size(), true,
                            int(area.height() * 0.8));
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    outlinedText(painter, area, text, font, QColor(0xfa, 0xfa, 0xf5), 2);
    return pixmap;
}

QPixmap makersLogo(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    const qreal radius = area.height() * 0.42;
    const QPointF hub(area.left() + radius + 2, area.center().y());
    painter.setPen(QPen(kGold, std::max<qreal>(1.5, radius * 0.22)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(hub, radius, radius);
    for (int spoke = 0; spoke < 3; ++spoke) {
        QLineF line(hub, hub + QPointF(radius, 0));
        line.setAngle(90 + spoke * 120);
        painter.drawLine(line);
    }
    const QRectF words(hub.x() + radius + 5, area.top(), area.right() - hub.x() - radius - 5,
                       area.height());
    QFont font =
        fittedFont(QStringLiteral("TARVELIN"), words.size(), false, int(area.height() * 0.7));
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(font);
    painter.setPen(QColor(0xe9, 0xe6, 0xdc));
    painter.drawText(words, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TARVELIN"));
    return pixmap;
}

QPixmap carPicture(const GameProfile& profile, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    const bool sprint = isSprintCars(profile);
    // The drawing is made on a 200 by 80 board and scaled to the picture.
    painter.translate(area.topLeft());
    painter.scale(area.width() / 200.0, area.height() / 80.0);

    // Dust kicked up behind the car.
    QRadialGradient dust(QPointF(30, 62), 40);
    dust.setColorAt(0, QColor(0xc9, 0x8a, 0x55, 120));
    dust.setColorAt(1, QColor(0xc9, 0x8a, 0x55, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dust);
    painter.drawEllipse(QPointF(30, 62), 40, 18);

    const QColor body(0x1b, 0x1f, 0x27);
    const QColor rimLight(0xff, 0xb8, 0x5c, 200);
    QPainterPath shell;
    if (sprint) {
        // Open-wheel sprint car: low tail tank, narrow body, cage and a tall top wing.
        shell.moveTo(40, 58);
        shell.lineTo(42, 46);
        shell.lineTo(70, 42);
        shell.lineTo(92, 36);
        shell.lineTo(118, 36);
        shell.lineTo(166, 48);
        shell.lineTo(170, 56);
        shell.closeSubpath();
    } else {
        // Late model: a wedge with a raised spoiler on the tail.
        shell.moveTo(22, 58);
        shell.lineTo(24, 40);
        shell.lineTo(30, 34);
        shell.lineTo(62, 36);
        shell.lineTo(84, 22);
        shell.lineTo(120, 22);
        shell.lineTo(138, 36);
        shell.lineTo(176, 44);
        shell.lineTo(180, 58);
        shell.closeSubpath();
    }
    painter.setBrush(body);
    painter.setPen(QPen(rimLight, 1.4));
    painter.drawPath(shell);
    if (sprint) {
        painter.setPen(QPen(QColor(0x30, 0x36, 0x42), 3));
        painter.drawLine(QPointF(88, 36), QPointF(96, 20));
        painter.drawLine(QPointF(122, 38), QPointF(116, 20));
        // The top wing, seen from the side: a broad plate between two tall side boards.
        QPainterPath wing;
        wing.moveTo(60, 12);
        wing.lineTo(144, 5);
        wing.lineTo(144, 16);
        wing.lineTo(60, 22);
        wing.closeSubpath();
        painter.setPen(QPen(rimLight, 1.2));
        painter.setBrush(QColor(0x24, 0x29, 0x33));
        painter.drawPath(wing);
        painter.setBrush(body);
        painter.drawPolygon(QPolygonF{{52, 4}, {66, 3}, {66, 28}, {52, 26}});
        painter.drawPolygon(QPolygonF{{136, 1}, {152, 0}, {152, 22}, {136, 22}});
        painter.drawRect(QRectF(154, 44, 26, 6));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x6f, 0x8c, 0xb0, 110));
        QPainterPath glass;
        glass.moveTo(70, 35);
        glass.lineTo(86, 25);
        glass.lineTo(116, 25);
        glass.lineTo(128, 35);
        glass.closeSubpath();
        painter.drawPath(glass);
        painter.setPen(QPen(rimLight, 1.2));
        painter.setBrush(body);
        painter.drawRect(QRectF(22, 26, 14, 4));
    }
    // Race number on the flank.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf0, 0xec, 0xe0, 220));
    painter.drawEllipse(QPointF(104, 47), 7, 7);
    QFont number(QStringLiteral("DejaVu Sans"));
    number.setBold(true);
    number.setPixelSize(10);
    painter.setFont(number);
    painter.setPen(QColor(0xb0, 0x22, 0x1c));
    painter.drawText(QRectF(96, 40, 16, 14), Qt::AlignCenter,
                     sprint ? QStringLiteral("7") : QStringLiteral("3"));

    const qreal rear = sprint ? 15 : 12;
    wheel(painter, QPointF(sprint ? 56 : 48, 60), rear, QColor(0x5a, 0x5f, 0x6a));
    wheel(painter, QPointF(sprint ? 150 : 152, 62), sprint ? 11 : 12, QColor(0x5a, 0x5f, 0x6a));
    return pixmap;
}

QPixmap utilityIcon(int size)
{
    QPixmap pixmap = blank(QSize(size, size));
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF area(0, 0, size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1d, 0x24, 0x30));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), size * 0.18, size * 0.18);
    QPainterPath clip;
    clip.addRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), size * 0.18, size * 0.18);
    painter.setClipPath(clip);
    chequers(painter, QRectF(area.left(), area.bottom() - size * 0.34, area.width(), size * 0.34),
             size / 8.0);
    painter.setClipping(false);
    const QPointF centre(area.center().x(), area.height() * 0.44);
    const qreal radius = size * 0.32;
    painter.setPen(QPen(kClayLight, std::max<qreal>(1.5, size * 0.09)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(kClayLight, std::max<qreal>(1.2, size * 0.07)));
    painter.drawLine(centre, centre + QPointF(-radius, 0));
    painter.drawLine(centre, centre + QPointF(radius, 0));
    painter.drawLine(centre, centre + QPointF(0, radius));
    painter.setBrush(kGold);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, size * 0.08, size * 0.08);
    return pixmap;
}

} // namespace tarvelin::art
