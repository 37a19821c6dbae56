#include "ui/historywindow/HistoryWindowLayout.h"

#include "ui/art/Artwork.h"
#include "ui/historywindow/KeptStoreList.h"
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
    c.Image3 = decoration(surface, "Image3", {0, 0, kHistoryWindowWidth, kHistoryWindowHeight},
                          QStringLiteral("Background"));
    c.Image3->setPixmap(art::windowBackground(c.Image3->size()));
    c.Image1 = decoration(surface, "Image1", {8, 8, 32, 32}, QStringLiteral("Utility icon"));
    c.Image1->setPixmap(art::iconPixmap(c.Image1->width()));
    c.Image2 =
        decoration(surface, "Image2", {48, 12, 222, 24}, QStringLiteral("Setup Utility banner"));
    c.Image2->setPixmap(art::setupUtilityBanner(c.Image2->size()));
    c.Image5 = decoration(surface, "Image5", {488, 4, 144, 52}, QStringLiteral("Car picture"));
    c.Image5->setPixmap(art::carPicture(profile, c.Image5->size()));
}

void buildGenerations(QWidget* surface, HistoryWindowControls& c)
{
    c.Label1 = placedLabel(surface, "Label1", {8, 62, 624, 18},
                           QStringLiteral("&Kept stores, newest first:"));
    c.List1 = place(new KeptStoreList(surface), "List1", {8, 82, 624, 170},
                    QStringLiteral("Kept stores, newest first"));
    c.Label1->setBuddy(c.List1);
    c.List1->setColumnCount(4);
    c.List1->setHeaderLabels({QStringLiteral("Kept"), QStringLiteral("Replaced by"),
                              QStringLiteral("Setups"), QStringLiteral("Pinned")});
    c.List1->setRootIsDecorated(false);
    c.List1->setUniformRowHeights(true);
    c.List1->setSelectionMode(QAbstractItemView::SingleSelection);
    c.List1->setAllColumnsShowFocus(true);
    c.List1->header()->setStretchLastSection(false);
    c.List1->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    c.List1->setColumnWidth(1, 170);
    c.List1->setColumnWidth(2, 70);
    c.List1->setColumnWidth(3, 70);
}

void buildPreview(QWidget* surface, HistoryWindowControls& c)
{
    const char* const captions[] = {
        "Restoring &brings back:", "Restoring &removes:", "Restoring c&hanges:"};
    const char* const names[] = {"Label2", "Label3", "Label4"};
    const char* const lists[] = {"List2", "List3", "List4"};
    const char* const accessible[] = {"Restoring brings back", "Restoring removes",
                                      "Restoring changes"};
    for (int i = 0; i < 3; ++i) {
        const int left = 8 + i * 210;
        c.caption[size_t(i)] =
            placedLabel(surface, names[i], {left, 260, 204, 18}, QString::fromLatin1(captions[i]));
        c.preview[size_t(i)] = place(new QListWidget(surface), lists[i], {left, 280, 204, 130},
                                     QString::fromLatin1(accessible[i]));
        c.caption[size_t(i)]->setBuddy(c.preview[size_t(i)]);
        c.preview[size_t(i)]->setSelectionMode(QAbstractItemView::NoSelection);
        c.preview[size_t(i)]->setUniformItemSizes(true);
    }
    c.Label5 = placedLabel(surface, "Label5", {8, 414, 624, 34});
    c.Label5->setWordWrap(true);
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
    c.Restore = oval(surface, "Restore", 8, "Restore", QColor(0x7c, 0xd0, 0xff));
    c.Pin = oval(surface, "Pin", 272, "Pin", QColor(0xff, 0xd4, 0x5a));
    c.Close = oval(surface, "Close", 535, "Close", QColor(0x7c, 0xf0, 0x7a));
    return c;
}

} // namespace tarvelin
