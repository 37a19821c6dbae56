// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/Artwork.h"

#include "core/app/PictureCache.h"
#include "core/game/GameProfile.h"
#include "ui/art/DrawingColours.h"
#include "ui/art/ShellFonts.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <algorithm>

namespace tarvelin::art
{

namespace
{

struct Kept {
    QHash<QString, QPixmap> pictures;
    QIcon icon;
};

void letGo();

Kept& kept()
{
    static Kept store;
    static const bool registered = [] {
        qAddPostRoutine(letGo);
        return true;
    }();
    Q_UNUSED(registered);
    return store;
}

void letGo()
{
    kept().pictures.clear();
    kept().icon = QIcon();
}

// The pixels as the drawing left them, so a picture from the cache is the drawn one exactly.
constexpr QImage::Format kCachedFormat = QImage::Format_ARGB32_Premultiplied;

QPixmap cachedPixmap(const QString& key)
{
    const std::optional<CachedPicture> cached = readCachedPicture(key);
    if (!cached)
        return {};
    const QImage view(reinterpret_cast<const uchar*>(cached->pixels.constData()),
                      int(cached->width), int(cached->height), int(cached->bytesPerLine),
                      kCachedFormat);
    return QPixmap::fromImage(view.copy());
}

void keepPixmap(const QString& key, const QPixmap& picture)
{
    if (picture.isNull() || picture.devicePixelRatio() != 1.0)
        return;
    const QImage image = picture.toImage().convertToFormat(kCachedFormat);
    CachedPicture cached;
    cached.width = quint32(image.width());
    cached.height = quint32(image.height());
    cached.bytesPerLine = quint32(image.bytesPerLine());
    cached.pixels =
        QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    keepCachedPicture(key, cached);
}

QString sizeKey(QSize size)
{
    return QString::number(size.width()) + QLatin1Char('x') + QString::number(size.height());
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

bool isSprintCars(const GameProfile& profile)
{
    return carKind(profile) == CarKind::SprintCar;
}

// Condensed bold lettering in the spirit of the posters of the dirt ovals.
QFont posterFont(qreal pixelSize)
{
    QFont font = impactFont(10);
    font.setPixelSize(qMax(6, qRound(pixelSize)));
    font.setStretch(QFont::SemiCondensed);
    return font;
}

// A plain bold face for the game window's lettering, italic like a race programme.
QFont programmeFont(qreal pixelSize, bool italic)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(italic);
    font.setPixelSize(qMax(6, qRound(pixelSize)));
    return font;
}

// `font` made smaller until `text` fits in `box`: the largest size that fits, 6 pixels at the
// least. Every size tried loads a font engine, so the search starts where the text's width and
// height, which grow with the size, say it will fit, instead of stepping down a pixel at a time.
QFont fitted(QFont font, const QString& text, const QSizeF& box)
{
    constexpr int kSmallest = 6;
    const int largest = font.pixelSize();
    const auto measure = [&](int size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        return QSizeF(metrics.horizontalAdvance(text), metrics.height());
    };
    const auto fits = [&](const QSizeF& size) {
        return size.width() <= box.width() && size.height() <= box.height();
    };
    const QSizeF full = measure(largest);
    if (largest <= kSmallest || fits(full))
        return font;
    qreal scale = 1;
    if (full.width() > 0)
        scale = std::min(scale, box.width() / full.width());
    if (full.height() > 0)
        scale = std::min(scale, box.height() / full.height());
    int size = std::clamp(static_cast<int>(largest * scale), kSmallest, largest - 1);
    if (fits(measure(size))) {
        while (size + 1 < largest && fits(measure(size + 1)))
            ++size;
    } else {
        while (size > kSmallest && !fits(measure(size)))
            --size;
    }
    font.setPixelSize(size);
    return font;
}

// Text with a dark outline and a drop shadow, as on a race poster; `font` must fit `box`. The
// outline is stroked once and filled twice, for the shadow and the outline itself.
void outlinedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                  const QBrush& fill, qreal outline, Qt::Alignment alignment = Qt::AlignHCenter)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    qreal x = box.left();
    if (alignment & Qt::AlignHCenter)
        x = box.center().x() - width / 2;
    else if (alignment & Qt::AlignRight)
        x = box.right() - width;
    const qreal y = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    QPainterPath path;
    path.addText(QPointF(x, y), font, text);
    QPainterPathStroker stroker(
        QPen(kLetterOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPainterPath stroke = stroker.createStroke(path);
    const QColor& shade = kLetterShade;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.fillPath(stroke.translated(1, 1.5), shade);
    painter.fillPath(stroke, shade);
    painter.fillPath(path, fill);
    painter.restore();
}

void posterText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize,
                const QColor& fill, Qt::Alignment alignment)
{
    const QFont font = fitted(posterFont(pixelSize), text, box.size());
    outlinedText(painter, box, text, font, fill, qMax(1.5, font.pixelSize() / 9.0), alignment);
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
    painter.setBrush(kTyre);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(kWheelRim);
    painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
    painter.setBrush(kWheelHub);
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
        painter.setPen(QPen(kFolderEdge, pen));
        painter.setBrush(kFolderBack);
        painter.drawPath(tab);
        QLinearGradient front(box.topLeft(), box.bottomLeft());
        front.setColorAt(0, kFolderFrontTop);
        front.setColorAt(1, kFolderFrontBottom);
        painter.setBrush(front);
        painter.drawRoundedRect(
            QRectF(box.left() + s * 0.08, box.top() + s * 0.28, s * 0.84, s * 0.56), s * 0.05,
            s * 0.05);
        break;
    }
    case Emblem::Flag: {
        painter.setPen(QPen(kFlagPole, pen * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(box.left() + s * 0.18, box.top() + s * 0.10),
                         QPointF(box.left() + s * 0.18, box.bottom() - s * 0.06));
        const QRectF cloth(box.left() + s * 0.22, box.top() + s * 0.12, s * 0.66, s * 0.46);
        paintChequers(painter, cloth, cloth.height() / 4);
        painter.setPen(QPen(kFlagEdge, pen / 2));
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
        painter.setPen(QPen(kCloseArrowEdge, pen / 1.5));
        painter.setBrush(kGold);
        painter.drawPath(arrow);
        break;
    }
    case Emblem::Monitor: {
        painter.setPen(QPen(kMonitorEdge, pen));
        painter.setBrush(kMonitorCase);
        painter.drawRoundedRect(
            QRectF(box.left() + s * 0.08, box.top() + s * 0.12, s * 0.84, s * 0.58), s * 0.05,
            s * 0.05);
        QLinearGradient screen(box.topLeft(), box.bottomRight());
        screen.setColorAt(0, kMonitorScreenTop);
        screen.setColorAt(1, kMonitorScreenBottom);
        painter.setBrush(screen);
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(box.left() + s * 0.15, box.top() + s * 0.19, s * 0.70, s * 0.44));
        painter.setBrush(kMonitorCase);
        painter.setPen(QPen(kMonitorEdge, pen));
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
        painter.setPen(QPen(kControllerEdge, pen));
        painter.setBrush(kControllerBody);
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
        painter.setPen(QPen(kSpeakerEdge, pen / 1.5));
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
        painter.setPen(QPen(kEnvelopeEdge, pen));
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

QPixmap backdrop(QSize size)
{
    return keptPicture(QStringLiteral("backdrop ") + sizeKey(size), [size] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        prepare(painter);
        const QRectF area(pixmap.rect());
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
        QColor faintGold = kGold;
        faintGold.setAlpha(22);
        painter.setPen(QPen(faintGold, area.height() * 0.08));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(line);
        return pixmap;
    });
}

} // namespace

