// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/FolderRules.h"

#include <QObject>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tarvelin
{

class BackgroundFolderReader;
class DriveList;
class FolderList;
class FolderWatcher;
struct FolderContents;
class Registry;
class SetupFileView;
class VolumeTable;

// The controls a browser drives. The lists are required; the rest is optional (a window without
// counters or rename field leaves them null).
struct FolderBrowserControls {
    DriveList* drives = nullptr;
    FolderList* folders = nullptr;
    SetupFileView* files = nullptr;
    QLabel* selectedLabel = nullptr;  // `Label7`
    QLabel* countLabel = nullptr;     // `Label8`
    QLineEdit* renameField = nullptr; // `Text1`
    QGroupBox* frame = nullptr;       // `Frame2`, captioned with the clicked file
};

struct FolderBrowserOptions {
    QString valueName; // remembered folder under the utility's key ("(Dir)", "(Dir2)", ...)
    QString pattern;   // file list pattern ("*.set*", "Dtr setups.sav", ...)
    QString suffix;    // cut from a clicked file's name for the rename field
    std::function<Message(const QString& driveText)> notReadyMessage = driveNotReadyMessage;
    // After an unreadable drive, the drive list goes back to the folder's drive unless set.
    bool keepUnreadableDriveShown = false;
};

// The drive, folder and file lists of a window, following one another: a change of folder is
// remembered at once and lists the folder's files; the drive list follows the folder; a drive
// pick moves to that drive's current folder, or reports a drive that cannot be read.
class FolderBrowser : public QObject
{
    Q_OBJECT

public:
    // `registry` may be null: folders are then not remembered. `messageParent` owns the boxes.
    FolderBrowser(FolderBrowserControls controls, FolderBrowserOptions options, Registry* registry,
                  const VolumeTable& volumes, QWidget* messageParent, QObject* parent = nullptr);

    // Shows `folder` in the lists without remembering it: where the lists stand at creation.
    void startAt(const QString& folder);
    // Moves to the remembered folder; an empty or missing one leaves the lists where they are.
    void restoreRememberedFolder();
    // startAt(`start`) then restoreRememberedFolder(), with each folder read once: a window's
    // opening lists the folder it ends on, not also the one it passed through.
    void openAt(const QString& start);
    // The folder change rule. Moving to the folder already shown, or to a folder that cannot be
    // read, does nothing. Returns whether the lists show `folder` afterwards.
    bool setFolder(const QString& folder);

    // Lists the folder's files again (after a command changed them): no file selected.
    void refreshFiles();
    // Reads the folder again as it is now, away from the event loop, keeping the chosen file
    // when it is still there. The browser does this by itself whenever the folder changes.
    void readFolderAgain();
    // `Label7` and `Label8` from the file list.
    void setCounters();

    const QString& folder() const { return folder_; }
    QString selectedFile() const;
    // The folder, "/", and the selected file's name; empty when no file is selected.
    QString selectedFilePath() const;
    const FolderBrowserControls& controls() const { return controls_; }
    // The rename field's text as a file name: the field shows a name's unreadable bytes as U+FFFD,
    // and these are given back the bytes of the chosen file's name, so that a name left as shown
    // is the same name, and a shown U+FFFD is never written.
    QString renameFieldName() const;

private:
    void show(const FolderView& view);
    void chooseDrive(const Volume& volume);
    void clickFile(int index);
    // Several files chosen: the counters and the frame say how many; nothing is renamed.
    void chooseSeveral(int chosen);
    void showClick(const FileClick& click);
    // No file chosen: the counters, the frame's own caption and an empty rename field.
    void forgetChosenFile();
    // The folder as read again: what changed is shown, and the chosen file stays chosen.
    void showReadAgain(const QString& folder, const FolderContents& contents);

    FolderBrowserControls controls_;
    FolderBrowserOptions options_;
    Registry* registry_;
    const VolumeTable& volumes_;
    QWidget* messageParent_;
    DriveFolders driveFolders_;
    QString folder_;
    QString drive_;
    QStringList subfolders_;
    FolderWatcher* watcher_;
    BackgroundFolderReader* reader_;
    QString frameCaption_; // the frame's caption while no file is chosen
    QString renameText_;   // the rename field's text at the file's choice, as the name's bytes
};

} // namespace tarvelin
