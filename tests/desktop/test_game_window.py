#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game window on a desktop: focus chooses nothing, the counters are read with their
captions, the titles are exact, and a setup goes out and in by the keyboard alone.

Usage: test_game_window.py EXECUTABLE
"""

import os
import sys

# The lane leaves nothing in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop as d  # noqa: E402

NAMES = [b"Eldora Late", b"Knoxville", b"Williams Grove", b"Lernerville", b"Port Royal"]
GAME_TITLE = "Tarvelin Setup Utility"
START_TITLE = "Tarvelin Setup Utility Start"


def test(desktop):
    import pyatspi
    import reader as r

    fixture = d.Fixture(NAMES, files=[("Fairbury.set", b"Fairbury")])
    try:
        utility = r.Utility(desktop, sys.argv[1], fixture.registry)
        start = utility.window(START_TITLE)
        d.check(r.role_of(start) == pyatspi.ROLE_FRAME, "the start window is not a frame")
        d.wait_for("the start window's X title", lambda: START_TITLE in desktop.window_titles())
        start_box = d.wait_for("the start window's place", lambda: desktop.window_geometry(
            START_TITLE))
        desktop.click(*r.centre(r.must_find(start, name="Open the Dirt Track Racing setups")))

        # Read by its caption and its game; titled by its caption alone.
        game = utility.window(GAME_TITLE + ": Dirt Track Racing")
        d.wait_for("the game window's X title", lambda: desktop.window_titles() == [GAME_TITLE])
        # It opens where the start window stood, centred on the same point.
        game_box = desktop.window_geometry(GAME_TITLE)
        for axis in (0, 1):
            was = start_box[axis] + start_box[axis + 2] // 2
            now = game_box[axis] + game_box[axis + 2] // 2
            d.check(abs(now - was) <= 16, "the game window %r is not where the start window %r "
                    "stood" % (game_box, start_box))
        total = r.must_find(game, prefix="Total Setups: ",
                            description="Total setups in the store")
        selected = r.must_find(game, prefix="Selected Setup: ",
                               description="Position of the selected setup in the store")
        frame = r.must_find(game, description="Setup store")
        name_field = r.must_find(game, name="Setup name for export")
        store_list = r.must_find(game, name="Setups in the store")
        d.check(r.name_of(total) == "Total Setups: 5", "read %r" % r.name_of(total))
        d.check(r.find(game, name="Total Setups:") is None, "the caption is read twice")
        d.check(r.find(game, name="SETUP UTILITY") is not None, "the banner is not read")
        d.check(r.find(game, prefix="Ip# ") is not None, "the address box is not read")
        for hidden in ["Next free slot", "Game directory"]:
            d.check(r.find(game, name=hidden) is None, "%r is in the tree" % hidden)

        def nothing_chosen(after):
            d.check(r.name_of(selected) == "Selected Setup: 0",
                    "after %s: %r" % (after, r.name_of(selected)))
            d.check(r.name_of(frame) == "Setup File", "after %s: frame %r" %
                    (after, r.name_of(frame)))
            d.check(r.text_of(name_field) == "", "after %s: name %r" %
                    (after, r.text_of(name_field)))

        d.wait_for("the store list to have the focus", lambda: r.focused(game) is not None and
                   r.name_of(r.focused(game)) == "Setups in the store")
        nothing_chosen("opening")
        desktop.keys("Tab")
        d.wait_for("Tab to the name field", lambda: r.name_of(r.focused(game)) ==
                   "Setup name for export")
        desktop.keys("shift+Tab")
        d.wait_for("Shift+Tab back to the list", lambda: r.name_of(r.focused(game)) ==
                   "Setups in the store")
        nothing_chosen("Tab and Shift+Tab")
        desktop.keys("alt+f")
        d.wait_for("the File menu", lambda: r.find(utility.application(), name="Main Minu") or
                   r.find(utility.application(), name="&Main Minu"))
        desktop.keys("Escape", "Escape")
        d.wait_for("the focus back in the list", lambda: r.name_of(r.focused(game)) ==
                   "Setups in the store")
        nothing_chosen("the menu bar")

        # A right-click on line 4, the pop-up closed; then the pop-up's Delete, then the
        # buttons: nothing was chosen, so each command says so and no file changes.
        before = fixture.snapshot()
        line4 = r.must_find(store_list, name="Lernerville")
        desktop.click(*r.centre(line4), button=3)
        d.wait_for("the pop-up", lambda: r.find(utility.application(), name="&Delete Setup") or
                   r.find(utility.application(), name="Delete Setup"))
        desktop.keys("Escape")
        nothing_chosen("the pop-up closing")
        desktop.click(*r.centre(line4), button=3)
        d.wait_for("the pop-up again", lambda: r.find(utility.application(),
                                                      role=pyatspi.ROLE_POPUP_MENU))
        desktop.keys("d")
        utility.answer("Please choose a file to Delete!")
        desktop.click(*r.centre(r.must_find(game, name="Delete Setup",
                                            role=pyatspi.ROLE_PUSH_BUTTON)))
        title = utility.answer("Please choose a file to Delete!")
        d.check(title == "TarvelinSetupUtility", "message box title %r" % title)
        desktop.click(*r.centre(r.must_find(game, name="Export Setup",
                                            role=pyatspi.ROLE_PUSH_BUTTON)))
        utility.answer("You did'nt choose a file to export.")
        nothing_chosen("Delete and Export")
        d.check(fixture.snapshot() == before, "a file changed")

        # Keyboard only: choose line 3 with the arrows, Tab to Export, Enter.
        desktop.click(*r.centre(r.must_find(game, name="Setup name for export")))
        desktop.keys("shift+Tab")
        d.wait_for("the list's focus", lambda: r.name_of(r.focused(game)) ==
                   "Setups in the store")
        desktop.keys("Down")
        d.wait_for("line 1 chosen", lambda: r.name_of(selected) == "Selected Setup: 1")
        desktop.keys("Down", "Down")
        d.wait_for("line 3 chosen", lambda: r.name_of(selected) == "Selected Setup: 3")
        d.check(r.name_of(frame) == "Williams Grove", "frame reads %r" % r.name_of(frame))
        r.tab_to(desktop, game, "Export Setup")
        desktop.keys("Return")
        exported = os.path.join(fixture.folder, "Williams Grove.set")
        d.wait_for("the exported file", lambda: os.path.exists(exported))
        if not utility.no_dialog():
            desktop.keys("Return")
        expected = d.setup_file(b"Williams Grove", seed=3)
        d.wait_for("the export's bytes", lambda: d.Fixture.read(exported) == expected)

        # Keyboard only: the file list, a file chosen with the keys, Tab to Import, Enter.
        r.tab_to(desktop, game, "Setup files in the folder")
        desktop.keys("Home", "space")
        rename = r.must_find(game, name="New file name")
        d.wait_for("a file chosen", lambda: r.text_of(rename) != "")
        chosen = r.text_of(rename)
        r.tab_to(desktop, game, "Import Setup")
        desktop.keys("Return")
        d.wait_for("the import", lambda: r.name_of(total) == "Total Setups: 6")
        if not utility.no_dialog():
            desktop.keys("Return")
        store = d.Fixture.read(fixture.store_path)
        d.check(chosen.encode() + b"\0" in store, "%r is not in the store" % chosen)
    finally:
        fixture.remove()


if __name__ == "__main__":
    d.run(test)
