#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window once under a headless Wayland compositor: weston's headless backend, Qt's wayland
platform, no X display at all. The driver opens each window, checks it is handed to the compositor
as its opener's own, and closes it with Escape (sliding where it slides), within a time bound.
The source tree must not reach for X alone either.

Usage: wayland_run.py DRIVER SOURCE_DIR
"""

import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
RUN_LIMIT = 60.0  # seconds for the driver to open and close every window
SOCKET = "tarvelin-wayland"
# A window's parent as the client tells it to the compositor; set after the window first maps, the
# compositor would never hear of it.
SET_PARENT = re.compile(r"-> xdg_toplevel@\d+\.set_parent\(xdg_toplevel@")
# Calls that exist only under X: the windows must work without them.
X_ONLY = re.compile(r"\bxcb_|\bQX11Info\b|<X11/|\bXGetInputFocus\b|\bXOpenDisplay\b|"
                    r"\bQX11Application\b|\bx11Application\b")


def fail(message):
    print("FAILED: " + message, file=sys.stderr)
    raise SystemExit(1)


def wayland_platform_installed():
    plugins = glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so")
    return bool(plugins)


def x_only_calls(source_dir):
    found = []
    for part in ("src", "app"):
        for folder, _, names in os.walk(os.path.join(source_dir, part)):
            for name in names:
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, start=1):
                        if X_ONLY.search(line):
                            found.append("%s:%d: %s" % (path, number, line.strip()))
    return found


def main():
    driver, source_dir = sys.argv[1], sys.argv[2]
    calls = x_only_calls(source_dir)
    if calls:
        fail("the windows reach for X alone:\n" + "\n".join(calls))
    if shutil.which("weston") is None or not wayland_platform_installed():
        print("skipped: weston or qt6-wayland is not installed")
        raise SystemExit(SKIP)

    runtime = tempfile.mkdtemp(prefix="tarvelin-wayland-")
    os.chmod(runtime, 0o700)
    env = {name: value for name, value in os.environ.items()
           if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY")}
    env.update(XDG_RUNTIME_DIR=runtime, HOME=runtime,
               XDG_CONFIG_HOME=os.path.join(runtime, "config"),
               XDG_DATA_HOME=os.path.join(runtime, "data"),
               XDG_CACHE_HOME=os.path.join(runtime, "cache"), LC_ALL="C.UTF-8")
    log = open(os.path.join(runtime, "weston.log"), "w")
    compositor = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--socket=" + SOCKET, "--idle-time=0",
         "--width=1280", "--height=1024"],
        env=env, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
    try:
        socket = os.path.join(runtime, SOCKET)
        end = time.monotonic() + 15
        while not os.path.exists(socket):
            if compositor.poll() is not None or time.monotonic() > end:
                log.flush()
                with open(log.name) as seen:
                    fail("weston did not start:\n" + seen.read()[-2000:])
            time.sleep(0.05)
        # The headless compositor has no seat: Qt's own Wayland text input would look for a
        # keyboard that is not there when a window is activated, so no input method is loaded.
        # The client's side of the protocol is logged, to see each window handed to the
        # compositor with its parent.
        env.update(WAYLAND_DISPLAY=SOCKET, QT_QPA_PLATFORM="wayland", QT_IM_MODULE="none",
                   WAYLAND_DEBUG="client")
        try:
            done = subprocess.run([driver], env=env, capture_output=True, text=True,
                                  timeout=RUN_LIMIT)
        except subprocess.TimeoutExpired as expired:
            fail("the windows hung under Wayland after:\n%s" % (expired.stderr or ""))
        protocol = [line for line in done.stderr.splitlines() if line.startswith("[")]
        said = [line for line in done.stderr.splitlines() if not line.startswith("[")]
        print("\n".join(said))
        if "platform: wayland" not in said:
            fail("the driver did not run on Qt's wayland platform")
        if done.returncode != 0:
            fail("the windows under Wayland (status %d)" % done.returncode)
        over = sum(1 for line in said if line.endswith("(over its opener)"))
        parents = sum(1 for line in protocol if SET_PARENT.search(line))
        if parents < over:
            fail("%d windows opened over another, %d given a parent" % (over, parents))
    finally:
        os.killpg(compositor.pid, signal.SIGTERM)
        try:
            compositor.wait(timeout=5)
        except subprocess.TimeoutExpired:
            os.killpg(compositor.pid, signal.SIGKILL)
        log.close()
        shutil.rmtree(runtime, ignore_errors=True)
    print("passed")


if __name__ == "__main__":
    main()