CarKind carKind(const GameProfile& profile)
{
    return profile.id == SprintCarsProfile.id ? CarKind::SprintCar : CarKind::LateModel;
}

QPixmap keptPicture(const QString& key, const std::function<QPixmap()>& draw)
{
    QHash<QString, QPixmap>& pictures = kept().pictures;
    const auto found = pictures.constFind(key);
    if (found != pictures.cend())
        return *found;
    QPixmap picture = cachedPixmap(key);
    if (picture.isNull()) {
        picture = draw();
        keepPixmap(key, picture);
    }
    pictures.insert(key, picture);
    return picture;
}

void forgetKeptPictures()
{
    kept().pictures.clear();
}

void paintChequers(QPainter& painter, const QRectF& area, qreal cell)
{
    if (cell <= 0)
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row * cell < area.height(); ++row) {
        for (int column = 0; column * cell < area.width(); ++column) {
            painter.setBrush((row + column) % 2 ? kChequerLight : kChequerDark);
            painter.drawRect(
                QRectF(area.left() + column * cell, area.top() + row * cell, cell, cell));
        }
    }
    painter.restore();
}

void paintBackdrop(QPainter& painter, const QRect& area)
{
    painter.drawPixmap(area.topLeft(), backdrop(area.size()));
}

QPixmap windowBackground(QSize size)
{
    return keptPicture(QStringLiteral("background ") + sizeKey(size), [size] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        prepare(painter);
        const QRectF area(QPointF(0, 0), QSizeF(size));
        QLinearGradient sky(area.topLeft(), area.bottomLeft());
        sky.setColorAt(0.0, kNight);
        sky.setColorAt(0.55, kNightLight);
        sky.setColorAt(1.0, kSkyHorizon);
        painter.fillRect(area, sky);

        // Floodlight glow over the middle of the track.
        QRadialGradient glow(QPointF(area.center().x(), area.height() * 0.18), area.width() * 0.45);
        glow.setColorAt(0, kFloodlightGlow);
        glow.setColorAt(1, kFloodlightGlowEnd);
        painter.fillRect(area, glow);

        // The dirt oval seen from the grandstand.
        const QRectF oval(area.width() * 0.06, area.height() * 0.58, area.width() * 0.88,
                          area.height() * 0.62);
        painter.setPen(QPen(kTrackGroove, area.height() * 0.05));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(oval);
        painter.setPen(QPen(kTrackRail, 1.5));
        painter.drawEllipse(oval.adjusted(-area.height() * 0.03, -area.height() * 0.03,
                                          area.height() * 0.03, area.height() * 0.03));

        // Fine grain, so large areas do not look flat.
        painter.setPen(QPen(kBackdropGrain, 1));
        for (qreal x = -area.height(); x < area.width(); x += 9)
            painter.drawLine(QPointF(x, area.height()), QPointF(x + area.height(), 0));
        return pixmap;
    });
}

