// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SetupFileRename.h"

#include "core/files/FileReplace.h"
#include "core/files/TypedFileName.h"
#include "core/game/GameProfile.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"

#include <optional>

namespace tarvelin
{

namespace
{

// Setup files are one slot; anything this large is not one and is not copied.
constexpr qsizetype kMaxSetupFileSize = layout::kMaxStoreFileSize;

SetupFileRenameOutcome refusedAs(RenameResult result, Message message, const QString& detail = {})
{
    SetupFileRenameOutcome outcome;
    outcome.result = result;
    return refused(std::move(message), detail, std::move(outcome));
}

SetupFileRenameOutcome notRenamed(const QString& fileName, const QString& why)
{
    return refusedAs(
        RenameResult::NotRenamed,
        {QStringLiteral("%1 was not renamed. %2").arg(fileName, why), MessageIcon::Exclamation},
        why);
}

// The refusals the names alone decide; none when the new name may be tried on the disk.
std::optional<SetupFileRenameOutcome> nameRefusal(const QString& selectedFileName,
                                                  const QString& newName, const QString& suffix)
{
    if (newName == selectedFileName || newName + suffix == selectedFileName)
        return refusedAs(RenameResult::SameName,
                         {QStringLiteral("Can't rename a file to itself. Try Again.")});
    if (newName.isEmpty() || newName == QLatin1String("New File Name"))
        return refusedAs(RenameResult::NoNewName,
                         {QStringLiteral("Please choose the file's new name.")});
    if (!isUsableFileName(newName) || !isUsableFileName(newName + suffix))
        return refusedAs(RenameResult::UnusableName,
                         {QStringLiteral("\"%1\" can't be a file name: a name may not contain "
                                         "\"/\" or be \".\" or \"..\". Try Again.")
                              .arg(newName),
                          MessageIcon::Exclamation});
    // U+FFFD is how a byte that is not text is shown; writing it would name another file.
    constexpr QChar kShownByte(0xFFFD);
    if (newName.contains(kShownByte) && !selectedFileName.contains(kShownByte))
        return refusedAs(RenameResult::UnusableName,
                         {QStringLiteral("\"%1\" can't be a file name: \"%2\" stands for a "
                                         "character that can't be shown. Try Again.")
                              .arg(newName, QString(kShownByte)),
                          MessageIcon::Exclamation});
    return std::nullopt;
}

// Copies the selected file to its new name and deletes it only once the copy is complete.
SetupFileRenameOutcome renameByCopy(const QString& folder, const QString& selectedFileName,
                                    const QString& newFileName, bool replaceExisting, bool dryRun,
                                    QStringList& passedOver)
{
    const QString source = joinPath(folder, selectedFileName);
    const QString target = joinPath(folder, newFileName);
    if (!refuseLink(target))
        return notRenamed(selectedFileName,
                          QStringLiteral("%1 is a link to another file.").arg(newFileName));
    if (sameFile(source, target))
        return notRenamed(selectedFileName,
                          QStringLiteral("%1 is the same file.").arg(newFileName));
    if (isReadOnly(target))
        return notRenamed(selectedFileName,
                          QStringLiteral("%1 exists and is read-only.").arg(newFileName));
    if (!replaceExisting && wouldReplaceFile(target))
        return refusedAs(RenameResult::WouldReplace, replaceQuestion(newFileName));
    if (dryRun) {
        SetupFileRenameOutcome outcome;
        outcome.done = true;
        outcome.result = RenameResult::Renamed;
        outcome.newFileName = newFileName;
        outcome.messages.push_back(
            {QStringLiteral("%1 would be renamed to %2.").arg(selectedFileName, newFileName)});
        return outcome;
    }
    if (const FileResult copied = copyFile(source, target, kMaxSetupFileSize); !copied)
        return notRenamed(selectedFileName, copied.error);

    if (const FileResult readOnly = setReadOnly(target); !readOnly)
        passedOver << readOnly.error;
    SetupFileRenameOutcome outcome;
    if (const FileResult removed = removeFile(source); removed) {
        outcome.done = true;
        outcome.result = RenameResult::Renamed;
        outcome.messages.push_back(
            {selectedFileName + QStringLiteral(" was renamed sucessfully.")});
    } else {
        // Both names now hold the setup; saying "renamed" alone would hide the old one.
        outcome = refusedAs(RenameResult::CopiedSourceKept,
                            {QStringLiteral("%1 was copied to %2, but %1 could not be "
                                            "deleted: both files now exist.")
                                 .arg(selectedFileName, newFileName),
                             MessageIcon::Exclamation},
                            removed.error);
    }
    outcome.newFileName = newFileName;
    return outcome;
}

} // namespace

SetupFileRenameOutcome renameSetupFile(const QString& folder, const QString& selectedFileName,
                                       const QString& newName, const GameProfile& profile,
                                       bool replaceExisting, bool dryRun)
{
    const QString suffix = profile.SetupFileExtension;
    const QString source = joinPath(folder, selectedFileName);
    const bool fileSelected =
        !folder.isEmpty() && isUsableFileName(selectedFileName) && !PathInfo(source).isDir();
    QStringList passedOver;

    // Made writable before anything is checked, and left so when the rename is refused.
    if (fileSelected && !dryRun) {
        if (const FileResult writable = setNormal(source); !writable)
            passedOver << writable.error;
    }

    SetupFileRenameOutcome outcome;
    if (!fileSelected) {
        outcome = refusedAs(RenameResult::NoFileSelected,
                            {QStringLiteral("Please choose a file to rename")});
    } else if (auto refusal = nameRefusal(selectedFileName, newName, suffix)) {
        outcome = *std::move(refusal);
    } else {
        outcome = renameByCopy(folder, selectedFileName, newName + suffix, replaceExisting, dryRun,
                               passedOver);
    }
    outcome.passedOver = passedOver;
    return outcome;
}

} // namespace tarvelin
