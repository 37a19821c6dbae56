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

QString gameDiscRoot(const DriveTable& drives)
{
    QStringList roots;
    const QString optical = opticalDiscRoot(drives);
    if (optical != QLatin1String(kUnknownDrive))
        roots << optical;
    // A player without a drive mounts the game's CD as an image instead.
    roots << drives.discImageRoots();
    for (const QString& root : roots) {
        if (!findLaunchProgram(root).isEmpty())
            return root;
        qCInfo(lcLauncher) << "no" << kLaunchProgram << "in" << root;
    }
    return {};
}

LaunchOutcome Launch(const GameProfile& profile, const DriveTable& drives, ProgramStarter& starter,
                     const WineSetup& wine)
{
    LaunchOutcome outcome;
    const QString root = gameDiscRoot(drives);
    if (!root.isEmpty()) {
        outcome.program = findLaunchProgram(root);
        outcome.done = starter.startInWine(outcome.program, {}, root, wine);
    } else {
        qCInfo(lcLauncher) << "no disc with" << kLaunchProgram
                           << "in a drive or mounted as an image";
    }
    if (!outcome.done)
        outcome.messages.push_back(exclamation(profile.CdMissingMessage));
    return outcome;
}

} // namespace tarvelin
