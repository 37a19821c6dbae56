// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's "&Undo Last Change": the store as it was before its last change, from the
// backup history, after a question that shows what comes back and what goes.

#include "core/game/GameProfile.h"
#include "core/store/StoreHistoryCommands.h"
#include "ui/Logging.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/StorePreviewText.h"

#include <QAction>

namespace tarvelin
{

namespace
{

Message undoQuestion(const StorePreview& preview)
{
    return {QStringLiteral("Undo the last change to the store?\n\n%1\n\nThe store as it is now is "
                           "kept in the history, so this undo can be taken back too.")
                .arg(storePreviewText(preview)),
            MessageIcon::Question, QStringLiteral("Undo Last Change")};
}

} // namespace

void GameWindow::undoLastChange()
{
    const RecordLayout layout = profile_.recordLayout();
    const HistoryPreviewOutcome preview = previewUndo(gameDirectory(), layout);
    if (!preview.done) {
        showCommandOutcome(this, preview, lcGameWindow());
        updateUndoEntry();
        return;
    }
    if (showMessage(this, undoQuestion(preview.preview), MessageButtons::YesNoDefaultNo) !=
        MessageAnswer::Yes)
        return;
    const HistoryRestoreOutcome outcome = tarvelin::undoLastChange(gameDirectory(), layout);
    showStoreOutcome(outcome);
    // The list was filled afresh from the store put back: no line of it is chosen.
    if (outcome.store)
        forgetChosenSetup();
}

void GameWindow::updateUndoEntry()
{
    menus_.mnuUndo->setEnabled(previewUndo(gameDirectory(), profile_.recordLayout()).done);
}

} // namespace tarvelin
