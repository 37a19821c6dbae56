// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"
#include "core/registry/Registry.h"

#include <QString>

namespace tarvelin
{

// One value under HKEY_LOCAL_MACHINE; not done, naming the key, the value and the file, when
// the file has no such value (or one of a type it does not hold as text or number).
struct RegistryValueOutcome : CommandOutcome {
    RegistryValue value;
};
RegistryValueOutcome getRegistryValue(const Registry& registry, const QString& keyPath,
                                      const QString& valueName);

// Writes the value, creating the file (with the utility's own key) and the key when missing. A
// name that would not read back is refused before the file is touched, so that creating the key
// cannot change the file either.
CommandOutcome setRegistryValue(Registry& registry, const QString& keyPath,
                                const QString& valueName, const RegistryValue& value,
                                RegistryType type);

CommandOutcome deleteRegistryValue(Registry& registry, const QString& keyPath,
                                   const QString& valueName);

// The file that was not changed, with the registry's reason, so that the player can put it right.
Message registryNotChangedMessage(const Registry& registry);

} // namespace tarvelin
