#include "ui/art/GameWindowArt.h"

#include "core/game/GameProfile.h"
#include "ui/art/MenuPictures.h"

#include <QImage>
#include <QSet>
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
                                   art::utilityIcon(22), art::utilityIcon(256)})
        EXPECT_GE(opaqueColours(picture), 8);
    // Sizes a window might ask for by mistake still give a picture, never a crash.
    EXPECT_FALSE(art::gameLogo(SprintCarsProfile, {0, 0}).isNull());
}

} // namespace
} // namespace tarvelin
