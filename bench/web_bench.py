#!/usr/bin/python3
"""The page's benchmarks in headless Chromium, printed as Markdown tables:
- transfer size: every file of the site compressed with gzip -9, the calculator's module and the
  book's, and what a first visit downloads (the worker and every file it keeps; not the install
  dialog's screenshots);
- time from navigation until the form takes input (the module ready, buttons included), median
  of N fresh first visits interleaved with as many of the floor page (41 plain controls and the
  same logo, no WebAssembly; until its DOMContentLoaded), both served gzip-compressed;
- the two clicks with every box filled, in the page, no dialog: the mean of 200 in a row.

Usage: bench/web_bench.py <site folder> <typical.json> [runs]   (runs default 20; typical.json
the typical pet the web build exports for its tests)
"""

import gzip
import json
import re
import shutil
import statistics
import sys
import tempfile
from pathlib import Path

from selenium.webdriver.support.wait import WebDriverWait

import web_sites

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tools"))
import headless_chromium  # noqa: E402

KIB = 1024
CALCULATOR_GOAL = 42.5 * 1.1  # KiB: within 10 % of the calculator's size before the book


def sizes(site):
    rows = []
    for path in sorted(p for p in site.iterdir() if p.is_file()):
        rows.append((path.name, path.stat().st_size, len(gzip.compress(path.read_bytes(), 9))))
    return rows


def chromium():
    profile = tempfile.mkdtemp(prefix="petcalc-bench-")
    return headless_chromium.start(profile), profile


def first_visit(url, ready_script):
    """Milliseconds from navigation to the page's boxes being there (DOMContentLoaded) and to
    `ready_script`'s moment."""
    driver, profile = chromium()
    try:
        driver.get(url)
        WebDriverWait(driver, 20, poll_frequency=0.01).until(lambda d: d.execute_script(ready_script))
        return driver.execute_script(FLOOR_READY), driver.execute_script(ready_script)
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


PAGE_READY = "const m = performance.getEntriesByName('petcalc-ready')[0]; return m && m.startTime;"
FLOOR_READY = ("const n = performance.getEntriesByType('navigation')[0];"
               "return n && n.domContentLoadedEventEnd > 0 && n.domContentLoadedEventEnd;")

# 200 clicks one after the other, each started when the last one ends; the mean, since the
# page's clock is coarsened to 0.1 ms.
CLICK = """
const [id, done] = [arguments[0], arguments[arguments.length - 1]];
const root = document.documentElement;
const clicks = 200;
let left = clicks;
const start = performance.now();
function once() {
  new MutationObserver((changes, observer) => {
    if (root.dataset.busy) return;
    observer.disconnect();
    if (--left > 0) once(); else done((performance.now() - start) / clicks);
  }).observe(root, {attributes: true, attributeFilter: ['data-busy']});
  document.getElementById(id).click();
}
once();
"""


def click_times(url, typical):
    """The two clicks' times, with the typical pet's stats typed and a target level of 30."""
    driver, profile = chromium()
    try:
        driver.get(url)
        WebDriverWait(driver, 20).until(lambda d: d.execute_script(PAGE_READY))
        for box, stat in [*typical["stats"], ["Text41", "30"]]:
            driver.execute_script("document.getElementById(arguments[0]).value = arguments[1]",
                                  box, stat)
        driver.set_script_timeout(60)
        return {button: driver.execute_async_script(CLICK, button)
                for button in ("Command1", "Command2")}
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    site = Path(sys.argv[1]).resolve()
    typical = json.loads(Path(sys.argv[2]).read_text(encoding="utf-8"))
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    rows = sizes(site)
    module = sum(z for name, _, z in rows
                 if name.startswith("petcalc.") and name.endswith((".js", ".wasm")))
    book_module = sum(z for name, _, z in rows if name.startswith("petbook.") and name.endswith(".wasm"))
    book_script = sum(z for name, _, z in rows
                      if name.startswith("petbook.") and name.endswith(".js")
                      or name.startswith("book.") and name.endswith((".css", ".js")))
    total = sum(z for _, _, z in rows)
    kept = set(json.loads(re.search(r"const FILES = (\[.*?\]);", (site / "sw.js").read_text(
        encoding="utf-8")).group(1))) | {"sw.js"}
    visit = sum(z for name, _, z in rows if name in kept)
    print("| File | bytes | gzip -9 |")
    print("|---|---|---|")
    for name, raw, zipped in rows:
        print(f"| {name} | {raw:,} | {zipped:,} |")
    print()
    print("| Transfer, gzip -9 | size | goal | |")
    print("|---|---|---|---|")
    print(f"| the calculator's module and its loader | {module / KIB:.1f} KiB | "
          f"≤ {CALCULATOR_GOAL:.2f} KiB (today's 42.5, and 10 %) | "
          f"{'met' if module <= CALCULATOR_GOAL * KIB else '**not met**'} |")
    print(f"| the book's module | {book_module / KIB:.1f} KiB | ≤ 40 KiB | "
          f"{'met' if book_module <= 40 * KIB else '**not met**'} |")
    print(f"| the book's loader, the page's book script and its style | "
          f"{book_script / KIB:.1f} KiB | | |")
    print(f"| a first visit: the page, the worker and every file it keeps | {visit / KIB:.1f} KiB | "
          f"≤ 150 KiB | {'met' if visit <= 150 * KIB else '**not met**'} |")
    print(f"| the whole site, the install dialog's screenshots included | {total / KIB:.1f} KiB | "
          "| |")
    print()

    with web_sites.served(site) as (page_url, floor_url):
        page, floor = [], []
        first_visit(page_url, PAGE_READY)  # unmeasured: the disk cache warm for both
        first_visit(floor_url, FLOOR_READY)
        for _ in range(runs):
            page.append(first_visit(page_url, PAGE_READY))
            floor.append(first_visit(floor_url, FLOOR_READY))
        clicks = click_times(page_url, typical)
    floor_ready = statistics.median(ready for _, ready in floor)
    print(f"| Until the form takes input ({runs} first visits each, median) | page | floor | "
          f"ratio | goal ≤ 1.5 |")
    print("|---|---|---|---|---|")
    for what, index in (("boxes take typing (DOMContentLoaded)", 0),
                        ("buttons work too (the module ready)", 1)):
        mine = statistics.median(times[index] for times in page)
        ratio = mine / floor_ready
        print(f"| {what} | {mine:.1f} ms | {floor_ready:.1f} ms | {ratio:.2f} | "
              f"{'met' if ratio <= 1.5 else '**not met**'} |")
    print()
    print("| Click in the page, every box filled (mean of 200 in a row) | time | goal < 1 ms |")
    print("|---|---|---|")
    for button, kind in (("Command1", "growth (计 算)"), ("Command2", "prediction (预 测)")):
        print(f"| {kind} | {clicks[button] * 1000:.0f} µs | "
              f"{'met' if clicks[button] < 1 else '**not met**'} |")


if __name__ == "__main__":
    main()
