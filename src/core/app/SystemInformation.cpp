// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/SystemInformation.h"

#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"
#include "core/platform/ProgramStarter.h"
#include "core/registry/Registry.h"
#include "core/registry/WinePrefixMemory.h"

namespace tarvelin
{

bool GetKeyValue(const Registry& registry, const QString& keyPath, const QString& valueName,
                 QString& text)
{
    const RegistryValue value = registry.QueryValue(keyPath, valueName);
    if (const QString* string = std::get_if<QString>(&value)) {
        text = *string;
        return true;
    }
    if (const qint32* number = std::get_if<qint32>(&value)) {
        text = QString::number(*number);
        return true;
    }
    text.clear();
    return false;
}

namespace
{

// The tool's file in `folder`, matched without regard to case as the Windows file system does;
// empty when it is not there.
QString sysInfoProgramIn(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    QString program;
    forEachEntry(folder, [&](const FolderEntry& entry) {
        const QString name = QString::fromUtf8(entry.name());
        if (program.isEmpty() && !name.startsWith(u'.') &&
            name.compare(QLatin1String(kSysInfoProgram), Qt::CaseInsensitive) == 0 &&
            entry.isFile())
            program = joinPath(folder, name);
    });
    return program;
}

} // namespace

CommandOutcome StartSysInfo(const Registry& registry, ProgramStarter& starter)
{
    CommandOutcome started;
    started.done = true;
    QString path;
    if (GetKeyValue(registry, QString::fromLatin1(kSysInfoKey),
                    QString::fromLatin1(kSysInfoPathValue), path)) {
        if (starter.startInWine(path, {}, {}, eitherGameWineSetup(registry)))
            return started;
    } else {
        QString folder;
        if (GetKeyValue(registry, QString::fromLatin1(kSharedToolsKey),
                        QString::fromLatin1(kSharedToolsSysInfoValue), folder)) {
            const QString program = sysInfoProgramIn(folder);
            if (!program.isEmpty() &&
                starter.startInWine(program, {}, {}, eitherGameWineSetup(registry)))
                return started;
        }
    }
    return refused(Message{QString::fromLatin1(kSysInfoUnavailable), MessageIcon::None});
}

} // namespace tarvelin