QPixmap buttonPanel(QSize size)
{
    return keptPicture(QStringLiteral("panel ") + sizeKey(size), [size] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        prepare(painter);
        const QRectF area = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
        QLinearGradient fill(area.topLeft(), area.bottomLeft());
        fill.setColorAt(0, kButtonPanelTop);
        fill.setColorAt(1, kButtonPanelBottom);
        QColor frame = kGold;
        frame.setAlpha(90);
        painter.setPen(QPen(frame, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(area, 10, 10);
        return pixmap;
    });
}

QPixmap utilityBanner(QSize size)
{
    return keptPicture(QStringLiteral("utility banner ") + sizeKey(size), [size] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        prepare(painter);
        const QRectF r(pixmap.rect());
        QLinearGradient ground(r.topLeft(), r.bottomLeft());
        ground.setColorAt(0, kBannerGroundTop);
        ground.setColorAt(1, kBannerGroundBottom);
        painter.fillRect(r, ground);

        // The chequered flag waves in from the right.
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
        paintChequers(painter, r, r.height() / 6);
        painter.restore();
        painter.setPen(QPen(kGold, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(wave);

        painter.fillRect(QRectF(r.left(), r.bottom() - 4, r.width(), 4), kGold);
        const QRectF title(r.left() + r.height() * 0.3, r.top() + r.height() * 0.08,
                           r.width() * 0.75, r.height() * 0.56);
        posterText(painter, title, QStringLiteral("TARVELIN"), r.height() * 0.48, kGold,
                   Qt::AlignLeft);
        const QRectF subtitle(title.left() + 2, r.top() + r.height() * 0.60, title.width(),
                              r.height() * 0.30);
        posterText(painter, subtitle, QStringLiteral("SETUP UTILITY  \u2022  DIRT TRACK & SPRINT"),
                   r.height() * 0.20, kCream, Qt::AlignLeft);
        return pixmap;
    });
}

QPixmap setupUtilityBanner(QSize size)
{
    return keptPicture(QStringLiteral("setup utility banner ") + sizeKey(size), [size] {
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
        red.setColorAt(0, kFlagRed.lighter(115));
        red.setColorAt(1, kFlagRed.darker(160));
        painter.setPen(QPen(kSetupBannerEdge, 1));
        painter.setBrush(red);
        painter.drawPath(stripe);
        const QString text = QStringLiteral("SETUP UTILITY");
        QFont font = fitted(programmeFont(area.height() * 0.8, true), text,
                            area.adjusted(slant, 2, -slant, -2).size());
        font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        outlinedText(painter, area, text, font, kSetupBannerLetters, 2);
        return pixmap;
    });
}

QPixmap gameLogo(const GameProfile& profile, QSize size)
{
    const bool sprint = isSprintCars(profile);
    return keptPicture(QStringLiteral("logo %1 ").arg(profile.id) + sizeKey(size), [size, sprint] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        prepare(painter);
        const QRectF area(QPointF(0, 0), QSizeF(size));

        // A chequered strip on either side, leaning like a flag in the wind.
        const qreal cell = std::max<qreal>(4, area.height() / 8);
        painter.save();
        painter.setTransform(QTransform().shear(-0.25, 0), true);
        paintChequers(painter,
                      QRectF(area.left() + area.height() * 0.28, area.top() + area.height() * 0.2,
                             cell * 3, area.height() * 0.6),
                      cell);
        paintChequers(painter,
                      QRectF(area.right() - cell * 3 + area.height() * 0.12,
                             area.top() + area.height() * 0.2, cell * 3, area.height() * 0.6),
                      cell);
        painter.restore();

        const QRectF words = area.adjusted(cell * 4, 0, -cell * 4, 0);
        QLinearGradient clay(words.topLeft(), words.bottomLeft());
        clay.setColorAt(0, kGold);
        clay.setColorAt(0.5, kClayLight);
        clay.setColorAt(1, kClay);
        const QString top =
            sprint ? QStringLiteral("DIRT TRACK RACING") : QStringLiteral("DIRT TRACK");
        const QString bottom = sprint ? QStringLiteral("SPRINT CARS") : QStringLiteral("RACING");
        const QRectF topBox(words.left(), words.top(), words.width(),
                            words.height() * (sprint ? 0.36 : 0.5));
        const QRectF bottomBox(words.left(), topBox.bottom(), words.width(),
                               words.bottom() - topBox.bottom());
        const QFont topFont = fitted(programmeFont(topBox.height(), true), top, topBox.size());
        const QFont bottomFont =
            fitted(programmeFont(bottomBox.height(), true), bottom, bottomBox.size());
        if (sprint)
            outlinedText(painter, topBox, top, topFont, kLogoLetters, 2.5);
        else
            outlinedText(painter, topBox, top, topFont, clay, 3);
        outlinedText(painter, bottomBox, bottom, bottomFont, clay, 3);
        return pixmap;
    });
}

QPixmap gamePicture(const GameProfile& profile, QSize size)
{
    const bool sprint = isSprintCars(profile);
    const QString key = QStringLiteral("game picture %1 ").arg(profile.id) + sizeKey(size);
    return keptPicture(key, [size, sprint, &profile] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        prepare(painter);
        const QRectF r(pixmap.rect());
        QPainterPath plate;
        plate.addRoundedRect(r.adjusted(1, 1, -1, -1), 10, 10);
        painter.setClipPath(plate);

        QLinearGradient sky(r.topLeft(), r.bottomLeft());
        sky.setColorAt(0, sprint ? kNightSkyTop : kDuskSkyTop);
        sky.setColorAt(0.55, sprint ? kNightSkyMiddle : kDuskSkyMiddle);
        sky.setColorAt(0.56, kDirt.darker(120));
        sky.setColorAt(1, kDirt.darker(190));
        painter.fillRect(r, sky);
        // Track lights.
        for (int light = 0; light < 5; ++light) {
            const QPointF centre(r.left() + r.width() * (0.1 + 0.2 * light),
                                 r.top() + r.height() * 0.12);
            QRadialGradient glow(centre, r.height() * 0.14);
            glow.setColorAt(0, kTrackLight);
            glow.setColorAt(1, kTrackLightEnd);
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawEllipse(centre, r.height() * 0.14, r.height() * 0.14);
        }
        // The oval's banking and the groove.
        QColor groove = kDirtLight;
        groove.setAlpha(110);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(groove, r.height() * 0.05));
        painter.drawArc(QRectF(r.left() - r.width() * 0.2, r.top() + r.height() * 0.50,
                               r.width() * 1.4, r.height() * 0.9),
                        20 * 16, 140 * 16);
        // A rooster tail of dirt behind the car.
        QRadialGradient dust(QPointF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.62),
                             r.width() * 0.28);
        dust.setColorAt(0, kDust);
        dust.setColorAt(1, kDustEnd);
        painter.setPen(Qt::NoPen);
        painter.setBrush(dust);
        painter.drawEllipse(QPointF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.62),
                            r.width() * 0.28, r.height() * 0.22);

        const QSize carSize(qRound(r.width() * 0.62), qRound(r.height() * (sprint ? 0.44 : 0.36)));
        painter.drawPixmap(
            QPointF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.70 - carSize.height()),
            carPicture(profile, carSize));

        const QRectF title(r.left() + 8, r.top() + r.height() * 0.74, r.width() - 16,
                           r.height() * 0.22);
        posterText(painter, title,
                   sprint ? QStringLiteral("SPRINT CARS") : QStringLiteral("DIRT TRACK RACING"),
                   r.height() * 0.16, kGold, Qt::AlignHCenter);
        painter.setClipping(false);
        painter.setPen(QPen(kGold.darker(130), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(plate);
        return pixmap;
    });
}

