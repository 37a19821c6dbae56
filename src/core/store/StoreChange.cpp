#include "core/store/StoreChange.h"

#include "core/Logging.h"
#include "core/store/StoreLeftovers.h"
#include "core/store/StoreReplace.h"

namespace tarvelin
{

StoreChange::StoreChange(StorePaths paths, QString command, StoreLock lock)
    : paths_(std::move(paths)), command_(std::move(command)), lock_(std::move(lock))
{
}

StoreChange StoreChange::begin(const StorePaths& paths, QString command)
{
    StoreLock lock = StoreLock::acquire(paths.folder, storeLockWait(),
                                        [&paths] { noticeStoreLockWait(paths.store); });
    if (!lock.held())
        qCWarning(lcStore).noquote() << command << "refused:" << lock.error();
    else
        removeLeftoverTemporaries(paths); // no other write of this store is running now
    return StoreChange(paths, std::move(command), std::move(lock));
}

Message StoreChange::refusal() const
{
    return {QStringLiteral("%1 is being changed by another program. Nothing was changed: try "
                           "again in a moment.")
                .arg(paths_.store),
            MessageIcon::Exclamation};
}

FileResult StoreChange::replace(const SetupTable& table, RecordLayout layout, QByteArrayView excess,
                                bool throughScratch)
{
    return replaceBytes(serializeStore(table, layout, excess), throughScratch);
}

FileResult StoreChange::replaceBytes(const QByteArray& bytes, bool throughScratch)
{
    Q_ASSERT(started());
    return replaceStoreBytes(paths_, bytes, throughScratch);
}

} // namespace tarvelin
