#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds the layering of the two libraries:
#  - nothing under src/core/ includes a ui/ header or a Qt Gui/Widgets header;
#  - inside src/core/ and inside src/ui/ each folder includes only the folders listed before it in
#    the order below.
# Usage: tests/check-layering.sh SOURCE_DIR [QT_HEADERS_DIR]
# With QT_HEADERS_DIR (the folder holding QtCore/, QtGui/, ...) every header of Qt's Gui and
# Widgets modules counts, not only the names listed below.
set -euo pipefail
root="${1:?usage: check-layering.sh SOURCE_DIR [QT_HEADERS_DIR]}"
qt_headers="${2:-}"
cd "$root"

status=0

# Prints "file<TAB>included path" for every quoted or angled include of the files under $1.
includes() {
    grep -rnE --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$1" |
        sed -E 's/^([^:]*):([0-9]*):[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^">]*)[">].*/\1:\2\t\3/'
}

# Sets target to the include as a path under src/ ("core/store/X.h"), resolving one that climbs
# out of its file's folder ("../store/X.h").
resolve() {
    local file=$1 path=$2
    target=$path
    if [[ $path == *../* ]]; then
        target=$(realpath -m --relative-to=src "$(dirname "$file")/$path")
    fi
}

# Names of the Gui and Widgets modules that a core file may reach for without the module folder.
gui_names='QWidget|QMainWindow|QDialog|QLabel|QPushButton|QListWidget|QListView|QTreeView|QLineEdit|QComboBox|QCheckBox|QSlider|QMenu|QMenuBar|QAction|QMessageBox|QScrollArea|QLayout|QBoxLayout|QVBoxLayout|QHBoxLayout|QGridLayout|QApplication|QGuiApplication|QPainter|QPixmap|QImage|QIcon|QColor|QFont|QFontMetrics|QPalette|QBrush|QPen|QKeyEvent|QMouseEvent|QScreen|QWindow|QClipboard|QDesktopServices|QAccessible'
is_gui_header() {
    local path=$1 name=${1##*/}
    [[ $path =~ ^(QtWidgets|QtGui|QtOpenGL|QtOpenGLWidgets|QtPrintSupport)/ ]] && return 0
    [[ $path =~ ^($gui_names)$ ]] && return 0
    if [ -n "$qt_headers" ] && [[ $path != */* ]]; then
        for module in QtGui QtWidgets QtOpenGL QtOpenGLWidgets QtPrintSupport; do
            [ -e "$qt_headers/$module/$name" ] && return 0
        done
    fi
    return 1
}

while IFS=$'\t' read -r where path; do
    file=${where%:*}
    resolve "$file" "$path"
    if [[ $target == ui/* ]]; then
        echo "$where: core includes a window header: $path"
        status=1
    elif is_gui_header "$path"; then
        echo "$where: core includes a Qt Gui/Widgets header: $path"
        status=1
    fi
done < <(includes src/core)

# The allowed order of the folders, lowest first. A file may include the headers of its own
# folder, of the library's root (core/Logging.h) and of the folders listed before its own; never
# one listed after it. A new folder must be given its place here.
core_order=(
    outcome   # CommandOutcome, Message: what every command hands back
    names     # file names as bytes, setup names in Windows-1252
    platform  # the Linux stand-ins for the Windows services; the file steps
    store     # the store file: its layout, reading, writing, lock, history, store commands
    game      # the two games' constants
    motion    # the arithmetic of the animations
    registry  # the registry file, Wine's registry, the game-directory lookup, import from Wine
    files     # setup files in folders: listing, renaming, trashing
    transfer  # setups and whole stores in and out of the store
    app       # launcher, system information, controllers, volume, help index, about texts
    demo      # the demo games
    cli       # the command line over the commands above
)
ui_order=(
    platform       # the Gui-side stand-ins (beep, web links)
    art            # the one palette, pictures, fonts
    widgets        # controls every window uses; the message box service
    folder         # drive, folder and file lists
    gamewindow     # the game window
    historywindow  # the backup history window
    storewindow    # the whole-store window
    windows        # start, directories, about, volume, help
    session        # which window opens which
)

# The rank of folder $2 in the order named $1; -1 when it is not listed.
rank() {
    local -n order=$1
    local i
    for i in "${!order[@]}"; do
        [ "${order[$i]}" = "$2" ] && { echo "$i"; return; }
    done
    echo -1
}

for lib in core ui; do
    order_name=${lib}_order
    while IFS=$'\t' read -r where path; do
        file=${where%:*}
        resolve "$file" "$path"
        from=${file#src/$lib/}
        [[ $from == */* ]] || continue
        from=${from%%/*}
        from_rank=$(rank "$order_name" "$from")
        if [ "$from_rank" = -1 ]; then
            echo "$where: the folder src/$lib/$from has no place in the order of check-layering.sh"
            status=1
            continue
        fi
        [[ $target == $lib/*/* ]] || continue
        to=${target#$lib/}
        to=${to%%/*}
        [ "$from" = "$to" ] && continue
        to_rank=$(rank "$order_name" "$to")
        if [ "$to_rank" = -1 ] || [ "$to_rank" -gt "$from_rank" ]; then
            echo "$where: $lib/$from may not include $lib/$to, which comes after it in the order: $path"
            status=1
        fi
    done < <(includes "src/$lib")
done

[ $status = 0 ] && echo "layering holds: core includes no window or Gui header; every folder includes only the folders before it"
exit $status
