// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/DirectoriesWindow.h"

#include "core/game/GameProfile.h"
#include "core/motion/Twips.h"
#include "core/registry/GameDirectoryLookup.h"
#include "core/registry/Registry.h"
#include "ui/art/Artwork.h"
#include "ui/art/ShellFonts.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

namespace tarvelin
{

namespace
{

// The directory itself: selectable so a player can copy it, and named for screen readers.
QLabel* directoryLabel(QWidget* parent, const char* name, const QRect& place, QLabel* caption,
                       const GameProfile& profile, const Registry& registry)
{
    // A game the registry file does not know is shown where Wine installed it.
    const GameDirectoryFind find = findGameDirectory(profile, registry, QString());
    const QString& directory = find.directory;
    QLabel* value = placedLabel(parent, name, place);
    // Read with the caption above it, as one, so a missing directory is still read by its game.
    readWithCaption(value, caption);
    value->setText(directory);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The path is the window's content: reached by Tab. The prefix the game plays in is told
    // beside it, for the player who keeps several.
    const QString prefix =
        find.in.prefix.isEmpty()
            ? QString()
            : QStringLiteral("Wine prefix: %1 (%2)").arg(find.in.prefix, find.in.origin);
    value->setFocusPolicy(Qt::StrongFocus);
    value->setAccessibleDescription(
        prefix.isEmpty() ? profile.gameTitle + QStringLiteral(" game directory") : prefix);
    value->setToolTip(prefix.isEmpty() ? directory : directory + u'\n' + prefix);
    value->setStyleSheet(art::paletteStyleSheet(
        QStringLiteral("QLabel { background: $directoryFill; color: $cream; "
                       "border: 1px solid $directoryBorder; border-radius: 3px; "
                       "padding: 0 4px; }"
                       "QLabel:focus { border: 2px solid $focusRing; padding: 0 3px; }")));
    return value;
}

} // namespace

DirectoriesWindow::DirectoriesWindow(const Registry& registry, FormScroll::SlidePace slidePace,
                                     QWidget* parent)
    : QWidget(parent), slidePace_(slidePace)
{
    setObjectName(QStringLiteral("Dir"));
    setWindowTitle(QStringLiteral("Dirt Track And Sprint Car Game Directory"));
    setAccessibleName(windowTitle());
    setWindowIcon(art::applicationIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, art::kCream);
    setPalette(colours);

    const QRect folderPlace = twipsRect(240, 180, 600, 540);
    QLabel* folder = placedLabel(this, "Image1", folderPlace, QString());
    folder->setPixmap(art::emblemPicture(art::Emblem::Folder, folderPlace.size()));
    leaveOutOfTree(folder);

    QLabel* title = placedLabel(this, "Label1", twipsRect(960, 180, 7800, 540),
                                QStringLiteral("Ratbag Game Directorys"));
    title->setFont(impactFont(16));
    QPalette gold = title->palette();
    gold.setColor(QPalette::WindowText, art::kGold);
    title->setPalette(gold);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(180, 900, 8640, 2190));
    frame->setStyleSheet(
        art::paletteStyleSheet(QStringLiteral("QFrame#Frame1 { border: 1px solid $panelBorder; "
                                              "border-radius: 8px; background: $panelFill; }")));

    const QRect carPlace = twipsRect(360, 1110, 1080, 600);
    QLabel* lateModel = placedLabel(this, "Image2", carPlace, QString());
    lateModel->setPixmap(art::carPicture(DirtTrackRacingProfile, carPlace.size()));
    lateModel->setAccessibleName(QStringLiteral("Dirt Track Racing car"));
    QLabel* dirtCaption = placedLabel(this, "Label2", twipsRect(1620, 1050, 7020, 300),
                                      DirtTrackRacingProfile.DirectoriesLabel);
    directoryLabel(this, "Label3", twipsRect(1620, 1380, 7020, 360), dirtCaption,
                   DirtTrackRacingProfile, registry);

    QLabel* sprintCar = placedLabel(this, "Image3", twipsRect(360, 2100, 1080, 600), QString());
    sprintCar->setPixmap(art::carPicture(SprintCarsProfile, carPlace.size()));
    sprintCar->setAccessibleName(QStringLiteral("Sprint car"));
    QLabel* sprintCaption = placedLabel(this, "Label4", twipsRect(1620, 2040, 7020, 300),
                                        SprintCarsProfile.DirectoriesLabel);
    directoryLabel(this, "Label5", twipsRect(1620, 2370, 7020, 360), sprintCaption,
                   SprintCarsProfile, registry);

    const QRect stripPlace = twipsRect(180, 3360, 6600, 270);
    QLabel* strip = placedLabel(this, "Image4", stripPlace, QString());
    strip->setPixmap(art::checkeredStrip(stripPlace.size(), 2));
    leaveOutOfTree(strip);

    const QRect closePlace = twipsRect(7020, 3210, 1800, 540);
    auto* close = placedSoftButton(this, "VBUSoftButton1", closePlace,
                                   QStringLiteral("Close the game directories"));
    close->setPicture(art::commandPicture(art::Emblem::CloseRight, QStringLiteral("CLOSE"),
                                          closePlace.size(), art::kGold));
    connect(close, &QAbstractButton::clicked, this, &DirectoriesWindow::closeBySliding);
    closeOnEscape(this, close);

    setFixedSize(twipsToPixels(9000), twipsToPixels(3900));
}

void DirectoriesWindow::closeBySliding()
{
    FormScroll::scrollOutAndClose(*this, SlideDirection::Right, slidePace_);
}

void DirectoriesWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintBackdrop(painter, rect());
}

} // namespace tarvelin