QPixmap makersLogo(QSize size)
{
    return keptPicture(QStringLiteral("makers ") + sizeKey(size), [size] {
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
        const QString name = QStringLiteral("TARVELIN");
        QFont font = fitted(programmeFont(area.height() * 0.7, false), name, words.size());
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        painter.setFont(font);
        painter.setPen(kMakersLetters);
        painter.drawText(words, Qt::AlignLeft | Qt::AlignVCenter, name);
        return pixmap;
    });
}

QPixmap carPicture(CarKind kind, QSize size, const QColor& body)
{
    const QString key =
        QStringLiteral("car %1 %2 ").arg(int(kind)).arg(body.rgba(), 8, 16, QLatin1Char('0')) +
        sizeKey(size);
    return keptPicture(key, [kind, size, body] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        prepare(painter);
        const QRectF r(pixmap.rect());
        const bool sprint = kind == CarKind::SprintCar;
        const QPainterPath shape = sprint ? sprintCarBody(r) : lateModelBody(r);
        QLinearGradient paint(r.topLeft(), r.bottomLeft());
        paint.setColorAt(0, body.lighter(150));
        paint.setColorAt(0.55, body);
        paint.setColorAt(1, body.darker(170));
        painter.setPen(QPen(kCarOutline, qMax(1.0, r.height() / 40)));
        painter.setBrush(paint);
        painter.drawPath(shape);
        if (!sprint) {
            QPainterPath glass;
            glass.moveTo(r.left() + r.width() * 0.47, r.top() + r.height() * 0.38);
            glass.lineTo(r.left() + r.width() * 0.52, r.top() + r.height() * 0.20);
            glass.lineTo(r.left() + r.width() * 0.70, r.top() + r.height() * 0.19);
            glass.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.36);
            glass.closeSubpath();
            QLinearGradient tint(r.topLeft(), r.bottomLeft());
            tint.setColorAt(0, kCarWindowTop);
            tint.setColorAt(1, kCarWindowBottom);
            painter.setBrush(tint);
            painter.drawPath(glass);
            // The body's crease line along the side.
            painter.setPen(QPen(body.darker(200), qMax(1.0, r.height() / 50)));
            painter.drawLine(QPointF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.56),
                             QPointF(r.left() + r.width() * 0.96, r.top() + r.height() * 0.50));
        }
        // Number panel on the door.
        const QRectF door(r.left() + r.width() * 0.50, r.top() + r.height() * 0.44,
                          r.width() * 0.16, r.height() * 0.22);
        painter.setBrush(kCream);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(door);
        painter.setFont(posterFont(door.height() * 0.8));
        painter.setPen(kCarNumber);
        painter.drawText(door, Qt::AlignCenter,
                         sprint ? QStringLiteral("17") : QStringLiteral("7"));
        const qreal radius = sprint ? r.height() * 0.22 : r.height() * 0.17;
        drawWheel(painter, QPointF(r.left() + r.width() * 0.20, r.bottom() - radius), radius);
        drawWheel(painter, QPointF(r.left() + r.width() * 0.80, r.bottom() - radius),
                  sprint ? radius * 1.12 : radius);
        return pixmap;
    });
}

