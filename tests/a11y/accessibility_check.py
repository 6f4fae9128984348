#!/usr/bin/python3
"""Reads petcalc's accessible tree over AT-SPI, as a screen reader does, then uses the program
through the accessibility interface alone: types the typical pet's stats, presses "计 算" and
reads the sums; then presses F2 and reads the book window's headings and the row the click made,
each cell as a screen reader hears it.

Usage: accessibility_check.py <program> <test-data folder>   (inside a D-Bus session with the
AT-SPI bus running; the folder holds the build's form.json, typical.json and book.json)
Exit status 0 when every check holds, 1 otherwise."""

import json
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import pyatspi

DATA = Path(sys.argv[2])
FORM = json.loads((DATA / "form.json").read_text(encoding="utf-8"))
TYPICAL = json.loads((DATA / "typical.json").read_text(encoding="utf-8"))
TITLE = FORM["title"]
NAMES = {c["name"]: c["accessibleName"] for c in FORM["controls"]}
INPUTS = [c["accessibleName"] for c in FORM["controls"] if c["kind"] == "box" and not c["readOnly"]]
OUTPUTS = [c["accessibleName"] for c in FORM["controls"] if c["kind"] == "box" and c["readOnly"]]
BUTTONS = {c["name"]: c["caption"] for c in FORM["controls"] if c["kind"] == "button"}
TYPED = {NAMES[box]: text for box, text in TYPICAL["stats"]}
SUMS = {NAMES[box]: text for box, text in TYPICAL["afterGrowth"] if box in ("Text25", "Text26")}
BOOK = json.loads((DATA / "book.json").read_text(encoding="utf-8"))
F2 = 0xFFBF  # its X keysym

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def wait_for(find, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"accessibility: {what} never appeared")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "petcalc":
            return app
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def top_level(app, title):
    return wait_for(lambda: next((c for c in app if c is not None and c.name == title), None),
                    f"the window {title}")


def check_book(app, window):
    """The book window, opened by F2: its table's headings and the one row the click made."""
    # A click on the window's corner makes it the active one, which F2 goes to.
    corner = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(corner.x + 2, corner.y + 2, "b1c")
    wait_for(lambda: True if window.getState().contains(pyatspi.STATE_ACTIVE) else None,
             "the main window active")
    pyatspi.Registry.generateKeyboardEvent(F2, None, pyatspi.KEY_SYM)
    window = top_level(app, BOOK["title"])
    table = wait_for(lambda: next((n for n in descendants(window)
                                   if n.getRole() == pyatspi.ROLE_TABLE), None), "the book's table")
    cells = table.queryTable()
    wait_for(lambda: True if cells.nRows == 1 else None, "the click's record")
    headings = [cells.getColumnHeader(c).name for c in range(cells.nColumns)]
    check(headings == BOOK["headings"], f"book headings: {headings}")
    row = [cells.getAccessibleAt(0, c).name for c in range(cells.nColumns)]
    check(all(heard == wanted or wanted is None for heard, wanted in zip(row, BOOK["typicalRow"])),
          f"the record's cells: {row}")
    check(row[-1] != "", "the record's time is silent")


def main():
    home = tempfile.TemporaryDirectory()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_DATA_HOME=home.name)
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for(application, "the petcalc application")
        window = top_level(app, TITLE)
        check(window.getRole() == pyatspi.ROLE_FRAME, f"window role is {window.getRoleName()}")

        boxes, buttons = {}, {}
        for node in descendants(window):
            role = node.getRole()
            if role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
                boxes[node.name] = node
            elif role == pyatspi.ROLE_PUSH_BUTTON:
                buttons[node.name] = node
        check(sorted(boxes) == sorted(INPUTS + OUTPUTS),
              f"box names: {sorted(boxes)}")
        for name in INPUTS:
            if name in boxes:
                states = boxes[name].getState()
                check(states.contains(pyatspi.STATE_EDITABLE), f"{name} is not editable")
                check(not states.contains(pyatspi.STATE_READ_ONLY), f"{name} is read-only")
        for name in OUTPUTS:
            if name in boxes:
                states = boxes[name].getState()
                check(states.contains(pyatspi.STATE_READ_ONLY), f"{name} is not read-only")
                check(states.contains(pyatspi.STATE_FOCUSABLE), f"{name} takes no focus")
        check(sorted(buttons) == sorted(BUTTONS.values()), f"buttons: {sorted(buttons)}")
        if failures:
            return 1

        for name, value in TYPED.items():
            boxes[name].queryEditableText().setTextContents(value)
        buttons[BUTTONS["Command1"]].queryAction().doAction(0)
        results = {}
        deadline = time.time() + 10
        while time.time() < deadline:
            results = {n: boxes[n].queryText().getText(0, -1) for n in SUMS}
            if all(results.values()):
                break
            time.sleep(0.1)
        check(results == SUMS, f"sums read back: {results}")
        check_book(app, window)
        return 1 if failures else 0
    finally:
        program.terminate()
        program.wait(timeout=10)
        home.cleanup()


if __name__ == "__main__":
    code = main()
    print("accessibility: " + ("all checks hold" if code == 0 else f"{len(failures)} failed"))
    sys.exit(code)
