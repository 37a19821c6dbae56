// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// What became of one file handed to the trash.
struct TrashResult {
    bool ok = false;
    QString pathInTrash; // where the file now lies, when ok
    QString error;       // why it is still where it was, when not ok

    static TrashResult moved(QString where) { return {true, std::move(where), {}}; }
    static TrashResult failed(QString why) { return {false, {}, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

// The desktop's trash, where deleted setup files and whole-store copies go so that the player can
// take them back. Only files are accepted, never folders.
class Trash
{
public:
    virtual ~Trash() = default;
    virtual TrashResult moveToTrash(const QString& path) = 0;
};

// The freedesktop trash: the home trash for a file on the home folder's volume, else that
// volume's own trash; a volume without one refuses. A name that is taken in the trash gets a
// number. The file keeps its name's bytes, and its record names them.
class SystemTrash : public Trash
{
public:
    TrashResult moveToTrash(const QString& path) override;
};

} // namespace tarvelin
