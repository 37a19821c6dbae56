// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>

class QKeyEvent;
class QLineEdit;
class QMenu;
class QWidget;

namespace tarvelin
{

// Opens a menu at the mouse position on a press of the right mouse button, and a list's menu
// under its current line on the keyboard's Menu key or Shift+F10. The press is taken
// before the list sees it, so the line under the mouse is not selected: the menu's commands act
// on the line that was already selected. On the window's surface only a press on the background
// itself (no control under the mouse) opens the menu.
class PopupMenuFilter : public QObject
{
    Q_OBJECT

public:
    explicit PopupMenuFilter(QObject* parent = nullptr);

    // A right press on a list's viewport opens `menu`.
    void attachList(QWidget* viewport, QMenu* menu);
    // A right press on the bare `surface` opens `menu`.
    void attachSurface(QWidget* surface, QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool openFromKeyboard(QObject* watched, QKeyEvent* key);

    QHash<QObject*, QMenu*> lists_;
    QWidget* surface_ = nullptr;
    QMenu* surfaceMenu_ = nullptr;
};

// Whenever `field` gets the focus, by mouse or keyboard, its whole text is selected (Home, then
// Shift+End), so typing replaces it. The selection is made once the mouse press that gave the
// focus has placed the cursor.
void selectAllOnFocus(QLineEdit* field);

} // namespace tarvelin
