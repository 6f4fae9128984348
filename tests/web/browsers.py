"""What the page's tests share: the build's site and the tables it is checked against, a server
of a folder on 127.0.0.1, and a browser in each of the page's layouts, with real keys: headless
Chromium over Selenium and its DevTools protocol, WebKitGTK's MiniBrowser over Selenium and
WebKitWebDriver (on a display: under Xvfb), or Firefox ESR over WebDriver BiDi. PETCALC_ENGINE
names the engine (chromium, webkit, firefox; chromium by default). A case an engine's driver
cannot play is marked with `needs`, which says why where it is not played.

The tests are run as <test>.py <build-web folder> <source folder>."""

import atexit
import base64
import concurrent.futures
import functools
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest
from pathlib import Path

import websocket
from selenium import webdriver
from selenium.common.exceptions import StaleElementReferenceException, WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.webkitgtk.service import Service as WebKitGTKService

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

ENGINE = os.environ.get("PETCALC_ENGINE", "chromium")

# The page's layouts as a browser meets them: the form's own at its size with a mouse, and the
# touch layout on a phone held upright (two sizes) and on a tablet, whose pointer is coarse.
LAYOUTS = {
    "form": {"width": 800, "height": 600},
    "phone": {"width": 360, "height": 740, "scale": 3, "mobile": True, "touch": True},
    "small-phone": {"width": 320, "height": 640, "scale": 2, "mobile": True, "touch": True},
    "tablet": {"width": 1024, "height": 768, "touch": True},
}

# What each engine's driver cannot do, and why: a case that needs it is not played there.
CANNOT = {
    "chromium": {},
    "webkit": {
        "scale": "WebKitGTK's driver cannot emulate a device scale; the window's own is 1",
        "coarse": "WebKitGTK's driver emulates no touch screen and no coarse pointer, which the "
                  "tablet's touch layout needs",
        "narrow": "MiniBrowser's window is never narrower than its toolbar, 447 CSS px, where "
                  "the form's own layout still holds for a fine pointer: no phone's touch layout "
                  "can be shown",
        "lasting storage": "MiniBrowser under automation keeps its storage only until it closes",
        "console": "WebKitWebDriver reads no console",
        "network": "WebKitWebDriver reads no network log",
        "held": "WebKitWebDriver sends no key's repeat",
        "insert": "WebKitWebDriver pastes nothing: a megabyte typed key by key would take hours",
        "zoom": "WebKitGTK's driver cannot zoom",
    },
    "firefox": {
        "coarse": "Firefox's WebDriver BiDi emulates no touch screen and no coarse pointer: the "
                  "phones' touch layout is played by the viewport's width alone, the tablet's not "
                  "at all",
        "held": "WebDriver BiDi sends no key's repeat",
        "insert": "WebDriver BiDi pastes nothing: a megabyte typed key by key would take hours",
        "accessible name": "WebDriver BiDi reads no accessibility tree",
    },
}


def cannot(*features):
    """The first reason this engine cannot play a case that needs `features`, if any."""
    return next((CANNOT[ENGINE][f] for f in features if f in CANNOT[ENGINE]), None)


def needs(*features):
    """Marks a test as needing what some drivers cannot do: where they cannot, it is skipped with
    the reason, not played and not counted as passed."""
    def mark(test):
        @functools.wraps(test)
        def played(self, *arguments, **options):
            why = cannot(*features)
            if why:
                self.skipTest(f"not played in {ENGINE}: {why}")
            return test(self, *arguments, **options)
        return played
    return mark


def cannot_show(layout):
    """Why this engine cannot show `layout`, if it cannot: a tablet's touch layout needs a coarse
    pointer, and a window may not be as narrow as a phone."""
    shape = LAYOUTS[layout]
    if shape.get("touch") and not shape.get("mobile"):
        return cannot("coarse")
    if shape.get("mobile"):
        return cannot("narrow")
    return None


