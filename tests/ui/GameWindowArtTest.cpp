// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/PictureCache.h"
#include "core/game/GameProfile.h"
#include "core/platform/AddressSource.h"
#include "core/platform/Clock.h"
#include "core/platform/VolumeTable.h"
#include "core/registry/Registry.h"
#include "support/FakeAddressSource.h"
#include "support/FakeClock.h"
#include "support/FakeVolumeTable.h"
#include "support/StoreBytes.h"
#include "ui/art/Artwork.h"
#include "ui/art/MenuPictures.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/MessageBox.h"

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

// Distinct colours among the opaque pixels: a drawing has several, an empty or flat box one.
int opaqueColours(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 200)
                colours.insert(image.pixel(x, y));
    return int(colours.size());
}

TEST(GameWindowArtTest, EveryPictureIsDrawnAtItsSize)
{
    QList<QImage> menuPictures;
    for (int number = 1; number <= kMenuPictureCount; ++number) {
        const QPixmap picture = drawMenuPicture(number);
        EXPECT_EQ(picture.size(), QSize(14, 12)) << number;
        EXPECT_GE(opaqueColours(picture), 2) << number;
        EXPECT_FALSE(menuPictures.contains(picture.toImage())) << number;
        menuPictures << picture.toImage();
    }
    EXPECT_TRUE(drawMenuPicture(0).isNull());
    EXPECT_TRUE(drawMenuPicture(11).isNull());

    for (const GameProfile* profile : {&DirtTrackRacingProfile, &SprintCarsProfile}) {
        const QPixmap logo = art::gameLogo(*profile, {270, 72});
        const QPixmap car = art::carPicture(*profile, {190, 76});
        EXPECT_EQ(logo.size(), QSize(270, 72));
        EXPECT_GE(opaqueColours(logo), 8);
        EXPECT_GE(opaqueColours(car), 8);
    }
    // Each game has its own logo and car.
    EXPECT_NE(art::gameLogo(DirtTrackRacingProfile, {270, 72}).toImage(),
              art::gameLogo(SprintCarsProfile, {270, 72}).toImage());
    EXPECT_NE(art::carPicture(DirtTrackRacingProfile, {190, 76}).toImage(),
              art::carPicture(SprintCarsProfile, {190, 76}).toImage());

    for (const QPixmap& picture : {art::windowBackground({748, 472}), art::buttonPanel({226, 184}),
                                   art::setupUtilityBanner({222, 24}), art::makersLogo({160, 22}),
                                   art::iconPixmap(22), art::iconPixmap(256)})
        EXPECT_GE(opaqueColours(picture), 8);
    // Sizes a window might ask for by mistake still give a picture, never a crash.
    EXPECT_FALSE(art::gameLogo(SprintCarsProfile, {0, 0}).isNull());
}

TEST(GameWindowArtTest, WhatDiffersIsAnotherPicture)
{
    // The same picture asked for again is the very same pixmap (a second game window shows no
    // picture drawn again, below); what differs in size, game, caption or colour is another
    // picture.
    EXPECT_NE(art::windowBackground({748, 472}).cacheKey(),
              art::windowBackground({440, 352}).cacheKey());
    EXPECT_NE(art::carPicture(SprintCarsProfile, {190, 76}).cacheKey(),
              art::carPicture(DirtTrackRacingProfile, {190, 76}).cacheKey());
    EXPECT_NE(art::commandPicture(art::Emblem::Flag, "QUIT", {240, 28}, art::kGold).toImage(),
              art::commandPicture(art::Emblem::Flag, "CLOSE", {240, 28}, art::kGold).toImage());
    EXPECT_NE(art::carPicture(art::CarKind::LateModel, {72, 40}, art::kFlagRed).toImage(),
              art::carPicture(art::CarKind::LateModel, {72, 40}, art::kNightLight).toImage());
}

