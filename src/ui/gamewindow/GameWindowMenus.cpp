// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/GameWindowMenus.h"

#include "ui/Logging.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace tarvelin
{

namespace
{

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Menu"));
    return menu;
}

QAction* addEntry(QMenu* menu, const char* name, const char* caption, const char* statusTip)
{
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    // Tells the two "&Delete Setup" entries apart for screen readers and the status line.
    action->setStatusTip(QString::fromLatin1(statusTip));
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

} // namespace

GameWindowMenus buildGameWindowMenus(QMenuBar* bar)
{
    GameWindowMenus m;
    m.file = addMenu(bar, "file", "&File");
    m.start = addEntry(m.file, "start", "&Main Minu", "Back to the start window");
    m.exit = addEntry(m.file, "exit", "&Exit       ", "Quit the utility");
    m.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m.exit->setShortcutContext(Qt::WindowShortcut);

    m.setup = addMenu(bar, "setup", "&Setup File");
    m.importexportsav = addEntry(m.setup, "importexportsav", "&Import And Export",
                                 "Copy the whole store out to a folder, or back in");
    m.history = addEntry(m.setup, "mnuHistory", "Backup &History...",
                         "Every store the utility replaced, to look at and restore");
    m.mnuUndo = addEntry(m.setup, "mnuUndo", "&Undo Last Change",
                         "Put the store back as it was before its last change");
    m.mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.mnuUndo->setShortcutContext(Qt::WindowShortcut);

    m.mnuCustom = addMenu(bar, "mnuCustom", "&Export Minu");
    m.mnuSelect =
        addEntry(m.mnuCustom, "mnuSelect", "&Export Setup", "Export the selected setup to a file");
    m.mnuDelete = addEntry(m.mnuCustom, "mnuDelete", "&Delete Setup",
                           "Delete the selected setup from the store");

    m.mnuCustom1 = addMenu(bar, "mnuCustom1", "&Import Minu");
    m.mnuImport = addEntry(m.mnuCustom1, "mnuImport", "&Import Setup",
                           "Import the selected setup file into the store");
    m.mnuDeleteFile1 =
        addEntry(m.mnuCustom1, "mnuDeleteFile1", "&Delete Setup", "Delete the selected setup file");

    m.help = addMenu(bar, "help", "&Help");
    m.about = addEntry(m.help, "about", "&About", "About the utility");
    m.blank = addSeparator(m.help, "blank");
    m.serch = addEntry(m.help, "serch", "&Serch For Help On", "Search the help by keyword");
    m.contents = addEntry(m.help, "contents", "&Help Contents", "The help's contents");
    m.blank1 = addSeparator(m.help, "blank1");
    m.browser = addEntry(m.help, "browser", "&Home Page", "The utility's home page");
    return m;
}

int SetMenuBitmaps(QMenuBar* bar, const std::array<QLabel*, 10>& pictures)
{
    if (!bar)
        return 0;
    const QList<QAction*> menus = bar->actions();
    int attached = 0;
    for (const MenuPictureRow& row : kMenuPictureTable) {
        QMenu* menu = row.barPosition < menus.size() ? menus[row.barPosition]->menu() : nullptr;
        const QList<QAction*> entries = menu ? menu->actions() : QList<QAction*>{};
        QLabel* box = row.picture >= 1 && row.picture <= int(pictures.size())
                          ? pictures[row.picture - 1]
                          : nullptr;
        const QPixmap picture = box ? box->pixmap() : QPixmap();
        if (row.entryPosition >= entries.size() || picture.isNull()) {
            qCInfo(lcGameMenus) << "no picture for menu" << row.barPosition << "entry"
                                << row.entryPosition;
            continue;
        }
        // The same picture whether the entry is checked or not.
        entries[row.entryPosition]->setIcon(QIcon(picture));
        ++attached;
    }
    return attached;
}

} // namespace tarvelin
