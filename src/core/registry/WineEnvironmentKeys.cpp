// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WineEnvironmentKeys.h"

#include "core/registry/WineRegistry.h"

namespace tarvelin
{

namespace
{

const QString kCurrentVersion = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion");
const QString kNtCurrentVersion = QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion");
const QString kSystemEnvironment =
    QStringLiteral("System\\CurrentControlSet\\Control\\Session Manager\\Environment");
const QString kUserEnvironment = QStringLiteral("Environment");

// Every value of `keyPath` that reads as text, by its name in upper case.
void addKeyValues(WineEnvironment& environment, const WineRegistry& registry,
                  const QString& keyPath)
{
    if (const WineKey* key = registry.key(keyPath))
        for (const WineValue& value : key->values) {
            const QString text = registryText(registry.QueryValue(keyPath, value.name));
            if (!value.name.isEmpty() && !text.isEmpty())
                environment.insert(value.name.toUpper(), text);
        }
}

void addFolder(WineEnvironment& environment, const char* variable, const QString& folder)
{
    if (!folder.isEmpty())
        environment.insert(QString::fromLatin1(variable).toUpper(), folder);
}

} // namespace

QStringList wineEnvironmentKeys()
{
    return {kCurrentVersion, wow64KeyPath(kCurrentVersion), kNtCurrentVersion, kSystemEnvironment};
}

WineEnvironment wineEnvironment(const WineRegistry& system, const QString& winePrefix)
{
    WineEnvironment environment;
    addKeyValues(environment, system, kSystemEnvironment);
    const WineRegistry user =
        WineRegistry::read(winePrefix + QStringLiteral("/user.reg"), {kUserEnvironment});
    addKeyValues(environment, user, kUserEnvironment);

    auto text = [&](const QString& key, const char* name) {
        return registryText(system.QueryValue(key, QString::fromLatin1(name)));
    };
    const QString wowKey = wow64KeyPath(kCurrentVersion);
    // A 64-bit prefix gives a 32-bit program its "(x86)" folders under the plain names.
    const bool wow64 = !text(wowKey, "ProgramFilesDir").isEmpty();
    const QString& programKey = wow64 ? wowKey : kCurrentVersion;
    addFolder(environment, "ProgramFiles", text(programKey, "ProgramFilesDir"));
    addFolder(environment, "CommonProgramFiles", text(programKey, "CommonFilesDir"));
    addFolder(environment, "ProgramFiles(x86)", text(kCurrentVersion, "ProgramFilesDir (x86)"));
    addFolder(environment, "CommonProgramFiles(x86)",
              text(kCurrentVersion, "CommonFilesDir (x86)"));
    if (wow64)
        addFolder(environment, "ProgramW6432", text(kCurrentVersion, "ProgramFilesDir"));
    const QString systemRoot = text(kNtCurrentVersion, "SystemRoot");
    addFolder(environment, "SystemRoot", systemRoot);
    addFolder(environment, "windir", systemRoot);
    addFolder(environment, "SystemDrive",
              systemRoot.isEmpty() ? QStringLiteral("C:") : systemRoot.left(2));
    return environment;
}

QString expandWineValue(const QString& text, const WineEnvironment& environment)
{
    // A variable may name others ("%SystemRoot%\system32"); a few rounds reach the end of any
    // chain Wine writes, and a loop stops.
    QString expanded = text;
    for (int round = 0; round < 4 && expanded.contains(u'%'); ++round)
        expanded = expandEnvironmentStrings(expanded, environment);
    return expanded;
}

} // namespace tarvelin
