// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/SetupTable.h"
#include "core/store/StoreList.h"
#include "core/transfer/MessageStyle.h"
#include "ui/gamewindow/GameWindowLayout.h"
#include "ui/gamewindow/GameWindowMenus.h"

#include <QMainWindow>

class QMimeData;
#include <memory>
#include <vector>

namespace tarvelin
{

struct DraggedLine;
struct GameProfile;
class AddressSource;
class Clock;
class FolderBrowser;
class FolderWatcher;
class PopupMenuFilter;
class ProgressIndicators;
class Registry;
class Trash;
struct Message;
struct StoreCommandOutcome;
struct StoreState;
class UrlOpener;
class VolumeTable;

// The platform services a game window uses besides the registry. Later services (trash,
// program starter) join here. Services left null that have a machine's own implementation use
// it; each given one must outlive the window.
struct GameWindowServices {
    UrlOpener* urlOpener = nullptr;         // web and mail links; null: links do nothing
    const VolumeTable* volumes = nullptr;   // the drive list; null: the mounted volumes
    const AddressSource* address = nullptr; // the address box; null: the network interfaces
    const Clock* clock = nullptr;           // the status bar's time; null: the system clock
    Trash* trash = nullptr;                 // deleted setup files; null: the desktop's trash
    QString winePrefix; // where a game missing from the registry file is looked up; empty: default
};

// The main window of one game (`Dirt` or `Sc`): the store on the left, the setup files on the
// right, the command buttons between them. It keeps the profile it was created with.
//
// Navigation is the caller's: the window only asks for it through its signals, and whoever
// listens shows or closes windows.
class GameWindow : public QMainWindow
{
    Q_OBJECT

public:
    GameWindow(const GameProfile& profile, Registry& registry, const GameWindowServices& services,
               QWidget* parent = nullptr);
    ~GameWindow() override;

    const GameProfile& profile() const { return profile_; }
    const GameWindowControls& controls() const { return controls_; }
    const GameWindowMenus& menus() const { return menus_; }
    // The drive, folder and file lists with their rules: the chosen folder and file.
    FolderBrowser& folderBrowser() const { return *browser_; }
    // Indicator 1 for the import, 2 for the export, 3 for the sort.
    ProgressIndicators& progressIndicators() const { return *progress_; }

    // Everything the window does when it opens: the address box, the game directory from the
    // registry, the remembered setup-file folder, the store read and listed, the backup
    // rewritten, the counters, the menu pictures.
    void runOpeningSequence();

    // The state the store commands work on.
    const SetupTable& table() const { return table_; }
    const std::vector<StoreLine>& storeLines() const { return lines_; }
    QString gameDirectory() const;
    // The selected line's 1-based position ("Selected Setup:"), 0 when none.
    int selectedPosition() const;
    // The store slot of the selected line, which differs from its position in a store with gaps;
    // 0 when no line is selected.
    int selectedSlot() const;

    // Shows the store as a command read or left it: its table, its list (with the line the
    // counters name selected) and the counters as the command computed them.
    void showStore(const StoreState& store);
    // The setup the player had chosen is gone: the setup name field is emptied and the store
    // frame shows "Setup File" again.
    void forgetChosenSetup();

Q_SIGNALS:
    void startWindowRequested();        // "&Main Minu": show the start window, close this one
    void otherGameRequested();          // switch button: open profile().OtherProfile()'s window
    void storeWindowRequested();        // "&Import And Export": the whole-store window
    void historyWindowRequested();      // "Backup &History...": the backup history window
    void aboutRequested();              // "&About": the about window, modal over this one
    void quitRequested();               // exit button and "&Exit       ": end at once
    void launchRequested();             // the play button: start the game from its CD
    void controllerSettingsRequested(); // the game-controller settings program
    void helpRequested(const QString& topic);         // "&Help Contents": topic empty
    void helpSearchRequested(const QString& keyword); // "&Serch For Help On": keyword empty

public Q_SLOTS:
    // The store and file commands. Their buttons and menu entries lead here.
    void exportSetupFromButton();
    void exportSetupFromMenu();
    void importSetupFromButton();
    void importSetupFromMenu();
    void deleteSetup();
    void restoreStore();
    void sortStore();
    void renameSetupFile();
    void deleteSetupFile();
    // "&Undo Last Change": after one question saying what it brings back and removes, the store
    // as it was before its last change; that undo is kept in turn, so a second one takes it back.
    void undoLastChange();
    // Setup files dropped on the store list (whole paths, in the order dropped), imported as the
    // Import button imports each.
    void importDroppedFiles(const QStringList& paths);
    // The store as it is on disk now, when it differs from the list: the game saving, a command
    // in a terminal, the other window. The chosen setup stays chosen while the store holds it.
    // The window does this by itself whenever the store changes; F5 asks for it and the folder.
    void readStoreAgain();

private:
    void connectCommands();
    void openLink(const char* address);
    void fillStoreList();
    void selectStoreLine(int row);
    void setStoreCounters(const StoreCounters& counters);
    void setFileCounters();
    // A store command's ending: its messages, then the store as the command left it.
    void showStoreOutcome(const StoreCommandOutcome& outcome);
    void exportSetup(bool fromMenu);
    void importSetup(bool fromMenu);
    // `paths` into the store in this order, stopping at the first refusal, with one progress
    // animation and one history generation.
    void importFiles(const QStringList& paths, bool deleteFilesAfterImport, MessageStyle style);
    // "&Undo Last Change" is enabled exactly while the history holds a change to undo.
    void updateUndoEntry();
    // The store list's line `row` as a drag carries it: the line itself, for the file list and
    // the folder tree, and the setup exported to a temporary file of ours, for a file manager.
    QMimeData* dragLine(int row);
    QString exportForDrag(const StoreLine& line);
    // A store line dropped on the file list or the folder tree: exported into `folder` under its
    // name, as the Export button exports, asking before it replaces a file.
    void exportDroppedLine(const DraggedLine& line, const QString& folder);
    void connectDrags();
    // The setups exported for drags, and their folder, removed.
    void clearDragFolder();

    const GameProfile& profile_;
    Registry& registry_;
    GameWindowServices services_;
    // The machine's own services, for those the caller left null.
    std::unique_ptr<VolumeTable> ownVolumes_;
    std::unique_ptr<AddressSource> ownAddress_;
    std::unique_ptr<Clock> ownClock_;
    std::unique_ptr<Trash> ownTrash_;
    GameWindowControls controls_;
    FolderBrowser* browser_ = nullptr;
    ProgressIndicators* progress_ = nullptr;
    GameWindowMenus menus_;
    PopupMenuFilter* popups_ = nullptr;
    FolderWatcher* storeWatcher_ = nullptr;
    SetupTable table_;
    std::vector<StoreLine> lines_;
    QString dragFolder_; // the temporary folder of the setups dragged out; empty until the first
};

// A game window for `profile` that has run its opening sequence, ready to be shown.
std::unique_ptr<GameWindow> createGameWindow(const GameProfile& profile, Registry& registry,
                                             const GameWindowServices& services);

} // namespace tarvelin
