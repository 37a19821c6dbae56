// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FolderRules.h"

#include "core/files/SetupFileList.h"
#include "core/files/StripExtension.h"
#include "core/platform/PathInfo.h"
#include "core/registry/Registry.h"

#include <QDir>

namespace tarvelin
{

namespace
{

bool isReadableFolder(const QString& folder)
{
    const PathInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

FileCounters fileCounters(int selectedIndex, int count)
{
    return {QString::number(selectedIndex < 0 ? 0 : selectedIndex + 1), QString::number(count)};
}

bool isRootFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    return clean.isEmpty() || clean == QLatin1String("/");
}

QString folderPath(const QString& folder)
{
    return absolutePath(folder);
}

void rememberFolder(Registry& registry, const QString& valueName, const QString& folder)
{
    // One write that replaces the value where it stands: the file is flushed once per real
    // change, and not at all when the folder is the one already remembered.
    registry.SetKeyValue(QString::fromLatin1(UtilityKey), valueName, folder, RegistryType::String);
}

QString folderToRestore(const Registry& registry, const QString& valueName,
                        const QString& currentFolder)
{
    const QString remembered =
        registryText(registry.QueryValue(QString::fromLatin1(UtilityKey), valueName));
    if (!remembered.isEmpty() && PathInfo(remembered).isDir())
        return folderPath(remembered);
    return folderPath(currentFolder);
}

FolderView changeFolder(Registry* registry, const QString& valueName, const QString& folder,
                        const QString& pattern, const QList<Volume>& volumes)
{
    if (registry)
        rememberFolder(*registry, valueName, folder);
    FolderView view;
    view.folder = folder;
    FolderContents contents = listFolder(folder, pattern);
    view.files = std::move(contents.files);
    view.subfolders = std::move(contents.subfolders);
    view.drive = volumeOf(folder, volumes);
    view.counters = fileCounters(-1, static_cast<int>(view.files.size()));
    return view;
}

QString DriveFolders::folderOn(const QString& drive) const
{
    QString folder = folders_.value(drive);
    if (!folder.isEmpty() && PathInfo(folder).isDir())
        return folder;
    return drive;
}

Message driveNotReadyMessage(const QString& driveText)
{
    // A root path already ends in "/": no second one before the ".".
    const QString drive = driveText.endsWith(u'/') ? driveText.chopped(1) : driveText;
    return {drive + QStringLiteral("/.  This device is not ready."), MessageIcon::Critical};
}

DriveChange changeDrive(const Volume& drive, const DriveFolders& folders)
{
    if (!drive.ready)
        return {};
    const QString folder = folders.folderOn(drive.rootPath);
    if (!isReadableFolder(folder))
        return {};
    return {folder};
}

FileClick clickFile(const QString& name, int index, int count, const QString& suffix)
{
    return {fileCounters(index, count), name, StripExtension(name, suffix)};
}

FileClick chooseSeveralFiles(int chosen, int count)
{
    return {{QString::number(chosen), QString::number(count)},
            QStringLiteral("%1 files chosen").arg(chosen),
            {}};
}

} // namespace tarvelin
