// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvelin
{

// How an export or an import speaks to the player. The game window's menu entries use the plain
// style; its image buttons the marked one, whose messages carry icons, whose root-folder refusal
// names the folder, and whose export checks the name before the folder.
enum class MessageStyle { Plain, Marked };

} // namespace tarvelin
