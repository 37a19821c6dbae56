// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/storewindow/StoreWindow.h"

#include "core/files/FileTrashing.h"
#include "core/game/GameProfile.h"
#include "core/motion/BannerStep.h"
#include "core/motion/Twips.h"
#include "core/platform/PathInfo.h"
#include "core/platform/Trash.h"
#include "core/platform/VolumeTable.h"
#include "core/registry/GameDirectoryLookup.h"
#include "core/registry/Registry.h"
#include "ui/Logging.h"
#include "ui/art/Artwork.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/folder/SetupFileView.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QIcon>
#include <QLineEdit>
#include <QTimer>

namespace tarvelin
{

namespace
{

const char kDriveNotAccessible[] =
    "This Drive Is Not Acceseble Please Check To See If Their Is A Disk In It.";

void applyStyle(QWidget* window)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    window->setFont(font);
    window->setStyleSheet(art::paletteStyleSheet(QStringLiteral(R"(
QLabel#Label2 { color: $captionText; font-weight: bold; }
QLabel#Picture1 { background: $bannerFrameFill; border: 1px solid $groupBorder; }
QLabel#Label1 { color: $valueGold; background: transparent; }
QLabel#Label3 { background: $valueGold; }
QFrame#Frame1 { border: 1px solid $groupBorder; border-radius: 6px; background: $groupFill; }
QListView#File1, QTreeWidget#Dir1, QLineEdit, QComboBox {
    background: $fieldFill; color: $fieldText;
    border: 1px solid $fieldBorder; border-radius: 2px;
    selection-background-color: $selectionFill; selection-color: $selectionText;
}
)") + art::kFocusRingRule));
}

} // namespace

StoreWindow::StoreWindow(const GameProfile& profile, Registry* registry,
                         const StoreWindowServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), profile_(profile), registry_(registry), services_(services)
{
    if (!services_.trash)
        services_.trash = (ownTrash_ = std::make_unique<SystemTrash>()).get();
    if (!services_.volumes)
        services_.volumes = (ownVolumes_ = std::make_unique<MountedVolumeTable>()).get();

    setObjectName(profile.storeWindowName);
    setWindowTitle(QStringLiteral("Import And Export Saved Games File"));
    setWindowIcon(art::applicationIcon());
    setAccessibleName(QStringLiteral("Import And Export Saved Games File: ") + profile.gameTitle);
    setFixedSize(twipsRect(0, 0, kStoreClientWidthTwips, kStoreClientHeightTwips).size());
    applyStyle(this);
    controls_ = buildStoreWindowControls(this, profile, *services_.volumes);
    const StoreWindowControls& c = controls_;

    FolderBrowserOptions options{profile.StoreFolderValueName, profile.StoreCopyFileName, {}};
    options.notReadyMessage = [](const QString&) {
        return Message{QString::fromLatin1(kDriveNotAccessible)};
    };
    options.keepUnreadableDriveShown = true;
    browser_ = new FolderBrowser({c.driveList, c.folderList, c.fileList}, std::move(options),
                                 registry_, *services_.volumes, this, this);

    connect(c.importButton, &QAbstractButton::clicked, this, &StoreWindow::importCopy);
    connect(c.exportButton, &QAbstractButton::clicked, this, &StoreWindow::exportCopy);
    connect(c.deleteButton, &QAbstractButton::clicked, this, &StoreWindow::deleteCopy);
    connect(c.closeButton, &QAbstractButton::clicked, this, &StoreWindow::slideAndClose);
    closeOnEscape(this, c.closeButton);
    connect(c.movingBanner, &ClickableLabel::clicked, this, &StoreWindow::widenBanner);
    connect(c.bannerFrame, &ClickableLabel::clicked, this, &StoreWindow::widenBanner);

    // Opening: the lists open on the remembered folder, or on the process's folder; the
    // game directory is looked up as the game window looks it up.
    browser_->openAt(currentFolder());
    if (registry_)
        c.gameDirectoryField->setText(
            lookUpGameDirectory(profile, *registry_, services_.winePrefix));

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kBannerTickMs);
    connect(timer_, &QTimer::timeout, this, &StoreWindow::moveBanner);
    // The whole text shows whichever font stands in for Arial.
    const int textTwips =
        (c.movingBanner->fontMetrics().horizontalAdvance(c.movingBanner->text()) + 4) *
        kTwipsPerPixel;
    bannerWidth_ = qMax(bannerWidth_, textTwips);
    placeBanner();
    timer_->start();
}

StoreWindow::~StoreWindow() = default;

void StoreWindow::moveBanner()
{
    bannerLeft_ = nextBannerLeft(bannerLeft_, bannerWidth_, kBannerFrameTwips.width());
    placeBanner();
}

void StoreWindow::widenBanner()
{
    bannerWidth_ = kBannerFrameTwips.width();
    placeBanner();
}

void StoreWindow::placeBanner()
{
    // The position is kept in twips: reading it back from the pixel geometry would lose the
    // 25-twip steps to rounding.
    controls_.movingBanner->setGeometry(
        twipsRect(bannerLeft_, kBannerTopTwips, bannerWidth_, kBannerHeightTwips));
    controls_.bannerFrame->update();
}

void StoreWindow::exportCopy()
{
    StoreCopyOutcome outcome =
        exportStoreCopy(controls_.gameDirectoryField->text(), browser_->folder(), profile_);
    // A copy already there is replaced only when the player says so, No being the default, as
    // a single setup's export asks; declined, nothing remains to show.
    if (outcome.wouldReplace) {
        if (showMessage(this, outcome.messages.front(), MessageButtons::YesNoDefaultNo) !=
            MessageAnswer::Yes)
            return;
        outcome = exportStoreCopy(controls_.gameDirectoryField->text(), browser_->folder(),
                                  profile_, true);
    }
    if (outcome.store)
        Q_EMIT gameStoreRead(*outcome.store);
    // The copy shows in the list before any message is read.
    browser_->refreshFiles();
    showCommandOutcome(this, outcome, lcStoreWindow());
}

void StoreWindow::importCopy()
{
    const StoreCopyOutcome outcome =
        importStoreCopy(controls_.gameDirectoryField->text(), browser_->folder(),
                        browser_->selectedFile(), profile_);
    if (outcome.store)
        Q_EMIT gameStoreRead(*outcome.store);
    showCommandOutcome(this, outcome, lcStoreWindow());
}

void StoreWindow::deleteCopy()
{
    const TrashOutcome outcome = trashSelectedFile(
        browser_->folder(), browser_->selectedFile(), *services_.trash,
        [this](const Message& question) {
            return showMessage(this, question, MessageButtons::YesNo) == MessageAnswer::Yes;
        });
    showCommandOutcome(this, outcome, lcStoreWindow());
    browser_->refreshFiles();
    if (outcome.noFileSelected)
        controls_.fileList->setFocus();
}

void StoreWindow::slideAndClose()
{
    timer_->stop();
    FormScroll::scrollOutAndClose(*this, profile_.StoreCloseSlide, services_.slidePace);
}

} // namespace tarvelin
