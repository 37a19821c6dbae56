// SPDX-License-Identifier: GPL-3.0-or-later
// Store lines dragged out of the game window: onto its own file list or folder tree they are
// exported there as the Export button exports; to a file manager they go as a file of ours.

#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/transfer/SetupExport.h"
#include "ui/Logging.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/folder/FolderList.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/gamewindow/StoreLineDrops.h"
#include "ui/widgets/FileUrls.h"

#include <QMimeData>
#include <QStandardPaths>

namespace tarvelin
{

namespace
{

// Where the folder tree keeps each line's folder.
constexpr int kFolderPathRole = Qt::UserRole;

} // namespace

void GameWindow::connectDrags()
{
    const GameWindowControls& c = controls_;
    c.storeList->setLineDrag([this](int row) { return dragLine(row); });
    auto* drops = new StoreLineDrops(profile_.id, this);
    drops->watch(c.fileList->viewport(), [this](QPoint) { return browser_->folder(); });
    // A line dropped on a folder of the tree goes into that folder; beside them, into the one
    // the lists show.
    drops->watch(c.folderList->viewport(), [this](QPoint position) {
        const QTreeWidgetItem* item = controls_.folderList->itemAt(position);
        const QString folder = item ? item->data(0, kFolderPathRole).toString() : QString();
        return folder.isEmpty() ? browser_->folder() : folder;
    });
    connect(drops, &StoreLineDrops::lineDropped, this, &GameWindow::exportDroppedLine);
}

QMimeData* GameWindow::dragLine(int row)
{
    if (row < 0 || row >= int(lines_.size()))
        return nullptr;
    const StoreLine& line = lines_[size_t(row)];
    auto* data = new QMimeData;
    data->setData(StoreList::lineType(), encodeDraggedLine({profile_.id, line.slot, line.name}));
    if (const QString file = exportForDrag(line); !file.isEmpty())
        data->setUrls({fileUrl(file)});
    return data;
}

QString GameWindow::exportForDrag(const StoreLine& line)
{
    if (dragFolder_.isEmpty()) {
        const QString folder = joinPath(
            QStandardPaths::writableLocation(QStandardPaths::TempLocation), temporaryFileName());
        if (const FileResult made = makeFolders(folder, PathKind::Temporary); !made) {
            qCInfo(lcGameWindow).noquote() << "no folder for dragged setups:" << made.error;
            return {};
        }
        dragFolder_ = folder;
    }
    ExportRequest request;
    request.gameDirectory = gameDirectory();
    request.profile = &profile_;
    request.selectedSlot = line.slot;
    request.exportName = line.displayName();
    request.folder = dragFolder_;
    request.listedName = line.name;
    // The copy an earlier drag of the same setup left is ours, and read-only as every export.
    const QString earlier = joinPath(dragFolder_, line.displayName() + profile_.SetupFileExtension);
    if (entryExists(earlier))
        removeFile(earlier);
    const ExportOutcome outcome = tarvelin::exportSetup(request);
    if (!outcome.done) {
        qCInfo(lcGameWindow).noquote() << "setup not exported for a drag:" << outcome.detail;
        return {};
    }
    return outcome.writtenFile;
}

void GameWindow::clearDragFolder()
{
    if (dragFolder_.isEmpty())
        return;
    // The folder is ours by its name: everything in it is a setup we exported for a drag.
    for (const QString& name : listFolder(dragFolder_))
        removeFile(joinPath(dragFolder_, name));
    if (const FileResult gone = removeEmptyFolder(dragFolder_); !gone)
        qCInfo(lcGameWindow).noquote() << "folder of dragged setups kept:" << gone.error;
    dragFolder_.clear();
}

} // namespace tarvelin
