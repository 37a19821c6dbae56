#include "core/files/SetupFileRename.h"

#include "core/files/TypedFileName.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace tarvelin
{

namespace
{

// Setup files are one slot; anything this large is not one and is not copied.
constexpr qsizetype kMaxSetupFileSize = layout::kMaxStoreFileSize;

// Two names of one file: a case-insensitive volume, or a link. Copying one onto the other and
// deleting the source would delete the only copy.
bool sameFile(const QString& a, const QString& b)
{
    struct stat first {
    };
    struct stat second {
    };
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

SetupFileRenameOutcome refused(RenameResult result, const char* text, FileFocus focus)
{
    SetupFileRenameOutcome outcome;
    outcome.result = result;
    outcome.message = Message{QString::fromLatin1(text)};
    outcome.focus = focus;
    return outcome;
}

SetupFileRenameOutcome notRenamed(const QString& fileName, const QString& why)
{
    SetupFileRenameOutcome outcome;
    outcome.result = RenameResult::NotRenamed;
    outcome.message = Message{QStringLiteral("%1 was not renamed. %2").arg(fileName, why),
                              MessageIcon::Exclamation};
    return outcome;
}

} // namespace

SetupFileRenameOutcome RenameSetupFile(const QString& folder, const QString& selectedFileName,
                                       const QString& newName, const GameProfile& profile)
{
    const QString suffix = profile.SetupFileExtension;
    const QString source = joinPath(folder, selectedFileName);
    const bool fileSelected =
        !folder.isEmpty() && isUsableFileName(selectedFileName) && !QFileInfo(source).isDir();
    QStringList passedOver;

    // Made writable before anything is checked, and left so when the rename is refused.
    if (fileSelected) {
        if (const FileResult writable = setNormal(source); !writable)
            passedOver << writable.error;
    }

    SetupFileRenameOutcome outcome;
    if (!fileSelected) {
        outcome = refused(RenameResult::NoFileSelected, "Please choose a file to rename",
                          FileFocus::FileList);
    } else if (newName == selectedFileName || newName + suffix == selectedFileName) {
        outcome = refused(RenameResult::SameName, "Can't rename a file to itself. Try Again.",
                          FileFocus::RenameField);
    } else if (newName.isEmpty() || newName == QLatin1String("New File Name")) {
        outcome = refused(RenameResult::NoNewName, "Please choose the file's new name.",
                          FileFocus::RenameField);
    } else if (!isUsableFileName(newName) || !isUsableFileName(newName + suffix)) {
        outcome.result = RenameResult::UnusableName;
        outcome.message = Message{QStringLiteral("\"%1\" can't be a file name: a name may not "
                                                 "contain \"/\" or be \".\" or \"..\". Try Again.")
                                      .arg(newName),
                                  MessageIcon::Exclamation};
        outcome.focus = FileFocus::RenameField;
    } else {
        const QString newFileName = newName + suffix;
        const QString target = joinPath(folder, newFileName);
        if (sameFile(source, target)) {
            outcome = notRenamed(selectedFileName,
                                 QStringLiteral("%1 is the same file.").arg(newFileName));
        } else if (isReadOnly(target)) {
            outcome = notRenamed(selectedFileName,
                                 QStringLiteral("%1 exists and is read-only.").arg(newFileName));
        } else if (const FileResult copied = copyFile(source, target, kMaxSetupFileSize); !copied) {
            outcome = notRenamed(selectedFileName, copied.error);
        } else {
            if (const FileResult readOnly = setReadOnly(target); !readOnly)
                passedOver << readOnly.error;
            const FileResult removed = removeFile(source);
            outcome.result = RenameResult::Renamed;
            outcome.message =
                Message{selectedFileName + QStringLiteral(" was renamed sucessfully.")};
            if (!removed) {
                // Both names now hold the setup; saying "renamed" alone would hide the old one.
                passedOver << removed.error;
                outcome.result = RenameResult::CopiedSourceKept;
                outcome.message = Message{QStringLiteral("%1 was copied to %2, but %1 could not "
                                                         "be deleted: both files now exist.")
                                              .arg(selectedFileName, newFileName),
                                          MessageIcon::Exclamation};
            }
            outcome.newFileName = newFileName;
            outcome.refreshFileList = true;
        }
    }
    outcome.passedOver = passedOver;
    return outcome;
}

} // namespace tarvelin
