// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder/FolderBrowser.h"

#include "core/files/SetupFileList.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/FolderWatcher.h"
#include "core/platform/PathInfo.h"
#include "core/registry/Registry.h"
#include "ui/Logging.h"
#include "ui/folder/BackgroundFolderReader.h"
#include "ui/folder/DriveList.h"
#include "ui/folder/FolderList.h"
#include "ui/folder/SetupFileView.h"
#include "ui/widgets/MessageBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace tarvelin
{

namespace
{

// Soon enough that a file saved into the folder shows at once, seldom enough that a folder
// filling fast is read a few times a second.
constexpr std::chrono::milliseconds kFolderSettle{300};

} // namespace

FolderBrowser::FolderBrowser(FolderBrowserControls controls, FolderBrowserOptions options,
                             Registry* registry, const VolumeTable& volumes, QWidget* messageParent,
                             QObject* parent)
    : QObject(parent), controls_(controls), options_(std::move(options)), registry_(registry),
      volumes_(volumes), messageParent_(messageParent),
      watcher_(new FolderWatcher(kFolderSettle, this)),
      reader_(new BackgroundFolderReader(options_.pattern, this))
{
    connect(watcher_, &FolderWatcher::changed, this, &FolderBrowser::readFolderAgain);
    connect(reader_, &BackgroundFolderReader::folderRead, this, &FolderBrowser::showReadAgain);
    connect(controls_.folders, &FolderList::folderOpened, this, &FolderBrowser::setFolder);
    connect(controls_.drives, &DriveList::driveChosen, this, &FolderBrowser::chooseDrive);
    connect(controls_.files, &SetupFileView::fileClicked, this, &FolderBrowser::clickFile);
    connect(controls_.files, &SetupFileView::severalChosen, this, &FolderBrowser::chooseSeveral);
    connect(controls_.files, &SetupFileView::choiceCleared, this, &FolderBrowser::forgetChosenFile);
    if (controls_.frame)
        frameCaption_ = controls_.frame->title();
}

void FolderBrowser::startAt(const QString& folder)
{
    // Nothing remembered: the folder a window starts at is not the player's choice.
    show(changeFolder(nullptr, options_.valueName, folderPath(folder), options_.pattern,
                      controls_.drives->volumes()));
}

void FolderBrowser::restoreRememberedFolder()
{
    if (!registry_)
        return;
    setFolder(folderToRestore(*registry_, options_.valueName, folder_));
}

void FolderBrowser::openAt(const QString& start)
{
    const QString path = folderPath(start);
    const QString target = registry_ ? folderToRestore(*registry_, options_.valueName, path) : path;
    if (target != path && setFolder(target))
        return;
    startAt(path);
}

bool FolderBrowser::setFolder(const QString& folder)
{
    const QString path = folderPath(folder);
    if (path == folder_)
        return true;
    const PathInfo info(path);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        qCInfo(lcFolder) << "cannot open folder" << path;
        return false;
    }
    show(changeFolder(registry_, options_.valueName, path, options_.pattern,
                      controls_.drives->volumes()));
    return true;
}

void FolderBrowser::show(const FolderView& view)
{
    folder_ = view.folder;
    drive_ = view.drive.isEmpty() ? QStringLiteral("/") : view.drive;
    subfolders_ = view.subfolders;
    watcher_->watch({folder_});
    driveFolders_.remember(view.drive, view.folder);
    controls_.folders->showFolder(drive_, view.folder, view.subfolders);
    controls_.files->setFolder(view.folder);
    controls_.files->showFiles(view.files);
    controls_.drives->showDrive(view.drive);
    setCounters();
}

void FolderBrowser::refreshFiles()
{
    controls_.files->showFiles(listSetupFiles(folder_, options_.pattern));
}

void FolderBrowser::readFolderAgain()
{
    if (!folder_.isEmpty())
        reader_->read(folder_);
}

void FolderBrowser::showReadAgain(const QString& folder, const FolderContents& contents)
{
    if (folder != folder_) // the player moved on while it was read
        return;
    if (contents.subfolders != subfolders_) {
        subfolders_ = contents.subfolders;
        controls_.folders->showFolder(drive_, folder_, subfolders_);
    }
    SetupFileView* files = controls_.files;
    if (files->names() == contents.files)
        return;
    const QStringList chosen = files->selectedNames();
    files->showFiles(contents.files);
    const int kept = files->selectNames(chosen);
    if (!chosen.isEmpty() && kept == 0)
        forgetChosenFile();
    else if (kept == 1 && chosen.size() > 1) // one of several left: it is the choice now
        clickFile(files->selectedIndex());
    else if (kept > 1)
        chooseSeveral(kept);
    else
        setCounters();
}

void FolderBrowser::setCounters()
{
    const qsizetype chosen = controls_.files->selectedNames().size();
    const FileCounters counters =
        chosen > 1 ? chooseSeveralFiles(int(chosen), controls_.files->count()).counters
                   : fileCounters(controls_.files->selectedIndex(), controls_.files->count());
    if (controls_.selectedLabel)
        controls_.selectedLabel->setText(counters.selected);
    if (controls_.countLabel)
        controls_.countLabel->setText(counters.count);
}

QString FolderBrowser::selectedFile() const
{
    return controls_.files->selectedName();
}

QString FolderBrowser::selectedFilePath() const
{
    const QString name = selectedFile();
    if (name.isEmpty())
        return {};
    return folder_.endsWith(u'/') ? folder_ + name : folder_ + u'/' + name;
}

void FolderBrowser::chooseDrive(const Volume& volume)
{
    const DriveChange change = changeDrive(volume, driveFolders_);
    if (change.ok() && setFolder(change.folder))
        return;
    // The lists and the remembered folder stay as they were.
    showMessage(messageParent_, options_.notReadyMessage(volume.rootPath));
    if (!options_.keepUnreadableDriveShown)
        controls_.drives->showDrive(volumeOf(folder_, controls_.drives->volumes()));
}

void FolderBrowser::clickFile(int index)
{
    showClick(tarvelin::clickFile(controls_.files->nameAt(index), index, controls_.files->count(),
                                  options_.suffix));
}

void FolderBrowser::chooseSeveral(int chosen)
{
    showClick(chooseSeveralFiles(chosen, controls_.files->count()));
}

void FolderBrowser::showClick(const FileClick& click)
{
    if (controls_.selectedLabel)
        controls_.selectedLabel->setText(click.counters.selected);
    if (controls_.countLabel)
        controls_.countLabel->setText(click.counters.count);
    if (controls_.frame)
        controls_.frame->setTitle(shownFileName(click.frameCaption));
    renameText_ = click.renameText;
    if (controls_.renameField)
        controls_.renameField->setText(shownFileName(click.renameText));
}

QString FolderBrowser::renameFieldName() const
{
    return controls_.renameField ? restoreShownBytes(controls_.renameField->text(), renameText_)
                                 : QString();
}

void FolderBrowser::forgetChosenFile()
{
    setCounters();
    if (controls_.frame)
        controls_.frame->setTitle(frameCaption_);
    renameText_.clear();
    if (controls_.renameField)
        controls_.renameField->clear();
}

} // namespace tarvelin
