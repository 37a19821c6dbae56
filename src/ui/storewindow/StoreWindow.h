// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/transfer/StoreCopy.h"
#include "ui/storewindow/StoreWindowLayout.h"
#include "ui/widgets/FormScroll.h"

#include <QWidget>
#include <memory>

class QTimer;

namespace tarvelin
{

struct GameProfile;
class FolderBrowser;
class Registry;
class Trash;
class VolumeTable;

// The platform services of a whole-store window. Each left null uses the machine's own; each
// given one must outlive the window.
struct StoreWindowServices {
    Trash* trash = nullptr;               // where deleted copies go
    const VolumeTable* volumes = nullptr; // the drive list
    QString winePrefix; // where a game missing from the registry file is looked up; empty: default
    FormScroll::SlidePace slidePace = FormScroll::kVisibleSlide; // how the closing slide goes
};

// The whole-store window of one game (`dtrSav` or `ScSav`): copies the game's store out to a
// folder as the profile's StoreCopyFileName, imports such a copy over the store, and deletes
// copies. It opens at the remembered transfer folder and with the game directory the game window
// finds too (the registry file, else the Wine prefix); the banner starts to move at once.
class StoreWindow : public QWidget
{
    Q_OBJECT

public:
    // `registry` may be null: nothing is read or remembered then.
    StoreWindow(const GameProfile& profile, Registry* registry, const StoreWindowServices& services,
                QWidget* parent = nullptr);
    ~StoreWindow() override;

    const GameProfile& profile() const { return profile_; }
    const StoreWindowControls& controls() const { return controls_; }
    FolderBrowser& folderBrowser() const { return *browser_; }
    int bannerLeftTwips() const { return bannerLeft_; }

Q_SIGNALS:
    // The store on disk was read or replaced: the open game window of this game shows it, so
    // that it never writes an older table back over it.
    void gameStoreRead(const tarvelin::StoreState& store);

public Q_SLOTS:
    void importCopy();    // VBUSoftButton1
    void exportCopy();    // VBUSoftButton2
    void deleteCopy();    // VBUSoftButton3
    void slideAndClose(); // VBUSoftButton4

private:
    void moveBanner();
    void widenBanner();
    void placeBanner();

    const GameProfile& profile_;
    Registry* registry_;
    StoreWindowServices services_;
    std::unique_ptr<Trash> ownTrash_;
    std::unique_ptr<VolumeTable> ownVolumes_;
    StoreWindowControls controls_;
    FolderBrowser* browser_ = nullptr;
    QTimer* timer_ = nullptr;
    int bannerLeft_ = kBannerStartLeftTwips;
    int bannerWidth_ = kBannerWidthTwips;
};

} // namespace tarvelin
