// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QWidget;

namespace tarvelin
{

// Escape anywhere in `window` presses its Close button, so that the window closes exactly as
// the button closes it, the slide included. Without a button, Escape closes the window.
void closeOnEscape(QWidget* window, QAbstractButton* closeButton = nullptr);

} // namespace tarvelin