# Each key of the keyboard table as the browser's input names it: key, code, virtual key code,
# the text it types, and WebDriver's code for it.
KEY_EVENTS = {
    "Tab": ("Tab", "Tab", 9, "", "\ue004"),
    "Return": ("Enter", "Enter", 13, "\r", "\ue006"),
    "KeypadEnter": ("Enter", "NumpadEnter", 13, "\r", "\ue007"),
    "Space": (" ", "Space", 32, " ", " "),
    "Escape": ("Escape", "Escape", 27, "", "\ue00c"),
    "Backspace": ("Backspace", "Backspace", 8, "", "\ue003"),
    "A": ("a", "KeyA", 65, "a", "a"),
    "C": ("c", "KeyC", 67, "c", "c"),
    "V": ("v", "KeyV", 86, "v", "v"),
    "ArrowDown": ("ArrowDown", "ArrowDown", 40, "", "\ue015"),
    "Delete": ("Delete", "Delete", 46, "", "\ue017"),
    "F2": ("F2", "F2", 113, "", "\ue032"),
}
SHIFT, CONTROL, ALT = "\ue008", "\ue009", "\ue00a"
ENTER, ESCAPE = "\ue007", "\ue00c"


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
    and each file whose name ends with a key of `slow` held back by that many seconds."""

    def __init__(self, folder=SITE, headers=None, slow=None):
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
                for ending, seconds in (slow or {}).items():
                    if self.path.endswith(ending):
                        time.sleep(seconds)
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


class EngineTest(unittest.TestCase):
    """A test of the page whose browsers are closed after it, each checked for console errors and
    requests to another origin where its engine's driver can read them."""

    def start(self, layout="form", **options):
        browser = Browser(layout, **options)
        self.addCleanup(self.check_and_close, browser)
        return browser

    def check_and_close(self, browser):
        browser.close()
        if not cannot("console"):
            self.assertEqual(browser.console, [], "console errors")
        if not cannot("network"):
            # The browser's own pages (chrome://, about:) are not the page's requests.
            network = (u for u in browser.requested
                       if u.split(":")[0] in ("http", "https", "ws", "wss"))
            origins = {u for u in network if not u.startswith("http://127.0.0.1:")}
            self.assertEqual(origins, set(), "requests to another origin")

    def skip_where_not_shown(self, layout):
        why = cannot_show(layout)
        if why:
            self.skipTest(f"not played in {ENGINE}: {why}")


def Browser(layout="form", **options):  # noqa: N802 (made like a class)
    """A browser of this run's engine, in one of the page's layouts."""
    return {"chromium": Chromium, "webkit": WebKit, "firefox": Firefox}[ENGINE](layout, **options)


