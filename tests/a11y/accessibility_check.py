#!/usr/bin/python3
"""Reads petcalc's accessible tree over AT-SPI, as a screen reader does, then uses the program
through the accessibility interface alone: types the stats, presses "计 算" and reads the sums.

Usage: accessibility_check.py <program>   (inside a D-Bus session with the AT-SPI bus running)
Exit status 0 when every check holds, 1 otherwise."""

import os
import subprocess
import sys
import time

import pyatspi

TITLE = "Tenvo宠物成长计算器0.5"
COLUMNS = ["等级", "体力", "攻击", "防御", "敏捷", "灵感"]
INPUTS = ["初始" + c for c in COLUMNS] + ["当前" + c for c in COLUMNS] + ["预测等级"]
OUTPUTS = ([c + "成长率" for c in COLUMNS] + ["预测" + c for c in COLUMNS[1:]]
           + ["三围成长", "总成长"])
TYPED = dict(zip(INPUTS[:12], ["1", "50", "20", "30", "10", "10",
                               "11", "75", "50", "60", "30", "30"]))

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
        check(sorted(buttons) == ["计 算", "预 测"], f"buttons: {sorted(buttons)}")
        if failures:
            return 1

        for name, value in TYPED.items():
            boxes[name].queryEditableText().setTextContents(value)
        buttons["计 算"].queryAction().doAction(0)
        results = {}
        deadline = time.time() + 10
        while time.time() < deadline:
            results = {n: boxes[n].queryText().getText(0, -1) for n in ("三围成长", "总成长")}
            if results["总成长"]:
                break
            time.sleep(0.1)
        check(results == {"三围成长": "8", "总成长": "10"}, f"sums read back: {results}")
        return 1 if failures else 0
    finally:
        program.terminate()
        program.wait(timeout=10)


if __name__ == "__main__":
    code = main()
    print("accessibility: " + ("all checks hold" if code == 0 else f"{len(failures)} failed"))
    sys.exit(code)
