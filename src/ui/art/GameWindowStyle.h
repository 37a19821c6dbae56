// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tarvelin
{

// The game window's look: light captions on the dark artwork, framed lists and fields.
void applyGameWindowStyle(QWidget* surface);

} // namespace tarvelin
