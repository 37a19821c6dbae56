#include "core/transfer/SetupExport.h"

#include "core/Logging.h"
#include "core/files/TypedFileName.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreFile.h"
#include "core/store/StorePaths.h"

#include <QDir>

namespace tarvelin
{

namespace
{

const QString kRootRefused =
    QStringLiteral("You can't export to the root directory choose a folder and try it again.");

bool isRootFolder(const QString& folder)
{
    // An empty folder would put the file at the root as well.
    const QString clean = QDir::cleanPath(folder);
    return clean.isEmpty() || clean == QLatin1String("/");
}

Message rootMessage(const ExportRequest& request)
{
    if (request.entryPoint == EntryPoint::Menu)
        return {kRootRefused};
    return {request.folder + QStringLiteral("  ") + kRootRefused, MessageIcon::Critical};
}

Message emptyNameMessage(EntryPoint entryPoint)
{
    return {QStringLiteral("You did'nt choose a file to export."),
            entryPoint == EntryPoint::Menu ? MessageIcon::None : MessageIcon::Information};
}

// Both checks are always made, in the entry point's order; true when both pass.
bool checkFolderAndName(const ExportRequest& request, ExportOutcome& outcome)
{
    const bool root = isRootFolder(request.folder);
    const bool noName = request.exportName.isEmpty();
    if (request.entryPoint == EntryPoint::Menu) {
        if (root)
            outcome.messages.push_back(rootMessage(request));
        if (noName)
            outcome.messages.push_back(emptyNameMessage(request.entryPoint));
    } else {
        if (noName)
            outcome.messages.push_back(emptyNameMessage(request.entryPoint));
        if (root)
            outcome.messages.push_back(rootMessage(request));
    }
    return !root && !noName;
}

ExportOutcome refusedWith(ExportOutcome outcome, const QString& text, QString detail = {})
{
    outcome.messages.push_back({text, MessageIcon::Exclamation});
    outcome.detail = std::move(detail);
    if (!outcome.detail.isEmpty())
        qCWarning(lcTransfer).noquote() << outcome.detail;
    return outcome;
}

} // namespace

ExportOutcome ExportSetup(const ExportRequest& request)
{
    ExportOutcome outcome;
    const RecordLayout layout = request.profile->recordLayout();
    const StorePaths paths = StorePaths::forGameDirectory(request.gameDirectory);
    SetupTable table;
    const StoreRead read = paths.isValid() ? ReadSlots(paths.store, layout) : StoreRead{};
    if (read.ok) {
        table = read.image.table;
        outcome.table = table;
    } else {
        outcome.detail = paths.isValid() ? read.error : QStringLiteral("no game directory");
        qCInfo(lcTransfer).noquote() << "export: store not read:" << outcome.detail;
        if (request.entryPoint == EntryPoint::Button) {
            outcome.clearSetupName = false;
            return outcome;
        }
        if (request.windowTable)
            table = *request.windowTable;
    }

    if (!checkFolderAndName(request, outcome))
        return outcome;

    const SetupRecord none;
    const SetupRecord& record =
        SetupTable::isSlot(request.selectedSlot) ? table.entry(request.selectedSlot) : none;
    if (!record.isUsed())
        return refusedWith(std::move(outcome), QStringLiteral("Please choose a setup to export!"));

    const QString fileName = request.exportName + request.profile->SetupFileExtension;
    if (!isUsableFileName(request.exportName) || !isUsableFileName(fileName)) {
        return refusedWith(std::move(outcome),
                           QStringLiteral("\"%1\" can't be used as a file name. Choose another "
                                          "name and try it again.")
                               .arg(request.exportName));
    }
    const QString target = joinPath(request.folder, fileName);
    // Exported files are left read-only; one is never written over, even by root.
    if (isReadOnly(target)) {
        return refusedWith(
            std::move(outcome),
            QStringLiteral("%1 already exists and is read-only. Nothing was written.").arg(target));
    }
    if (const FileResult written = saveFileAtomically(target, serializeSetupFile(record, layout));
        !written) {
        return refusedWith(
            std::move(outcome),
            QStringLiteral("%1 could not be written. Nothing was exported.").arg(target),
            written.error);
    }
    if (const FileResult readOnly = setReadOnly(target); !readOnly)
        qCInfo(lcTransfer).noquote() << "passed over:" << readOnly.error;
    outcome.done = true;
    outcome.writtenFile = target;
    return outcome;
}

} // namespace tarvelin
