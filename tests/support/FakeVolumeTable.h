// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/VolumeTable.h"

#include <utility>

namespace tarvelin
{

// The volumes a test names.
class FakeVolumeTable final : public VolumeTable
{
public:
    explicit FakeVolumeTable(QList<Volume> volumes) : volumes_(std::move(volumes)) {}
    QList<Volume> volumes() const override { return volumes_; }

private:
    QList<Volume> volumes_;
};

} // namespace tarvelin