QPixmap carPicture(const GameProfile& profile, QSize size)
{
    const CarKind kind = carKind(profile);
    return carPicture(kind, size, kind == CarKind::SprintCar ? kSprintCarBody : kFlagRed);
}

QPixmap emblemPicture(Emblem emblem, QSize size)
{
    return keptPicture(QStringLiteral("emblem %1 ").arg(int(emblem)) + sizeKey(size),
                       [emblem, size] {
                           QPixmap pixmap = blank(size);
                           QPainter painter(&pixmap);
                           drawEmblem(painter, emblem, QRectF(pixmap.rect()));
                           return pixmap;
                       });
}

QPixmap commandPicture(Emblem emblem, const QString& caption, QSize size, const QColor& accent)
{
    const QString key = QStringLiteral("command %1 %2 %3 ")
                            .arg(int(emblem))
                            .arg(accent.rgba(), 8, 16, QLatin1Char('0'))
                            .arg(caption) +
                        sizeKey(size);
    return keptPicture(key, [&] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        prepare(painter);
        const QRectF r = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
        QLinearGradient face(r.topLeft(), r.bottomLeft());
        face.setColorAt(0, kPlateTop);
        face.setColorAt(0.5, kPlateMiddle);
        face.setColorAt(1, kPlateBottom);
        painter.setPen(QPen(accent, 1.5));
        painter.setBrush(face);
        painter.drawRoundedRect(r, r.height() * 0.3, r.height() * 0.3);
        const qreal side = r.height() * 0.8;
        drawEmblem(painter, emblem,
                   QRectF(r.left() + r.height() * 0.25, r.center().y() - side / 2, side, side));
        const QRectF text(r.left() + r.height() * 0.35 + side, r.top(),
                          r.width() - side - r.height() * 0.6, r.height());
        posterText(painter, text, caption, r.height() * 0.46, accent, Qt::AlignHCenter);
        return pixmap;
    });
}

