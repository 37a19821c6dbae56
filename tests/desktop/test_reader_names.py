#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window as a screen reader reads it over AT-SPI: each control that takes the focus has a
name, no description repeats its name, no caption is read once alone and again with its value,
nothing empty stands in the tree for decoration, a message's text is heard once, and the
controls with a visible text are found by it.

Usage: test_reader_names.py EXECUTABLE
"""

import os
import sys

# The lane leaves nothing in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop as d  # noqa: E402

START_TITLE = "Tarvelin Setup Utility Start"
GAME_TITLE = "Tarvelin Setup Utility: Dirt Track Racing"
MIXER_MESSAGE = "Couldn't open the mixer."


def faults_of(window):
    import pyatspi
    import reader as r

    bare_roles = {pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE, pyatspi.ROLE_FRAME,
                  pyatspi.ROLE_PANEL, pyatspi.ROLE_SEPARATOR}
    faults = []
    labels = []
    for node in r.walk(window):
        try:
            state = node.getState()
            if not state.contains(pyatspi.STATE_SHOWING):
                continue
            children = node.childCount
        except Exception:  # the node went while it was read
            continue
        name, role = r.name_of(node), r.role_of(node)
        description = r.description_of(node)
        where = "%s %r" % (node.getRoleName(), name)
        if state.contains(pyatspi.STATE_FOCUSABLE) and not name.strip():
            faults.append("%s takes the focus without a name" % where)
        if description and name and (description.lower() in name.lower() or
                                     name.lower() in description.lower()):
            faults.append("%s is described by its name: %r" % (where, description))
        if role in bare_roles and not name and children == 0:
            faults.append("%s is decoration in the tree" % where)
        if role == pyatspi.ROLE_LABEL and name:
            labels.append(name)
    for caption in labels:
        for other in labels:
            if other.startswith(caption + " "):
                faults.append("%r is heard again in %r" % (caption, other))
    return faults


def test(desktop):
    import pyatspi
    import reader as r

    fixture = d.Fixture([b"Eldora", b"Knoxville"], files=[("Fairbury.set", b"Fairbury")])
    faults = []
    try:
        utility = r.Utility(desktop, sys.argv[1], fixture.registry)
        start = utility.window(START_TITLE)

        # Window, then the controls found by the text they show, with their roles.
        def read(window, *shown):
            for name, role in shown:
                if r.find(window, name=name, role=role) is None:
                    faults.append("%r shows no %s %r" % (r.name_of(window), role, name))
            faults.extend("%s: %s" % (r.name_of(window), f) for f in faults_of(window))

        r.must_find(start, name="Open the Dirt Track Racing setups")
        read(start, ("Adjust Your Volume Properties", pyatspi.ROLE_PUSH_BUTTON),
             ("Set And Calibrate Your Game Controllers", pyatspi.ROLE_PUSH_BUTTON),
             ("http://www.ratbag.com", pyatspi.ROLE_LINK))

        desktop.click(*r.centre(r.must_find(start, name="Show the game directories")))
        directories = utility.window("Dirt Track And Sprint Car Game Directory")
        read(directories, ("Dtr Game Directory " + fixture.game, pyatspi.ROLE_LABEL))
        desktop.keys("Escape")
        d.wait_for("the directories window to close",
                   lambda: desktop.window_geometry(directories_title()) is None)

        # Without a sound card the volume window says so first: its text is heard once.
        desktop.click(*r.centre(r.must_find(start, name="Adjust Your Volume Properties")))
        volume = utility.window("System Volume")
        if not utility.no_dialog():
            box = next(w for w in utility.windows() if r.role_of(w) in r.BOX_ROLES)
            heard = [n for n in r.walk(box)
                     if MIXER_MESSAGE in r.name_of(n) or MIXER_MESSAGE in r.description_of(n)]
            d.check(len(heard) == 1, "the message is heard %d times" % len(heard))
            faults.extend("message box: %s" % f for f in faults_of(box))
            utility.answer(MIXER_MESSAGE)
        read(volume)
        desktop.keys("Escape")
        d.wait_for("the volume window to close",
                   lambda: desktop.window_geometry("System Volume") is None)

        desktop.click(*r.centre(r.must_find(start, name="Open the Dirt Track Racing setups")))
        game = utility.window(GAME_TITLE)
        r.must_find(game, name="Setups in the store")
        read(game, ("Total Setups: 2", pyatspi.ROLE_LABEL),
             ("Drive of the setup folder", pyatspi.ROLE_COMBO_BOX),
             ("SET AND CALABRATE YOUR GAME CONTROLLER", pyatspi.ROLE_PUSH_BUTTON),
             ("http://www.ratbag.com", pyatspi.ROLE_LINK))

        # The secondary windows, opened by their menu entries as a reader's user would.
        for entry, title, shown in [
                ("Import And Export", "Import And Export Saved Games File: Dirt Track Racing",
                 [("This Utility Will Import And Export A  Whole Setup.sav File.",
                   pyatspi.ROLE_LABEL)]),
                ("Backup History...", "Backup History: Dirt Track Racing",
                 [("Kept stores, newest first", pyatspi.ROLE_TREE)]),
                ("About", "About Tarvelin Setup Utility", [("CREDITS", pyatspi.ROLE_LABEL)]),
                ("Help Contents", "Tarvelin Setup Utility Help",
                 [("Help topics", pyatspi.ROLE_LIST)])]:
            r.must_find(game, name=entry, role=pyatspi.ROLE_MENU_ITEM).queryAction().doAction(0)
            window = utility.window(title)
            r.must_find(window, name=shown[0][0])
            read(window, *shown)
            # Escape goes to the window the desktop has made active; the menu's own window may
            # still hold that place while the new one maps.
            # Its X title is its caption: the name less the game's title.
            caption = title.split(": ")[0] if title.endswith(": Dirt Track Racing") else title
            d.wait_for("%r on the screen" % caption, lambda: desktop.window_geometry(caption))
            desktop.command(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % caption,
                             "windowactivate", "--sync"], check=False)
            desktop.keys("Escape")
            d.wait_for("%r to close" % title,
                       lambda: all(r.name_of(w) != title for w in utility.windows()))
        d.check(not faults, "a screen reader meets:\n  " + "\n  ".join(faults))
    finally:
        fixture.remove()


def directories_title():
    return "Dirt Track And Sprint Car Game Directory"


if __name__ == "__main__":
    d.run(test)
