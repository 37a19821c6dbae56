// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/RegistryCommands.h"

namespace tarvelin
{

RegistryValueOutcome getRegistryValue(const Registry& registry, const QString& keyPath,
                                      const QString& valueName)
{
    RegistryValueOutcome outcome;
    outcome.value = registry.QueryValue(keyPath, valueName);
    if (std::holds_alternative<std::monostate>(outcome.value)) {
        const QString why = registry.whyNoValue(keyPath, valueName);
        return refused(
            exclamation(QStringLiteral("No value \"%1\" under [HKEY_LOCAL_MACHINE\\%2] "
                                       "in %3%4")
                            .arg(valueName, keyPath, registry.filePath(),
                                 why.isEmpty() ? QString() : QStringLiteral(": ") + why)),
            {}, std::move(outcome));
    }
    outcome.done = true;
    return outcome;
}

CommandOutcome setRegistryValue(Registry& registry, const QString& keyPath,
                                const QString& valueName, const RegistryValue& value,
                                RegistryType type)
{
    if (const QString problem = Registry::namesProblem(keyPath, &valueName); !problem.isEmpty())
        return refused(exclamation(
            QStringLiteral("%1 was not changed: %2.").arg(registry.filePath(), problem)));
    if (!registry.ensureCreated() || !registry.createKey(keyPath) ||
        !registry.SetKeyValue(keyPath, valueName, value, type))
        return refused(registryNotChangedMessage(registry));
    CommandOutcome outcome;
    outcome.done = true;
    return outcome;
}

CommandOutcome deleteRegistryValue(Registry& registry, const QString& keyPath,
                                   const QString& valueName)
{
    if (!registry.DeleteValue(keyPath, valueName))
        return refused(registryNotChangedMessage(registry));
    CommandOutcome outcome;
    outcome.done = true;
    return outcome;
}

Message registryNotChangedMessage(const Registry& registry)
{
    const QString& why = registry.lastError();
    if (why.isEmpty())
        return exclamation(QStringLiteral("%1 was not changed.").arg(registry.filePath()));
    return exclamation(QStringLiteral("%1 was not changed: %2.").arg(registry.filePath(), why));
}

} // namespace tarvelin
