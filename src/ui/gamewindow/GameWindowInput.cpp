// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/GameWindowInput.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace tarvelin
{
namespace
{

class SelectAllFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            QPointer<QLineEdit> field = qobject_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, this, [field] {
                if (field && field->hasFocus()) {
                    field->home(false);
                    field->end(true);
                }
            });
        }
        return false;
    }
};

} // namespace

PopupMenuFilter::PopupMenuFilter(QObject* parent) : QObject(parent) {}

void PopupMenuFilter::attachList(QWidget* viewport, QMenu* menu)
{
    lists_.insert(viewport, menu);
    viewport->installEventFilter(this);
    // The menu opens on the press; the window system's own context menu would open a second.
    viewport->setContextMenuPolicy(Qt::PreventContextMenu);
    if (QWidget* list = viewport->parentWidget()) {
        list->setContextMenuPolicy(Qt::PreventContextMenu);
        // The keyboard's menu keys reach the list itself, not its viewport.
        lists_.insert(list, menu);
        list->installEventFilter(this);
    }
}

void PopupMenuFilter::attachSurface(QWidget* surface, QMenu* menu)
{
    surface_ = surface;
    surfaceMenu_ = menu;
    surface->installEventFilter(this);
    surface->setContextMenuPolicy(Qt::PreventContextMenu);
}

bool PopupMenuFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return openFromKeyboard(watched, static_cast<QKeyEvent*>(event));
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::RightButton)
        return false;

    QMenu* menu = lists_.value(watched);
    if (!menu && watched == surface_) {
        // Presses that a control ignored travel on to the surface: only the bare background,
        // or a picture that takes no clicks, counts as the window's own.
        if (surface_->childAt(press->position().toPoint()) != nullptr)
            return false;
        menu = surfaceMenu_;
    }
    if (!menu)
        return false;
    menu->popup(press->globalPosition().toPoint());
    return true;
}

bool PopupMenuFilter::openFromKeyboard(QObject* watched, QKeyEvent* key)
{
    const bool menuKey = key->key() == Qt::Key_Menu ||
                         (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
    QMenu* menu = menuKey ? lists_.value(watched) : nullptr;
    auto* list = qobject_cast<QAbstractItemView*>(watched);
    if (!menu || !list)
        return false;
    // Under the current line, where the player's eyes are; the list's corner when there is none.
    const QRect line = list->visualRect(list->currentIndex());
    menu->popup(line.isValid() ? list->viewport()->mapToGlobal(line.bottomLeft())
                               : list->mapToGlobal(QPoint(0, 0)));
    return true;
}

void selectAllOnFocus(QLineEdit* field)
{
    field->installEventFilter(new SelectAllFilter(field));
}

} // namespace tarvelin
