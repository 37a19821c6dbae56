// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Trash.h"

#include <QFile>
#include <QStringList>

namespace fixture
{

// Stands in for the desktop's trash: records every path handed to it and removes the file.
class FakeTrash : public tarvelin::Trash
{
public:
    tarvelin::TrashResult moveToTrash(const QString& path) override
    {
        requested << path;
        if (!QFile::remove(path))
            return tarvelin::TrashResult::failed(path + QStringLiteral(" could not be removed."));
        return tarvelin::TrashResult::moved(QStringLiteral("/trash/files/") +
                                            path.section('/', -1));
    }

    QStringList requested;
};

} // namespace fixture
