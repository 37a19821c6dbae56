// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

namespace tarvelin
{

// The history window's list of kept stores. The focus arriving leaves no line current, where a
// plain QTreeWidget would make the first line current without choosing it: with one line kept,
// the first arrow key would then have nowhere to go, and the keyboard could not choose it.
class KeptStoreList : public QTreeWidget
{
    Q_OBJECT

public:
    using QTreeWidget::QTreeWidget;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace tarvelin
