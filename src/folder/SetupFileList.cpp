#include "folder/SetupFileList.h"

#include <QDir>

namespace tarvelin
{

QStringList listSetupFiles(const QString& folder, const QString& pattern)
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder, pattern, QDir::Name | QDir::IgnoreCase, QDir::Files);
    return dir.entryList();
}

} // namespace tarvelin
