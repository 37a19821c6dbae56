// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/session/StoreLockNote.h"

#include "core/store/StoreLock.h"
#include "core/store/StorePaths.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/GameStatusBar.h"

#include <QApplication>
#include <QTimer>

namespace tarvelin
{

namespace
{

void showNote(const QString& storePath)
{
    const QString note = storeLockNoteText(storePath);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* game = qobject_cast<GameWindow*>(widget);
        if (!game || StorePaths::forGameDirectory(game->gameDirectory()).store != storePath)
            continue;
        GameStatusBar* bar = game->controls().statusBar;
        bar->showMessage(note);
        // The command waits on in this same thread: the note is painted now, and it goes once
        // the event loop runs again, that is once the command has ended.
        bar->repaint();
        QTimer::singleShot(0, bar, &QStatusBar::clearMessage);
    }
}

} // namespace

QString storeLockNoteText(const QString& storePath)
{
    return QStringLiteral("Waiting for another command to finish with %1...").arg(storePath);
}

void installStoreLockNote()
{
    setStoreLockWaitNotice(showNote);
}

void removeStoreLockNote()
{
    setStoreLockWaitNotice({});
}

} // namespace tarvelin
