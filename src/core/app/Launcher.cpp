// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/Launcher.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"

namespace tarvelin
{

namespace
{

// The launcher in `root`: the exact name first, else the first file of that name in any case.
QString findLaunchProgram(const QString& root)
{
    const QString name = QString::fromLatin1(kLaunchProgram);
    QString exact = joinPath(root, name);
    if (PathInfo(exact).isFile())
        return exact;
    QStringList matches;
    forEachEntry(root, [&](const FolderEntry& entry) {
        const QString found = QString::fromUtf8(entry.name());
        if (found.compare(name, Qt::CaseInsensitive) == 0 && entry.isFile())
            matches << found;
    });
    matches.sort();
    return matches.isEmpty() ? QString() : joinPath(root, matches.first());
}

} // namespace

QString opticalDiscRoot(const DriveTable& drives)
{
    const QStringList devices = drives.opticalDrives();
    if (devices.isEmpty())
        return QString::fromLatin1(kUnknownDrive);
    const QString root = drives.mountPoint(devices.first());
    return root.isEmpty() ? QString::fromLatin1(kUnknownDrive) : root;
}

LaunchOutcome Launch(const GameProfile& profile, const DriveTable& drives, ProgramStarter& starter)
{
    LaunchOutcome outcome;
    const QString root = opticalDiscRoot(drives);
    if (root != QLatin1String(kUnknownDrive)) {
        outcome.program = findLaunchProgram(root);
        if (outcome.program.isEmpty())
            qCInfo(lcLauncher) << "no" << kLaunchProgram << "in" << root;
        else
            outcome.done = starter.startDetachedIn(outcome.program, {}, root);
    } else {
        qCInfo(lcLauncher) << "no optical drive with a disc mounted";
    }
    if (!outcome.done)
        outcome.messages.push_back(exclamation(profile.CdMissingMessage));
    return outcome;
}

} // namespace tarvelin
