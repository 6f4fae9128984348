#!/usr/bin/python3
"""Lighthouse (from npm, pinned at 12.2.3 in tools/npm/bench) in its default mobile profile
against the page and against its floor (bench/web/floor.html, 41 plain controls showing the
page's own logo file, so that both paint the same largest element), both served gzip-compressed
from 127.0.0.1, one run of each in turn, `runs` of each (default 3). Prints Markdown tables: each
run's four category scores, largest contentful paint and time to interactive (Lighthouse's
`interactive` audit) and the page's ready mark (petcalc-ready); then the medians against the
goals: 100 in every category, the page's paint and interactive within 1.2 times the floor's.
Given a second site, the page as it was before (a build of an earlier commit), each run loads it
too, in turn with the others, and the medians say how far the page has moved from it: its scores
no lower, its paint and interactive at most 150 ms later (one step of Lighthouse's simulation).

Usage: bench/lighthouse.py <site folder> [runs] [site folder before]
"""

import contextlib
import json
import os
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

import web_sites

TOOLS = Path(__file__).resolve().parent.parent / "tools"
sys.path.insert(0, str(TOOLS))
import headless_chromium  # noqa: E402

LIGHTHOUSE = TOOLS / "npm" / "bench" / "node_modules" / "lighthouse" / "cli" / "index.js"
CATEGORIES = ["performance", "accessibility", "best-practices", "seo"]
GOAL_RATIO = 1.2
GOAL_LATER_MS = 150


def lighthouse(url):
    """One run: the category scores (0 to 100), the metrics in milliseconds, the ready mark."""
    with tempfile.TemporaryDirectory(prefix="petcalc-lighthouse-") as work:
        report = Path(work) / "report.json"
        flags = " ".join(headless_chromium.FLAGS)
        subprocess.run(["node", LIGHTHOUSE, url, "--quiet", "--output=json",
                        f"--output-path={report}", f"--chrome-flags={flags}",
                        f"--only-categories={','.join(CATEGORIES)}"],
                       check=True, env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"))
        result = json.loads(report.read_text(encoding="utf-8"))
    audits = result["audits"]
    marks = {m["name"]: m["startTime"] for m in audits["user-timings"].get("details", {})
             .get("items", [])}
    return {"scores": {c: round(result["categories"][c]["score"] * 100) for c in CATEGORIES},
            "lcp": audits["largest-contentful-paint"]["numericValue"],
            "tti": audits["interactive"]["numericValue"],
            "ready": marks.get("petcalc-ready")}


def row(what, run):
    scores = " | ".join(str(run["scores"][c]) for c in CATEGORIES)
    ready = f"{run['ready']:.0f} ms" if run["ready"] is not None else "–"
    return f"| {what} | {scores} | {run['lcp']:.0f} ms | {run['tti']:.0f} ms | {ready} |"


def main(site, runs, before=None):
    page, floor, earlier = [], [], []
    with web_sites.served(site) as (page_url, floor_url), \
            (web_sites.served(before) if before else contextlib.nullcontext((None, None))) as \
            (before_url, _):
        for _ in range(runs):
            page.append(lighthouse(page_url))
            floor.append(lighthouse(floor_url))
            if before_url:
                earlier.append(lighthouse(before_url))
    print("| Lighthouse, mobile | performance | accessibility | best practices | SEO | "
          "largest contentful paint | time to interactive | ready mark |")
    print("|---|---|---|---|---|---|---|---|")
    for number, (mine, theirs) in enumerate(zip(page, floor), 1):
        print(row(f"page, run {number}", mine))
        if earlier:
            print(row(f"page before, run {number}", earlier[number - 1]))
        print(row(f"floor, run {number}", theirs))
    print()
    print(f"| Medians of {runs} | page | floor | ratio | goal | |")
    print("|---|---|---|---|---|---|")
    for category in CATEGORIES:
        score = statistics.median(r["scores"][category] for r in page)
        print(f"| {category} | {score:.0f} | | | 100 | {'met' if score == 100 else '**not met**'} |")
    for what, key in (("largest contentful paint", "lcp"), ("time to interactive", "tti")):
        mine = statistics.median(r[key] for r in page)
        theirs = statistics.median(r[key] for r in floor)
        ratio = mine / theirs
        print(f"| {what} | {mine:.0f} ms | {theirs:.0f} ms | {ratio:.2f} | ≤ {GOAL_RATIO} | "
              f"{'met' if ratio <= GOAL_RATIO else '**not met**'} |")
    ready = [r["ready"] for r in page if r["ready"] is not None]
    if ready:
        print(f"| the page's ready mark (petcalc-ready, unthrottled) | {statistics.median(ready):.0f} ms"
              " | | | | |")
    if earlier:
        print()
        print(f"| Medians of {runs}, against the page before | page | before | difference | goal | |")
        print("|---|---|---|---|---|---|")
        for category in CATEGORIES:
            mine = statistics.median(r["scores"][category] for r in page)
            theirs = statistics.median(r["scores"][category] for r in earlier)
            print(f"| {category} | {mine:.0f} | {theirs:.0f} | {mine - theirs:+.0f} | no lower | "
                  f"{'met' if mine >= theirs else '**not met**'} |")
        for what, key in (("largest contentful paint", "lcp"), ("time to interactive", "tti")):
            mine = statistics.median(r[key] for r in page)
            theirs = statistics.median(r[key] for r in earlier)
            print(f"| {what} | {mine:.0f} ms | {theirs:.0f} ms | {mine - theirs:+.0f} ms | "
                  f"≤ +{GOAL_LATER_MS} ms | {'met' if mine - theirs <= GOAL_LATER_MS else '**not met**'} |")


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3, 4):
        sys.exit(__doc__)
    main(Path(sys.argv[1]).resolve(), int(sys.argv[2]) if len(sys.argv) >= 3 else 3,
         Path(sys.argv[3]).resolve() if len(sys.argv) == 4 else None)
