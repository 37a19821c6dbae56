// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/widgets/VBUSoftButton.h"

#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

namespace tarvelin
{

// Puts `widget` at `geometry` under `objectName`, the name by which tests and accessibility tools
// find it. A control without a visible text of its own, or whose text changes, gets an
// `accessibleName` that says what it is for, unique within its window.
template <typename Widget>
Widget* place(Widget* widget, const char* objectName, const QRect& geometry,
              const QString& accessibleName = {})
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

// A label showing `text` at `geometry` under `objectName`.
inline QLabel* placedLabel(QWidget* parent, const char* objectName, const QRect& geometry,
                           const QString& text = {})
{
    return place(new QLabel(text, parent), objectName, geometry);
}

// A picture button at `geometry` under `objectName`. Its picture has no text a screen reader could
// read, so `accessibleName` names it and is its tool tip as well.
inline VBUSoftButton* placedSoftButton(QWidget* parent, const char* objectName,
                                       const QRect& geometry, const QString& accessibleName)
{
    auto* button = place(new VBUSoftButton(parent), objectName, geometry, accessibleName);
    button->setToolTip(accessibleName);
    return button;
}

} // namespace tarvelin
