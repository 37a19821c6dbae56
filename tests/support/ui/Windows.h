// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

class QAbstractItemView;

namespace tarvelin
{
class Registry;
struct GameProfile;
} // namespace tarvelin

// Finding and driving the real windows by their controls' object names, as the window tests do.
namespace fixture
{

// Deletes the windows that closed themselves and handles the events still waiting.
void settle();

// The object names of the visible top-level windows, sorted, once closed windows are deleted.
QStringList visibleWindows();

// The child of `window` of type `Widget` named `name`; a test failure when there is none.
template <typename Widget> Widget* find(QWidget* window, const char* name)
{
    auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// A left click on the button named `name`; a test failure when there is none.
void click(QWidget* window, const char* name);

// Triggers the menu action named `action`; a test failure when there is none.
void trigger(QWidget* window, const char* action);

// A click in the middle of line `row` of a list, a tree's top level or the setup file view.
void clickRow(QAbstractItemView* view, int row, Qt::MouseButton button = Qt::LeftButton);

// The game's key in `registry` naming `gameDirectory`, as the game's installer leaves it.
void pointAtGame(tarvelin::Registry& registry, const tarvelin::GameProfile& profile,
                 const QString& gameDirectory);

} // namespace fixture