class Page:
    """What the tests do with the page in any engine, over each engine's own few primitives."""

    def __init__(self, layout, scale, dark, profile):
        self.layout, self.scale, self.dark = layout, scale, dark
        self.kept_profile = profile is not None
        self.profile = profile or tempfile.mkdtemp(prefix=f"petcalc-{ENGINE}-")
        self.requested = []
        self.console = []
        self.opened = False

    def open(self, url, keep_window=False):
        """The page at `url` once its calculator is ready, in a new tab unless `keep_window` or
        it is the first: a window the tab kept would come back."""
        if self.opened and not keep_window:
            self.new_tab()
        self.opened = True
        self.navigate(url)
        self.settle()

    def reload(self):
        self.refresh()
        self.settle()

    def settle(self):
        """Waits for the calculator, then counts the dialogs as they close."""
        self.wait_for("return document.documentElement.dataset.ready === 'true'", "the module")
        # Counts the dialogs closed: one dialog element opens again for the next prompt.
        self.js("""window.closedDialogs = 0;
                   for (const d of document.querySelectorAll('dialog'))
                     d.addEventListener('close', () => { window.closedDialogs += 1; });""")

    def wait_for(self, script, what, seconds=10, arguments=()):
        deadline = time.monotonic() + seconds
        while True:
            try:
                if self.js(script, *arguments):
                    return
            except (WebDriverException, BidiError):
                pass  # a page on its way
            if time.monotonic() > deadline:
                raise AssertionError(f"{what} never came")
            time.sleep(0.02)

    def type_into(self, name, text):
        box = self.element(name)
        box.clear()
        if text:
            box.send_keys(text)

    def values(self, names=BOXES):
        """What each box of `names` shows, read at once: name → text."""
        return dict(zip(names, self.js(
            "return arguments[0].map((name) => document.getElementById(name).value)", list(names))))

    def put(self, typed):
        """Each [box, text] of `typed` into its box at once, as a paste would."""
        self.js("for (const [name, text] of arguments[0]) document.getElementById(name).value = text",
                [[name, text] for name, text in typed])

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
        found = self.js_async(f"""const done = arguments[arguments.length - 1];
                                  (() => {{ {AXE_RUN} }})().then(done);""")
        return [f"{rule}: {where}" for rule, where in found]

    def wait_frames(self):
        """Until the page has drawn what it was last told."""
        self.js_async("requestAnimationFrame(() => requestAnimationFrame(arguments[arguments.length - 1]))")

    def collect(self):
        """Gathers what the driver has logged so far, where it logs only when asked."""


class Selenium(Page):
    """An engine driven over Selenium's WebDriver."""

    NEW_TAB = "tab"

    def navigate(self, url):
        self.driver.get(url)

    def refresh(self):
        self.driver.refresh()

    def back(self):
        self.driver.back()

    @property
    def title(self):
        return self.driver.title

    @property
    def url(self):
        return self.driver.current_url

    @property
    def tab(self):
        return self.driver.current_window_handle

    def switch(self, tab):
        self.driver.switch_to.window(tab)

    def new_tab(self, close_this=True):
        """A new tab, with nothing in its session storage, in place of this one or beside it."""
        self.collect()
        old = self.driver.current_window_handle
        self.driver.switch_to.new_window(self.NEW_TAB)
        if close_this:
            new = self.driver.current_window_handle
            self.driver.switch_to.window(old)
            self.driver.close()
            self.driver.switch_to.window(new)
        self.emulate()

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def js_async(self, script, *arguments):
        self.driver.set_script_timeout(60)
        return self.driver.execute_async_script(script, *arguments)

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def find(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css)

    def find_all(self, css):
        return self.driver.find_elements(By.CSS_SELECTOR, css)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def close(self):
        self.collect()
        self.driver.quit()
        if not self.kept_profile:
            shutil.rmtree(self.profile, ignore_errors=True)

    def emulate(self):
        pass


