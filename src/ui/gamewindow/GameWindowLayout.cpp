// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/GameWindowLayout.h"

#include "core/app/Links.h"
#include "core/game/GameProfile.h"
#include "ui/art/Artwork.h"
#include "ui/art/MenuPictures.h"
#include "ui/folder/DriveList.h"
#include "ui/folder/FolderList.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/StoreList.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/AddressBox.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/GameStatusBar.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/ProgressPicture.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QGroupBox>
#include <QLineEdit>

namespace tarvelin
{
namespace
{

QLabel* caption(QWidget* parent, const char* name, const QRect& geometry, const QString& text)
{
    auto* label = place(new QLabel(text, parent), name, geometry, text);
    label->setProperty("role", QStringLiteral("caption"));
    // The captions keep their twip widths: the letters shrink to fit rather than be cut off.
    QFont font = parent->font();
    font.setBold(true);
    font.setPixelSize(11);
    while (font.pixelSize() > 7 &&
           QFontMetrics(font).horizontalAdvance(text) > geometry.width() - 2)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    return label;
}

// A number beside its caption, read together with it.
QLabel* counter(QWidget* parent, const char* name, const QRect& geometry, QLabel* caption,
                const QString& description)
{
    auto* label = place(new QLabel(parent), name, geometry);
    label->setProperty("role", QStringLiteral("counter"));
    readWithCaption(label, caption);
    label->setAccessibleDescription(description);
    label->setText(QStringLiteral("0"));
    return label;
}

// A decorative picture: it takes no clicks, so a right-click on it reaches the window.
QLabel* decoration(QWidget* parent, const char* name, const QRect& geometry, const QPixmap& picture,
                   const QString& accessibleName)
{
    auto* label = place(new QLabel(parent), name, geometry, accessibleName);
    label->setPixmap(picture);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// One oval command button: the member that holds it, its object name, place, label and name.
struct OvalButton {
    VBUSoftButton* GameWindowControls::*member;
    const char* objectName;
    int left;
    int top;
    const char* label; // null: the profile's play label
    const QColor& colour;
    VBUSoftButton::Arrow arrow;
    const char* accessibleName; // null: "Play " and the game's title
};

void buildButtons(QWidget* surface, const GameProfile& profile, GameWindowControls& c)
{
    const bool sprint = profile.id == SprintCarsProfile.id;
    using Arrow = VBUSoftButton::Arrow;
    using C = GameWindowControls;
    const OvalButton ovals[] = {
        {&C::exportButton, "VBUSoftButton2", 4200, 3960, "Export", art::kOvalGold, Arrow::Right,
         "Export Setup"},
        {&C::importButton, "VBUSoftButton1", 5760, 3960, "Import", art::kOvalSky, Arrow::Left,
         "Import Setup"},
        {&C::sortButton, "VBUSoftButton9", 4200, 4920, "# Sort", art::kOvalOrange, Arrow::None,
         "Sort Store"},
        {&C::playButton, "VBUSoftButton10", 5760, 4920, nullptr, art::kOvalGreen, Arrow::None,
         nullptr},
        {&C::restoreButton, "VBUSoftButton4", 360, 5880, "Restore", art::kOvalSky, Arrow::None,
         "Restore Store"},
        {&C::deleteSetupButton, "VBUSoftButton5", 2400, 5880, "Delete", art::kOvalRed, Arrow::None,
         "Delete Setup"},
        {&C::downloadButton, "VBUSoftButton3", 4200, 5880, "Download", art::kOvalViolet,
         Arrow::None, "Download Setups"},
        {&C::exitButton, "VBUSoftButton8", 5760, 5880, "X Exit", art::kOvalRed, Arrow::None,
         "Exit"},
        {&C::renameFileButton, "VBUSoftButton6", 7440, 5880, "Rename", art::kOvalGold, Arrow::None,
         "Rename File"},
        {&C::deleteFileButton, "VBUSoftButton7", 9480, 5880, "Delete", art::kOvalRed, Arrow::None,
         "Delete File"},
    };
    for (const OvalButton& oval : ovals) {
        const QString label = oval.label ? QString::fromLatin1(oval.label) : profile.playLabel;
        const QString accessible = oval.accessibleName
                                       ? QString::fromLatin1(oval.accessibleName)
                                       : QStringLiteral("Play ") + profile.gameTitle;
        auto* button = place(new VBUSoftButton(surface), oval.objectName,
                             twipsRect(oval.left, oval.top, 1455, 735), accessible);
        button->setOvalLabel(label, oval.colour, oval.arrow);
        button->setToolTip(accessible);
        c.*oval.member = button;
    }

    QFont captionFont(QStringLiteral("DejaVu Sans"));
    captionFont.setBold(true);
    captionFont.setPixelSize(9);
    auto* controller = place(new VBUSoftButton(surface), "VBUSoftButton11",
                             twipsRect(4100, sprint ? 3360 : 3345, 3135, 255),
                             QStringLiteral("SET AND CALABRATE YOUR GAME CONTROLLER"));
    // Named by its visible caption, so that voice control finds it; the purpose is described.
    controller->setAccessibleDescription(QStringLiteral("Game Controller Settings"));
    controller->setFont(captionFont);
    controller->setCaption(QStringLiteral("SET AND CALABRATE YOUR GAME CONTROLLER"));
    c.controllerButton = controller;

    auto* other = place(new VBUSoftButton(surface), "VBUSoftButton12",
                        twipsRect(4200, 3600, 2895, 255), profile.SwitchButtonCaption);
    other->setAccessibleDescription(QStringLiteral("Switch to ") +
                                    profile.OtherProfile().gameTitle);
    other->setFont(captionFont);
    other->setCaption(profile.SwitchButtonCaption);
    c.otherGameButton = other;
}

void buildStoreGroup(QWidget* surface, const GameProfile& profile, GameWindowControls& c)
{
    // The frames are read by their captions, which change with the chosen setup and folder.
    c.storeFrame = place(new QGroupBox(QStringLiteral("Setup File"), surface), "Frame1",
                         twipsRect(720, 840, 2775, 4575));
    c.storeFrame->setAccessibleDescription(QStringLiteral("Setup store"));
    c.storeList = place(new StoreList(profile.SetupFilePattern, c.storeFrame), "List1",
                        twipsRect(120, 240, 2535, 3840), QStringLiteral("Setups in the store"));
    c.storeList->setToolTip(QStringLiteral("List of all setups in the game."));
    c.storeList->setSelectionMode(QAbstractItemView::SingleSelection);
    c.storeList->setUniformItemSizes(true);
    c.setupNameField = place(new QLineEdit(c.storeFrame), "Text3", twipsRect(120, 4160, 2535, 315),
                             QStringLiteral("Setup name for export"));
    c.setupNameField->setToolTip(QStringLiteral("Rename the setups before export."));

    c.storeTotalCaption =
        caption(surface, "Label3", twipsRect(600, 120, 960, 255), QStringLiteral("Total Setups:"));
    c.storeTotalLabel = counter(surface, "Text6", twipsRect(1560, 120, 540, 255),
                                c.storeTotalCaption, QStringLiteral("Total setups in the store"));
    c.selectedSetupCaption = caption(surface, "Label4", twipsRect(2160, 120, 1200, 255),
                                     QStringLiteral("Selected Setup:"));
    c.selectedPositionLabel =
        counter(surface, "Label9", twipsRect(3360, 120, 540, 255), c.selectedSetupCaption,
                QStringLiteral("Position of the selected setup in the store"));
}

void buildFileGroup(QWidget* surface, const VolumeTable& volumes, GameWindowControls& c)
{
    c.fileFrame = place(new QGroupBox(QStringLiteral("Source Files"), surface), "Frame2",
                        twipsRect(7800, 840, 2775, 4575));
    c.fileFrame->setAccessibleDescription(QStringLiteral("Setup files"));
    c.fileList = place(new SetupFileView(c.fileFrame), "File1", twipsRect(120, 1680, 2535, 2400),
                       QStringLiteral("Setup files in the folder"));
    c.fileList->allowSeveral();
    c.newFileNameField = place(new QLineEdit(c.fileFrame), "Text1", twipsRect(120, 4160, 2535, 315),
                               QStringLiteral("New file name"));
    c.newFileNameField->setToolTip(
        QStringLiteral("The text you want to rename the selected file to."));

    // The drive and folder lists lie over the frame's upper part, in front of it.
    c.driveList = place(new DriveList(volumes, surface), "Drive1", twipsRect(7920, 1080, 2535, 330),
                        QStringLiteral("Drive of the setup folder"));
    c.folderList = place(new FolderList(surface), "Dir1", twipsRect(7920, 1440, 2535, 1050),
                         QStringLiteral("Setup folder"));

    c.fileTotalCaption =
        caption(surface, "Label5", twipsRect(7680, 120, 960, 255), QStringLiteral("Total Setups:"));
    c.fileTotalLabel =
        counter(surface, "Label8", twipsRect(8640, 120, 540, 255), c.fileTotalCaption,
                QStringLiteral("Total setup files in the folder"));
    c.selectedFileCaption = caption(surface, "Label6", twipsRect(9240, 120, 1200, 255),
                                    QStringLiteral("Selected Setup:"));
    c.selectedFileLabel =
        counter(surface, "Label7", twipsRect(10440, 120, 540, 255), c.selectedFileCaption,
                QStringLiteral("Position of the selected file in the folder"));
}

void buildHiddenFields(QWidget* surface, GameWindowControls& c)
{
    // Left of the client area and hidden: they hold values, the player never sees them.
    c.nextSlotField = place(new QLineEdit(surface), "Text4", twipsRect(-2400, 2400, 1200, 285),
                            QStringLiteral("Next free slot"));
    c.gameDirectoryField = place(new QLineEdit(surface), "Text5", twipsRect(-2400, 2760, 1200, 285),
                                 QStringLiteral("Game directory"));
    keepOutOfSight(c.nextSlotField);
    keepOutOfSight(c.gameDirectoryField);

    for (int number = 1; number <= int(c.menuPictures.size()); ++number) {
        const QString name = QStringLiteral("Picture%1").arg(number);
        auto* box = place(new QLabel(surface), name.toLatin1().constData(),
                          QRect(-40, 0, kMenuPictureWidth, kMenuPictureHeight),
                          QStringLiteral("Menu picture %1").arg(number));
        box->setPixmap(drawMenuPicture(number));
        keepOutOfSight(box);
        c.menuPictures[number - 1] = box;
    }
}

void buildStatusArea(QWidget* surface, const GameProfile& profile, const Clock& clock,
                     GameWindowControls& c)
{
    const bool sprint = profile.id == SprintCarsProfile.id;
    const int progressTop = sprint ? 4800 : 4680;
    const QRect progress[] = {twipsRect(5760, progressTop, 1455, 100),
                              twipsRect(4200, progressTop, 1455, 100),
                              twipsRect(4200, 5760, 1455, 100)};
    const char* progressNames[] = {"Import progress", "Export progress", "Sort progress"};
    for (int n = 1; n <= 3; ++n) {
        const QString name = QStringLiteral("picProgress%1").arg(n);
        auto* box = place(new ProgressPicture(surface), name.toLatin1().constData(),
                          progress[n - 1], QString::fromLatin1(progressNames[n - 1]));
        box->setBackground(art::kProgressTrack);
        c.progressPictures[n] = box;
    }

    const int barHeight = 20;
    const QRect client = twipsRect(0, 0, kClientWidthTwips, kClientHeightTwips);
    c.statusBar = place(new GameStatusBar(clock, surface), "StatusBar1",
                        QRect(0, client.height() - barHeight, client.width(), barHeight),
                        QStringLiteral("Status bar"));
    c.addressBox = place(new AddressBox(surface), "Text7", twipsRect(4440, 6840, 2535, 195));
    c.addressBox->raise();

    c.makerSiteLink = place(new ClickableLabel(surface), "Label1", twipsRect(4920, 3120, 2055, 135),
                            QStringLiteral("Game maker's web site"));
    c.makerSiteLink->setText(QString::fromLatin1(links::GameMakerSite));
    c.makerSiteLink->setAlignment(Qt::AlignCenter);
    c.makerSiteLink->setToolTip(QString::fromLatin1(links::GameMakerSite));
}

void buildPictures(QWidget* surface, const GameProfile& profile, GameWindowControls& c)
{
    const QRect client = twipsRect(0, 0, kClientWidthTwips, kClientHeightTwips);
    c.backgroundPicture =
        decoration(surface, "Image3", client, art::windowBackground(client.size()),
                   QStringLiteral("Background"));
    const QRect panel(266, 200, 226, 184);
    c.buttonPanelPicture = decoration(surface, "Image4", panel, art::buttonPanel(panel.size()),
                                      QStringLiteral("Button panel"));
    // The background and the panel behind the buttons carry nothing a player reads.
    leaveOutOfTree(c.backgroundPicture);
    leaveOutOfTree(c.buttonPanelPicture);
    const QRect logo(244, 22, 270, 72);
    c.gameLogoPicture = decoration(surface, "Image8", logo, art::gameLogo(profile, logo.size()),
                                   QStringLiteral("Game logo"));
    const QRect banner(268, 96, 222, 24);
    c.titlePicture = decoration(surface, "Image2", banner, art::setupUtilityBanner(banner.size()),
                                QStringLiteral("SETUP UTILITY"));
    const QRect makers(60, 366, 160, 22);
    c.makersLogoPicture = decoration(surface, "Image10", makers, art::makersLogo(makers.size()),
                                     QStringLiteral("Makers' logo"));
    c.iconPicture = decoration(surface, "Image1", QRect(12, 3, 22, 22), art::iconPixmap(22),
                               QStringLiteral("Utility icon"));

    const QRect car(284, 124, 190, 76);
    c.carPicture = place(new ClickableLabel(surface), "Image5", car,
                         profile.DownloadPicture ? QStringLiteral("Download setups (car picture)")
                                                 : QStringLiteral("Car picture"));
    c.carPicture->setPixmap(art::carPicture(profile, car.size()));
    if (profile.DownloadPicture) {
        c.carPicture->setToolTip(QStringLiteral("Download setups from the web."));
    } else {
        // Here the car is only a picture: no hand pointer, no stop in the Tab order.
        c.carPicture->unsetCursor();
        c.carPicture->setFocusPolicy(Qt::NoFocus);
    }
}

// The Tab key goes as the eye reads the window: the store group, the command block from the top
// down, then the file group, its lists before the buttons that act on them. Creation order (back
// to front) would start with the pictures. The read-only address box is read, not visited.
void orderTabChain(const GameWindowControls& c)
{
    c.addressBox->setFocusPolicy(Qt::NoFocus);
    const QList<QWidget*> chain = {
        c.storeList,        c.setupNameField,   c.carPicture,       c.makerSiteLink,
        c.controllerButton, c.otherGameButton,  c.exportButton,     c.importButton,
        c.sortButton,       c.playButton,       c.restoreButton,    c.deleteSetupButton,
        c.downloadButton,   c.exitButton,       c.driveList,        c.folderList,
        c.fileList,         c.newFileNameField, c.renameFileButton, c.deleteFileButton,
    };
    QWidget* previous = nullptr;
    for (QWidget* widget : chain) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace

GameWindowControls buildGameWindowControls(QWidget* surface, const GameProfile& profile,
                                           const VolumeTable& volumes, const Clock& clock)
{
    GameWindowControls c;
    // Created back to front: the pictures first, so every control stands in front of them.
    buildPictures(surface, profile, c);
    buildStoreGroup(surface, profile, c);
    buildFileGroup(surface, volumes, c);
    buildButtons(surface, profile, c);
    buildStatusArea(surface, profile, clock, c);
    buildHiddenFields(surface, c);
    orderTabChain(c);
    return c;
}

} // namespace tarvelin
