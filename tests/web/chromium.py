"""What the page's tests share: the build's site and the tables it is checked against, a server
of a folder on 127.0.0.1, and headless Chromium in each of the page's layouts, with real keys.

The tests are run as <test>.py <build-web folder> <source folder>."""

import base64
import json
import shutil
import socket
import sys
import tempfile
import threading
import time
from pathlib import Path

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.wait import WebDriverWait

BUILD, SOURCE = (Path(p).resolve() for p in sys.argv[1:3])
SITE, STAGE, DATA = BUILD / "site", BUILD / "stage", BUILD / "test-data"
TOOLS, STATIC, RESOURCES = SOURCE / "tools", SOURCE / "web" / "static", SOURCE / "resources"
sys.path.insert(0, str(TOOLS))
import headless_chromium  # noqa: E402  (found through the source folder given)
import web_serve  # noqa: E402

FORM = json.loads((DATA / "form.json").read_text(encoding="utf-8"))
SCENARIOS = json.loads((DATA / "scenarios.json").read_text(encoding="utf-8"))
KEYBOARD = json.loads((DATA / "keys.json").read_text(encoding="utf-8"))
TYPICAL = json.loads((DATA / "typical.json").read_text(encoding="utf-8"))
TYPICAL_SHOWN = dict(TYPICAL["afterGrowth"])
AXE = (TOOLS / "npm" / "test" / "node_modules" / "axe-core" / "axe.min.js").read_text()
DIALOG_TITLE = "Tenvo友情提示"
BOXES = [c["name"] for c in FORM["controls"] if c["kind"] == "box"]
CONTROLS = {c["name"]: c for c in FORM["controls"]}

# The page's layouts as a browser meets them: the form's own at its size with a mouse, and the
# touch layout on a phone held upright (two sizes) and on a tablet, whose pointer is coarse.
LAYOUTS = {
    "form": {"width": 800, "height": 600},
    "phone": {"width": 360, "height": 740, "scale": 3, "mobile": True, "touch": True},
    "small-phone": {"width": 320, "height": 640, "scale": 2, "mobile": True, "touch": True},
    "tablet": {"width": 1024, "height": 768, "touch": True},
}
TOUCH_LAYOUTS = ["phone", "small-phone", "tablet"]

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
    "ArrowDown": ("ArrowDown", "ArrowDown", 40, ""),
    "Delete": ("Delete", "Delete", 46, ""),
}


# axe-core's violations, then the texts it left undecided for contrast that fall short of 4.5:1.
AXE_RUN = """
const luminance = (rgb) => rgb.map((c) => c / 255)
    .map((c) => (c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
    .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
const channels = (colour) => colour.match(/[\\d.]+/g).map(Number);
function background(element) {
  for (let e = element; e; e = e.parentElement) {
    const c = channels(getComputedStyle(e).backgroundColor);
    if (c.length < 4 || c[3] > 0) return c.slice(0, 3);
  }
  return channels(getComputedStyle(document.documentElement).backgroundColor).slice(0, 3);
}
function contrast(element) {
  const [a, b] = [luminance(channels(getComputedStyle(element).color).slice(0, 3)),
                  luminance(background(element))];
  return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
}
return axe.run(document).then((r) => [
  ...r.violations.map((v) => [v.id, v.nodes.map((n) => n.target.join(' ')).join(', ')]),
  ...r.incomplete.filter((v) => v.id === 'color-contrast').flatMap((v) => v.nodes)
    .map((n) => document.querySelector(n.target[0]))
    .filter((e) => contrast(e) < 4.5)
    .map((e) => ['contrast under 4.5:1', '#' + e.id + ' ' + contrast(e).toFixed(2)])]);
"""


class Server:
    """A folder on a free port of 127.0.0.1, until stopped, every answer with `headers` added
    and the files whose names end with one of `slow` held back by `delay` seconds."""

    def __init__(self, folder=SITE, headers=None, slow=(), delay=0):
        connections = self.connections = set()

        class Handler(web_serve.Handler):
            def setup(self):
                super().setup()
                connections.add(self.connection)

            def end_headers(self):
                for name, value in (headers or {}).items():
                    self.send_header(name, value)
                super().end_headers()

            def send_head(self):
                if self.path.endswith(tuple(slow)):
                    time.sleep(delay)
                return super().send_head()

        self.http = web_serve.serve(str(folder), 0, Handler)
        self.url = f"http://127.0.0.1:{self.http.server_address[1]}/"
        threading.Thread(target=self.http.serve_forever, daemon=True).start()

    def stop(self):
        """No more answers, on new connections or on the browser's kept-alive ones."""
        self.http.shutdown()
        self.http.server_close()
        for connection in self.connections:
            try:
                connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass  # closed already


