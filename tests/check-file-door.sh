#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds the one door for the file system: every file step of the program (open, create, write,
# rename, remove, make or list a folder, change a mode, lock, watch) is made by the files of
# src/core/platform named below, which apply the policy table of FilePolicy.h. A file call
# anywhere else under src/ or app/ fails this check. tests/, tools/, bench/ and fuzz/ are outside
# its scope.
# Usage: tests/check-file-door.sh SOURCE_DIR
set -euo pipefail
root="${1:?usage: check-file-door.sh SOURCE_DIR}"
cd "$root"

# The door, and the platform stand-ins that are file steps of their own.
door=(
    src/core/platform/FileIO.cpp src/core/platform/FileIO.h
    src/core/platform/FilePolicy.cpp src/core/platform/FilePolicy.h
    src/core/platform/FolderSteps.cpp src/core/platform/FolderSteps.h
    src/core/platform/PathInfo.cpp src/core/platform/PathInfo.h
    src/core/platform/LockFile.cpp src/core/platform/LockFile.h
    src/core/platform/Trash.cpp                                   # the move to the trash
    src/core/platform/FolderWatcher.cpp src/core/platform/FolderWatcher.h # the folder watcher
)

# Qt's file classes and the calls that open, change, list or lock what a path names. QDir's path
# arithmetic (cleanPath, homePath, filePath, dirName) is text alone and allowed.
calls=(
    '\bQFile\b' '\bQSaveFile\b' '\bQFileInfo\b' '\bQDirIterator\b' '\bQLockFile\b'
    '\bQTemporaryFile\b' '\bQTemporaryDir\b' '\bQFileSystemWatcher\b' '\bQFileDevice\b'
    'std::filesystem' '\bfopen\b' '\bfreopen\b' '\bopendir\b' '\bfdopendir\b' '\bscandir\b'
    '(^|[^A-Za-z0-9_>])::(open|openat|creat|unlink|unlinkat|rename|renameat|renameat2|mkdir|mkdirat|rmdir|chmod|fchmod|chown|lchown|flock|lockf|truncate|ftruncate|symlink|link|stat|lstat|fstatat|access|readlink|mknod|mkfifo|utimes|futimes|utimensat|fsync|fdatasync|sync_file_range)\('
    'std::(rename|remove)\('
    '\.(entryList|entryInfoList|mkpath|mkdir|rmdir|removeRecursively|setPermissions)\('
    'QDir\(\)\.'
    'QDir::(remove|rename|exists|setCurrent|mkpath)'
)
pattern=$(IFS='|'; echo "${calls[*]}")

is_door() {
    local file=$1 d
    for d in "${door[@]}"; do
        [ "$file" = "$d" ] && return 0
    done
    return 1
}

status=0
while IFS= read -r hit; do
    file=${hit%%:*}
    is_door "$file" && continue
    # Comments are prose, not calls.
    code=${hit#*:*:}
    [[ $code =~ ^[[:space:]]*// ]] && continue
    echo "$hit"
    status=1
done < <(grep -rnE --include='*.cpp' --include='*.h' "$pattern" src app || true)

if [ $status = 0 ]; then
    echo "one door: every file call is made by the door's files in src/core/platform"
else
    echo "file calls outside the door (use src/core/platform/FileIO.h, FolderSteps.h, PathInfo.h, LockFile.h)"
fi
exit $status
