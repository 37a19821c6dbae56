// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder/DriveList.h"

namespace tarvelin
{

DriveList::DriveList(const VolumeTable& table, QWidget* parent) : QComboBox(parent), table_(table)
{
    setObjectName(QStringLiteral("Drive1"));
    setAccessibleName(QStringLiteral("Drive of the setup folder"));
    setToolTip(QStringLiteral("Drive where you store your setups."));
    reload();
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < volumes_.size())
            Q_EMIT driveChosen(volumes_.at(index));
    });
}

void DriveList::reload()
{
    const QString shown = drive();
    volumes_ = table_.volumes();
    const QSignalBlocker blocker(this);
    clear();
    for (const Volume& volume : volumes_)
        addItem(volume.rootPath);
    showDrive(shown);
}

void DriveList::showDrive(const QString& drive)
{
    if (drive.isEmpty())
        return;
    int index = findText(drive, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        // A volume unmounted since the table was read still names the folder's drive.
        volumes_.append({drive, true});
        addItem(drive);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void DriveList::showPopup()
{
    reload();
    QComboBox::showPopup();
}

} // namespace tarvelin
