#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game window on a desktop: a choice taken away by the mouse leaves nothing chosen behind
the screen, and the lists follow changes made to the disk from outside.

Usage: test_choice_and_disk.py EXECUTABLE
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


def test(desktop):
    import reader as r

    fixture = d.Fixture(NAMES, files=[("Fairbury.set", b"Fairbury"), ("Oswego.set", b"Oswego")])
    try:
        utility = r.Utility(desktop, sys.argv[1], fixture.registry)
        start = utility.window(START_TITLE)
        desktop.click(*r.centre(r.must_find(start, name="Open the Dirt Track Racing setups")))
        game = utility.window(GAME_TITLE + ": Dirt Track Racing")
        selected = r.must_find(game, prefix="Selected Setup: ")
        total = r.must_find(game, prefix="Total Setups: ")
        frame = r.must_find(game, description="Setup store")
        name_field = r.must_find(game, name="Setup name for export")
        store_list = r.must_find(game, name="Setups in the store")
        file_list = r.must_find(game, name="Setup files in the folder")
        rename = r.must_find(game, name="New file name")

        def beside(node):
            x, y, width, height = r.extents(node)
            return x + 10, y + height - 10

        def choose(line):
            # Left of the centre, where the Ctrl+click then lands far enough away not to make
            # the two clicks one double click.
            x, y, width, height = r.extents(line)
            desktop.click(x + 4, y + height // 2)

        # Store list: a click beside the lines, and Ctrl+click on the chosen line.
        for how, take_away in [
                ("a click beside the lines", lambda line: desktop.click(*beside(store_list))),
                ("Ctrl+click", lambda line: desktop.click(*r.centre(line), holding="ctrl"))]:
            line = r.must_find(store_list, name="Knoxville")
            choose(line)
            d.wait_for("line 2 chosen", lambda: r.name_of(selected) == "Selected Setup: 2")
            take_away(line)
            d.wait_for("nothing chosen after " + how,
                       lambda: r.name_of(selected) == "Selected Setup: 0")
            d.check(r.name_of(frame) == "Setup File", "after %s: frame %r" %
                    (how, r.name_of(frame)))
            d.check(r.text_of(name_field) == "", "after %s: name %r" %
                    (how, r.text_of(name_field)))
        before = fixture.snapshot()
        desktop.click(*r.centre(r.must_find(game, name="Delete Setup")))
        utility.answer("Please choose a file to Delete!")
        d.check(fixture.snapshot() == before, "Delete changed a file with nothing chosen")

        # File list: the same two ways.
        for how, take_away in [
                ("a click beside the names", lambda line: desktop.click(*beside(file_list))),
                ("Ctrl+click", lambda line: desktop.click(*r.centre(line), holding="ctrl"))]:
            line = r.must_find(file_list, name="Oswego.set")
            choose(line)
            d.wait_for("Oswego.set chosen", lambda: r.text_of(rename) == "Oswego")
            take_away(line)
            d.wait_for("no file chosen after " + how, lambda: r.text_of(rename) == "")

        # Changes from outside: the game saving a setup, a file arriving in the folder.
        desktop.click(*r.centre(r.must_find(store_list, name="Williams Grove")))
        d.wait_for("line 3 chosen", lambda: r.name_of(selected) == "Selected Setup: 3")
        fixture.write(fixture.store_path, d.store_of(NAMES + [b"Saved Now"]))
        d.wait_for("the store list to follow the store",
                   lambda: r.name_of(total) == "Total Setups: 4", limit=5)
        d.check(r.name_of(selected) == "Selected Setup: 3",
                "the chosen setup did not stay chosen: %r" % r.name_of(selected))
        fixture.write(os.path.join(fixture.folder, "Arrived.set"), d.setup_file(b"Arrived"))
        d.wait_for("the file list to follow the folder",
                   lambda: r.find(file_list, name="Arrived.set") is not None, limit=5)
    finally:
        fixture.remove()


if __name__ == "__main__":
    d.run(test)
