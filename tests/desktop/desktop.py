# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop for the real-display tests: Xvfb, openbox, a D-Bus session and the AT-SPI bus.

The utility runs there as a player would run it. The tests press real keys and click with
xdotool, and read the windows over AT-SPI as a screen reader does. pyatspi is imported only
once the session's environment is set, since it connects to the buses when it is imported.

Every wait here is bounded: a condition that does not come true within its limit fails the
test with what was seen instead.
"""

import importlib.util
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE for the lane
TOOLS = ["Xvfb", "openbox", "xdotool", "dbus-launch", "xprop", "xwininfo", "xev", "stdbuf"]
BUS_LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
WAIT_LIMIT = 15.0  # seconds for any one thing to appear on the desktop


def fail(message):
    print("FAILED: " + message, file=sys.stderr)
    raise SystemExit(1)


def check(condition, message):
    if not condition:
        fail(message)


def wait_for(what, probe, limit=WAIT_LIMIT):
    """Polls `probe` until it returns something true; fails naming `what` after `limit`."""
    end = time.monotonic() + limit
    last = None
    while time.monotonic() < end:
        try:
            last = probe()
        except Exception as error:  # the tree changes under the reader while windows open
            last = error
        if last and not isinstance(last, Exception):
            return last
        time.sleep(0.05)
    fail("%s did not happen within %.0f s (last seen: %r)" % (what, limit, last))


# ---------------------------------------------------------------------------------------------
# Fixtures, written from the store's byte layout.

SLOTS = 300
DTR_TRAILING_WORDS = 6
SC_TRAILING_WORDS = 5


def fixed_part(trailing_words, seed):
    size = 12 + 4 * 48 + 4 * trailing_words
    return bytes((seed * 31 + i * 7 + 1) & 0xFF for i in range(size))


def used_slot(name, trailing_words, seed):
    return struct.pack("<I", 1) + name + b"\0" + fixed_part(trailing_words, seed)


def store_of(names, trailing_words=DTR_TRAILING_WORDS):
    """A setups.sav: header 0, slots 1..len(names) used, the rest unused."""
    data = struct.pack("<I", 0)
    for seed, name in enumerate(names, start=1):
        data += used_slot(name, trailing_words, seed)
    return data + struct.pack("<I", 0) * (SLOTS - len(names))


def setup_file(name, trailing_words=DTR_TRAILING_WORDS, seed=7):
    """A single exported setup: one slot, its flag included."""
    return used_slot(name, trailing_words, seed)


class Fixture:
    """A game directory with a store, a setup-file folder and a registry file pointing at both."""

    def __init__(self, names, files=()):
        self.root = tempfile.mkdtemp(prefix="tarvelin-desktop-")
        self.game = os.path.join(self.root, "dtr")
        self.saved = os.path.join(self.game, "data", "saved games")
        self.folder = os.path.join(self.root, "setups")
        os.makedirs(self.saved)
        os.makedirs(self.folder)
        self.write(self.store_path, store_of(names))
        for file_name, setup_name in files:
            self.write(os.path.join(self.folder, file_name), setup_file(setup_name))
        self.registry = os.path.join(self.root, "registry.reg")
        with open(self.registry, "w", encoding="latin-1") as reg:
            reg.write("REGEDIT4\r\n\r\n")
            reg.write("[HKEY_LOCAL_MACHINE\\Software\\Ratbag\\Dirt Track Racing\\1.00]\r\n")
            reg.write('"Directory"="%s"\r\n\r\n' % self.game)
            reg.write("[HKEY_LOCAL_MACHINE\\Software\\Tarvelin\\TarvelinSetupUtility\\6.2.2]\r\n")
            reg.write('"(Dir)"="%s"\r\n\r\n' % self.folder)

    @property
    def store_path(self):
        return os.path.join(self.saved, "setups.sav")

    @staticmethod
    def write(path, data):
        with open(path, "wb") as out:
            out.write(data)

    @staticmethod
    def read(path):
        with open(path, "rb") as source:
            return source.read()

    def snapshot(self):
        """Every file under the root with its bytes, to show that nothing changed."""
        files = {}
        for folder, _, names in os.walk(self.root):
            for name in names:
                path = os.path.join(folder, name)
                files[os.path.relpath(path, self.root)] = self.read(path)
        return files

    def remove(self):
        for folder, dirs, names in os.walk(self.root):
            for name in dirs + names:
                os.chmod(os.path.join(folder, name), 0o755)
        shutil.rmtree(self.root, ignore_errors=True)


# ---------------------------------------------------------------------------------------------
# The desktop session.


class Desktop:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.processes = []
        self.home = tempfile.mkdtemp(prefix="tarvelin-home-")
        self.env = dict(os.environ)
        for name in ["WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER"]:
            self.env.pop(name, None)
        self.env.update(
            HOME=self.home,
            XDG_CONFIG_HOME=os.path.join(self.home, "config"),
            XDG_DATA_HOME=os.path.join(self.home, "data"),
            XDG_STATE_HOME=os.path.join(self.home, "state"),
            XDG_CACHE_HOME=os.path.join(self.home, "cache"),
            XDG_RUNTIME_DIR=os.path.join(self.home, "runtime"),
            QT_QPA_PLATFORM="xcb",
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            QT_ACCESSIBILITY="1",
            NO_AT_BRIDGE="0",
            LC_ALL="C.UTF-8",
        )
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)

    def start(self):
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                    "%dx%dx24" % (self.width, self.height), "-nolisten", "tcp", "-noreset"],
                   pass_fds=[write_end])
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            number = pipe.readline().strip()
        check(number, "Xvfb did not start")
        self.env["DISPLAY"] = ":" + number.decode()

        launched = subprocess.run(["dbus-launch", "--sh-syntax"], env=self.env, check=True,
                                  capture_output=True, text=True).stdout
        for line in launched.splitlines():
            name, _, value = line.partition("=")
            value = value.rstrip(";").strip("'")
            if name == "DBUS_SESSION_BUS_ADDRESS":
                self.env[name] = value
            elif name == "DBUS_SESSION_BUS_PID":
                self.dbus_pid = int(value)

        launcher = next(path for path in BUS_LAUNCHERS if os.path.exists(path))
        self.spawn([launcher, "--launch-immediately"])
        self.spawn(["openbox", "--sm-disable"])
        wait_for("the window manager", lambda: self.command(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False).find("window id") >= 0)
        # The reader in this process talks to this session's buses.
        os.environ.update(self.env)

    def spawn(self, arguments, **options):
        process = subprocess.Popen(arguments, env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True, **options)
        self.processes.append(process)
        return process

    def command(self, arguments, check=True):
        done = subprocess.run(arguments, env=self.env, capture_output=True, text=True,
                              timeout=WAIT_LIMIT)
        if check and done.returncode != 0:
            fail("%s failed: %s" % (" ".join(arguments), done.stderr.strip()))
        return done.stdout

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
        if getattr(self, "dbus_pid", None):
            try:
                os.kill(self.dbus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.home, ignore_errors=True)

    # Real input, to whichever window has the focus.
    def keys(self, *names):
        for name in names:
            self.command(["xdotool", "key", "--clearmodifiers", name])

    def click(self, x, y, button=1, holding=None):
        """A click at (x, y), with the key `holding` ("ctrl", "shift") held down when given."""
        if holding is None:
            self.command(["xdotool", "mousemove", str(x), str(y), "click", str(button)])
            return
        self.command(["xdotool", "keydown", holding, "mousemove", str(x), str(y),
                      "click", str(button), "keyup", holding])

    def active_title(self):
        return self.command(["xdotool", "getactivewindow", "getwindowname"], check=False).strip()

    def window_titles(self):
        ids = self.command(["xdotool", "search", "--onlyvisible", "--name", "."],
                           check=False).split()
        titles = []
        for window in ids:
            title = self.command(["xdotool", "getwindowname", window], check=False).strip()
            if title:
                titles.append(title)
        return titles

    def window_geometry(self, title):
        """(x, y, width, height) of the visible window with exactly this title."""
        ids = self.command(["xdotool", "search", "--onlyvisible", "--name", "."],
                           check=False).split()
        for window in ids:
            if self.command(["xdotool", "getwindowname", window], check=False).strip() != title:
                continue
            shape = {}
            # The window may close between the search and this question.
            for line in self.command(["xdotool", "getwindowgeometry", "--shell", window],
                                     check=False).split():
                name, _, value = line.partition("=")
                shape[name] = int(value) if value.lstrip("-").isdigit() else value
            if "WIDTH" in shape:
                return shape["X"], shape["Y"], shape["WIDTH"], shape["HEIGHT"]
        return None


def run(test, width=1280, height=1024):
    """Starts the desktop, runs `test(desktop)` and always takes the session down."""
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if not any(os.path.exists(path) for path in BUS_LAUNCHERS):
        missing.append("at-spi2-core")
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("python3-pyatspi")
    if missing:
        print("skipped: the desktop tools are not installed (%s)" % ", ".join(missing))
        raise SystemExit(SKIP)
    desktop = Desktop(width, height)
    try:
        desktop.start()
        test(desktop)
    finally:
        desktop.stop()
    print("passed")
