// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer/SetupFileIntake.h"

#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreFile.h"

namespace tarvelin
{

namespace
{

// Far more than any setup file, whatever its name's length; anything larger is not one.
constexpr qsizetype kMaxSetupFileSize = qsizetype{1024} * 1024;

SetupIntake refusedIntake(QString text, QString detail = {})
{
    SetupIntake intake;
    intake.refusal = exclamation(std::move(text));
    intake.detail = std::move(detail);
    return intake;
}

} // namespace

SetupIntake takeInSetupFile(SetupTable& table, const QString& path, const GameProfile& profile)
{
    const int slot = table.firstFreeSlot();
    if (slot == 0) {
        SetupIntake full = refusedIntake(
            QStringLiteral("The store is full: it holds 300 setups. Delete a setup before you "
                           "import another. Nothing was imported."));
        full.storeFull = true;
        return full;
    }
    const FileContents contents = readWholeFile(path, kMaxSetupFileSize);
    if (!contents.ok) {
        return refusedIntake(
            QStringLiteral("%1 could not be read. Nothing was imported.").arg(path),
            contents.error);
    }
    const RecordLayout layout = profile.recordLayout();
    const std::optional<SetupRecord> record = parseSetupFile(contents.bytes, layout);
    if (!record) {
        return refusedIntake(QStringLiteral("%1 is not a setup file of %2. Nothing was imported.")
                                 .arg(path, profile.gameTitle));
    }
    SetupIntake intake;
    // A file holding an unused slot adds nothing.
    if (record->isUsed()) {
        table.entry(slot) = *record;
        intake.slot = slot;
    }
    return intake;
}

bool settleImportedFile(const QString& path, bool deleteFile, CommandOutcome& outcome)
{
    if (const FileResult normal = setNormal(path); !normal)
        outcome.passedOver << normal.error;
    if (!deleteFile)
        return false;
    const FileResult removed = removeFile(path);
    if (!removed) {
        outcome.messages.push_back(exclamation(
            QStringLiteral("The setup was imported, but %1 could not be deleted.").arg(path)));
        outcome.detail = removed.error;
    }
    return removed.ok;
}

} // namespace tarvelin
