// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>

class QLockFile;

namespace tarvelin
{

// Takes `lock` within `wait`. A lock file whose owner is gone is taken over at once, or, when the
// owner was killed before it wrote its process id, within a moment; a live owner is waited for.
// Empty when taken, else why not.
QString takeRegistryLock(QLockFile& lock, std::chrono::milliseconds wait);

} // namespace tarvelin