// A later run of the same build shows the pixels an earlier one drew, exactly, without drawing;
// a damaged or foreign cache file is drawn over.
TEST(GameWindowArtTest, ALaterRunShowsTheDrawnPixelsFromThePictureCache)
{
    int drawn = 0;
    const auto draw = [&drawn] {
        ++drawn;
        QPixmap pixmap(37, 21);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        QLinearGradient fade(0, 0, 37, 0);
        fade.setColorAt(0, QColor(200, 30, 90, 255));
        fade.setColorAt(1, QColor(20, 180, 60, 3)); // low alpha: premultiplied rounding shows
        painter.fillRect(pixmap.rect(), fade);
        return pixmap;
    };
    const QString key = QStringLiteral("cache test");
    const QImage first = art::keptPicture(key, draw).toImage();
    art::forgetKeptPictures();
    EXPECT_EQ(art::keptPicture(key, draw).toImage(), first);
    EXPECT_EQ(drawn, 1);

    const QDir folder(pictureCacheFolder());
    const QStringList files = folder.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QByteArray bytes = fixture::readFile(folder.filePath(file));
        EXPECT_FALSE(decodeCachedPicture(bytes, QStringLiteral("another key")));
        EXPECT_FALSE(decodeCachedPicture(bytes.chopped(1), key));
        fixture::writeFile(folder.filePath(file), bytes.left(bytes.size() / 2));
    }
    art::forgetKeptPictures();
    EXPECT_EQ(art::keptPicture(key, draw).toImage(), first);
    EXPECT_EQ(drawn, 2);
}

TEST(GameWindowArtTest, TheIconIsTheInstalledSvgsDesign)
{
    // Points of data/desktop/tarvelin-setup-utility.svg (256 by 256) and the colour there.
    const QImage icon = art::iconPixmap(256).toImage();
    const struct {
        QPoint at;
        QColor colour;
    } points[] = {
        {{113, 124}, art::kGold},       // the T's bar
        {{113, 180}, art::kGold},       // its stem, left of the centre as in the SVG
        {{40, 141}, art::kDirt},        // the oval's left side, beside its groove
        {{142, 40}, art::kChequerDark}, // the flag's first square
        {{161, 40}, art::kChequerLight}, {{2, 2}, Qt::transparent}, // outside the rounded tile
    };
    for (const auto& point : points) {
        const QColor found = icon.pixelColor(point.at);
        EXPECT_EQ(found.alpha(), point.colour.alpha()) << point.at.x() << "," << point.at.y();
        if (point.colour.alpha() == 255) {
            EXPECT_EQ(found.rgb(), point.colour.rgb()) << point.at.x() << "," << point.at.y();
        }
    }
    const QColor tileTop = icon.pixelColor(128, 12);
    const QColor tileBottom = icon.pixelColor(128, 244);
    EXPECT_LT(qAbs(tileTop.red() - art::kNightLight.red()), 4);
    EXPECT_LT(qAbs(tileBottom.red() - art::kNight.red()), 4);
}

// The pictures a window shows, by the control that shows them: label pixmaps and button icons.
QStringList shownPictures(QWidget* window)
{
    QStringList shown;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (const QPixmap picture = label->pixmap(); !picture.isNull())
            shown << label->objectName() + u' ' + QString::number(picture.cacheKey());
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // Qt's own buttons (the menu bar's overflow arrow) are Qt's business.
        if (!button->icon().isNull() && !button->objectName().startsWith(u"qt_"))
            shown << button->objectName() + u' ' + QString::number(button->icon().cacheKey());
    }
    return shown;
}

TEST(GameWindowArtTest, ASecondGameWindowDrawsNoPictureAgain)
{
    MessageRecorder messages;
    QTemporaryDir scratch;
    Registry registry(scratch.filePath(QStringLiteral("registry.reg")));
    ASSERT_TRUE(registry.ensureCreated());
    const FakeVolumeTable volumes({{QStringLiteral("/"), true}});
    const FakeAddressSource address(QStringLiteral("10.0.0.5"));
    const FakeClock clock(QDateTime(QDate(2024, 6, 1), QTime(9, 30)));
    GameWindowServices services;
    services.volumes = &volumes;
    services.address = &address;
    services.clock = &clock;
    for (const GameProfile* profile : {&DirtTrackRacingProfile, &SprintCarsProfile}) {
        QStringList first;
        {
            auto window = createGameWindow(*profile, registry, services);
            window->show();
            first = shownPictures(window.get());
        }
        auto again = createGameWindow(*profile, registry, services);
        again->show();
        EXPECT_GE(first.size(), 5) << qPrintable(profile->id);
        QStringList drawnAgain;
        for (const QString& shown : shownPictures(again.get()))
            if (!first.contains(shown))
                drawnAgain << shown;
        EXPECT_TRUE(drawnAgain.isEmpty())
            << profile->id.toStdString() << ": " << drawnAgain.join(u',').toStdString();
    }
}

} // namespace
} // namespace tarvelin
