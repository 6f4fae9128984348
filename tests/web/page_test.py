#!/usr/bin/python3
"""The calculator's page in a browser (PETCALC_ENGINE: Chromium, WebKitGTK or Firefox), served from
127.0.0.1 by the test itself: the form's own layout against the form's table at device scales 1
and 2; the touch layout on two
phones and a tablet, for a finger; the shared scenarios and the keyboard table with real keys
and the real dialogs, in every layout; what the page says to screen readers, and what axe-core
finds; the page before its calculator is ready; a megabyte pasted into a box. No test may log a
console error or ask anything of another origin.

Usage: page_test.py <build-web folder> <source folder>
"""

import sys
import unittest

from selenium.webdriver.common.by import By

from browsers import (BOXES, CONTROLS, DATA, DIALOG_TITLE, ENGINE, ENTER, ESCAPE, FORM, KEYBOARD,
                      LAYOUTS, SCENARIOS, TYPICAL, TYPICAL_SHOWN, EngineTest, Page, Server, cannot,
                      cannot_show, needs)

TOUCH_LAYOUTS = [name for name in LAYOUTS if name != "form"]

EDITABLE = [c["name"] for c in FORM["controls"] if c["kind"] == "box" and not c["readOnly"]]
TAB_STOPS = "[...document.querySelectorAll('.form > .box, .form > .button')].map(e => e.id)"

# Every control's rectangle in CSS pixels of the viewport.
RECTS = """return Object.fromEntries([...document.querySelectorAll('.form > [data-row]')].map(
  (e) => { const r = e.getBoundingClientRect(); return [e.id, [r.left, r.top, r.right, r.bottom]]; }));"""


def overlap(a, b):
    """How far two rectangles overlap, the lesser of the two sides: 0 or 1 where they only share
    a border."""
    return max(0, min(min(a[2], b[2]) - max(a[0], b[0]), min(a[3], b[3]) - max(a[1], b[1])))


