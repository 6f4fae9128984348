#!/usr/bin/python3
"""Photographs the built page in headless Chromium, the typical pet's growth and prediction shown:
- <docs>/screenshot-web.png and screenshot-web@2x.png: the form's own layout at device scales 1
  and 2, as a desktop browser shows it;
- <docs>/screenshot-web-phone.png: the touch layout on a phone held upright, 360 x 740 at scale 3;
- <static>/screenshot-narrow.png (720 x 1480) and screenshot-wide.png (1280 x 800): the page's
  manifest's screenshots, for the richer install dialog: a phone, and a wide screen with a
  coarse pointer;
- <docs>/screenshot-book.png: the whole page at 800 CSS pixels wide, its book holding the typical
  pet weighed at two levels and another pet, the first named and chosen, its timeline shown.

Usage: tools/web_screenshots.py <build-web folder> <docs folder> <static folder>
"""

import base64
import json
import shutil
import sys
import tempfile
import threading
from pathlib import Path

import headless_chromium
import web_serve
from selenium.webdriver.support.wait import WebDriverWait

PREDICT_AT = "21"
# The typical pet weighed again at level 21, and a pet of other stats.
WEIGHED_AGAIN = {"Text7": "21", "Text8": "99", "Text9": "81", "Text10": "90", "Text11": "51",
                 "Text12": "50"}
ANOTHER = {"Text2": "40", "Text4": "20", "Text5": "20", "Text6": "20", "Text7": "5", "Text8": "48",
           "Text9": "30", "Text10": "22", "Text11": "26", "Text12": "28"}

# The book's pets weighed, the first named and chosen.
FILL_BOOK = """
const [again, another, done] = [arguments[0], arguments[1], arguments[arguments.length - 1]];
const root = document.documentElement;
const click = () => new Promise((resolve) => {
  document.getElementById('Command1').click();
  const wait = () => (root.dataset.busy ? requestAnimationFrame(wait) : setTimeout(resolve, 100));
  requestAnimationFrame(wait);
});
const put = (boxes) => Object.entries(boxes).forEach(([id, text]) => { document.getElementById(id).value = text; });
(async () => {
  const typical = [...document.querySelectorAll('.form > .box[data-stat]')].map((box) => box.value);
  put(again); await click();
  put(another); await click();
  [...document.querySelectorAll('.form > .box[data-stat]')].forEach((box, i) => { box.value = typical[i]; });
  await click();
  const rows = () => [...document.querySelectorAll('#book-viewport .book-row')];
  while (rows().length < 3) await new Promise(requestAnimationFrame);
  const row = rows().find((r) => r.textContent.includes('1→11'));
  row.click();
  const name = document.getElementById('book-name');
  name.value = '小白';
  name.dispatchEvent(new Event('change'));
  setTimeout(done, 300);
})();
"""


def photograph(url, typical, path, width, height, scale, mobile=False, touch=False, whole=False,
               book=False):
    profile = tempfile.mkdtemp(prefix="petcalc-screenshot-")
    driver = headless_chromium.start(profile, "--hide-scrollbars")
    try:
        headless_chromium.emulate(driver, width, height, scale, mobile, touch)
        driver.get(url)
        ready = "return document.documentElement.dataset.ready === 'true' && " \
                "!document.documentElement.dataset.busy"
        WebDriverWait(driver, 20).until(lambda d: d.execute_script(ready))
        driver.execute_script("for (const [box, text] of arguments[0])"
                              " document.getElementById(box).value = text;"
                              "document.getElementById('Text41').value = arguments[1];",
                              typical["stats"], PREDICT_AT)
        for button in ("Command1", "Command2"):
            driver.execute_script(f"document.getElementById('{button}').click()")
            WebDriverWait(driver, 20).until(lambda d: d.execute_script(ready))
        if book:
            WebDriverWait(driver, 20).until(
                lambda d: d.execute_script("return document.documentElement.dataset.book === 'ready'"))
            driver.set_script_timeout(30)
            driver.execute_async_script(FILL_BOOK, WEIGHED_AGAIN, ANOTHER)
        driver.execute_script("document.activeElement.blur(); window.scrollTo(0, 0)")
        clip = {"x": 0, "y": 0, "width": width, "height": height, "scale": 1}
        if whole:
            size = driver.execute_cdp_cmd("Page.getLayoutMetrics", {})["cssContentSize"]
            clip.update(width=size["width"], height=size["height"])
        shot = driver.execute_cdp_cmd("Page.captureScreenshot",
                                      {"captureBeyondViewport": whole, "clip": clip})
        Path(path).write_bytes(base64.b64decode(shot["data"]))
        print(f"screenshot: {path}")
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def main(build, docs, static):
    typical = json.loads((build / "test-data" / "typical.json").read_text(encoding="utf-8"))
    server = web_serve.serve(str(build / "site"), 0)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    photograph(url, typical, docs / "screenshot-web.png", 440, 220, 1)
    photograph(url, typical, docs / "screenshot-web@2x.png", 440, 220, 2)
    photograph(url, typical, docs / "screenshot-web-phone.png", 360, 740, 3, mobile=True,
               touch=True, whole=True)
    photograph(url, typical, static / "screenshot-narrow.png", 360, 740, 2, mobile=True,
               touch=True)
    photograph(url, typical, static / "screenshot-wide.png", 1280, 800, 1, touch=True)
    photograph(url, typical, docs / "screenshot-book.png", 800, 600, 1, whole=True, book=True)
    server.shutdown()


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*(Path(p) for p in sys.argv[1:]))