QPixmap checkeredStrip(QSize size, int squares)
{
    const int rows = qMax(1, squares);
    return keptPicture(QStringLiteral("strip %1 ").arg(rows) + sizeKey(size), [size, rows] {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        paintChequers(painter, QRectF(pixmap.rect()), qreal(pixmap.height()) / rows);
        return pixmap;
    });
}

QPixmap iconPixmap(int side)
{
    return keptPicture(QStringLiteral("icon %1").arg(side), [side] {
        QPixmap pixmap = blank(QSize(side, side));
        QPainter painter(&pixmap);
        prepare(painter);
        // Drawn on the SVG's 256-unit board, so that both show the same design at every size:
        // a dark rounded tile, a dirt oval, the chequered flag on its pole and a gold T.
        const qreal scale = qMax(1, side) / 256.0;
        painter.scale(scale, scale);
        const qreal pixel = 1 / scale; // the narrowest line that still shows
        QLinearGradient tile(0, 0, 0, 256);
        tile.setColorAt(0, kNightLight);
        tile.setColorAt(1, kNight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tile);
        painter.drawRoundedRect(QRectF(8, 8, 240, 240), 46, 46);
        const QRectF oval(128 - 92, 141 - 64, 184, 128);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kDirt, 26));
        painter.drawEllipse(oval);
        painter.setPen(QPen(kDirtLight, qMax(5.0, pixel)));
        painter.drawEllipse(oval);
        paintChequers(painter, QRectF(133, 31, 87, 56), 18.75);
        painter.setPen(QPen(kCream, qMax(6.0, pixel), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(133, 31), QPointF(133, 123));
        QPainterPath letter;
        letter.moveTo(61, 113);
        letter.lineTo(143, 113);
        letter.lineTo(143, 136);
        letter.lineTo(125, 136);
        letter.lineTo(125, 195);
        letter.lineTo(102, 195);
        letter.lineTo(102, 136);
        letter.lineTo(61, 136);
        letter.closeSubpath();
        painter.setPen(
            QPen(kIconOutline, qMax(4.0, pixel), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        painter.setBrush(kGold);
        painter.drawPath(letter);
        return pixmap;
    });
}

QIcon applicationIcon()
{
    QIcon& icon = kept().icon;
    if (icon.isNull()) {
        // Up to 128 pixels: every size is sent to the X server with each window, and the desktop
        // takes larger ones from the installed SVG icon.
        for (const int side : {16, 24, 32, 48, 64, 128})
            icon.addPixmap(iconPixmap(side));
    }
    return icon;
}

} // namespace tarvelin::art
