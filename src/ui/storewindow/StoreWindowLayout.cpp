// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/storewindow/StoreWindowLayout.h"

#include "core/game/GameProfile.h"
#include "core/motion/Twips.h"
#include "ui/art/Artwork.h"
#include "ui/folder/DriveList.h"
#include "ui/folder/FolderList.h"
#include "ui/folder/SetupFileView.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace tarvelin
{
namespace
{

// The whole-store window's places are written in twips; every control has an accessible name.
template <typename Widget>
Widget* placeTwips(Widget* widget, const char* objectName, const QRect& geometryTwips,
                   const QString& accessibleName)
{
    return place(widget, objectName, twipsRect(geometryTwips), accessibleName);
}

// Decorations take no clicks and no focus.
QLabel* decoration(QWidget* parent, const char* name, const QRect& geometryTwips,
                   const QString& accessibleName)
{
    auto* label = placeTwips(new QLabel(parent), name, geometryTwips, accessibleName);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void buildPictures(QWidget* surface, const GameProfile& profile, StoreWindowControls& c)
{
    c.backgroundPicture =
        decoration(surface, "Image3", {0, 0, kStoreClientWidthTwips, kStoreClientHeightTwips},
                   QStringLiteral("Background"));
    c.backgroundPicture->setPixmap(art::windowBackground(c.backgroundPicture->size()));
    leaveOutOfTree(c.backgroundPicture);
    c.iconPicture =
        decoration(surface, "Image1", {120, 120, 480, 480}, QStringLiteral("Utility icon"));
    c.iconPicture->setPixmap(art::iconPixmap(c.iconPicture->width()));
    c.titlePicture = decoration(surface, "Image2", {720, 180, 3330, 360},
                                QStringLiteral("Setup Utility banner"));
    c.titlePicture->setPixmap(art::setupUtilityBanner(c.titlePicture->size()));
    c.carPicture =
        decoration(surface, "Image5", {4320, 60, 2160, 780}, QStringLiteral("Car picture"));
    c.carPicture->setPixmap(art::carPicture(profile, c.carPicture->size()));
}

void buildBanner(QWidget* surface, StoreWindowControls& c)
{
    // Unnamed: the frame is only the banner's border, read as the group that holds it.
    c.bannerFrame = placeTwips(new ClickableLabel(surface), "Picture1", kBannerFrameTwips, {});
    c.bannerFrame->setFrameShape(QFrame::Box);
    c.bannerFrame->setFocusPolicy(Qt::NoFocus);
    const QString bannerText =
        QStringLiteral("This Utility Will Import And Export A  Whole Setup.sav File.");
    c.movingBanner =
        placeTwips(new ClickableLabel(c.bannerFrame), "Label1",
                   {kBannerStartLeftTwips, kBannerTopTwips, kBannerWidthTwips, kBannerHeightTwips},
                   bannerText);
    c.movingBanner->setText(bannerText);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    arial.setBold(true);
    c.movingBanner->setFont(arial);
    c.movingBanner->setFocusPolicy(Qt::NoFocus);
}

void buildFolderGroup(QWidget* surface, const GameProfile& profile, const VolumeTable& volumes,
                      StoreWindowControls& c)
{
    c.gameDirectoryCaption = placeTwips(new QLabel(profile.StoreDirectoryLabel, surface), "Label2",
                                        {120, 1500, 3000, 255}, profile.StoreDirectoryLabel);
    c.gameDirectoryField = placeTwips(new QLineEdit(surface), "Text1", {120, 1770, 6360, 315},
                                      QStringLiteral("Game directory"));
    c.gameDirectoryField->setToolTip(QStringLiteral("Current Dirt Track Racing Directory"));
    nameByCaption(c.gameDirectoryField, c.gameDirectoryCaption);

    c.folderFrame = placeTwips(new QFrame(surface), "Frame1", {120, 2220, 6360, 2100},
                               QStringLiteral("Transfer folder group"));
    c.folderFrame->setFrameShape(QFrame::StyledPanel);
    // Only the border around the folder's controls, which are read on their own.
    leaveOutOfTree(c.folderFrame);
    c.driveList = placeTwips(new DriveList(volumes, surface), "Drive1", {240, 2340, 3000, 330},
                             QStringLiteral("Drive of the transfer folder"));
    c.driveList->setToolTip(QStringLiteral("Drive Select"));
    c.folderList = placeTwips(new FolderList(surface), "Dir1", {240, 2730, 3000, 1470},
                              QStringLiteral("Transfer folder"));
    c.folderList->setToolTip(QStringLiteral("Folder Select"));
    c.fileList = placeTwips(new SetupFileView(surface), "File1", {3360, 2340, 3000, 1860},
                            QStringLiteral("Whole-store copy in the folder"));
    c.fileList->setToolTip(QStringLiteral("File Select"));
    c.divider = decoration(surface, "Label3", {120, 4350, 6360, 30}, QStringLiteral("Divider"));
    leaveOutOfTree(c.divider);
}

void buildButtons(QWidget* surface, StoreWindowControls& c)
{
    struct Oval {
        VBUSoftButton* StoreWindowControls::*member;
        const char* objectName;
        int left;
        const char* label;
        const QColor& colour;
        const char* accessibleName;
    };
    using C = StoreWindowControls;
    const Oval ovals[] = {
        {&C::exportButton, "VBUSoftButton2", 120, "Export", art::kOvalGold, "Export Whole Store"},
        {&C::importButton, "VBUSoftButton1", 1755, "Import", art::kOvalSky, "Import Whole Store"},
        {&C::deleteButton, "VBUSoftButton3", 3390, "Delete", art::kOvalRed, "Delete Store Copy"},
        {&C::closeButton, "VBUSoftButton4", 5025, "Close", art::kOvalGreen,
         "Close Import And Export"},
    };
    for (const Oval& oval : ovals) {
        auto* button =
            placeTwips(new VBUSoftButton(surface), oval.objectName, {oval.left, 4440, 1455, 735},
                       QString::fromLatin1(oval.accessibleName));
        button->setOvalLabel(QString::fromLatin1(oval.label), oval.colour);
        button->setToolTip(button->accessibleName());
        c.*oval.member = button;
    }
}

} // namespace

StoreWindowControls buildStoreWindowControls(QWidget* surface, const GameProfile& profile,
                                             const VolumeTable& volumes)
{
    StoreWindowControls c;
    buildPictures(surface, profile, c);
    buildBanner(surface, c);
    buildFolderGroup(surface, profile, volumes, c);
    buildButtons(surface, c);
    return c;
}

} // namespace tarvelin
