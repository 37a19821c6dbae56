// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/historywindow/HistoryWindowLayout.h"

#include "ui/art/Artwork.h"
#include "ui/historywindow/KeptStoreList.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

namespace tarvelin
{

namespace
{

QLabel* decoration(QWidget* parent, const char* name, const QRect& geometry,
                   const QString& accessibleName)
{
    auto* label = place(new QLabel(parent), name, geometry, accessibleName);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void buildPictures(QWidget* surface, const GameProfile& profile, HistoryWindowControls& c)
{
    c.backgroundPicture =
        decoration(surface, "Image3", {0, 0, kHistoryWindowWidth, kHistoryWindowHeight},
                   QStringLiteral("Background"));
    c.backgroundPicture->setPixmap(art::windowBackground(c.backgroundPicture->size()));
    leaveOutOfTree(c.backgroundPicture);
    c.iconPicture = decoration(surface, "Image1", {8, 8, 32, 32}, QStringLiteral("Utility icon"));
    c.iconPicture->setPixmap(art::iconPixmap(c.iconPicture->width()));
    c.titlePicture =
        decoration(surface, "Image2", {48, 12, 222, 24}, QStringLiteral("Setup Utility banner"));
    c.titlePicture->setPixmap(art::setupUtilityBanner(c.titlePicture->size()));
    c.carPicture = decoration(surface, "Image5", {488, 4, 144, 52}, QStringLiteral("Car picture"));
    c.carPicture->setPixmap(art::carPicture(profile, c.carPicture->size()));
}

void buildGenerations(QWidget* surface, HistoryWindowControls& c)
{
    c.keptStoresCaption = placedLabel(surface, "Label1", {8, 62, 624, 18},
                                      QStringLiteral("&Kept stores, newest first:"));
    c.keptStoreList = place(new KeptStoreList(surface), "List1", {8, 82, 624, 170});
    c.keptStoresCaption->setBuddy(c.keptStoreList);
    nameByCaption(c.keptStoreList, c.keptStoresCaption);
    c.keptStoreList->setColumnCount(4);
    c.keptStoreList->setHeaderLabels({QStringLiteral("Kept"), QStringLiteral("Replaced by"),
                                      QStringLiteral("Setups"), QStringLiteral("Pinned")});
    c.keptStoreList->setRootIsDecorated(false);
    c.keptStoreList->setUniformRowHeights(true);
    c.keptStoreList->setSelectionMode(QAbstractItemView::SingleSelection);
    c.keptStoreList->setAllColumnsShowFocus(true);
    c.keptStoreList->header()->setStretchLastSection(false);
    c.keptStoreList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    c.keptStoreList->setColumnWidth(1, 170);
    c.keptStoreList->setColumnWidth(2, 70);
    c.keptStoreList->setColumnWidth(3, 70);
}

void buildPreview(QWidget* surface, HistoryWindowControls& c)
{
    const char* const captions[] = {
        "Restoring &brings back:", "Restoring &removes:", "Restoring c&hanges:"};
    const char* const names[] = {"Label2", "Label3", "Label4"};
    const char* const lists[] = {"List2", "List3", "List4"};
    for (int i = 0; i < 3; ++i) {
        const int left = 8 + i * 210;
        c.previewCaptions[size_t(i)] =
            placedLabel(surface, names[i], {left, 260, 204, 18}, QString::fromLatin1(captions[i]));
        c.previewLists[size_t(i)] =
            place(new QListWidget(surface), lists[i], {left, 280, 204, 130});
        c.previewCaptions[size_t(i)]->setBuddy(c.previewLists[size_t(i)]);
        nameByCaption(c.previewLists[size_t(i)], c.previewCaptions[size_t(i)]);
        c.previewLists[size_t(i)]->setSelectionMode(QAbstractItemView::NoSelection);
        c.previewLists[size_t(i)]->setUniformItemSizes(true);
    }
    c.previewNote = placedLabel(surface, "Label5", {8, 414, 624, 34});
    c.previewNote->setWordWrap(true);
}

VBUSoftButton* oval(QWidget* surface, const char* name, int left, const char* label,
                    const QColor& colour)
{
    const QString text = QString::fromLatin1(label);
    auto* button = place(new VBUSoftButton(surface), name, {left, 462, 97, 49}, text);
    button->setOvalLabel(text, colour);
    button->setToolTip(text);
    return button;
}

} // namespace

HistoryWindowControls buildHistoryWindowControls(QWidget* surface, const GameProfile& profile)
{
    HistoryWindowControls c;
    buildPictures(surface, profile, c);
    buildGenerations(surface, c);
    buildPreview(surface, c);
    c.restoreButton = oval(surface, "Restore", 8, "Restore", art::kOvalSky);
    c.pinButton = oval(surface, "Pin", 272, "Pin", art::kOvalGold);
    c.closeButton = oval(surface, "Close", 535, "Close", art::kOvalGreen);
    return c;
}

} // namespace tarvelin
