// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/EscapeCloses.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

namespace tarvelin
{

void closeOnEscape(QWidget* window, QAbstractButton* closeButton)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, [window, closeButton] {
        if (closeButton)
            closeButton->click();
        else
            window->close();
    });
}

} // namespace tarvelin
