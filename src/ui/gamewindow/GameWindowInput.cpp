// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/GameWindowInput.h"

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
    if (viewport->parentWidget())
        viewport->parentWidget()->setContextMenuPolicy(Qt::PreventContextMenu);
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

void selectAllOnFocus(QLineEdit* field)
{
    field->installEventFilter(new SelectAllFilter(field));
}

} // namespace tarvelin
