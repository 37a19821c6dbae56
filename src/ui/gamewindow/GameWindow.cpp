// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/GameWindow.h"

#include "core/app/Links.h"
#include "core/game/GameProfile.h"
#include "core/outcome/CommandOutcome.h"
#include "core/platform/AddressSource.h"
#include "core/platform/Clock.h"
#include "core/platform/FolderWatcher.h"
#include "core/platform/PathInfo.h"
#include "core/platform/Trash.h"
#include "core/platform/UrlOpener.h"
#include "core/platform/VolumeTable.h"
#include "core/registry/GameDirectoryLookup.h"
#include "core/registry/Registry.h"
#include "core/store/StoreOpening.h"
#include "core/store/StoreReading.h"
#include "ui/Logging.h"
#include "ui/art/Artwork.h"
#include "ui/art/GameWindowStyle.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/GameWindowInput.h"
#include "ui/gamewindow/ProgressIndicators.h"
#include "ui/gamewindow/StoreChoice.h"
#include "ui/widgets/AddressBox.h"
#include "ui/widgets/ChoiceList.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

namespace tarvelin
{

namespace
{

const QString kStoreFrameCaption = QStringLiteral("Setup File");
// Soon enough that a setup the game saves shows at once; the store is small, so reading it again
// costs nothing a player feels.
constexpr std::chrono::milliseconds kStoreSettle{200};

} // namespace

GameWindow::GameWindow(const GameProfile& profile, Registry& registry,
                       const GameWindowServices& services, QWidget* parent)
    : QMainWindow(parent), profile_(profile), registry_(registry), services_(services)
{
    if (!services_.volumes)
        services_.volumes = (ownVolumes_ = std::make_unique<MountedVolumeTable>()).get();
    if (!services_.address)
        services_.address = (ownAddress_ = std::make_unique<NetworkAddressSource>()).get();
    if (!services_.clock)
        services_.clock = (ownClock_ = std::make_unique<SystemClock>()).get();
    if (!services_.trash)
        services_.trash = (ownTrash_ = std::make_unique<SystemTrash>()).get();

    setObjectName(profile.windowName);
    setWindowTitle(QStringLiteral("Tarvelin Setup Utility"));
    setWindowIcon(art::applicationIcon());
    setAccessibleName(QStringLiteral("Tarvelin Setup Utility: ") + profile.gameTitle);

    auto* surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("surface"));
    surface->setFixedSize(twipsRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());
    applyGameWindowStyle(surface);
    setCentralWidget(surface);
    controls_ = buildGameWindowControls(surface, profile, *services_.volumes, *services_.clock);
    menus_ = buildGameWindowMenus(menuBar());
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    popups_ = new PopupMenuFilter(this);
    popups_->attachList(controls_.storeList->viewport(), menus_.mnuCustom);
    popups_->attachList(controls_.fileList->viewport(), menus_.mnuCustom1);
    popups_->attachSurface(surface, menus_.file);
    selectAllOnFocus(controls_.newFileNameField);

    const GameWindowControls& c = controls_;
    browser_ = new FolderBrowser(
        {c.driveList, c.folderList, c.fileList, c.selectedFileLabel, c.fileTotalLabel,
         c.newFileNameField, c.fileFrame},
        {profile.FolderValueName, profile.SetupFilePattern, profile.SetupFileExtension}, &registry_,
        *services_.volumes, this, this);
    progress_ = new ProgressIndicators(
        {c.progressPictures[1], c.progressPictures[2], c.progressPictures[3]}, this);
    progress_->setRepaintedList(1, c.storeList);
    progress_->setRepaintedList(2, c.fileList);
    progress_->setRepaintedList(3, c.storeList);
    storeWatcher_ = new FolderWatcher(kStoreSettle, this);
    connect(storeWatcher_, &FolderWatcher::changed, this, &GameWindow::readStoreAgain);
    connectCommands();
    connectDrags();
    // The store list is where the player starts; it has the focus when the window opens.
    controls_.storeList->setFocus();
}

