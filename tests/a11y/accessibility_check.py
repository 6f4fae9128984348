#!/usr/bin/python3
"""Reads petcalc's accessible tree over AT-SPI, as a screen reader does, then uses the program
through the accessibility interface alone: types the typical pet's stats, presses "计 算" and
reads the sums.

Usage: accessibility_check.py <program> <test-data folder>   (inside a D-Bus session with the
AT-SPI bus running; the folder holds the build's form.json and typical.json)
Exit status 0 when every check holds, 1 otherwise."""

import json
import os
import subprocess
import sys
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


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for(application, "the petcalc application")
        window = wait_for(lambda: next((c for c in app if c is not None and c.name == TITLE),
                                       None), f"the window {TITLE}")
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
        return 1 if failures else 0
    finally:
        program.terminate()
        program.wait(timeout=10)


if __name__ == "__main__":
    code = main()
    print("accessibility: " + ("all checks hold" if code == 0 else f"{len(failures)} failed"))
    sys.exit(code)
