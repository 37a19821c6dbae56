#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The backup history on a desktop, by the keyboard and a screen reader alone: opened from the
Setup File menu, a frame titled exactly, its lines and preview read, focus choosing nothing,
and a deleted setup brought back with Restore.

Usage: test_history_window.py EXECUTABLE
"""

import os
import sys

# The lane leaves nothing in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop as d  # noqa: E402

NAMES = [b"Eldora Late", b"Knoxville", b"Williams Grove"]
GAME_TITLE = "Tarvelin Setup Utility"
START_TITLE = "Tarvelin Setup Utility Start"
HISTORY_TITLE = "Backup History"


def enabled(node):
    import pyatspi
    return node.getState().contains(pyatspi.STATE_ENABLED)


def test(desktop):
    import pyatspi
    import reader as r

    fixture = d.Fixture(NAMES)
    try:
        utility = r.Utility(desktop, sys.argv[1], fixture.registry)
        start = utility.window(START_TITLE)
        desktop.click(*r.centre(r.must_find(start, name="Open the Dirt Track Racing setups")))
        game = utility.window(GAME_TITLE + ": Dirt Track Racing")
        total = r.must_find(game, prefix="Total Setups: ")
        selected = r.must_find(game, prefix="Selected Setup: ")
        original = d.Fixture.read(fixture.store_path)

        # Delete line 1 by the keyboard; the store as it was is kept in the history.
        d.wait_for("the store list's focus", lambda: r.name_of(r.focused(game)) ==
                   "Setups in the store")
        desktop.keys("Down")
        d.wait_for("line 1 chosen", lambda: r.name_of(selected) == "Selected Setup: 1")
        r.tab_to(desktop, game, "Delete Setup")
        desktop.keys("Return")
        d.wait_for("the deletion", lambda: r.name_of(total) == "Total Setups: 2")
        if not utility.no_dialog():
            desktop.keys("Return")
            d.wait_for("the message box to close", utility.no_dialog)

        # The Setup File menu by its access keys.
        desktop.keys("alt+s")
        d.wait_for("the Setup File menu", lambda: r.find(utility.application(),
                                                         name="Backup History..."))
        desktop.keys("h")
        history = utility.window(HISTORY_TITLE + ": Dirt Track Racing")
        d.check(r.role_of(history) == pyatspi.ROLE_FRAME, "the history window is not a frame")
        d.wait_for("its X title", lambda: HISTORY_TITLE in desktop.window_titles())
        kept = r.must_find(history, name="Kept stores, newest first")
        r.must_find(kept, name="Changed by the game")
        r.must_find(kept, name="3")
        restore = r.must_find(history, name="Restore", role=pyatspi.ROLE_PUSH_BUTTON)
        bring_back = r.must_find(history, name="Restoring brings back")

        # The focus in the list chooses no line: Restore waits for one.
        d.wait_for("the list's focus", lambda: r.name_of(r.focused(history)) ==
                   "Kept stores, newest first")
        d.check(not enabled(restore), "Restore is enabled with no line chosen")
        desktop.keys("Down")
        d.wait_for("the line chosen", lambda: enabled(restore))
        d.wait_for("the preview read", lambda: r.find(bring_back, name="Eldora Late"))
        d.check(r.find(history, prefix="The order of the setups") is not None,
                "the order note is not read")

        # Restore by the keyboard, answered Yes: the store comes back to the byte, and the
        # game window shows it.
        r.tab_to(desktop, history, "Restore")
        desktop.keys("Return")
        title, texts = utility.dialog()
        d.check(title == HISTORY_TITLE, "the question's title %r" % title)
        d.check(any(text.startswith("Put the store kept on ") for text in texts),
                "the question reads %r" % texts)
        desktop.keys("y")
        d.wait_for("the restore", lambda: d.Fixture.read(fixture.store_path) == original)
        d.wait_for("the game window's total", lambda: r.name_of(total) == "Total Setups: 3")
        if not utility.no_dialog():
            desktop.keys("Return")
        # The deletion's store is kept in its turn, newest first.
        d.wait_for("the restore's own line", lambda: r.find(kept, name="Restored from the history"))
    finally:
        fixture.remove()


if __name__ == "__main__":
    d.run(test)
