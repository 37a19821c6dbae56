// The game window's store and file commands: each gathers the controls' values, calls the
// command function the command line also calls, and shows what it hands back.

#include "core/files/SetupFileDelete.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/store/StoreCommands.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/gamewindow/ProgressIndicators.h"
#include "ui/widgets/MessageBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QSignalBlocker>

namespace tarvelin
{

Q_DECLARE_LOGGING_CATEGORY(lcGameWindow)

namespace
{

// Indicator 1 plays for the import, 2 for the export, 3 for the sort.
constexpr int kImportIndicator = 1;
constexpr int kExportIndicator = 2;
constexpr int kSortIndicator = 3;

const QString kStoreCaption = QStringLiteral("Setup File");

void focusFileControl(const GameWindowControls& c, FileFocus focus)
{
    if (focus == FileFocus::FileList)
        c.File1->setFocus();
    else if (focus == FileFocus::RenameField)
        c.Text1->setFocus();
}

} // namespace

void GameWindow::showMessages(const std::vector<Message>& messages)
{
    for (const Message& message : messages)
        showMessage(this, message);
}

void GameWindow::applyStoreOutcome(const StoreCommandOutcome& outcome)
{
    if (!outcome.detail.isEmpty())
        qCWarning(lcGameWindow) << outcome.detail;
    showMessages(outcome.messages);
    const GameWindowControls& c = controls_;
    if (outcome.store) {
        table_ = outcome.store->table;
        lines_ = outcome.store->lines;
        fillStoreList();
        const int selected = outcome.store->counters.selected;
        if (selected > 0 && selected <= c.List1->count()) {
            const QSignalBlocker quiet(c.List1);
            c.List1->setCurrentRow(selected - 1);
        }
        setStoreCounters(outcome.store->counters);
    }
    if (outcome.clearSetupName)
        c.Text3->clear();
    if (outcome.clearFileRenameField)
        c.Text1->clear();
    if (outcome.resetFrameCaption)
        c.Frame1->setTitle(kStoreCaption);
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
    request.exportName = controls_.Text3->text();
    request.folder = browser_->folder();
    request.entryPoint = fromMenu ? EntryPoint::Menu : EntryPoint::Button;
    request.windowTable = &table_;
    const ExportOutcome outcome = ExportSetup(request);
    if (!outcome.done)
        progress_->stop(kExportIndicator);
    if (!outcome.detail.isEmpty())
        qCInfo(lcGameWindow) << outcome.detail;
    showMessages(outcome.messages);
    // The store list keeps its lines: the export only re-read the table behind them.
    if (outcome.table)
        table_ = *outcome.table;
    if (outcome.clearSetupName) {
        controls_.Text3->clear();
        browser_->refreshFiles();
        browser_->setCounters();
    }
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
    progress_->start(kImportIndicator);
    ImportRequest request;
    request.gameDirectory = gameDirectory();
    request.profile = &profile_;
    request.folder = browser_->folder();
    // An emptied rename field means the player has no file chosen, whatever the list shows.
    request.chosenFile = controls_.Text1->text().isEmpty() ? QString() : browser_->selectedFile();
    request.entryPoint = fromMenu ? EntryPoint::Menu : EntryPoint::Button;
    request.selectedIndex = controls_.List1->currentRow();
    const ImportOutcome outcome = ImportSetup(request);
    if (!outcome.done)
        progress_->stop(kImportIndicator);
    applyStoreOutcome(outcome);
    browser_->refreshFiles();
    browser_->setCounters();
}

void GameWindow::deleteSetup()
{
    DeleteRequest request{gameDirectory(), profile_.recordLayout(), controls_.Text3->text(),
                          selectedSlot(), std::nullopt};
    if (const int position = selectedPosition(); position > 0 && position <= int(lines_.size()))
        request.listedName = lines_[size_t(position - 1)].name;
    applyStoreOutcome(DeleteSetup(request));
}

void GameWindow::restoreStore()
{
    applyStoreOutcome(RestoreStore(gameDirectory(), profile_.recordLayout()));
}

void GameWindow::sortStore()
{
    progress_->start(kSortIndicator);
    const StoreCommandOutcome outcome = SortStore(gameDirectory(), profile_.recordLayout());
    if (!outcome.done)
        progress_->stop(kSortIndicator);
    applyStoreOutcome(outcome);
}

void GameWindow::renameSetupFile()
{
    const SetupFileRenameOutcome outcome = RenameSetupFile(
        browser_->folder(), browser_->selectedFile(), controls_.Text1->text(), profile_);
    for (const QString& step : outcome.passedOver)
        qCInfo(lcGameWindow) << "rename went on past:" << step;
    showMessage(this, outcome.message);
    if (outcome.refreshFileList)
        browser_->refreshFiles();
    controls_.Text1->setText(outcome.renameFieldText);
    controls_.Frame2->setTitle(outcome.frameCaption);
    focusFileControl(controls_, outcome.focus);
}

void GameWindow::deleteSetupFile()
{
    const auto confirm = [this](const Message& question) {
        return showMessage(this, question, MessageButtons::YesNo) == MessageAnswer::Yes;
    };
    const SetupFileDeleteOutcome outcome =
        DeleteSetupFile(browser_->folder(), browser_->selectedFile(), *services_.trash, confirm);
    if (outcome.trash.message)
        showMessage(this, *outcome.trash.message);
    if (outcome.refreshFileList)
        browser_->refreshFiles();
    if (outcome.setFileCounters)
        browser_->setCounters();
    controls_.Text1->setText(outcome.renameFieldText);
    controls_.Frame2->setTitle(outcome.frameCaption);
    focusFileControl(controls_, outcome.trash.focus);
}

} // namespace tarvelin
