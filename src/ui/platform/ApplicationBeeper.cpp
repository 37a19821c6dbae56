// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/ApplicationBeeper.h"

#include <QApplication>

namespace tarvelin
{

void ApplicationBeeper::beep()
{
    QApplication::beep();
}

} // namespace tarvelin
