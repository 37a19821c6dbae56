#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian's packages, what building and running the utility needs; with --tests also
# what its tests need, with --package what building and checking its Debian package needs, with
# --ci everything the CI run uses (the three, and the compilers and checkers of its further
# stages). Prints what it installs, installs nothing when everything is there, and uses sudo
# unless run as root.
set -euo pipefail

build=(cmake ninja-build g++ ccache qt6-base-dev libasound2-dev fonts-dejavu-core)
tests=(
    libgtest-dev libbenchmark-dev zsh fish
    xvfb openbox xdotool x11-utils python3-pyatspi at-spi2-core dbus-x11
    weston qt6-wayland
)
package=(dpkg-dev file lintian appstream desktop-file-utils man-db bash-completion)
checkers=(clang libclang-rt-14-dev clang-format clang-tidy)

packages=("${build[@]}")
for option in "$@"; do
    case $option in
    --tests) packages+=("${tests[@]}") ;;
    --package) packages+=("${package[@]}") ;;
    --ci) packages+=("${tests[@]}" "${package[@]}" "${checkers[@]}") ;;
    *)
        echo "usage: tools/install-deps.sh [--tests] [--package] [--ci]" >&2
        exit 2
        ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
if [ ${#missing[@]} = 0 ]; then
    echo "install-deps: all ${#packages[@]} packages asked for are installed"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root=()
if [ "$(id -u)" != 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: run this as root (no sudo here)" >&2; exit 1; }
    as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