class Chromium(Selenium):
    """Headless Chromium in one of the page's layouts, with a profile of its own, its console and
    network logged."""

    def __init__(self, layout="form", scale=1, dark=False, eager=False, arguments=(), profile=None):
        """`profile`, when given, is a folder the browser keeps and the caller removes."""
        super().__init__(layout, scale, dark, profile)
        shape = LAYOUTS[layout]
        self.driver = headless_chromium.start(
            self.profile, f"--force-device-scale-factor={scale}",
            f"--window-size={shape['width']},{shape['height']}",
            *arguments, logged=True, eager=eager)
        self.emulate()

    def cdp(self, command, parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def emulate(self):
        """The layout's screen and pointer, and the colour scheme, on the tab at hand."""
        shape = LAYOUTS[self.layout]
        if "scale" in shape or "touch" in shape:
            headless_chromium.emulate(self.driver, shape["width"], shape["height"],
                                      shape.get("scale", self.scale), shape.get("mobile", False),
                                      shape.get("touch", False))
        if self.dark:
            self.set_scheme(True)

    def set_scheme(self, dark):
        self.cdp("Emulation.setEmulatedMedia",
                 {"features": [{"name": "prefers-color-scheme", "value": "dark"}] if dark else []})

    def zoom(self, percent):
        self.cdp("Emulation.setDeviceMetricsOverride", {
            "width": 1280 * 100 // percent, "height": 800 * 100 // percent,
            "deviceScaleFactor": percent / 100, "mobile": False})

    def insert_text(self, text):
        self.cdp("Input.insertText", {"text": text})

    def collect(self):
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                self.requested.append(message["params"]["request"]["url"])
        self.console += [e["message"] for e in self.driver.get_log("browser")
                         if e["level"] == "SEVERE"]

    def press(self, key, shift=False, ctrl=False, alt=False, held=False):
        """A key pressed and released on whatever has the focus, as the keyboard sends it; a held
        key's press is a repeat."""
        name, code, number, text, _ = KEY_EVENTS[key]
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

    def screenshot(self, path):
        """The whole page, not only what the viewport shows."""
        size = self.cdp("Page.getLayoutMetrics", {})["cssContentSize"]
        shot = self.cdp("Page.captureScreenshot", {"captureBeyondViewport": True, "clip": {
            "x": 0, "y": 0, "width": size["width"], "height": size["height"], "scale": 1}})
        Path(path).write_bytes(base64.b64decode(shot["data"]))


def keys_down_up(key, shift=False, ctrl=False, alt=False):
    """WebDriver's key actions for one press: the modifiers held around the key."""
    held = [code for on, code in ((shift, SHIFT), (ctrl, CONTROL), (alt, ALT)) if on]
    code = KEY_EVENTS[key][4]
    return ([("down", h) for h in held] + [("down", code), ("up", code)] +
            [("up", h) for h in reversed(held)])


class WebKit(Selenium):
    """WebKitGTK's MiniBrowser, under WebKitWebDriver, in a window of the layout's size."""

    MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    # A tab behind another is never painted, and the page asks for its calculator once painted.
    NEW_TAB = "window"

    def __init__(self, layout="form", scale=1, dark=False, eager=False, arguments=(), profile=None):
        # `eager` is not asked of WebKitWebDriver, whose scripts never answer on a page it loaded
        # eagerly; the page's load ends before its calculator is asked for, as eager needs.
        super().__init__(layout, scale, dark, profile)
        if self.kept_profile:
            self.driver = self.launch(self.profile, dark)
        else:
            # A MiniBrowser takes seconds to start: the next one starts while this one is used.
            shutil.rmtree(self.profile, ignore_errors=True)
            self.profile, self.driver = take_spare_webkit(dark)
        self.emulate()

    @classmethod
    def launch(cls, profile, dark):
        options = webdriver.WebKitGTKOptions()
        options.binary_location = cls.MINIBROWSER
        options.add_argument("--automation")
        # No back-forward cache: a page left and come back to is loaded again.
        options.add_argument("--enable-page-cache=false")
        if dark:
            options.add_argument("--dark-mode")
        # The browser's data where its profile is: the browser takes the driver's environment.
        for folder in ("data", "cache"):
            Path(profile, folder).mkdir(exist_ok=True)
        environment = dict(os.environ, XDG_DATA_HOME=f"{profile}/data",
                           XDG_CACHE_HOME=f"{profile}/cache", MESA_SHADER_CACHE_DISABLE="true")
        return WebKitDriver(options, environment)


    def emulate(self):
        """A window whose viewport is the layout's size, or as near as the window can come. The
        window's frame takes its share; and the window takes its size some time after the driver
        has answered, so each size is waited for before the viewport is measured."""
        wanted = [LAYOUTS[self.layout]["width"], LAYOUTS[self.layout]["height"]]
        window, inner = list(wanted), None
        for _ in range(4):
            self.driver.set_window_size(*window)
            before, inner = inner, self.settled_viewport()
            if inner in (wanted, before):  # there, or the window can come no nearer
                return
            window = [size + want - got for size, want, got in zip(window, wanted, inner)]

    def settled_viewport(self):
        """The viewport's size once the same three times in a row, 50 ms apart."""
        seen = []
        deadline = time.monotonic() + 5
        while len(seen) < 3 or seen[-3:].count(seen[-1]) < 3:
            if time.monotonic() > deadline:
                break
            time.sleep(0.05)
            seen.append(self.driver.execute_script("return [innerWidth, innerHeight]"))
        return seen[-1]

    def press(self, key, shift=False, ctrl=False, alt=False, held=False):
        chain = ActionChains(self.driver)
        for way, code in keys_down_up(key, shift, ctrl, alt):
            (chain.key_down if way == "down" else chain.key_up)(code)
        chain.perform()

    def type(self, text):
        ActionChains(self.driver).send_keys(text).perform()

    def screenshot(self, path):
        # WebKit's picture is the last frame it drew: the page's latest change drawn first.
        self.wait_frames()
        self.driver.save_screenshot(str(path))


class WebKitDriver(webdriver.Remote):
    """WebKitWebDriver started with an environment of its own (no other thread's), and stopped
    when quit."""

    def __init__(self, options, environment):
        self.service = WebKitGTKService("/usr/bin/WebKitWebDriver", env=environment)
        self.service.start()
        super().__init__(command_executor=self.service.service_url, options=options)

    def quit(self):
        try:
            super().quit()
        finally:
            self.service.stop()


# The next WebKit browser of each scheme, starting in the background: (profile, a future driver).
SPARE_WEBKIT = {}
STARTER = concurrent.futures.ThreadPoolExecutor(max_workers=1)


def spare_webkit(dark):
    profile = tempfile.mkdtemp(prefix="petcalc-webkit-")
    return profile, STARTER.submit(WebKit.launch, profile, dark)


def take_spare_webkit(dark):
    """A started WebKit browser, and its profile; another starts in its place."""
    profile, driver = SPARE_WEBKIT.pop(dark, None) or spare_webkit(dark)
    SPARE_WEBKIT[dark] = spare_webkit(dark)
    return profile, driver.result()


@atexit.register
def quit_spare_webkits():
    for profile, driver in SPARE_WEBKIT.values():
        driver.result().quit()
        shutil.rmtree(profile, ignore_errors=True)
    SPARE_WEBKIT.clear()


class BidiError(Exception):
    pass


class FirefoxProcess:
    """Firefox ESR, headless, over WebDriver BiDi: a socket, its commands and its events, with no
    driver program between them. Its events go to the browser whose tab they came from, or, from
    no tab (a service worker's), to the browser made last."""

    # Firefox's own prefs for a test that asks nothing of any network and keeps nothing back.
    PREFS = {
        "browser.sessionhistory.max_total_viewers": 0,  # no back-forward cache
        "browser.shell.checkDefaultBrowser": False,
        "datareporting.policy.dataSubmissionEnabled": False,
        "toolkit.telemetry.reportingpolicy.firstRun": False,
        "app.normandy.enabled": False,
        "messaging-system.rsexperimentloader.enabled": False,
        "browser.region.network.url": "",
        "dom.serviceWorkers.testing.enabled": True,
        # A headless window has no focus of the system's: focus and blur as if it had.
        "focusmanager.testmode": True,
    }

    def __init__(self, profile, dark):
        self.profile = profile
        prefs = dict(self.PREFS)
        prefs["layout.css.prefers-color-scheme.content-override"] = 0 if dark else 1
        with open(Path(profile) / "user.js", "w", encoding="utf-8") as user:
            for name, value in prefs.items():
                user.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", profile,
             "--remote-debugging-port=0", "about:blank"],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        address = None
        for line in self.process.stdout:
            if "WebDriver BiDi listening on" in line:
                address = line.split("listening on ", 1)[1].strip()
                break
        self.drain = threading.Thread(target=self.process.stdout.read, daemon=True)
        self.drain.start()
        self.socket = websocket.create_connection(address + "/session", suppress_origin=True)
        self.sent = 0
        self.owners = {}  # tab → the browser it is of
        self.latest = None
        self.command("session.new", {"capabilities": {"alwaysMatch": {"acceptInsecureCerts": True}}})
        self.command("session.subscribe", {"events": ["log.entryAdded",
                                                      "network.beforeRequestSent"]})

    def command(self, method, parameters):
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": parameters}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.sent:
                if message.get("type") == "error":
                    raise BidiError(f"{method}: {message.get('error')}: {message.get('message')}")
                return message["result"]
            self.take(message)

    def take(self, event):
        method, parameters = event.get("method"), event.get("params", {})
        tab = parameters.get("context") or parameters.get("source", {}).get("context")
        browser = self.owners.get(tab, self.latest)
        if browser is None:
            return
        if method == "log.entryAdded" and parameters.get("level") == "error":
            browser.console.append(parameters.get("text"))
        elif method == "network.beforeRequestSent":
            browser.requested.append(parameters["request"]["url"])

    def close(self):
        try:
            self.command("session.end", {})
        except (BidiError, websocket.WebSocketException):
            pass
        self.socket.close()
        self.process.terminate()
        self.process.wait(20)
        self.drain.join(20)
        self.process.stdout.close()


