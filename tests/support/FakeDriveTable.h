// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/DriveTable.h"

#include <QMap>

namespace fixture
{

// Optical drives in order, the folders their discs are mounted on, and the disc images mounted.
class FakeDriveTable : public tarvelin::DriveTable
{
public:
    QStringList drives;
    QMap<QString, QString> mounts;
    QStringList images;

    QStringList opticalDrives() const override { return drives; }
    QString mountPoint(const QString& device) const override { return mounts.value(device); }
    QStringList discImageRoots() const override { return images; }
};

} // namespace fixture
