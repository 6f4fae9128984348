#!/usr/bin/python3
"""The calculator's page in headless Chromium, served from 127.0.0.1 by the test itself: every
control against the form's table at device scales 1 and 2, the shared keyboard table and the
shared scenarios typed and answered with real keys through the real dialogs, a megabyte pasted
into a box, a phone's viewport, and a second load with the server stopped. No test may log a
console error or ask anything of another origin.

Usage: page_test.py <site folder> <test-data folder> <tools folder>
"""

import json
import shutil
import sys
import tempfile
import threading
import time
import unittest
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

SITE, DATA, TOOLS = (Path(p) for p in sys.argv[1:4])
sys.path.insert(0, str(TOOLS))
import web_serve  # noqa: E402  (found through the tools folder given)

FORM = json.loads((DATA / "form.json").read_text(encoding="utf-8"))
SCENARIOS = json.loads((DATA / "scenarios.json").read_text(encoding="utf-8"))
KEYBOARD = json.loads((DATA / "keys.json").read_text(encoding="utf-8"))
TYPICAL = json.loads((DATA / "typical.json").read_text(encoding="utf-8"))
TYPICAL_SHOWN = dict(TYPICAL["afterGrowth"])
DIALOG_TITLE = "Tenvo友情提示"
BOXES = [c["name"] for c in FORM["controls"] if c["kind"] == "box"]


class Server:
    """The site on a free port of 127.0.0.1, until stopped."""

    def __init__(self):
        self.http = web_serve.serve(str(SITE), 0)
        self.url = f"http://127.0.0.1:{self.http.server_address[1]}/"
        threading.Thread(target=self.http.serve_forever, daemon=True).start()

    def stop(self):
        self.http.shutdown()
        self.http.server_close()


class Browser:
    """Headless Chromium with a profile of its own, its console and network logged."""

    def __init__(self, scale=1):
        self.profile = tempfile.mkdtemp(prefix="petcalc-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync",
                         f"--user-data-dir={self.profile}", f"--force-device-scale-factor={scale}",
                         "--window-size=800,600"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.requested = []
        self.console = []

    def close(self):
        self.collect()
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def collect(self):
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                self.requested.append(message["params"]["request"]["url"])
        self.console += [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def open(self, url):
        self.driver.get(url)
        self.wait_for("return document.documentElement.dataset.ready === 'true'", "the module")
        # Counts the dialogs closed: one dialog element opens again for the next prompt.
        self.js("""window.closedDialogs = 0;
                   for (const d of document.querySelectorAll('dialog'))
                     d.addEventListener('close', () => { window.closedDialogs += 1; });""")

    def wait_for(self, script, what, seconds=10):
        try:
            WebDriverWait(self.driver, seconds, poll_frequency=0.02).until(
                lambda d: d.execute_script(script))
        except TimeoutException:
            raise AssertionError(f"{what} never came") from None

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def type_into(self, name, text):
        box = self.element(name)
        box.clear()
        if text:
            box.send_keys(text)

    def open_dialog(self):
        return self.js("const d = document.querySelector('dialog[open]'); return d && d.id;")

    def wait_until_idle(self):
        self.wait_for("return !document.documentElement.dataset.busy", "the end of the click")

    def put(self, typed):
        """Each [box, text] of `typed` into its box at once, as a paste would."""
        for name, text in typed:
            self.js("arguments[0].value = arguments[1]", self.element(name), text)

    def press(self, key, shift=False, ctrl=False, alt=False, held=False):
        """A key pressed and released on whatever has the focus, as the keyboard sends it; a held
        key's press is a repeat."""
        name, code, number, text = KEY_EVENTS[key]
        modifiers = (8 if shift else 0) | (2 if ctrl else 0) | (1 if alt else 0)
        event = {"key": name, "code": code, "windowsVirtualKeyCode": number,
                 "modifiers": modifiers, "location": 3 if code.startswith("Numpad") else 0}
        typed = {} if ctrl or alt or not text else {"text": text, "unmodifiedText": text}
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent",
                                    {**event, **typed, "type": "keyDown", "autoRepeat": held})
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {**event, "type": "keyUp"})

    def type(self, text):
        """`text` typed key by key into whatever has the focus."""
        for character in text:
            self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": "keyDown", "key": character, "text": character,
                "unmodifiedText": character})
            self.driver.execute_cdp_cmd("Input.dispatchKeyEvent",
                                        {"type": "keyUp", "key": character})

    def focused(self):
        return self.js("return document.activeElement && document.activeElement.id")


