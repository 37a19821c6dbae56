#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game window on a desktop: a setup file dragged with the real mouse from another window
onto the store list goes into the store, and Ctrl+Z, answered Yes, takes it out again.

Usage: test_drop_and_undo.py EXECUTABLE DRAG_SOURCE
"""

import os
import sys
import time

# The lane leaves nothing in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop as d  # noqa: E402

NAMES = [b"Eldora Late", b"Knoxville"]
GAME_TITLE = "Tarvelin Setup Utility"
START_TITLE = "Tarvelin Setup Utility Start"
SOURCE_TITLE = "Drag source"


def drag(desktop, start, end, steps=12):
    """Presses at `start`, moves to `end` in steps the drag can follow, and lets go."""
    desktop.command(["xdotool", "mousemove", str(start[0]), str(start[1]), "mousedown", "1"])
    for step in range(1, steps + 1):
        x = start[0] + (end[0] - start[0]) * step // steps
        y = start[1] + (end[1] - start[1]) * step // steps
        desktop.command(["xdotool", "mousemove", str(x), str(y)])
        # The window system hands each position to the target in its own round trip.
        time.sleep(0.05)
    desktop.command(["xdotool", "mouseup", "1"])


def test(desktop):
    import reader as r

    if len(sys.argv) < 3:
        print("skipped: no drag source given")
        raise SystemExit(d.SKIP)
    fixture = d.Fixture(NAMES)
    dropped = os.path.join(fixture.root, "downloads", "Fairbury.set")
    os.makedirs(os.path.dirname(dropped))
    d.Fixture.write(dropped, d.setup_file(b"Fairbury"))
    try:
        utility = r.Utility(desktop, sys.argv[1], fixture.registry)
        start = utility.window(START_TITLE)
        desktop.click(*r.centre(r.must_find(start, name="Open the Dirt Track Racing setups")))
        game = utility.window(GAME_TITLE + ": Dirt Track Racing")
        d.wait_for("the game window's X title", lambda: desktop.window_titles() == [GAME_TITLE])
        store_list = r.must_find(game, name="Setups in the store")
        total = r.must_find(game, prefix="Total Setups: ")
        opened = d.Fixture.read(fixture.store_path)

        # The source window beside the game window, where the mouse can reach both.
        desktop.spawn([sys.argv[2], dropped])
        source = d.wait_for("the drag source", lambda: desktop.window_geometry(SOURCE_TITLE))
        x, y, width, height = source
        drag(desktop, (x + width // 2, y + height // 2), r.centre(store_list))

        d.wait_for("the dropped setup in the store",
                   lambda: d.setup_file(b"Fairbury") in d.Fixture.read(fixture.store_path))
        d.wait_for("the store list's count", lambda: r.name_of(total) == "Total Setups: 3")
        d.check(d.Fixture.read(dropped) == d.setup_file(b"Fairbury"), "the dropped file changed")

        # Ctrl+Z in the game window asks first; Yes takes the dropped setup out again.
        desktop.command(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % GAME_TITLE,
                         "windowactivate", "--sync"])
        desktop.keys("ctrl+z")
        title, texts = utility.dialog()
        d.check(title == "Undo Last Change", "the question is titled %r" % title)
        d.check(any("Removes: Fairbury" in text for text in texts),
                "the question shows %r" % texts)
        desktop.keys("alt+y")
        d.wait_for("the store as opened", lambda: d.Fixture.read(fixture.store_path) == opened)
        d.wait_for("the store list's count", lambda: r.name_of(total) == "Total Setups: 2")
    finally:
        fixture.remove()


if __name__ == "__main__":
    d.run(test)
