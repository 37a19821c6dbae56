#!/usr/bin/env bash
# Installs what building, testing and checking the utility needs, from Debian's packages. Prints
# what it installs, installs nothing when everything is there, and uses sudo unless run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ ccache
    qt6-base-dev libasound2-dev libgtest-dev libbenchmark-dev
    xvfb fonts-dejavu-core
    openbox xdotool x11-utils python3-pyatspi at-spi2-core dbus-x11
    clang libclang-rt-14-dev clang-format clang-tidy
    dpkg-dev appstream desktop-file-utils man-db bash-completion
    weston qt6-wayland
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
if [ ${#missing[@]} = 0 ]; then
    echo "install-deps: all ${#packages[@]} build packages are installed"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root=()
if [ "$(id -u)" != 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: run this as root (no sudo here)" >&2; exit 1; }
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
