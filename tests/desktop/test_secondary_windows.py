#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The start window's secondary windows on a 1280 by 1024 desktop: frames with exact titles,
opened beside the start window without covering it, the volume keys going the right way, and
the directories window sliding right off the screen when it closes.

Usage: test_secondary_windows.py EXECUTABLE
"""

import os
import re
import subprocess
import sys

# The lane leaves nothing in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop as d  # noqa: E402

START_TITLE = "Tarvelin Setup Utility Start"
DIRECTORIES_TITLE = "Dirt Track And Sprint Car Game Directory"
VOLUME_TITLE = "System Volume"
SCREEN_WIDTH = 1280


def overlaps(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def on_screen(box):
    return box[0] >= 0 and box[1] >= 0 and box[0] + box[2] <= SCREEN_WIDTH


def frame_of(desktop, title):
    """The window manager's frame around the window titled `title`: what moves on the screen."""
    window = desktop.command(["xdotool", "search", "--onlyvisible", "--name",
                              "^%s$" % re.escape(title)]).split()[0]
    root = re.search(r"Root window id: (0x[0-9a-f]+)",
                     desktop.command(["xwininfo", "-id", window, "-tree"])).group(1)
    while True:
        parent = re.search(r"Parent window id: (0x[0-9a-f]+)",
                           desktop.command(["xwininfo", "-id", window, "-tree"])).group(1)
        if parent == root:
            return window
        window = parent


def test(desktop):
    import pyatspi
    import reader as r

    fixture = d.Fixture([b"One"])
    try:
        utility = r.Utility(desktop, sys.argv[1], fixture.registry)
        start = utility.window(START_TITLE)
        d.wait_for("the start window on the screen",
                   lambda: desktop.window_geometry(START_TITLE))
        start_box = desktop.window_geometry(START_TITLE)

        # The directories window: a frame with its exact title, beside the start window.
        desktop.click(*r.centre(r.must_find(start, name="Show the game directories")))
        directories = utility.window(DIRECTORIES_TITLE)
        d.check(r.role_of(directories) == pyatspi.ROLE_FRAME, "directories: not a frame")
        box = d.wait_for("the directories window", lambda: desktop.window_geometry(
            DIRECTORIES_TITLE))
        d.check(not overlaps(box, start_box), "directories %r covers start %r" % (box, start_box))
        d.check(on_screen(box), "directories %r is off the screen" % (box,))
        d.check(sorted(desktop.window_titles()) == sorted([START_TITLE, DIRECTORIES_TITLE]),
                "titles %r" % desktop.window_titles())

        # Its close button slides it right until it has left the 1280-pixel screen.
        frame = frame_of(desktop, DIRECTORIES_TITLE)
        watcher = subprocess.Popen(["stdbuf", "-oL", "xev", "-id", frame, "-event", "structure"],
                                   env=desktop.env, stdout=subprocess.PIPE, text=True,
                                   start_new_session=True)
        desktop.processes.append(watcher)
        desktop.click(*r.centre(r.must_find(directories, name="Close the game directories")))
        d.wait_for("the directories window to close",
                   lambda: desktop.window_geometry(DIRECTORIES_TITLE) is None)
        watcher.terminate()
        seen = watcher.communicate(timeout=d.WAIT_LIMIT)[0]
        lefts = [int(x) for x in re.findall(r"ConfigureNotify event.*?\(\s*(-?\d+),", seen, re.S)]
        # The window manager keeps a strip of a window on the screen whatever the window asks;
        # the slide must run on to that strip rather than stop where an 800-pixel screen ends.
        d.check(lefts and max(lefts) > SCREEN_WIDTH - box[2] // 4,
                "the slide's left edges %r stopped on the screen" % lefts)

        # The volume window; without a sound card it says so first.
        desktop.click(*r.centre(r.must_find(start, name="Adjust Your Volume Properties")))
        volume = utility.window(VOLUME_TITLE)
        if not utility.no_dialog():
            utility.answer("Couldn't open the mixer.")
        d.check(r.role_of(volume) == pyatspi.ROLE_FRAME, "volume: not a frame")
        box = d.wait_for("the volume window", lambda: desktop.window_geometry(VOLUME_TITLE))
        d.check(not overlaps(box, start_box), "volume %r covers start %r" % (box, start_box))
        slider = r.tab_to(desktop, volume, "Speaker volume")
        desktop.keys("Home")
        steps = []
        for key in ["Right", "Up", "Left", "Down"]:
            was = r.value_of(slider)
            desktop.keys(key)
            d.wait_for("%s to move the slider" % key, lambda: r.value_of(slider) != was)
            steps.append((key, r.value_of(slider) - was))
        raised = [key for key, change in steps if change > 0]
        d.check(raised == ["Right", "Up"], "the keys went %r" % steps)

        # Escape closes each as its Close button does; the directories reopen for it, their
        # paths reached by Tab on the way.
        desktop.keys("Escape")
        d.wait_for("Escape to close the volume window",
                   lambda: desktop.window_geometry(VOLUME_TITLE) is None)
        desktop.click(*r.centre(r.must_find(start, name="Show the game directories")))
        directories = utility.window(DIRECTORIES_TITLE)
        d.wait_for("the directories window again",
                   lambda: desktop.window_geometry(DIRECTORIES_TITLE))
        r.tab_to(desktop, directories, "Dtr Game Directory " + fixture.game)
        desktop.keys("Escape")
        d.wait_for("Escape to close the directories window",
                   lambda: desktop.window_geometry(DIRECTORIES_TITLE) is None)
    finally:
        fixture.remove()


if __name__ == "__main__":
    d.run(test)