GameWindow::~GameWindow()
{
    clearDragFolder();
}

void GameWindow::connectCommands()
{
    const GameWindowControls& c = controls_;
    const auto onClick = [this](VBUSoftButton* button, auto slot) {
        connect(button, &QAbstractButton::clicked, this, slot);
    };
    onClick(c.importButton, &GameWindow::importSetupFromButton);
    onClick(c.exportButton, &GameWindow::exportSetupFromButton);
    onClick(c.downloadButton, [this] { openLink(links::SetupDownloadPage); });
    onClick(c.restoreButton, &GameWindow::restoreStore);
    onClick(c.deleteSetupButton, &GameWindow::deleteSetup);
    onClick(c.renameFileButton, &GameWindow::renameSetupFile);
    onClick(c.deleteFileButton, &GameWindow::deleteSetupFile);
    onClick(c.exitButton, &GameWindow::quitRequested);
    onClick(c.sortButton, &GameWindow::sortStore);
    onClick(c.playButton, &GameWindow::launchRequested);
    onClick(c.controllerButton, &GameWindow::controllerSettingsRequested);
    onClick(c.otherGameButton, &GameWindow::otherGameRequested);

    const GameWindowMenus& m = menus_;
    const auto onChoice = [this](QAction* action, auto slot) {
        connect(action, &QAction::triggered, this, slot);
    };
    onChoice(m.start, &GameWindow::startWindowRequested);
    onChoice(m.exit, &GameWindow::quitRequested);
    onChoice(m.importexportsav, &GameWindow::storeWindowRequested);
    onChoice(m.history, &GameWindow::historyWindowRequested);
    onChoice(m.mnuUndo, &GameWindow::undoLastChange);
    // The history may have changed from outside (the command line, the history window).
    connect(m.setup, &QMenu::aboutToShow, this, &GameWindow::updateUndoEntry);
    onChoice(m.mnuSelect, &GameWindow::exportSetupFromMenu);
    onChoice(m.mnuDelete, &GameWindow::deleteSetup);
    onChoice(m.mnuImport, &GameWindow::importSetupFromMenu);
    onChoice(m.mnuDeleteFile1, &GameWindow::deleteSetupFile);
    onChoice(m.about, &GameWindow::aboutRequested);
    onChoice(m.serch, [this] { Q_EMIT helpSearchRequested(QString()); });
    onChoice(m.contents, [this] { Q_EMIT helpRequested(QString()); });
    onChoice(m.browser, [this] { openLink(links::HomePage); });

    auto* readAgain = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(readAgain, &QShortcut::activated, this, [this] {
        readStoreAgain();
        browser_->readFolderAgain();
    });

    connect(c.makerSiteLink, &ClickableLabel::clicked, this,
            [this] { openLink(links::GameMakerSite); });
    if (profile_.DownloadPicture)
        connect(c.carPicture, &ClickableLabel::clicked, this,
                [this] { openLink(links::SetupDownloadPage); });

    connect(c.storeList, &StoreList::filesDropped, this, &GameWindow::importDroppedFiles);
    connect(c.storeList, &StoreList::dropRefused, this, [this] {
        showMessage(
            this,
            exclamation(
                QStringLiteral("None of these files is a %1 setup file.").arg(profile_.gameTitle)));
    });

    // Only the player's click or cursor key chooses a setup, never the list getting the focus.
    connect(c.storeList, &ChoiceList::lineChosen, this, &GameWindow::selectStoreLine);
    connect(c.storeList, &ChoiceList::choiceCleared, this, [this] {
        controls_.selectedPositionLabel->setText(QStringLiteral("0"));
        forgetChosenSetup();
    });
}

void GameWindow::openLink(const char* address)
{
    if (services_.urlOpener)
        services_.urlOpener->openUrl(QString::fromLatin1(address));
    else
        qCInfo(lcGameWindow) << "no link opener for" << address;
}

