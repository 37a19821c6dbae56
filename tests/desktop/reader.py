# SPDX-License-Identifier: GPL-3.0-or-later
"""The utility as a screen reader sees it, over AT-SPI. Import after desktop.Desktop.start()."""

import subprocess

import pyatspi

from desktop import check, fail, wait_for

APPLICATION = "tarvelin-setup-utility"
# A message box is an alert to a screen reader, other dialogs are dialogs.
BOX_ROLES = {pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT}


def walk(node, depth=0, limit=14):
    """Every node under `node`, itself first; a node that vanishes while read is passed over."""
    if node is None or depth > limit:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for index in range(count):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        yield from walk(child, depth + 1, limit)


def name_of(node):
    try:
        return node.name or ""
    except Exception:
        return ""


def role_of(node):
    try:
        return node.getRole()
    except Exception:
        return None


def description_of(node):
    try:
        return node.description or ""
    except Exception:
        return ""


class Utility:
    """The running executable and its windows."""

    def __init__(self, desktop, executable, registry):
        self.desktop = desktop
        self.log = open(desktop.home + "/utility.log", "w")
        self.process = subprocess.Popen([executable, "--registry", registry], env=desktop.env,
                                        stdout=self.log, stderr=subprocess.STDOUT,
                                        start_new_session=True)
        desktop.processes.append(self.process)

    def application(self):
        check(self.process.poll() is None, "the utility ended (see %s)" % self.log.name)
        root = pyatspi.Registry.getDesktop(0)
        for index in range(root.childCount):
            app = root.getChildAtIndex(index)
            if app is not None and name_of(app) == APPLICATION:
                return app
        return None

    def windows(self):
        app = self.application()
        if app is None:
            return []
        return [app.getChildAtIndex(i) for i in range(app.childCount)]

    def window(self, title):
        """The top-level window whose accessible name is `title`."""
        return wait_for("the window %r" % title, lambda: next(
            (w for w in self.windows() if name_of(w) == title), None))

    def dialog(self):
        """The message box that is open, as (its title, the texts it shows)."""
        box = wait_for("a message box", lambda: next(
            (w for w in self.windows() if role_of(w) in BOX_ROLES), None))
        texts = [name_of(node) for node in walk(box)
                 if role_of(node) in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC)]
        return name_of(box), [text for text in texts if text]

    def no_dialog(self):
        return not any(role_of(w) in BOX_ROLES for w in self.windows())

    def answer(self, expected_text):
        """Reads the open message box, checks it shows `expected_text`, closes it with Enter."""
        title, texts = self.dialog()
        box_titles = [t for t in self.desktop.window_titles() if t == title]
        check(box_titles, "no X window is titled exactly %r: %r" %
              (title, self.desktop.window_titles()))
        check(expected_text in texts, "message box %r shows %r, not %r" %
              (title, texts, expected_text))
        self.desktop.keys("Return")
        wait_for("the message box to close", self.no_dialog)
        return title


def find(window, name=None, role=None, description=None, prefix=None):
    """The first node under `window` that matches everything given."""
    for node in walk(window):
        if role is not None and role_of(node) != role:
            continue
        if name is not None and name_of(node) != name:
            continue
        if prefix is not None and not name_of(node).startswith(prefix):
            continue
        if description is not None and description_of(node) != description:
            continue
        return node
    return None


def must_find(window, **match):
    return wait_for("a control %r" % match, lambda: find(window, **match))


# A list's current item keeps its focused state when the list loses the focus: the control
# that has the focus is what counts.
ITEM_ROLES = {pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM}


def focused(window):
    for node in walk(window):
        if role_of(node) in ITEM_ROLES:
            continue
        try:
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
        except Exception:
            continue
    return None


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def value_of(node):
    return node.queryValue().currentValue


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def tab_to(desktop, window, name, limit=40):
    """Presses Tab until the control named `name` has the focus."""
    seen = []
    for _ in range(limit):
        at = focused(window)
        seen.append(name_of(at))
        if at is not None and name_of(at) == name:
            return at
        desktop.keys("Tab")
        wait_for("the focus to move on from %r" % seen[-1],
                 lambda: name_of(focused(window)) != seen[-1], limit=3)
    fail("Tab never reached %r; it went %r" % (name, seen))
