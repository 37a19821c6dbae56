// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer/SetupExport.h"

#include "core/Logging.h"
#include "core/files/FileReplace.h"
#include "core/files/FolderRules.h"
#include "core/files/TypedFileName.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"

#include <QDir>

namespace tarvelin
{

namespace
{

Message rootMessage(const ExportRequest& request)
{
    const QString text = QString::fromLatin1(kRootFolderRefusedText);
    if (request.style == MessageStyle::Plain)
        return {text};
    return {request.folder + QStringLiteral("  ") + text, MessageIcon::Critical};
}

Message emptyNameMessage(MessageStyle style)
{
    return {QStringLiteral("You did'nt choose a file to export."),
            style == MessageStyle::Plain ? MessageIcon::None : MessageIcon::Information};
}

// Both checks are always made, the marked style naming the name first; true when both pass.
bool checkFolderAndName(const ExportRequest& request, ExportOutcome& outcome)
{
    const bool root = isRootFolder(request.folder);
    const bool noName = request.exportName.isEmpty();
    if (request.style == MessageStyle::Plain) {
        if (root)
            outcome.messages.push_back(rootMessage(request));
        if (noName)
            outcome.messages.push_back(emptyNameMessage(request.style));
    } else {
        if (noName)
            outcome.messages.push_back(emptyNameMessage(request.style));
        if (root)
            outcome.messages.push_back(rootMessage(request));
    }
    return !root && !noName;
}

} // namespace

ExportOutcome exportSetup(const ExportRequest& request)
{
    ExportOutcome outcome;
    const RecordLayout layout = request.profile->recordLayout();
    const StorePaths paths = StorePaths::forGameDirectory(request.gameDirectory);
    SetupTable table;
    const StoreRead read = paths.isValid() ? readGameStore(paths, layout) : StoreRead{};
    if (read.ok) {
        table = read.image.table;
        outcome.table = table;
    } else {
        outcome.detail = paths.isValid() ? read.error : QStringLiteral("no game directory");
        qCInfo(lcTransfer).noquote() << "export: store not read:" << outcome.detail;
        if (!request.fallbackTable)
            return outcome;
        table = *request.fallbackTable;
    }

    outcome.nameUsed = true;
    if (!checkFolderAndName(request, outcome))
        return outcome;

    const SetupRecord none;
    const bool slotChosen = SetupTable::isSlot(request.selectedSlot);
    const SetupRecord& record = slotChosen ? table.entry(request.selectedSlot) : none;
    // As delete does: the store may have been sorted or saved by the game since it was listed,
    // and the listed name must never be given to another setup.
    if (read.ok && slotChosen && request.listedName &&
        (!record.isUsed() || record.name != *request.listedName)) {
        outcome.storeChanged = true;
        return refused(exclamation(QStringLiteral("Slot %1 of the store does not hold the selected "
                                                  "setup: the store has changed since it was "
                                                  "listed. Nothing was exported.")
                                       .arg(request.selectedSlot)),
                       {}, std::move(outcome));
    }
    if (!record.isUsed())
        return refused(exclamation(QStringLiteral("Please choose a setup to export!")), {},
                       std::move(outcome));

    const QString fileName = request.exportName + request.profile->SetupFileExtension;
    if (!isUsableFileName(request.exportName) || !isUsableFileName(fileName)) {
        return refused(exclamation(QStringLiteral("\"%1\" can't be used as a file name. Choose "
                                                  "another name and try it again.")
                                       .arg(request.exportName)),
                       {}, std::move(outcome));
    }
    const QString target = joinPath(request.folder, fileName);
    if (const FileResult link = refuseLink(target); !link) {
        return refused(exclamation(QStringLiteral("%1 is a link to another file. Nothing was "
                                                  "written.")
                                       .arg(target)),
                       link.error, std::move(outcome));
    }
    // Exported files are left read-only; one is never written over, even by root.
    if (isReadOnly(target)) {
        return refused(exclamation(QStringLiteral("%1 already exists and is read-only. Nothing "
                                                  "was written.")
                                       .arg(target)),
                       {}, std::move(outcome));
    }
    if (!request.replaceExisting && wouldReplaceFile(target)) {
        outcome.wouldReplace = true;
        outcome.messages.push_back(replaceQuestion(fileName));
        return outcome;
    }
    if (request.dryRun) {
        outcome.done = true;
        outcome.writtenFile = target;
        return outcome;
    }
    if (const FileResult written = saveFileAtomically(target, serializeSetupFile(record, layout));
        !written) {
        return refused(
            exclamation(
                QStringLiteral("%1 could not be written. Nothing was exported.").arg(target)),
            written.error, std::move(outcome));
    }
    if (const FileResult readOnly = setReadOnly(target); !readOnly)
        outcome.passedOver << readOnly.error;
    outcome.done = true;
    outcome.writtenFile = target;
    return outcome;
}

} // namespace tarvelin
