#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <sys/stat.h>

namespace tarvelin
{

// A Linux file name is bytes, not necessarily UTF-8. Qt converts names as UTF-8 and turns every
// byte that is not into U+FFFD, after which the file can never be reached again. Names the utility
// reads from the system are therefore decoded here instead: valid UTF-8 as text, and each byte of
// a sequence that is not valid UTF-8 as the lone low surrogate U+DC80..U+DCFF ("surrogate
// escape"), which encodes back to that very byte. Every path the utility hands to the system is
// encoded here, so that a name read from a folder names the same file again.
QByteArray encodeFileName(QStringView name);
QString decodeFileName(QByteArrayView bytes);

// A name or a text holding names as the player sees it: each escaped byte (and any other lone
// surrogate) as U+FFFD. Never a path again.
QString shownFileName(const QString& text);
// The byte that the unit at `index` escapes, or -1 when it is text: for an escape of its own,
// such as the terminal's \xNN.
int escapedByteAt(QStringView text, qsizetype index);

// What lies at a path, asked with lstat and stat on its exact bytes: QFileInfo's questions, which
// Qt would ask of a re-encoded name.
class PathInfo
{
public:
    explicit PathInfo(const QString& path);

    // Through a link, as QFileInfo: a dangling link does not exist.
    bool exists() const { return found_; }
    bool isSymLink() const { return link_; }
    bool isDir() const { return found_ && S_ISDIR(mode_); }
    bool isFile() const { return found_ && S_ISREG(mode_); }
    // For this process, as access() answers it (root reads everything).
    bool isReadable() const;
    bool isExecutable() const;

    static bool exists(const QString& path) { return PathInfo(path).exists(); }

private:
    QByteArray name_;
    mode_t mode_ = 0;
    bool found_ = false;
    bool link_ = false;
};

// The current folder, decoded as above (QDir::currentPath re-encodes it).
QString currentFolder();
// `path` made absolute against the current folder and cleaned of "." and "..", as text.
QString absolutePath(const QString& path);
// The real path, links resolved; empty when nothing is there.
QString canonicalPath(const QString& path);

} // namespace tarvelin
