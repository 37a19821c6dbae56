#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin
{

// The names of the folders in `folder`, links to folders included, hidden ones left out, sorted
// by name without regard to letter case: what the folder list shows below the open folder.
// Read from the directory's own entry types, so a folder of a hundred thousand setup files is
// not looked at file by file. An unreadable folder lists nothing.
QStringList listSubfolders(const QString& folder);

} // namespace tarvelin
