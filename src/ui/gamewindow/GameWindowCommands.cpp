// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's store and file commands: each gathers the controls' values, calls the
// command function the command line also calls, and shows what it hands back.

#include "core/files/FileTrashing.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreCommands.h"
#include "core/transfer/SetupBatchImport.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "ui/Logging.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/gamewindow/ProgressIndicators.h"
#include "ui/gamewindow/StoreLineDrops.h"
#include "ui/widgets/MessageBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace tarvelin
{

namespace
{

// Indicator 1 plays for the import, 2 for the export, 3 for the sort.
constexpr int kImportIndicator = 1;
constexpr int kExportIndicator = 2;
constexpr int kSortIndicator = 3;

// The caption the file group's frame returns to after a rename or a delete.
const QString kSourceFilesCaption = QStringLiteral("Source Files");

// A refusal that concerns the new name puts the player back in the rename field; one without a
// file to rename, in the file list.
void focusAfterRename(const GameWindowControls& c, RenameResult result)
{
    switch (result) {
    case RenameResult::NoFileSelected:
        c.fileList->setFocus();
        break;
    case RenameResult::SameName:
    case RenameResult::NoNewName:
    case RenameResult::UnusableName:
    case RenameResult::WouldReplace: // the player kept the other file: another name, then
        c.newFileNameField->setFocus();
        break;
    case RenameResult::Renamed:
    case RenameResult::NotRenamed:
    case RenameResult::CopiedSourceKept:
        break;
    }
}

// A command that would replace a player's file asks first, No being the default; `again` runs it
// once more, allowed to replace. Declined, the question was its only message: nothing remains.
template <typename Outcome, typename Again>
void askBeforeReplacing(QWidget* window, Outcome& outcome, bool wouldReplace, Again again)
{
    if (!wouldReplace)
        return;
    if (showMessage(window, outcome.messages.front(), MessageButtons::YesNoDefaultNo) ==
        MessageAnswer::Yes)
        outcome = again();
    else
        outcome.messages.clear();
}

} // namespace

void GameWindow::showStoreOutcome(const StoreCommandOutcome& outcome)
{
    showCommandOutcome(this, outcome, lcGameWindow());
    if (outcome.store)
        showStore(*outcome.store);
}

void GameWindow::exportSetupFromButton()
{
    exportSetup(false);
}

void GameWindow::exportSetupFromMenu()
{
    exportSetup(true);
}

void GameWindow::exportSetup(bool fromMenu)
{
    progress_->start(kExportIndicator);
    ExportRequest request;
    request.gameDirectory = gameDirectory();
    request.profile = &profile_;
    request.selectedSlot = selectedSlot();
    request.exportName = controls_.setupNameField->text();
    request.folder = browser_->folder();
    request.style = fromMenu ? MessageStyle::Plain : MessageStyle::Marked;
    // The menu entry goes on from the table shown when setups.sav cannot be read; the button stops.
    request.fallbackTable = fromMenu ? &table_ : nullptr;
    if (const int position = selectedPosition(); position > 0 && position <= int(lines_.size()))
        request.listedName = lines_[size_t(position - 1)].name;
    ExportOutcome outcome = tarvelin::exportSetup(request);
    askBeforeReplacing(this, outcome, outcome.wouldReplace, [&request] {
        request.replaceExisting = true;
        return tarvelin::exportSetup(request);
    });
    if (!outcome.done)
        progress_->stop(kExportIndicator);
    showCommandOutcome(this, outcome, lcGameWindow());
    // The slot no longer holds the listed setup: the list shows the store as it is now.
    if (outcome.storeChanged && outcome.table)
        showStore(stateOf(*outcome.table));
    // The store list keeps its lines: the export only re-read the table behind them.
    if (outcome.table)
        table_ = *outcome.table;
    // A player who declined to replace a file keeps the typed name, to change it.
    if (outcome.nameUsed && !outcome.wouldReplace) {
        controls_.setupNameField->clear();
        browser_->refreshFiles();
        browser_->setCounters();
    }
}

void GameWindow::exportDroppedLine(const DraggedLine& line, const QString& folder)
{
    progress_->start(kExportIndicator);
    ExportRequest request;
    request.gameDirectory = gameDirectory();
    request.profile = &profile_;
    request.selectedSlot = line.slot;
    request.exportName = StoreLine{line.slot, line.name}.displayName();
    request.folder = folder;
    request.listedName = line.name;
    ExportOutcome outcome = tarvelin::exportSetup(request);
    askBeforeReplacing(this, outcome, outcome.wouldReplace, [&request] {
        request.replaceExisting = true;
        return tarvelin::exportSetup(request);
    });
    if (!outcome.done)
        progress_->stop(kExportIndicator);
    showCommandOutcome(this, outcome, lcGameWindow());
    if (outcome.storeChanged && outcome.table)
        showStore(stateOf(*outcome.table));
    else if (outcome.table)
        table_ = *outcome.table;
    if (outcome.done)
        browser_->readFolderAgain();
}

void GameWindow::importSetupFromButton()
{
    importSetup(false);
}

void GameWindow::importSetupFromMenu()
{
    importSetup(true);
}

void GameWindow::importSetup(bool fromMenu)
{
    const QStringList chosen = controls_.fileList->selectedNames();
    if (chosen.size() > 1) {
        QStringList paths;
        for (const QString& name : chosen)
            paths << joinPath(browser_->folder(), name);
        // The menu entry moves the setups into the store; the button copies them.
        importFiles(paths, fromMenu, fromMenu ? MessageStyle::Plain : MessageStyle::Marked);
        controls_.newFileNameField->clear();
        browser_->refreshFiles();
        browser_->setCounters();
        return;
    }
    progress_->start(kImportIndicator);
    ImportRequest request;
    request.gameDirectory = gameDirectory();
    request.profile = &profile_;
    request.folder = browser_->folder();
    // An emptied rename field means the player has no file chosen, whatever the list shows.
    request.chosenFile =
        controls_.newFileNameField->text().isEmpty() ? QString() : browser_->selectedFile();
    request.style = fromMenu ? MessageStyle::Plain : MessageStyle::Marked;
    // The menu entry moves the setup into the store; the button copies it.
    request.deleteFileAfterImport = fromMenu;
    request.selectedIndex = selectedPosition() - 1;
    const ImportOutcome outcome = tarvelin::importSetup(request);
    if (!outcome.done)
        progress_->stop(kImportIndicator);
    showStoreOutcome(outcome);
    // The chosen file is used up, or there was none: the rename field no longer names one.
    if (outcome.done || request.chosenFile.isEmpty())
        controls_.newFileNameField->clear();
    browser_->refreshFiles();
    browser_->setCounters();
}

void GameWindow::importDroppedFiles(const QStringList& paths)
{
    // A drop copies, as the Import button does: the player's files stay where they are.
    importFiles(paths, false, MessageStyle::Marked);
}

void GameWindow::importFiles(const QStringList& paths, bool deleteFilesAfterImport,
                             MessageStyle style)
{
    progress_->start(kImportIndicator);
    BatchImportRequest request;
    request.gameDirectory = gameDirectory();
    request.profile = &profile_;
    request.files = paths;
    request.onRefusal = BatchRefusal::StopThere;
    request.style = style;
    request.deleteFilesAfterImport = deleteFilesAfterImport;
    request.selectedIndex = selectedPosition() - 1;
    const BatchImportOutcome outcome = importSetups(request);
    if (!outcome.done)
        progress_->stop(kImportIndicator);
    showStoreOutcome(outcome);
}

void GameWindow::deleteSetup()
{
    DeleteRequest request{gameDirectory(), profile_.recordLayout(),
                          !controls_.setupNameField->text().isEmpty(), selectedSlot(),
                          std::nullopt};
    if (const int position = selectedPosition(); position > 0 && position <= int(lines_.size()))
        request.listedName = lines_[size_t(position - 1)].name;
    const StoreCommandOutcome outcome = tarvelin::deleteSetup(request);
    showStoreOutcome(outcome);
    if (outcome.done)
        forgetChosenSetup();
}

void GameWindow::restoreStore()
{
    const StoreCommandOutcome outcome =
        tarvelin::restoreStore(gameDirectory(), profile_.recordLayout());
    showStoreOutcome(outcome);
    if (outcome.done)
        forgetChosenSetup();
}

void GameWindow::sortStore()
{
    progress_->start(kSortIndicator);
    const StoreCommandOutcome outcome =
        tarvelin::sortStore(gameDirectory(), profile_.recordLayout());
    if (!outcome.done)
        progress_->stop(kSortIndicator);
    showStoreOutcome(outcome);
    // The sort keeps the chosen setup's name but empties the file rename field.
    if (outcome.done)
        controls_.newFileNameField->clear();
}

void GameWindow::renameSetupFile()
{
    if (controls_.fileList->selectedNames().size() > 1) {
        showMessage(this, {QStringLiteral("Please choose one file to rename")});
        return;
    }
    const QString folder = browser_->folder();
    const QString selected = browser_->selectedFile();
    const QString newName = browser_->renameFieldName();
    SetupFileRenameOutcome outcome = tarvelin::renameSetupFile(folder, selected, newName, profile_);
    askBeforeReplacing(this, outcome, outcome.result == RenameResult::WouldReplace, [&] {
        return tarvelin::renameSetupFile(folder, selected, newName, profile_, true);
    });
    showCommandOutcome(this, outcome, lcGameWindow());
    if (!outcome.newFileName.isEmpty())
        browser_->refreshFiles(); // the counters are not set again
    controls_.newFileNameField->clear();
    controls_.fileFrame->setTitle(kSourceFilesCaption);
    focusAfterRename(controls_, outcome.result);
}

void GameWindow::deleteSetupFile()
{
    const QStringList chosen = controls_.fileList->selectedNames();
    // The question for several files loses them all at once: No is its default.
    const MessageButtons buttons =
        chosen.size() > 1 ? MessageButtons::YesNoDefaultNo : MessageButtons::YesNo;
    const auto confirm = [this, buttons](const Message& question) {
        return showMessage(this, question, buttons) == MessageAnswer::Yes;
    };
    const TrashOutcome outcome =
        chosen.size() > 1 ? trashChosenFiles(browser_->folder(), chosen, *services_.trash, confirm)
                          : trashSelectedFile(browser_->folder(), browser_->selectedFile(),
                                              *services_.trash, confirm);
    showCommandOutcome(this, outcome, lcGameWindow());
    browser_->refreshFiles();
    browser_->setCounters();
    controls_.newFileNameField->clear();
    controls_.fileFrame->setTitle(kSourceFilesCaption);
    if (outcome.noFileSelected)
        controls_.fileList->setFocus();
}

} // namespace tarvelin
