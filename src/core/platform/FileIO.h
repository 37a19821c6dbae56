// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FilePolicy.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace tarvelin
{

// The outcome of one file step; `error` says what failed, for the log or the player.
struct FileResult {
    bool ok = true;
    QString error;

    static FileResult success() { return {}; }
    static FileResult failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

struct FileContents {
    bool ok = false;
    bool missing = false; // the file does not exist
    QByteArray bytes;
    QString error;
    qint64 fileSize = -1; // the whole file's size, where only its start was read
};

// Opens without waiting (a FIFO with no writer, a device) and reads only a regular file: anything
// else is refused at once. A link is read where it points. A file larger than maxSize is refused,
// also one that grows past it while it is read.
FileContents readWholeFile(const QString& path, qsizetype maxSize);
// At most the first `count` bytes of a regular file, opened as readWholeFile opens, with the
// whole file's size: a list of many files reads only their records.
FileContents readFileStart(const QString& path, qsizetype count);

// Run once a file's bytes are written, while they are flushed to the disk, before the file takes
// its place; a failure here cancels the file. Two files that must reach the disk in order (a
// store's history before the store) are then flushed together instead of one after the other.
using BeforeCommit = std::function<FileResult()>;

// The only way the utility writes a file: the bytes go to a temporary file in the same folder,
// which is flushed and then renamed over `path`, and the folder is flushed. A failure at any point
// leaves the old file whole. The new file takes the old one's mode. What lies at `path` must be
// what `kind`'s row of the policy allows (FilePolicy.h): only a store's link is written where it
// points and stays a link; anything else that is not a regular file is refused untouched.
FileResult saveFileAtomically(const QString& path, QByteArrayView bytes,
                              const BeforeCommit& beforeCommit = {},
                              PathKind kind = PathKind::SetupFile);

// saveFileAtomically in two steps, for a file that must be on the disk before another one
// changes: write() leaves the bytes in a temporary file, already being written out; commit()
// waits until they are on the disk and puts the file in place. Destroyed uncommitted, the
// temporary file goes and `path` is untouched.
class AtomicSave
{
public:
    explicit AtomicSave(QString path, PathKind kind = PathKind::SetupFile);
    ~AtomicSave();
    AtomicSave(const AtomicSave&) = delete;
    AtomicSave& operator=(const AtomicSave&) = delete;

    FileResult write(QByteArrayView bytes);
    // The temporary file is `spare`, an unneeded file of the same folder, written over in place
    // instead of a new one created: a file of the same size then needs no blocks freed or
    // allocated, and its flush no journal commit. Set before write(); when the spare cannot be
    // taken (gone, not a plain file of ours) a new temporary file is created as usual.
    void reuse(QString spare) { spare_ = std::move(spare); }
    // `beforeCommit` runs while this file is flushed; the file takes its place after both.
    FileResult commit(const BeforeCommit& beforeCommit = {});
    const QString& path() const { return path_; }

private:
    void cancel();

    QString path_;
    PathKind kind_;
    QByteArray target_;    // where the file lands: the end of any chain of links
    QByteArray temporary_; // beside it, until the rename
    QString spare_;
    int fd_ = -1; // the temporary file, written and not yet committed
};

// Temporary and spare files are named ".tarvelin-setup-utility." and six random letters and
// digits: a hidden name no player gives, so a leftover is told from the player's own copies by its
// exact name (case counts) alone.
QString temporaryFileName();
bool isTemporaryFileName(QByteArrayView name);

// For a file that may be lost, as a cache's is: written whole to a fresh temporary file, never
// through a link, and renamed into place, with no flush to the disk. After a crash the file may
// be missing or empty; its reader checks what it finds.
FileResult saveCacheFile(const QString& path, QByteArrayView bytes);

// A scratch file of the utility's own: what lies at `path` (a leftover, a link, dangling or not)
// is removed first, the link itself and never what it points to; a folder, FIFO or device there
// is refused untouched. The file is then created afresh and exclusively, never through a link, then
// written whole and flushed. It takes the mode of `modeOf` (the file it is about to replace) where
// that file exists, as saveFileAtomically's new file takes the old one's; else the mode any new
// file gets.
FileResult writeFreshFile(const QString& path, QByteArrayView bytes,
                          const BeforeCommit& beforeCommit = {}, const QString& modeOf = {});

// Refuses a target that is a symbolic link: writing "over" it would replace the file it points
// to, somewhere the player did not choose.
FileResult refuseLink(const QString& path);
// Something, even a dangling link, is at `path`.
bool entryExists(const QString& path);

// The two Windows attributes the games' files carry, as Unix permissions.
// Normal (32): the owner may write. Read-only (33): nobody may write.
// Never through a link: a link is refused and what it points to keeps its mode.
FileResult setNormal(const QString& path);
FileResult setReadOnly(const QString& path);
// No write bit at all. Checked explicitly because root may open read-only files for writing.
bool isReadOnly(const QString& path);

// A regular file, or a link itself; a folder, FIFO or device is refused untouched.
FileResult removeFile(const QString& path);
// Replaces only a regular file at `to`, never a link, folder, FIFO or device, and flushes the
// folder afterwards.
FileResult renameFile(const QString& from, const QString& to);
// The folder's entries on the disk: after a rename, the new name survives a power cut.
FileResult flushFolder(const QString& folder);
// Copies through saveFileAtomically, so a failed copy leaves no partial target.
FileResult copyFile(const QString& from, const QString& to, qsizetype maxSize);

// Folder + "/" + name, without a second "/" when the folder already ends in one.
QString joinPath(const QString& folder, const QString& name);

// The steps of the file layer, as the faults in force see them. A write asks for Write twice, at
// its start and halfway, so that a refused second half leaves a file cut short, as a full disk
// does; a refused Write fails with "No space left on device". Removing a leftover before a fresh
// file asks for Remove. The flush of a folder after a rename asks for FlushFolder.
enum class FileStep {
    Read,
    Open,
    Write,
    Flush,
    Commit,
    SetAttributes,
    Remove,
    Rename,
    FlushFolder
};

// What may fail on the way to the disk. Every file step asks the faults in force first and fails
// when they refuse it. The utility runs with none: no step is ever refused. A test puts faults in
// force for one scope (tests/support/InjectedFileFaults.h), to walk each step of a command
// failing in turn.
class FileFaults
{
public:
    virtual ~FileFaults() = default;
    virtual bool allows(FileStep step, const QString& path) = 0;
};

// Puts `faults` in force (null: none) and returns the ones they replace, for the scope's end.
FileFaults* putFileFaultsInForce(FileFaults* faults);

} // namespace tarvelin
