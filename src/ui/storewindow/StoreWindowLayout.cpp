#include "ui/storewindow/StoreWindowLayout.h"

#include "core/game/GameProfile.h"
#include "core/motion/Twips.h"
#include "ui/art/Artwork.h"
#include "ui/folder/DriveList.h"
#include "ui/folder/FolderList.h"
#include "ui/folder/SetupFileView.h"
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
    c.Image3 =
        decoration(surface, "Image3", {0, 0, kStoreClientWidthTwips, kStoreClientHeightTwips},
                   QStringLiteral("Background"));
    c.Image3->setPixmap(art::windowBackground(c.Image3->size()));
    c.Image1 = decoration(surface, "Image1", {120, 120, 480, 480}, QStringLiteral("Utility icon"));
    c.Image1->setPixmap(art::iconPixmap(c.Image1->width()));
    c.Image2 = decoration(surface, "Image2", {720, 180, 3330, 360},
                          QStringLiteral("Setup Utility banner"));
    c.Image2->setPixmap(art::setupUtilityBanner(c.Image2->size()));
    c.Image5 = decoration(surface, "Image5", {4320, 60, 2160, 780}, QStringLiteral("Car picture"));
    c.Image5->setPixmap(art::carPicture(profile, c.Image5->size()));
}

void buildBanner(QWidget* surface, StoreWindowControls& c)
{
    c.Picture1 = placeTwips(new ClickableLabel(surface), "Picture1", kBannerFrameTwips,
                            QStringLiteral("Banner frame"));
    c.Picture1->setFrameShape(QFrame::Box);
    c.Picture1->setFocusPolicy(Qt::NoFocus);
    c.Label1 =
        placeTwips(new ClickableLabel(c.Picture1), "Label1",
                   {kBannerStartLeftTwips, kBannerTopTwips, kBannerWidthTwips, kBannerHeightTwips},
                   QStringLiteral("Banner"));
    c.Label1->setText(
        QStringLiteral("This Utility Will Import And Export A  Whole Setup.sav File."));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    arial.setBold(true);
    c.Label1->setFont(arial);
    c.Label1->setFocusPolicy(Qt::NoFocus);
}

void buildFolderGroup(QWidget* surface, const GameProfile& profile, const VolumeTable& volumes,
                      StoreWindowControls& c)
{
    c.Label2 = placeTwips(new QLabel(profile.StoreDirectoryLabel, surface), "Label2",
                          {120, 1500, 3000, 255}, QStringLiteral("Game directory caption"));
    c.Text1 = placeTwips(new QLineEdit(surface), "Text1", {120, 1770, 6360, 315},
                         QStringLiteral("Game directory"));
    c.Text1->setToolTip(QStringLiteral("Current Dirt Track Racing Directory"));

    c.Frame1 = placeTwips(new QFrame(surface), "Frame1", {120, 2220, 6360, 2100},
                          QStringLiteral("Transfer folder group"));
    c.Frame1->setFrameShape(QFrame::StyledPanel);
    c.Drive1 = placeTwips(new DriveList(volumes, surface), "Drive1", {240, 2340, 3000, 330},
                          QStringLiteral("Drive of the transfer folder"));
    c.Drive1->setToolTip(QStringLiteral("Drive Select"));
    c.Dir1 = placeTwips(new FolderList(surface), "Dir1", {240, 2730, 3000, 1470},
                        QStringLiteral("Transfer folder"));
    c.Dir1->setToolTip(QStringLiteral("Folder Select"));
    c.File1 = placeTwips(new SetupFileView(surface), "File1", {3360, 2340, 3000, 1860},
                         QStringLiteral("Whole-store copy in the folder"));
    c.File1->setToolTip(QStringLiteral("File Select"));
    c.Label3 = decoration(surface, "Label3", {120, 4350, 6360, 30}, QStringLiteral("Divider"));
}

void buildButtons(QWidget* surface, StoreWindowControls& c)
{
    struct Oval {
        int number;
        int left;
        const char* label;
        QColor colour;
        const char* accessibleName;
    };
    const Oval ovals[] = {
        {2, 120, "Export", QColor(0xff, 0xd4, 0x5a), "Export Whole Store"},
        {1, 1755, "Import", QColor(0x7c, 0xd0, 0xff), "Import Whole Store"},
        {3, 3390, "Delete", QColor(0xff, 0x6b, 0x5a), "Delete Store Copy"},
        {4, 5025, "Close", QColor(0x7c, 0xf0, 0x7a), "Close Import And Export"},
    };
    for (const Oval& oval : ovals) {
        const QByteArray name = QStringLiteral("VBUSoftButton%1").arg(oval.number).toLatin1();
        auto* button =
            placeTwips(new VBUSoftButton(surface), name.constData(), {oval.left, 4440, 1455, 735},
                       QString::fromLatin1(oval.accessibleName));
        button->setOvalLabel(QString::fromLatin1(oval.label), oval.colour);
        button->setToolTip(button->accessibleName());
        c.button[size_t(oval.number)] = button;
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