void GameWindow::runOpeningSequence()
{
    controls_.addressBox->showAddress(*services_.address);
    controls_.gameDirectoryField->setText(
        lookUpGameDirectory(profile_, registry_, services_.winePrefix));
    // The lists open on the remembered folder, or on the process's current folder.
    browser_->openAt(currentFolder());

    const StoreOpening opening = openStoreAndBackUp(gameDirectory(), profile_.recordLayout());
    showStore(opening.store);
    // The folder too: a store written whole replaces the file, and its watch goes with it.
    const StorePaths store = StorePaths::forGameDirectory(gameDirectory());
    storeWatcher_->watch(store.isValid() ? QStringList{store.folder, store.store} : QStringList());
    controls_.newFileNameField->clear();
    setFileCounters();
    const int attached = SetMenuBitmaps(menuBar(), controls_.menuPictures);
    if (attached != int(kMenuPictureTable.size()))
        qCInfo(lcGameWindow) << "menu pictures attached:" << attached;
    if (opening.backupKept)
        showMessage(this, *opening.backupKept);
}

QString GameWindow::gameDirectory() const
{
    return controls_.gameDirectoryField->text();
}

int GameWindow::selectedPosition() const
{
    return controls_.selectedPositionLabel->text().toInt();
}

int GameWindow::selectedSlot() const
{
    const int position = selectedPosition();
    if (position < 1 || position > int(lines_.size()))
        return 0;
    return lines_[size_t(position - 1)].slot;
}

void GameWindow::showStore(const StoreState& store)
{
    table_ = store.table;
    lines_ = store.lines;
    fillStoreList();
    QListWidget* list = controls_.storeList;
    if (const int selected = store.counters.selected; selected > 0 && selected <= list->count()) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(selected - 1);
    }
    setStoreCounters(store.counters);
    updateUndoEntry();
}

void GameWindow::readStoreAgain()
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory());
    if (!paths.isValid())
        return;
    const StoreRead read = readGameStore(paths, profile_.recordLayout());
    // A store that cannot be read now (its folder gone) leaves the list as it was.
    if (!read.ok || read.image.table == table_)
        return;
    const int chosenSlot = selectedSlot();
    const int keptSlot = slotKeepingChoice(table_, chosenSlot, read.image.table);
    const std::vector<int> slots = read.image.table.usedSlots();
    const auto line = std::find(slots.begin(), slots.end(), keptSlot);
    showStore(stateOf(read.image.table, line == slots.end() ? -1 : int(line - slots.begin())));
    if (chosenSlot > 0 && keptSlot == 0)
        forgetChosenSetup();
}

void GameWindow::forgetChosenSetup()
{
    controls_.setupNameField->clear();
    controls_.storeFrame->setTitle(kStoreFrameCaption);
}

void GameWindow::fillStoreList()
{
    QListWidget* list = controls_.storeList;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const StoreLine& line : lines_)
        list->addItem(line.displayName());
    list->setCurrentRow(-1);
    list->clearSelection();
}

void GameWindow::selectStoreLine(int row)
{
    QListWidgetItem* item = controls_.storeList->item(row);
    if (!item)
        return;
    controls_.storeFrame->setTitle(item->text());
    controls_.selectedPositionLabel->setText(QString::number(row + 1));
    controls_.setupNameField->setText(item->text());
}

void GameWindow::setStoreCounters(const StoreCounters& counters)
{
    controls_.nextSlotField->setText(QString::number(counters.nextSlot));
    controls_.storeTotalLabel->setText(QString::number(counters.total));
    controls_.selectedPositionLabel->setText(QString::number(counters.selected));
}

void GameWindow::setFileCounters()
{
    browser_->setCounters();
}

std::unique_ptr<GameWindow> createGameWindow(const GameProfile& profile, Registry& registry,
                                             const GameWindowServices& services)
{
    auto window = std::make_unique<GameWindow>(profile, registry, services);
    window->runOpeningSequence();
    return window;
}

} // namespace tarvelin
