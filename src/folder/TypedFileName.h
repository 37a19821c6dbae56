#pragma once

#include <QString>

namespace tarvelin
{

// True when `name` can only name a file directly inside the chosen folder: not empty, no "/",
// no NUL, and not "." or "..". Names typed by the player and names handed over from a file list
// both pass through here before a path is built from them.
bool isPlainFileName(const QString& name);

} // namespace tarvelin