class Browser:
    """Headless Chromium in one of the page's layouts, with a profile of its own, its console and
    network logged."""

    def __init__(self, layout="form", scale=1, dark=False, eager=False, arguments=(), profile=None):
        """`profile`, when given, is a folder the browser keeps and the caller removes."""
        self.kept_profile = profile is not None
        self.profile = profile or tempfile.mkdtemp(prefix="petcalc-chromium-")
        shape = LAYOUTS[layout]
        self.driver = headless_chromium.start(
            self.profile, f"--force-device-scale-factor={scale}",
            f"--window-size={shape['width']},{shape['height']}", *arguments, logged=True,
            eager=eager)
        self.layout, self.scale, self.dark = layout, scale, dark
        self.requested = []
        self.console = []
        self.opened = False
        self.emulate()

    def emulate(self):
        """The layout's screen and pointer, and the colour scheme, on the tab at hand."""
        shape = LAYOUTS[self.layout]
        if "scale" in shape or "touch" in shape:
            headless_chromium.emulate(self.driver, shape["width"], shape["height"],
                                      shape.get("scale", self.scale), shape.get("mobile", False),
                                      shape.get("touch", False))
        if self.dark:
            self.cdp("Emulation.setEmulatedMedia",
                     {"features": [{"name": "prefers-color-scheme", "value": "dark"}]})

    def new_tab(self, close_this=True):
        """A new tab, with nothing in its session storage, in place of this one or beside it."""
        self.collect()
        old = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        if close_this:
            new = self.driver.current_window_handle
            self.driver.switch_to.window(old)
            self.driver.close()
            self.driver.switch_to.window(new)
        self.emulate()

    def cdp(self, command, parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def close(self):
        self.collect()
        self.driver.quit()
        if not self.kept_profile:
            shutil.rmtree(self.profile, ignore_errors=True)

    def collect(self):
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                self.requested.append(message["params"]["request"]["url"])
        self.console += [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def open(self, url, keep_window=False):
        """The page at `url` once its calculator is ready, in a new tab unless `keep_window` or
        it is the first: a window the tab kept would come back."""
        if self.opened and not keep_window:
            self.new_tab()
        self.opened = True
        self.driver.get(url)
        self.settle()

    def reload(self):
        self.driver.refresh()
        self.settle()

    def settle(self):
        """Waits for the calculator, then counts the dialogs as they close."""
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
        self.cdp("Input.dispatchKeyEvent",
                 {**event, **typed, "type": "keyDown", "autoRepeat": held})
        self.cdp("Input.dispatchKeyEvent", {**event, "type": "keyUp"})

    def type(self, text):
        """`text` typed key by key into whatever has the focus."""
        for character in text:
            self.cdp("Input.dispatchKeyEvent", {"type": "keyDown", "key": character,
                                                "text": character, "unmodifiedText": character})
            self.cdp("Input.dispatchKeyEvent", {"type": "keyUp", "key": character})

    def focused(self):
        return self.js("return document.activeElement && document.activeElement.id")

    def open_dialog(self):
        return self.js("const d = document.querySelector('dialog[open]'); return d && d.id;")

    def wait_until_idle(self):
        self.wait_for("return !document.documentElement.dataset.busy", "the end of the click")

    def axe(self):
        """What axe-core finds wrong with the page as it stands, rule by rule; and the texts whose
        contrast axe could not decide (its background hidden by the dialogs' top layer, or by a
        neighbour) with less than 4.5:1 between their colour and the nearest background."""
        self.js(AXE)
        found = self.js(AXE_RUN)
        return [f"{rule}: {where}" for rule, where in found]

    def screenshot(self, path):
        """The whole page, not only what the viewport shows."""
        size = self.cdp("Page.getLayoutMetrics", {})["cssContentSize"]
        shot = self.cdp("Page.captureScreenshot", {"captureBeyondViewport": True, "clip": {
            "x": 0, "y": 0, "width": size["width"], "height": size["height"], "scale": 1}})
        Path(path).write_bytes(base64.b64decode(shot["data"]))