# Each key of the keyboard table as the browser's input names it: key, code, virtual key code,
# and the text it types.
KEY_EVENTS = {
    "Tab": ("Tab", "Tab", 9, ""),
    "Return": ("Enter", "Enter", 13, "\r"),
    "KeypadEnter": ("Enter", "NumpadEnter", 13, "\r"),
    "Space": (" ", "Space", 32, " "),
    "Escape": ("Escape", "Escape", 27, ""),
    "Backspace": ("Backspace", "Backspace", 8, ""),
    "A": ("a", "KeyA", 65, "a"),
    "C": ("c", "KeyC", 67, "c"),
    "V": ("v", "KeyV", 86, "v"),
}


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def start(self, **options):
        browser = Browser(**options)
        self.addCleanup(self.check_and_close, browser)
        return browser

    def check_and_close(self, browser):
        browser.close()
        self.assertEqual(browser.console, [], "console errors")
        # The browser's own pages (chrome://, about:) are not the page's requests.
        network = (u for u in browser.requested if u.split(":")[0] in ("http", "https", "ws", "wss"))
        origins = {u for u in network if not u.startswith("http://127.0.0.1:")}
        self.assertEqual(origins, set(), "requests to another origin")

    def test_every_control_stands_as_the_table_says_at_scales_1_and_2(self):
        for scale in (1, 2):
            with self.subTest(scale=scale):
                browser = self.start(scale=scale)
                browser.open(self.server.url)
                self.assertEqual(browser.driver.title, FORM["title"])
                self.assertEqual(browser.js("return document.documentElement.lang"), "zh-CN")
                placed = browser.js("""
                  const origin = document.getElementById('Form1').getBoundingClientRect();
                  return [...document.querySelectorAll('#Form1 > [data-row]')].map(e => {
                    const r = e.getBoundingClientRect();
                    return {name: e.id, rect: [r.left - origin.left, r.top - origin.top,
                                               r.width, r.height],
                            caption: e.tagName === 'INPUT' || e.tagName === 'IMG'
                                ? '' : e.textContent,
                            readOnly: e.readOnly === true,
                            name_: e.getAttribute('aria-label') || e.getAttribute('alt') || '',
                            src: e.currentSrc || ''};
                  });""")
                by_name = {p["name"]: p for p in placed}
                self.assertEqual(len(placed), len(FORM["controls"]))
                for row in FORM["controls"]:
                    control = by_name[row["name"]]
                    where = control["rect"] if not row["autoSize"] else control["rect"][:2]
                    wanted = row["rect"] if not row["autoSize"] else row["rect"][:2]
                    self.assertEqual(where, wanted, row["name"])
                    self.assertEqual(control["caption"], row["caption"], row["name"])
                    self.assertEqual(control["readOnly"], row["readOnly"], row["name"])
                    if row["kind"] != "label":
                        self.assertEqual(control["name_"], row["accessibleName"], row["name"])
                self.assertTrue(by_name["Image1"]["src"].endswith(
                    "logo.jpg" if scale == 1 else "logo@2x.png"))
                browser.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                    "features": [{"name": "prefers-color-scheme", "value": "dark"}]})
                self.assertEqual(browser.js(
                    "return getComputedStyle(document.documentElement).backgroundColor"),
                    "rgb(32, 33, 36)")
                browser.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
                browser.driver.save_screenshot(str(DATA / f"page@{scale}x.png"))

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
        if kind == "error":
            self.assertTrue(browser.element("error").find_element(By.CSS_SELECTOR, ".sign")
                            .is_displayed())
        if kind != "prompt":
            browser.element(kind).find_element(By.CSS_SELECTOR, "button[value=ok]").click()
            browser.wait_for(f"return window.closedDialogs > {closed}", f"the {kind} closing")
            return
        self.assertEqual(browser.js("return document.activeElement.id"), "prompt-field")
        self.assertEqual(browser.element("prompt-field").get_attribute("value"), "")
        if dialog["heldEnterFirst"]:
            browser.press("Return", held=True)
            self.assertTrue(browser.js("return document.getElementById('prompt').open"),
                            "a held Enter confirmed the prompt")
        if dialog["answer"] == "empty":
            browser.element("prompt").find_element(By.CSS_SELECTOR, "button[value=ok]").click()
        else:
            browser.keys(dialog["typed"])
            if dialog["answer"] == "typed":
                browser.keys(Keys.ENTER)
            elif dialog["answer"] == "escaped":
                browser.keys(Keys.ESCAPE)
            else:
                browser.element("prompt").find_element(By.CSS_SELECTOR, ".cancel").click()
        browser.wait_for(f"return window.closedDialogs > {closed}", "the prompt closing")

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
        self.assertEqual(browser.focused(), expected["focus"])
        for name, text in expected["boxes"]:
            self.assertEqual(browser.element(name).get_attribute("value"), text, name)

    def test_the_keyboard_table_with_real_keys(self):
        browser = self.start()
        for row in KEYBOARD:
            with self.subTest(row=row["name"]):
                if "web-form" not in row["where"]:
                    self.skipTest("a row for another front end or layout")
                if "web-form" in row["inert"]:
                    self.skipTest("the browser's driver cannot press these keys as a keyboard")
                browser.open(self.server.url)
                self.play_keys(browser, row, "web-form")

    def test_the_shared_scenarios_through_real_keys_and_dialogs(self):
        browser = self.start()
        for scenario in SCENARIOS:
            with self.subTest(scenario=scenario["name"]):
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
                    shown = {name: browser.element(name).get_attribute("value") for name in BOXES}
                    self.assertEqual(shown, step["after"], f"step {number}")
                    self.assertEqual(browser.js("return document.activeElement.id"),
                                     step["click"], f"step {number}: the focus came back")

    def test_a_pasted_megabyte_is_read_in_full(self):
        browser = self.start()
        browser.open(self.server.url)
        browser.put(box for box in TYPICAL["stats"] if box[0] != "Text2")
        browser.element("Text2").click()
        browser.driver.execute_cdp_cmd("Input.insertText", {"text": "50" + " " * (1 << 20)})
        self.assertEqual(browser.js("return document.getElementById('Text2').value.length"),
                         2 + (1 << 20))
        browser.element("Command1").click()
        browser.wait_until_idle()
        self.assertEqual(browser.element("Text14").get_attribute("value"),
                         TYPICAL_SHOWN["Text14"])

    def test_a_phone_held_upright_sees_the_whole_form_without_scrolling_sideways(self):
        browser = self.start()
        browser.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 740, "deviceScaleFactor": 3, "mobile": True})
        browser.open(self.server.url)
        width = browser.js("return document.documentElement.clientWidth")
        self.assertEqual(width, 360)
        self.assertLessEqual(browser.js("return document.documentElement.scrollWidth"), width)
        right = browser.js("return document.getElementById('Form1').getBoundingClientRect().right")
        self.assertLessEqual(right, width)
        browser.driver.save_screenshot(str(DATA / "page-phone.png"))

    def test_a_second_load_works_with_the_server_stopped(self):
        server = Server()
        stopped = False
        try:
            browser = self.start()
            browser.open(server.url)
            browser.wait_for("return navigator.serviceWorker.controller !== null",
                             "the service worker", seconds=20)
            server.stop()
            stopped = True
            browser.open(server.url)
            browser.put(TYPICAL["stats"])
            browser.element("Command1").click()
            browser.wait_until_idle()
            self.assertEqual(browser.element("Text26").get_attribute("value"),
                             TYPICAL_SHOWN["Text26"])
        finally:
            if not stopped:
                server.stop()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
