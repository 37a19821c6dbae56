// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QWidget;

namespace tarvelin
{

// The game window's menu bar. Menus and entries carry the names the rest of the utility uses.
struct GameWindowMenus {
    QMenu* file = nullptr;       // "&File"
    QMenu* setup = nullptr;      // "&Setup File"
    QMenu* mnuCustom = nullptr;  // "&Export Minu"; also the store list's pop-up menu
    QMenu* mnuCustom1 = nullptr; // "&Import Minu"; also the file list's pop-up menu
    QMenu* help = nullptr;       // "&Help"

    QAction* start = nullptr;
    QAction* exit = nullptr;
    QAction* importexportsav = nullptr;
    QAction* history = nullptr; // "Backup &History..."
    QAction* mnuUndo = nullptr; // "&Undo Last Change", Ctrl+Z
    QAction* mnuSelect = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuDeleteFile1 = nullptr;
    QAction* about = nullptr;
    QAction* blank = nullptr;
    QAction* serch = nullptr;
    QAction* contents = nullptr;
    QAction* blank1 = nullptr;
    QAction* browser = nullptr;
};

// Fills `bar` with the five menus, in bar order: file, setup, mnuCustom, mnuCustom1, help.
GameWindowMenus buildGameWindowMenus(QMenuBar* bar);

// Which entry shows which picture: the menu's position in the bar, the entry's position in its
// menu (separators count), and the number of the picture box (Picture1 to Picture10).
struct MenuPictureRow {
    int barPosition;
    int entryPosition;
    int picture;
};

inline constexpr std::array<MenuPictureRow, 12> kMenuPictureTable{{
    {0, 0, 10}, // "&Main Minu"
    {0, 1, 2},  // "&Exit       "
    {1, 0, 5},  // "&Import And Export"
    {4, 0, 1},  // "&About"
    {4, 1, 3},  // first separator
    {4, 2, 3},  // "&Serch For Help On"
    {4, 3, 4},  // "&Help Contents"
    {4, 5, 6},  // "&Home Page"
    {2, 0, 7},  // "&Export Setup"
    {2, 1, 9},  // "&Delete Setup" of the store
    {3, 0, 8},  // "&Import Setup"
    {3, 1, 9},  // "&Delete Setup" of the file
}};

// Gives each entry of the table the picture of its picture box, `pictures[0]` being Picture1.
// A missing menu, entry or picture leaves that entry without its picture and the rest go on.
// Returns the number of entries that got their picture.
int SetMenuBitmaps(QMenuBar* bar, const std::array<QLabel*, 10>& pictures);

} // namespace tarvelin
