#pragma once

#include <QString>
#include <chrono>

class QLockFile;

namespace tarvelin
{

// Takes `lock` within `wait`. A lock file whose owner is gone (killed, even before it wrote its
// process id) is taken over at once; a live owner is waited for. Empty when taken, else why not.
QString takeRegistryLock(QLockFile& lock, std::chrono::milliseconds wait);

} // namespace tarvelin
