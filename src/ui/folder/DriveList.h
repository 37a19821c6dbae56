// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/VolumeTable.h"

#include <QComboBox>

namespace tarvelin
{

// The drive list (`Drive1`): the machine's volumes by their root path. The table is read again
// each time the list opens, so a volume mounted since shows up.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveList(const VolumeTable& table, QWidget* parent = nullptr);

    // Reads the volume table again, keeping the drive shown.
    void reload();
    const QList<Volume>& volumes() const { return volumes_; }

    // Shows `drive` without anything else happening: the list follows the folder.
    void showDrive(const QString& drive);
    QString drive() const { return currentText(); }

    void showPopup() override;

Q_SIGNALS:
    // The player picked a volume (not emitted by showDrive).
    void driveChosen(const tarvelin::Volume& volume);

private:
    const VolumeTable& table_;
    QList<Volume> volumes_;
};

} // namespace tarvelin