class PageTest(EngineTest):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def test_every_control_stands_as_the_table_says_at_scales_1_and_2(self):
        for scale in (1, 2):
            with self.subTest(scale=scale):
                if scale != 1 and cannot("scale"):
                    self.skipTest(f"not played in {ENGINE}: {cannot('scale')}")
                browser = self.start(scale=scale)
                browser.open(self.server.url)
                self.assertEqual(browser.title, FORM["title"])
                self.assertEqual(browser.js("return document.documentElement.lang"), "zh-CN")
                placed = browser.js("""
                  const origin = document.getElementById(arguments[0]).getBoundingClientRect();
                  return [...document.querySelectorAll('.form > [data-row]')].map(e => {
                    const r = e.getBoundingClientRect();
                    return {name: e.id, rect: [r.left - origin.left, r.top - origin.top,
                                               r.width, r.height],
                            caption: e.tagName === 'INPUT' || e.tagName === 'IMG'
                                ? '' : e.textContent,
                            readOnly: e.readOnly === true, src: e.currentSrc || '',
                            // Unquoted, as Chromium and WebKit give the faces and Firefox does not.
                            font: getComputedStyle(e).fontFamily.replace(/"/g, '') + ' ' +
                                  getComputedStyle(e).fontSize};
                  });""", FORM["name"])
                by_name = {p["name"]: p for p in placed}
                self.assertEqual(len(placed), len(FORM["controls"]))
                for row in FORM["controls"]:
                    control = by_name[row["name"]]
                    where = control["rect"] if not row["autoSize"] else control["rect"][:2]
                    wanted = row["rect"] if not row["autoSize"] else row["rect"][:2]
                    self.assertEqual(where, wanted, row["name"])
                    self.assertEqual(control["caption"], row["caption"], row["name"])
                    self.assertEqual(control["readOnly"], row["readOnly"], row["name"])
                    if row["kind"] != "label" and not cannot("accessible name"):
                        self.assertEqual(browser.element(row["name"]).accessible_name,
                                         row["accessibleName"], row["name"])
                # The faces and sizes of the form's fonts: 9 points, and 12 for the buttons.
                self.assertTrue(by_name["Text1"]["font"].startswith("SimSun, 宋体,"))
                self.assertTrue(by_name["Text1"]["font"].endswith(" 12px"))
                self.assertTrue(by_name["Command1"]["font"].startswith("FZYaoTi, 方正姚体,"))
                self.assertTrue(by_name["Command1"]["font"].endswith(" 16px"))
                self.assertTrue(by_name["Image1"]["src"].endswith(
                    "logo.jpg" if scale == 1 else "logo@2x.png"))
                browser.screenshot(DATA / f"page-{ENGINE}@{scale}x.png")

    def test_the_dark_scheme_darkens_the_window(self):
        browser = self.start(dark=True)
        browser.open(self.server.url)
        self.assertEqual(browser.js(
            "return getComputedStyle(document.documentElement).backgroundColor"), "rgb(32, 33, 36)")

    def test_the_touch_layout_fits_a_finger_on_phones_and_tablets(self):
        for layout in TOUCH_LAYOUTS:
            with self.subTest(layout=layout):
                self.skip_where_not_shown(layout)
                browser = self.start(layout)
                browser.open(self.server.url)
                # The viewport the layout asks for; the page's width within it loses a
                # classic scrollbar's share once the book makes the page taller than the screen.
                self.assertEqual(browser.js("return innerWidth"), LAYOUTS[layout]["width"])
                width = browser.js("return document.documentElement.clientWidth")
                self.assertEqual(browser.js(f"return {TAB_STOPS}"), FORM["tabOrder"],
                                 "the document's order, which Tab and a screen reader follow")
                # Every value in full: the longest whole number, and a growth.
                browser.put([[name, "-2147483648"] for name in EDITABLE])
                browser.put([[name, "12345.6789"] for name in BOXES if name not in EDITABLE])
                rects = browser.js(RECTS)
                for name, rect in rects.items():
                    self.assertGreaterEqual(rect[0], 0, name)
                    self.assertLessEqual(rect[2], width, name)
                self.assertLessEqual(browser.js("return document.documentElement.scrollWidth"),
                                     width, "the page scrolls sideways")
                self.assertEqual(browser.js(
                    "return getComputedStyle(document.documentElement).overflowX"), "visible")
                names = sorted(rects)
                for i, first in enumerate(names):
                    for second in names[i + 1:]:
                        self.assertLessEqual(overlap(rects[first], rects[second]), 1,
                                             f"{first} and {second} overlap")
                for name in EDITABLE + BOXES + ["Command1", "Command2"]:
                    box = browser.js("""const e = arguments[0], s = getComputedStyle(e);
                      return {width: e.offsetWidth, height: e.offsetHeight,
                              size: parseFloat(s.fontSize), shown: e.scrollWidth <= e.clientWidth,
                              keypad: e.inputMode, action: e.enterKeyHint,
                              background: s.backgroundColor};""", browser.element(name))
                    if name in EDITABLE or CONTROLS[name]["kind"] == "button":
                        self.assertGreaterEqual(box["width"], 44, name)
                        self.assertGreaterEqual(box["height"], 44, name)
                    self.assertGreaterEqual(box["size"], 16, name)
                    if CONTROLS[name]["kind"] == "box":
                        self.assertTrue(box["shown"], f"{name} does not show its value in full")
                    if name in EDITABLE:
                        self.assertEqual((box["keypad"], box["action"]), ("decimal", "next"), name)
                tint = browser.js("return [getComputedStyle(arguments[0]).backgroundColor,"
                                  " getComputedStyle(arguments[1]).backgroundColor]",
                                  browser.element("Text1"), browser.element("Text14"))
                self.assertNotEqual(tint[0], tint[1], "results look like the boxes typed into")
                self.assertEqual(browser.element("prompt-field").get_attribute("inputmode"),
                                 "decimal")
                browser.screenshot(DATA / f"page-{ENGINE}-{layout}.png")

    @needs("zoom")
    def test_zoomed_in_the_page_grows_and_reflows(self):
        browser = self.start()
        browser.open(self.server.url)
        for zoom, grid in ((200, False), (300, False), (400, True)):
            with self.subTest(zoom=zoom):
                browser.zoom(zoom)
                self.assertEqual(browser.js(
                    "return getComputedStyle(document.querySelector('.form')).display"),
                    "grid" if grid else "block")
                self.assertFalse(browser.js(
                    "return getComputedStyle(document.querySelector('.form')).transform"
                    " !== 'none'"), "the form is scaled rather than laid out")
                self.assertLessEqual(browser.js("return document.documentElement.scrollWidth"),
                                     1280 * 100 // zoom)

    def answer(self, browser, dialog, closed):
        browser.wait_for(f"return document.getElementById('{dialog['kind']}').open"
                         f" && window.closedDialogs === {closed}",
                         f"the {dialog['kind']} {dialog['text']}")
        kind = dialog["kind"]
        title = FORM["title"] if kind == "error" else DIALOG_TITLE
        self.assertEqual(browser.js(f"return document.getElementById('{kind}-title').textContent"),
                         title)
        self.assertEqual(browser.js(f"return document.getElementById('{kind}-text').textContent"),
                         dialog["text"])
        self.assertEqual(browser.js("return document.getElementById('announcer').textContent"),
                         "", "the live region speaks while a dialog is open")
        if kind == "error":
            self.assertTrue(browser.element("error").find_element(By.CSS_SELECTOR, ".sign")
                            .is_displayed())
        if kind != "prompt":
            browser.element(kind).find_element(By.CSS_SELECTOR, "button[value=ok]").click()
            browser.wait_for(f"return window.closedDialogs > {closed}", f"the {kind} closing")
            return
        self.assertEqual(browser.focused(), "prompt-field")
        self.assertEqual(browser.element("prompt-field").get_attribute("value"), "")
        if dialog["heldEnterFirst"] and not cannot("held"):
            browser.press("Return", held=True)
            self.assertTrue(browser.js("return document.getElementById('prompt').open"),
                            "a held Enter confirmed the prompt")
        if dialog["answer"] == "empty":
            browser.element("prompt").find_element(By.CSS_SELECTOR, "button[value=ok]").click()
        else:
            browser.keys(dialog["typed"])
            if dialog["answer"] == "typed":
                browser.keys(ENTER)
            elif dialog["answer"] == "escaped":
                browser.keys(ESCAPE)
            else:
                browser.element("prompt").find_element(By.CSS_SELECTOR, ".cancel").click()
        browser.wait_for(f"return window.closedDialogs > {closed}", "the prompt closing")

    def test_the_shared_scenarios_through_real_keys_and_dialogs_in_every_layout(self):
        for layout in LAYOUTS:
            with self.subTest(layout=layout):
                self.skip_where_not_shown(layout)
            if cannot_show(layout):
                continue
            browser = self.start(layout)
            for scenario in SCENARIOS:
                with self.subTest(layout=layout, scenario=scenario["name"]):
                    browser.open(self.server.url)
                    for number, step in enumerate(scenario["steps"], 1):
                        for name, text in step["typed"]:
                            browser.type_into(name, text)
                        browser.element(step["click"]).click()
                        closed = browser.js("return window.closedDialogs")
                        for dialog in step["dialogs"]:
                            self.answer(browser, dialog, closed)
                            closed += 1
                        browser.wait_until_idle()
                        self.assertIsNone(browser.open_dialog(), f"step {number}: a dialog too many")
                        self.assertEqual(browser.values(), step["after"], f"step {number}")
                        self.assertEqual(browser.focused(), step["click"],
                                         f"step {number}: the focus came back")

    def play_keys(self, browser, row, place):
        """One row of the keyboard table at `place` ("web-form" or "web-touch")."""
        expected = next((e["after"] for e in row["elsewhere"] if place in e["where"]),
                        row["after"])
        browser.put(row["filled"])
        dialogs = list(row["dialogs"])
        closed = browser.js("return window.closedDialogs")
        presses = 0
        for step in row["steps"]:
            if "focus" in step:
                browser.js("arguments[0].focus()", browser.element(step["focus"]))
            elif "type" in step:
                browser.type(step["type"])
            else:
                browser.press(step["press"], step["shift"], step["ctrl"], step["alt"],
                              step["held"])
                while dialogs and browser.js("return !!document.documentElement.dataset.busy"):
                    self.answer(browser, dialogs.pop(0), closed)
                    closed += 1
                browser.wait_until_idle()
                if expected["focusAfterEachPress"]:
                    self.assertEqual(browser.focused(), expected["focusAfterEachPress"][presses],
                                     f"after key {presses + 1}")
                    presses += 1
        self.assertEqual(dialogs, [], "dialogs that never came")
        self.assertIsNone(browser.open_dialog(), "a dialog too many")
        self.assertEqual(browser.focused(), "book-title" if expected["book"] else expected["focus"])
        self.assertEqual(browser.values([name for name, _ in expected["boxes"]]),
                         dict(expected["boxes"]))

    def test_the_keyboard_table_with_real_keys_in_every_layout(self):
        for layout in LAYOUTS:
            with self.subTest(layout=layout):
                self.skip_where_not_shown(layout)
            if cannot_show(layout):
                continue
            place = "web-form" if layout == "form" else "web-touch"
            browser = self.start(layout)
            for row in KEYBOARD:
                with self.subTest(layout=layout, row=row["name"]):
                    if place not in row["where"]:
                        self.skipTest("a row for another front end or layout")
                    if place in row["inert"]:
                        self.skipTest("the browser's driver cannot press these keys as a keyboard")
                    if any(step.get("held") for step in row["steps"]) and cannot("held"):
                        self.skipTest(f"not played in {ENGINE}: {cannot('held')}")
                    browser.open(self.server.url)
                    self.play_keys(browser, row, place)

    def test_screen_readers_hear_what_a_click_wrote(self):
        browser = self.start()
        browser.open(self.server.url)
        announced = "return document.getElementById('announcer').textContent"
        browser.put(box for box in TYPICAL["stats"] if box[0] != "Text12")
        browser.element("Command1").click()
        self.answer(browser, {"kind": "prompt", "text": "请在输入当前灵感", "answer": "typed",
                              "typed": dict(TYPICAL["stats"])["Text12"],
                              "heldEnterFirst": False}, 0)
        browser.wait_until_idle()
        browser.wait_for(announced, "what the growth wrote")
        said = browser.js(announced)
        for name in ("Text25", "Text26"):
            self.assertIn(f"{CONTROLS[name]['accessibleName']} {TYPICAL_SHOWN[name]}", said)
        browser.type_into("Text41", "21")
        browser.element("Command2").click()
        browser.wait_until_idle()
        browser.wait_for(f"{announced}.startsWith('{CONTROLS['Text41']['accessibleName']} 21，')",
                         "the prediction's target level first")
        said = browser.js(announced)
        for name in ("Text42", "Text43", "Text44", "Text45", "Text46"):
            self.assertIn(f"{CONTROLS[name]['accessibleName']} "
                          f"{browser.element(name).get_attribute('value')}", said)

    def test_axe_finds_nothing_in_either_scheme_either_layout_or_any_dialog(self):
        for layout, dark in (("form", False), ("form", True), ("phone", False), ("phone", True)):
            with self.subTest(layout=layout, dark=dark):
                self.skip_where_not_shown(layout)
                browser = self.start(layout, dark=dark)
                browser.open(self.server.url)
                browser.put(TYPICAL["stats"])
                browser.element("Command1").click()
                browser.wait_until_idle()
                self.assertEqual(browser.axe(), [], "with results shown")
        for dark in (False, True):
            self.axe_with_each_dialog_open(self.start(dark=dark), dark)

    def axe_with_each_dialog_open(self, browser, dark):
        for dialog, typed in (("prompt", []), ("message", TYPICAL["stats"]),
                              ("error", [["Text1", "3000000000"]])):
            with self.subTest(dialog=dialog, dark=dark):
                browser.open(self.server.url)
                browser.put(typed)
                browser.element("Command2" if dialog == "message" else "Command1").click()
                browser.wait_for(f"return document.getElementById('{dialog}').open",
                                 f"the {dialog}")
                self.assertEqual(browser.axe(), [], f"with the {dialog} open")

    def test_a_click_before_the_calculator_is_ready_runs_once_it_is(self):
        slow = Server(slow={".wasm": 1.5})
        self.addCleanup(slow.stop)
        browser = self.start(eager=True)
        browser.navigate(slow.url)
        browser.wait_for("return document.readyState !== 'loading'", "the page")
        self.assertFalse(browser.js("return document.documentElement.dataset.ready === 'true'"))
        for button in ("Command1", "Command2"):
            self.assertEqual(browser.element(button).get_attribute("aria-disabled"), "true")
        self.assertTrue(browser.element("loading").is_displayed())
        browser.put(TYPICAL["stats"])
        browser.element("Command1").click()
        browser.wait_for("return document.documentElement.dataset.ready === 'true'", "the module")
        browser.wait_for(f"return document.getElementById('Text26').value === "
                         f"'{TYPICAL_SHOWN['Text26']}'", "the click made before")
        self.assertIsNone(browser.element("Command1").get_attribute("aria-disabled"))
        self.assertFalse(browser.element("loading").is_displayed())

    def refuse_growth_after(self, browser, leave):
        """The typical pet's growth, the tab left as `leave` does, then the growth refused: the
        two sums the sheet held are written again, or those of a fresh sheet."""
        browser.put(TYPICAL["stats"])
        browser.element("Command1").click()
        browser.wait_until_idle()
        # The click kept in the book too: the tab left while the book's module still downloads
        # would cut that download short, which Firefox reports as a console error.
        browser.wait_for("return document.querySelector('#book-viewport .book-row') !== null",
                         "the click kept")
        before = browser.values()
        leave(browser)
        self.assertEqual(browser.values(), before, "every box as it was")
        self.assertEqual(browser.focused(), "Command1")
        browser.put([["Text7", dict(TYPICAL["stats"])["Text1"]]])
        browser.element("Command1").click()
        self.answer(browser, {"kind": "message", "text": "对不起无法计算"}, 0)
        browser.wait_until_idle()
        return list(browser.values(["Text25", "Text26"]).values())

    def test_the_window_and_its_sheet_outlive_a_reload_and_a_return(self):
        def back(browser):
            browser.navigate("about:blank")
            browser.back()
            browser.settle()

        for name, leave in (("reload", Page.reload), ("back", back)):
            with self.subTest(leave=name):
                browser = self.start(arguments=["--disable-back-forward-cache"])
                browser.open(self.server.url)
                sums = self.refuse_growth_after(browser, leave)
                self.assertEqual(sums, [TYPICAL_SHOWN["Text25"], TYPICAL_SHOWN["Text26"]])

    def test_a_damaged_saved_sheet_starts_afresh_and_the_boxes_stay(self):
        def damage(browser):
            # After the page has kept its window as it goes, as a damaged store would give it.
            browser.js("""const damage = () => {
                            const [key] = Object.keys(sessionStorage);
                            const kept = JSON.parse(sessionStorage.getItem(key));
                            kept.sheet = kept.sheet.replace(/^sheet1,/, 'sheet1,9');
                            sessionStorage.setItem(key, JSON.stringify(kept));
                          };
                          addEventListener('pagehide', damage);
                          document.addEventListener('visibilitychange', damage);""")
            browser.reload()

        browser = self.start()
        browser.open(self.server.url)
        self.assertEqual(self.refuse_growth_after(browser, damage), ["0", "0"])

    def test_a_new_tab_starts_empty_and_each_tab_keeps_its_own(self):
        browser = self.start()
        browser.open(self.server.url)
        browser.put(TYPICAL["stats"])
        browser.element("Command1").click()
        browser.wait_until_idle()
        kept = browser.values()
        first = browser.tab
        browser.new_tab(close_this=False)
        browser.navigate(self.server.url)
        browser.settle()
        self.assertEqual(set(browser.values().values()), {""})
        browser.switch(first)
        browser.reload()
        self.assertEqual(browser.values(), kept)

    def test_a_click_cut_off_by_the_tab_did_not_happen_and_typing_while_loading_stays(self):
        # The reload must meet a module still on its way: neither the worker the first load
        # registers nor the browser's cache may answer it at once.
        slow = Server(slow={".wasm": 1.5, "sw.js": 30}, headers={"Cache-Control": "no-store"})
        self.addCleanup(slow.stop)
        browser = self.start(eager=True)
        browser.open(slow.url)
        browser.put(box for box in TYPICAL["stats"] if box[0] != "Text12")
        browser.element("Command1").click()
        browser.wait_for("return document.getElementById('prompt').open", "the prompt")
        browser.refresh()
        browser.wait_for("return document.readyState !== 'loading'", "the page")
        self.assertFalse(browser.js("return document.documentElement.dataset.ready === 'true'"))
        self.assertIsNone(browser.open_dialog())
        self.assertEqual(browser.element("Text11").get_attribute("value"),
                         dict(TYPICAL["stats"])["Text11"])
        self.assertEqual(browser.element("Text14").get_attribute("value"), "")
        browser.element("Text12").click()
        browser.keys(dict(TYPICAL["stats"])["Text12"])
        browser.settle()
        self.assertEqual(browser.element("Text12").get_attribute("value"),
                         dict(TYPICAL["stats"])["Text12"], "typed while the calculator loaded")
        browser.element("Command1").click()
        browser.wait_until_idle()
        self.assertEqual(browser.values(), {name: "" for name in BOXES}
                         | dict(TYPICAL["stats"]) | TYPICAL_SHOWN)

    @needs("insert")
    def test_a_pasted_megabyte_is_read_in_full(self):
        browser = self.start()
        browser.open(self.server.url)
        browser.put(box for box in TYPICAL["stats"] if box[0] != "Text2")
        browser.element("Text2").click()
        browser.insert_text("50" + " " * (1 << 20))
        self.assertEqual(browser.js("return document.getElementById('Text2').value.length"),
                         2 + (1 << 20))
        browser.element("Command1").click()
        browser.wait_until_idle()
        self.assertEqual(browser.element("Text14").get_attribute("value"), TYPICAL_SHOWN["Text14"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
