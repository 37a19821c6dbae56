// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/StartWindow.h"

#include "core/app/Links.h"
#include "core/game/GameProfile.h"
#include "core/motion/Twips.h"
#include "ui/art/Artwork.h"
#include "ui/art/ShellFonts.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

namespace tarvelin
{

namespace
{

QLabel* picture(QWidget* parent, const char* name, const QRect& place, const QPixmap& pixmap,
                const QString& accessibleName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setPixmap(pixmap);
    label->setAccessibleName(accessibleName);
    return label;
}

} // namespace

StartWindow::StartWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Tarvelin Setup Utility Start"));
    setAccessibleName(QStringLiteral("Tarvelin Setup Utility Start"));
    setWindowIcon(art::applicationIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, art::kCream);
    setPalette(colours);

    buildPictures();
    buildAdjustments();
    buildStatusBar();
    setFixedSize(twipsToPixels(kClientWidthTwips),
                 twipsToPixels(kClientHeightTwips) + findChild<QStatusBar*>()->height());
}

void StartWindow::buildPictures()
{
    const QRect bannerPlace = twipsRect(0, 0, 8100, 1080);
    picture(this, "Image1", bannerPlace, art::utilityBanner(bannerPlace.size()),
            QStringLiteral("Tarvelin Setup Utility banner"));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(180, 1200, 7740, 3000));
    frame->setStyleSheet(art::paletteStyleSheet(
        QStringLiteral("QFrame#Frame1 { border: 1px solid $panelBorder; "
                       "border-radius: 10px; background: $startPanelFill; }")));

    const QRect dirtPlace = twipsRect(360, 1380, 3600, 2250);
    VBUSoftButton* dirt = placedSoftButton(this, "VBUSoftButton1", dirtPlace,
                                           QStringLiteral("Open the Dirt Track Racing setups"));
    dirt->setPicture(art::gamePicture(DirtTrackRacingProfile, dirtPlace.size()));
    connect(dirt, &QAbstractButton::clicked, this,
            [this] { Q_EMIT gameChosen(&DirtTrackRacingProfile); });

    const QRect sprintPlace = twipsRect(4140, 1380, 3600, 2250);
    VBUSoftButton* sprint = placedSoftButton(this, "VBUSoftButton2", sprintPlace,
                                             QStringLiteral("Open the Sprint Cars setups"));
    sprint->setPicture(art::gamePicture(SprintCarsProfile, sprintPlace.size()));
    connect(sprint, &QAbstractButton::clicked, this,
            [this] { Q_EMIT gameChosen(&SprintCarsProfile); });

    const QRect directoriesPlace = twipsRect(360, 3720, 3600, 420);
    VBUSoftButton* directories = placedSoftButton(this, "VBUSoftButton4", directoriesPlace,
                                                  QStringLiteral("Show the game directories"));
    directories->setPicture(art::commandPicture(art::Emblem::Folder,
                                                QStringLiteral("GAME DIRECTORIES"),
                                                directoriesPlace.size(), art::kGold));
    connect(directories, &QAbstractButton::clicked, this, &StartWindow::directoriesRequested);

    const QRect quitPlace = twipsRect(4140, 3720, 3600, 420);
    VBUSoftButton* quit =
        placedSoftButton(this, "VBUSoftButton3", quitPlace, QStringLiteral("Quit"));
    quit->setPicture(art::commandPicture(art::Emblem::Flag, QStringLiteral("QUIT"),
                                         quitPlace.size(), art::kQuitAccent));
    connect(quit, &QAbstractButton::clicked, this, &StartWindow::quitRequested);
}

void StartWindow::buildAdjustments()
{
    auto* heading = new QLabel(QStringLiteral("QUICK SYSTEM ADJUSTMENTS"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(twipsRect(360, 4380, 7380, 330));
    heading->setFont(impactFont(13));
    QPalette gold = heading->palette();
    gold.setColor(QPalette::WindowText, art::kGold);
    heading->setPalette(gold);

    const QRect iconPlace = twipsRect(360, 4800, 420, 420);
    picture(this, "Image2", iconPlace,
            art::emblemPicture(art::Emblem::Controller, iconPlace.size()),
            QStringLiteral("Game controller picture"));
    VBUSoftButton* controllers =
        placedSoftButton(this, "VBUSoftButton5", twipsRect(900, 4800, 6840, 420),
                         QStringLiteral("Set and calibrate your game controllers"));
    controllers->setCaption(QStringLiteral("Set And Calibrate Your Game Controllers "));
    controllers->setFont(impactFont(12));
    connect(controllers, &QAbstractButton::clicked, this,
            &StartWindow::controllerSettingsRequested);

    const QRect speakerPlace = twipsRect(360, 5310, 420, 420);
    picture(this, "Image3", speakerPlace,
            art::emblemPicture(art::Emblem::Speaker, speakerPlace.size()),
            QStringLiteral("Speaker picture"));
    VBUSoftButton* volume =
        placedSoftButton(this, "VBUSoftButton6", twipsRect(900, 5310, 6840, 420),
                         QStringLiteral("Adjust your volume"));
    volume->setCaption(QStringLiteral("Adjust Your Volume Properties"));
    volume->setFont(impactFont(12));
    connect(volume, &QAbstractButton::clicked, this, &StartWindow::volumeRequested);

    auto* link = new ClickableLabel(this);
    link->setObjectName(QStringLiteral("Label10"));
    link->setGeometry(twipsRect(360, 5880, 7380, 270));
    link->setText(QString::fromLatin1(links::GameMakerSite));
    link->setAlignment(Qt::AlignCenter);
    link->setAccessibleName(QStringLiteral("Open the game maker's web site"));
    link->setToolTip(QString::fromLatin1(links::GameMakerSite));
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    QPalette linkColour = link->palette();
    linkColour.setColor(QPalette::WindowText, art::kStartLink);
    link->setPalette(linkColour);
    connect(link, &ClickableLabel::clicked, this, &StartWindow::gameMakerSiteRequested);
}

void StartWindow::buildStatusBar()
{
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    status->setStyleSheet(art::paletteStyleSheet(
        QStringLiteral("QStatusBar { background: $startStatusFill; color: $cream; }"
                       "QStatusBar QLabel { color: $cream; padding: 0 6px; }"
                       "QStatusBar::item { border: 1px solid $startStatusBorder; }")));
    auto* text = new QLabel(QStringLiteral("Status"), status);
    text->setObjectName(QStringLiteral("statusText"));
    clock_ = new QLabel(status);
    clock_->setObjectName(QStringLiteral("statusClock"));
    clock_->setAccessibleDescription(QStringLiteral("Current time"));
    status->addWidget(text, 1);
    status->addPermanentWidget(clock_);
    const int height = status->sizeHint().height();
    status->setGeometry(0, twipsToPixels(kClientHeightTwips), twipsToPixels(kClientWidthTwips),
                        height);
    updateClock();
    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(1000);
    connect(clockTimer_, &QTimer::timeout, this, &StartWindow::updateClock);
    clockTimer_->start();
}

void StartWindow::updateClock()
{
    clock_->setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
}

void StartWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintBackdrop(painter, rect());
}

} // namespace tarvelin
