#include "ui/gamewindow/GameWindowLayout.h"

#include "core/app/Links.h"
#include "core/game/GameProfile.h"
#include "ui/art/Artwork.h"
#include "ui/art/MenuPictures.h"
#include "ui/folder/DriveList.h"
#include "ui/folder/FolderList.h"
#include "ui/folder/SetupFileView.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/AddressBox.h"
#include "ui/widgets/ChoiceList.h"
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
QLabel* counter(QWidget* parent, const char* name, const QRect& geometry, const QLabel* caption,
                const QString& description)
{
    auto* label = place(new QLabel(parent), name, geometry);
    label->setProperty("role", QStringLiteral("counter"));
    readWithCaption(label, caption->text());
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

struct OvalButton {
    int number;
    int left;
    int top;
    const char* label;
    QColor colour;
    VBUSoftButton::Arrow arrow;
    const char* accessibleName;
};

void buildButtons(QWidget* surface, const GameProfile& profile, GameWindowControls& c)
{
    const bool sprint = profile.id == SprintCarsProfile.id;
    const QColor gold(0xff, 0xd4, 0x5a);
    const QColor green(0x7c, 0xf0, 0x7a);
    const QColor sky(0x7c, 0xd0, 0xff);
    const QColor red(0xff, 0x6b, 0x5a);
    const OvalButton ovals[] = {
        {2, 4200, 3960, "Export", gold, VBUSoftButton::Arrow::Right, "Export Setup"},
        {1, 5760, 3960, "Import", sky, VBUSoftButton::Arrow::Left, "Import Setup"},
        {9, 4200, 4920, "# Sort", QColor(0xff, 0xa5, 0x3c), VBUSoftButton::Arrow::None,
         "Sort Store"},
        {10, 5760, 4920, nullptr, green, VBUSoftButton::Arrow::None, nullptr},
        {4, 360, 5880, "Restore", sky, VBUSoftButton::Arrow::None, "Restore Store"},
        {5, 2400, 5880, "Delete", red, VBUSoftButton::Arrow::None, "Delete Setup"},
        {3, 4200, 5880, "Download", QColor(0xd6, 0x9c, 0xff), VBUSoftButton::Arrow::None,
         "Download Setups"},
        {8, 5760, 5880, "X Exit", red, VBUSoftButton::Arrow::None, "Exit"},
        {6, 7440, 5880, "Rename", gold, VBUSoftButton::Arrow::None, "Rename File"},
        {7, 9480, 5880, "Delete", red, VBUSoftButton::Arrow::None, "Delete File"},
    };
    for (const OvalButton& oval : ovals) {
        const QString name = QStringLiteral("VBUSoftButton%1").arg(oval.number);
        const QString label = oval.label ? QString::fromLatin1(oval.label) : profile.playLabel;
        const QString accessible = oval.accessibleName
                                       ? QString::fromLatin1(oval.accessibleName)
                                       : QStringLiteral("Play ") + profile.gameTitle;
        auto* button = place(new VBUSoftButton(surface), name.toLatin1().constData(),
                             twipsRect(oval.left, oval.top, 1455, 735), accessible);
        button->setOvalLabel(label, oval.colour, oval.arrow);
        button->setToolTip(accessible);
        c.button[oval.number] = button;
    }

    QFont captionFont(QStringLiteral("DejaVu Sans"));
    captionFont.setBold(true);
    captionFont.setPixelSize(9);
    auto* controller = place(new VBUSoftButton(surface), "VBUSoftButton11",
                             twipsRect(4100, sprint ? 3360 : 3345, 3135, 255),
                             QStringLiteral("Game Controller Settings"));
    controller->setFont(captionFont);
    controller->setCaption(QStringLiteral("SET AND CALABRATE YOUR GAME CONTROLLER"));
    c.button[11] = controller;

    auto* other =
        place(new VBUSoftButton(surface), "VBUSoftButton12", twipsRect(4200, 3600, 2895, 255),
              QStringLiteral("Switch to ") + profile.OtherProfile().gameTitle);
    other->setFont(captionFont);
    other->setCaption(profile.SwitchButtonCaption);
    c.button[12] = other;
}

void buildStoreGroup(QWidget* surface, GameWindowControls& c)
{
    // The frames are read by their captions, which change with the chosen setup and folder.
    c.Frame1 = place(new QGroupBox(QStringLiteral("Setup File"), surface), "Frame1",
                     twipsRect(720, 840, 2775, 4575));
    c.Frame1->setAccessibleDescription(QStringLiteral("Setup store"));
    c.List1 = place(new ChoiceList(c.Frame1), "List1", twipsRect(120, 240, 2535, 3840),
                    QStringLiteral("Setups in the store"));
    c.List1->setToolTip(QStringLiteral("List of all setups in the game."));
    c.List1->setSelectionMode(QAbstractItemView::SingleSelection);
    c.List1->setUniformItemSizes(true);
    c.Text3 = place(new QLineEdit(c.Frame1), "Text3", twipsRect(120, 4160, 2535, 315),
                    QStringLiteral("Setup name for export"));
    c.Text3->setToolTip(QStringLiteral("Rename the setups before export."));

    c.Label3 =
        caption(surface, "Label3", twipsRect(600, 120, 960, 255), QStringLiteral("Total Setups:"));
    c.Text6 = counter(surface, "Text6", twipsRect(1560, 120, 540, 255), c.Label3,
                      QStringLiteral("Total setups in the store"));
    c.Label4 = caption(surface, "Label4", twipsRect(2160, 120, 1200, 255),
                       QStringLiteral("Selected Setup:"));
    c.Label9 = counter(surface, "Label9", twipsRect(3360, 120, 540, 255), c.Label4,
                       QStringLiteral("Position of the selected setup in the store"));
}

void buildFileGroup(QWidget* surface, const VolumeTable& volumes, GameWindowControls& c)
{
    c.Frame2 = place(new QGroupBox(QStringLiteral("Source Files"), surface), "Frame2",
                     twipsRect(7800, 840, 2775, 4575));
    c.Frame2->setAccessibleDescription(QStringLiteral("Setup files"));
    c.File1 = place(new SetupFileView(c.Frame2), "File1", twipsRect(120, 1680, 2535, 2400),
                    QStringLiteral("Setup files in the folder"));
    c.Text1 = place(new QLineEdit(c.Frame2), "Text1", twipsRect(120, 4160, 2535, 315),
                    QStringLiteral("New file name"));
    c.Text1->setToolTip(QStringLiteral("The text you want to rename the selected file to."));

    // The drive and folder lists lie over the frame's upper part, in front of it.
    c.Drive1 = place(new DriveList(volumes, surface), "Drive1", twipsRect(7920, 1080, 2535, 330),
                     QStringLiteral("Drive of the setup folder"));
    c.Dir1 = place(new FolderList(surface), "Dir1", twipsRect(7920, 1440, 2535, 1050),
                   QStringLiteral("Setup folder"));

    c.Label5 =
        caption(surface, "Label5", twipsRect(7680, 120, 960, 255), QStringLiteral("Total Setups:"));
    c.Label8 = counter(surface, "Label8", twipsRect(8640, 120, 540, 255), c.Label5,
                       QStringLiteral("Total setup files in the folder"));
    c.Label6 = caption(surface, "Label6", twipsRect(9240, 120, 1200, 255),
                       QStringLiteral("Selected Setup:"));
    c.Label7 = counter(surface, "Label7", twipsRect(10440, 120, 540, 255), c.Label6,
                       QStringLiteral("Position of the selected file in the folder"));
}

void buildHiddenFields(QWidget* surface, GameWindowControls& c)
{
    // Left of the client area and hidden: they hold values, the player never sees them.
    c.Text4 = place(new QLineEdit(surface), "Text4", twipsRect(-2400, 2400, 1200, 285),
                    QStringLiteral("Next free slot"));
    c.Text5 = place(new QLineEdit(surface), "Text5", twipsRect(-2400, 2760, 1200, 285),
                    QStringLiteral("Game directory"));
    keepOutOfSight(c.Text4);
    keepOutOfSight(c.Text5);

    for (int number = 1; number <= int(c.Picture.size()); ++number) {
        const QString name = QStringLiteral("Picture%1").arg(number);
        auto* box = place(new QLabel(surface), name.toLatin1().constData(),
                          QRect(-40, 0, kMenuPictureWidth, kMenuPictureHeight),
                          QStringLiteral("Menu picture %1").arg(number));
        box->setPixmap(drawMenuPicture(number));
        keepOutOfSight(box);
        c.Picture[number - 1] = box;
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
        box->setBackground(QColor(0x0d, 0x11, 0x18));
        c.picProgress[n] = box;
    }

    const int barHeight = 20;
    const QRect client = twipsRect(0, 0, kClientWidthTwips, kClientHeightTwips);
    c.StatusBar1 = place(new GameStatusBar(clock, surface), "StatusBar1",
                         QRect(0, client.height() - barHeight, client.width(), barHeight),
                         QStringLiteral("Status bar"));
    c.Text7 = place(new AddressBox(surface), "Text7", twipsRect(4440, 6840, 2535, 195));
    c.Text7->raise();

    c.Label1 = place(new ClickableLabel(surface), "Label1", twipsRect(4920, 3120, 2055, 135),
                     QStringLiteral("Game maker's web site"));
    c.Label1->setText(QString::fromLatin1(links::GameMakerSite));
    c.Label1->setAlignment(Qt::AlignCenter);
    c.Label1->setToolTip(QString::fromLatin1(links::GameMakerSite));
}

void buildPictures(QWidget* surface, const GameProfile& profile, GameWindowControls& c)
{
    const QRect client = twipsRect(0, 0, kClientWidthTwips, kClientHeightTwips);
    c.Image3 = decoration(surface, "Image3", client, art::windowBackground(client.size()),
                          QStringLiteral("Background"));
    const QRect panel(266, 200, 226, 184);
    c.Image4 = decoration(surface, "Image4", panel, art::buttonPanel(panel.size()),
                          QStringLiteral("Button panel"));
    const QRect logo(244, 22, 270, 72);
    c.Image8 = decoration(surface, "Image8", logo, art::gameLogo(profile, logo.size()),
                          QStringLiteral("Game logo"));
    const QRect banner(268, 96, 222, 24);
    c.Image2 = decoration(surface, "Image2", banner, art::setupUtilityBanner(banner.size()),
                          QStringLiteral("SETUP UTILITY"));
    const QRect makers(60, 366, 160, 22);
    c.Image10 = decoration(surface, "Image10", makers, art::makersLogo(makers.size()),
                           QStringLiteral("Makers' logo"));
    c.Image1 = decoration(surface, "Image1", QRect(12, 3, 22, 22), art::iconPixmap(22),
                          QStringLiteral("Utility icon"));

    const QRect car(284, 124, 190, 76);
    c.Image5 = place(new ClickableLabel(surface), "Image5", car,
                     profile.DownloadPicture ? QStringLiteral("Download setups (car picture)")
                                             : QStringLiteral("Car picture"));
    c.Image5->setPixmap(art::carPicture(profile, car.size()));
    if (profile.DownloadPicture) {
        c.Image5->setToolTip(QStringLiteral("Download setups from the web."));
    } else {
        // Here the car is only a picture: no hand pointer, no stop in the Tab order.
        c.Image5->unsetCursor();
        c.Image5->setFocusPolicy(Qt::NoFocus);
    }
}

// The Tab key goes as the eye reads the window: the store group, the command block from the top
// down, then the file group. Creation order (back to front) would start with the pictures.
void orderTabChain(const GameWindowControls& c)
{
    const QList<QWidget*> chain = {
        c.List1,     c.Text3,     c.Image5,    c.Label1,     c.button[11], c.button[12],
        c.button[2], c.button[1], c.button[9], c.button[10], c.button[4],  c.button[5],
        c.button[3], c.button[8], c.button[6], c.button[7],  c.Text7,      c.Drive1,
        c.Dir1,      c.File1,     c.Text1,
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
    buildStoreGroup(surface, c);
    buildFileGroup(surface, volumes, c);
    buildButtons(surface, profile, c);
    buildStatusArea(surface, profile, clock, c);
    buildHiddenFields(surface, c);
    orderTabChain(c);
    return c;
}

} // namespace tarvelin
