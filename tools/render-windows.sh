#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every window on the demo data into docs/screenshots/ (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target tarvelin-render-windows
QT_QPA_PLATFORM=offscreen "$build/tools/tarvelin-render-windows" docs/screenshots
