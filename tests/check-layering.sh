#!/usr/bin/env bash
# Holds the layering of the two libraries:
#  - nothing under src/core/ includes a ui/ header or a Qt Gui/Widgets header;
#  - inside src/core/ and inside src/ui/ the folders include each other in one direction only.
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

# Folder x includes folder y: "x y where" (tsort reads the first two words) inside one library.
for lib in core ui; do
    edges=$(
        while IFS=$'\t' read -r where path; do
            file=${where%:*}
            resolve "$file" "$path"
            from=${file#src/$lib/}
            [[ $from == */* ]] || continue
            [[ $target == $lib/*/* ]] || continue
            to=${target#$lib/}
            from=${from%%/*} to=${to%%/*}
            [ "$from" = "$to" ] || echo "$from $to $where"
        done < <(includes "src/$lib") | sort -u -k1,2
    )
    if ! errors=$(cut -d' ' -f1,2 <<<"$edges" | tsort 2>&1 >/dev/null) || [ -n "$errors" ]; then
        echo "src/$lib: its folders include each other in a circle:"
        echo "$errors"
        # The includes between the folders of a loop, one file each.
        loop=" $(sed -n 's/^tsort: \([^:]*\)$/\1/p' <<<"$errors" | sort -u | tr '\n' ' ')"
        while read -r from to where; do
            [[ $loop == *" $from "* && $loop == *" $to "* ]] && echo "    $from -> $to: $where"
        done <<<"$edges"
        status=1
    fi
done

[ $status = 0 ] && echo "layering holds: core includes no window or Gui header, no folder circle"
exit $status