# One Firefox for each scheme, shared by every browser of the run that keeps no profile: each in a
# user context of its own, whose storage, caches and service workers no other sees. A Firefox
# takes seconds to start.
SHARED_FIREFOX = {}


def shared_firefox(dark):
    if dark not in SHARED_FIREFOX:
        profile = tempfile.mkdtemp(prefix="petcalc-firefox-shared-")
        SHARED_FIREFOX[dark] = FirefoxProcess(profile, dark)

        def end():
            SHARED_FIREFOX.pop(dark).close()
            shutil.rmtree(profile, ignore_errors=True)
        atexit.register(end)
    return SHARED_FIREFOX[dark]


class Firefox(Page):
    """A browser in Firefox ESR: a user context of the run's shared Firefox, or a Firefox of its
    own where it keeps a profile across its closing."""

    def __init__(self, layout="form", scale=1, dark=False, eager=False, arguments=(), profile=None):
        super().__init__(layout, scale, dark, profile)
        self.eager = eager
        if self.kept_profile:
            self.firefox = FirefoxProcess(self.profile, dark)
            self.user_context = None
        else:
            self.firefox = shared_firefox(dark)
            self.user_context = self.command("browser.createUserContext", {})["userContext"]
        self.firefox.latest = self
        # The tab Firefox starts with never gets the focus of a headless window: one of its own.
        self.context = None
        self.replaced = None
        self.new_tab(close_this=False)

    def command(self, method, parameters):
        return self.firefox.command(method, parameters)

    def emulate(self):
        shape = LAYOUTS[self.layout]
        # The tab in front, its window active: only then does a page get focus and blur events.
        self.command("browsingContext.activate", {"context": self.context})
        self.command("browsingContext.setViewport", {
            "context": self.context,
            "viewport": {"width": shape["width"], "height": shape["height"]},
            "devicePixelRatio": shape.get("scale", self.scale)})

    def zoom(self, percent):
        """As a zoom in of `percent` on a 1280 × 800 screen: fewer CSS pixels, each larger."""
        self.command("browsingContext.setViewport", {
            "context": self.context,
            "viewport": {"width": 1280 * 100 // percent, "height": 800 * 100 // percent},
            "devicePixelRatio": percent / 100})

    def navigate(self, url):
        self.command("browsingContext.navigate", {"context": self.context, "url": url,
                                                  "wait": "interactive" if self.eager else "complete"})
        if self.replaced:
            self.command("browsingContext.close", {"context": self.replaced})
            self.replaced = None

    def refresh(self):
        self.command("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def back(self):
        self.command("browsingContext.traverseHistory", {"context": self.context, "delta": -1})

    @property
    def title(self):
        return self.js("return document.title")

    @property
    def url(self):
        return self.js("return location.href")

    @property
    def tab(self):
        return self.context

    def switch(self, tab):
        self.context = tab
        self.command("browsingContext.activate", {"context": tab})

    def new_tab(self, close_this=True):
        # The tab replaced closes once the new one has its page: a service worker left with no page
        # may be on its way down as the next page's request reaches it, and Firefox then fails
        # the navigation (NS_ERROR_INTERCEPTION_FAILED).
        old = self.context
        where = {"userContext": self.user_context} if self.user_context else {}
        self.context = self.command("browsingContext.create", {"type": "tab", **where})["context"]
        self.firefox.owners[self.context] = self
        if close_this and old:
            self.replaced = old
        self.emulate()

    # Values between Python and the page, as WebDriver BiDi carries them.
    def argument(self, value):
        if isinstance(value, FirefoxElement):
            return {"sharedId": value.shared_id}
        if value is None:
            return {"type": "null"}
        if isinstance(value, bool):
            return {"type": "boolean", "value": value}
        if isinstance(value, (int, float)):
            return {"type": "number", "value": value}
        if isinstance(value, str):
            return {"type": "string", "value": value}
        if isinstance(value, (list, tuple)):
            return {"type": "array", "value": [self.argument(v) for v in value]}
        if isinstance(value, dict):
            return {"type": "object", "value": [[k, self.argument(v)] for k, v in value.items()]}
        raise TypeError(f"cannot pass {value!r}")

    def result(self, remote):
        kind = remote["type"]
        if kind in ("undefined", "null"):
            return None
        if kind in ("string", "boolean"):
            return remote["value"]
        if kind == "number":
            value = remote["value"]
            return value if not isinstance(value, float) or not value.is_integer() else int(value)
        if kind in ("array", "set", "nodelist", "htmlcollection"):
            return [self.result(v) for v in remote.get("value", [])]
        if kind == "object":
            return {k: self.result(v) for k, v in remote.get("value", [])}
        if kind == "node":
            return FirefoxElement(self, remote["sharedId"])
        return remote.get("value")

    def call(self, body, arguments, wait=True):
        answer = self.command("script.callFunction", {
            "functionDeclaration": f"function () {{ {body} }}",
            "arguments": [self.argument(a) for a in arguments],
            "target": {"context": self.context}, "awaitPromise": wait,
            "serializationOptions": {"maxDomDepth": 0, "maxObjectDepth": 8}})
        if answer.get("type") == "exception":
            raise BidiError(answer["exceptionDetails"].get("text"))
        return self.result(answer["result"])

    def js(self, script, *arguments):
        return self.call(script, arguments)

    def js_async(self, script, *arguments):
        """A script that calls its last argument when done, as Selenium's asynchronous scripts."""
        body = ("return new Promise((done) => { const args = [...arguments, done];"
                f" (function () {{ {script} }}).apply(null, args); }});")
        return self.call(body, arguments)

    def element(self, name):
        found = self.js("return document.getElementById(arguments[0])", name)
        if found is None:
            raise BidiError(f"no element #{name}")
        return found

    def find(self, css):
        found = self.js("return document.querySelector(arguments[0])", css)
        if found is None:
            raise BidiError(f"no element {css}")
        return found

    def find_all(self, css):
        return self.js("return [...document.querySelectorAll(arguments[0])]", css)

    def actions(self, sources):
        self.command("input.performActions", {"context": self.context, "actions": sources})

    def key_actions(self, steps):
        self.actions([{"type": "key", "id": "keyboard",
                       "actions": [{"type": "keyDown" if way == "down" else "keyUp", "value": code}
                                   for way, code in steps]}])

    def press(self, key, shift=False, ctrl=False, alt=False, held=False):
        self.key_actions(keys_down_up(key, shift, ctrl, alt))

    def type(self, text):
        self.key_actions([step for c in text for step in (("down", c), ("up", c))])

    def keys(self, *keys):
        self.type("".join(keys))

    def type_into(self, name, text):
        # The box found, emptied and focused in one call: each call is a round trip.
        self.js("""const box = document.getElementById(arguments[0]);
                   box.value = ''; box.dispatchEvent(new Event('input', {bubbles: true}));
                   box.focus();""", name)
        if text:
            self.type(text)

    def screenshot(self, path):
        shot = self.command("browsingContext.captureScreenshot",
                            {"context": self.context, "origin": "document"})
        Path(path).write_bytes(base64.b64decode(shot["data"]))

    def close(self):
        if self.user_context:
            self.command("browser.removeUserContext", {"userContext": self.user_context})
        else:
            self.firefox.close()
        for tab in [t for t, b in self.firefox.owners.items() if b is self]:
            del self.firefox.owners[tab]
        if not self.kept_profile:
            shutil.rmtree(self.profile, ignore_errors=True)


class FirefoxElement:
    """An element of the page in Firefox, as Selenium's WebElement offers one."""

    def __init__(self, browser, shared_id):
        self.browser, self.shared_id = browser, shared_id

    def run(self, body, *arguments):
        return self.browser.js(f"const element = arguments[0]; {body}", self, *arguments)

    def click(self):
        """A click at the element's centre as the page measures it (Firefox's own centre for an
        element misses it sideways on a narrow viewport whose device pixel ratio is set), once the
        element is in view, a frame has passed (a box's caret scrolled into view after its typing
        moves the page late) and nothing covers it there, as WebDriver's click would refuse."""
        deadline = time.monotonic() + 10
        while True:
            self.run("element.scrollIntoView({block: 'center', inline: 'nearest'})")
            self.browser.wait_frames()
            x, y = self.run("""const r = element.getBoundingClientRect();
              const [x, y] = [Math.floor(r.left + r.width / 2), Math.floor(r.top + r.height / 2)];
              return element.contains(document.elementFromPoint(x, y)) ? [x, y] : [null, null];""")
            if x is not None:
                break
            # Drawn again meanwhile, as Selenium says of a stale element in the other engines.
            if not self.run("return element.isConnected"):
                raise StaleElementReferenceException("the element is no longer in the page")
            if time.monotonic() > deadline:
                raise AssertionError("the element stays covered")
        self.browser.actions([{
            "type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
            "actions": [{"type": "pointerMove", "x": x, "y": y, "origin": "viewport"},
                        {"type": "pointerDown", "button": 0},
                        {"type": "pointerUp", "button": 0}]}])

    def get_attribute(self, name):
        """As Selenium reads one: the property where the element has it, else the attribute."""
        return self.run("""const name = arguments[1];
          if (name in element && typeof element[name] !== 'object' && typeof element[name] !== 'function') {
            const value = element[name];
            return typeof value === 'boolean' ? (value ? 'true' : null) : String(value);
          }
          return element.getAttribute(name);""", name)

    def is_displayed(self):
        return self.run("""const r = element.getBoundingClientRect(), s = getComputedStyle(element);
          return r.width > 0 && r.height > 0 && s.visibility !== 'hidden' && !element.closest('[hidden]');""")

    def is_selected(self):
        return self.run("return element.checked === true || element.selected === true")

    @property
    def text(self):
        return self.run("return element.innerText")

    def find_element(self, by, value):
        found = self.find_elements(by, value)
        if not found:
            raise BidiError(f"no element {value}")
        return found[0]

    def find_elements(self, by, value):
        if by == By.TAG_NAME:
            by, value = By.CSS_SELECTOR, value
        if by != By.CSS_SELECTOR:
            raise BidiError(f"only CSS selectors: {by}")
        return self.run("return [...element.querySelectorAll(arguments[1])]", value)

    def send_keys(self, text):
        self.run("element.focus()")
        self.browser.type(text)

    def clear(self):
        self.run("element.value = ''; element.dispatchEvent(new Event('input', {bubbles: true}))")
