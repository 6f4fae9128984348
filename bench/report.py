#!/usr/bin/env python3
"""Renders bench/RESULTS.md from Google Benchmark's JSON and the start-up table.
Usage: report.py core.json window.json startup.md windows.md named.md web.md lighthouse.md
                 book.json book-web.md"""

import datetime
import json
import subprocess
import sys

VAL_TEXTS = ["12", "150", " 2.5", "1e3", "12abc", "&HFFFF", "(empty)"]


def medians(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    result = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name", "median") == "median":
            name = b.get("run_name", b["name"]).removesuffix("_median")
            result[name] = b
    return result


def ns(b):
    scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
    return b["real_time"] * scale


def verdict(ok):
    return "met" if ok else "**not met**"


def cpu_model():
    with open("/proc/cpuinfo", encoding="utf-8") as f:
        for line in f:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return "unknown"


def commit():
    head = subprocess.run(["git", "rev-parse", "--short", "HEAD"], capture_output=True,
                          text=True).stdout.strip()
    dirty = subprocess.run(["git", "status", "--porcelain", "--untracked-files=no"],
                           capture_output=True, text=True).stdout.strip()
    return head + (" (with uncommitted changes)" if dirty else "")


def main():
    core, window = medians(sys.argv[1]), medians(sys.argv[2])
    with open(sys.argv[3], encoding="utf-8") as f:
        startup = f.read().strip()
    with open(sys.argv[4], encoding="utf-8") as f:
        windows = f.read().strip()
    with open(sys.argv[5], encoding="utf-8") as f:
        named = f.read().strip()
    with open(sys.argv[6], encoding="utf-8") as f:
        web = f.read().strip()
    with open(sys.argv[7], encoding="utf-8") as f:
        lighthouse = f.read().strip()
    book = medians(sys.argv[8])
    with open(sys.argv[9], encoding="utf-8") as f:
        book_web = f.read().strip()
    lines = [
        "# Benchmark results",
        "",
        f"- Date: {datetime.date.today().isoformat()}",
        f"- CPU: {cpu_model()}",
        f"- Commit: {commit()}",
        "- Command: `make bench` (medians of 5 repetitions; start-up: medians of the runs)",
        "",
        "## Val on box texts, against from_chars on the same number already clean",
        "",
        "| Text | Val | from_chars floor | ratio | goal ≤ 2.0 |",
        "|---|---|---|---|---|",
    ]
    for i, text in enumerate(VAL_TEXTS):
        val, floor = ns(core[f"BM_Val/{i}"]), ns(core[f"BM_FromCharsFloor/{i}"])
        lines.append(f"| `{text}` | {val:.1f} ns | {floor:.1f} ns | {val / floor:.2f} | "
                     f"{verdict(val <= 2 * floor)} |")
    lines += ["", "## Val on a pasted megabyte (1,048,576 characters)", "",
              "| Text | time | throughput | goal ≥ 200 MB/s |", "|---|---|---|---|"]
    for kind in ("digits", "blanks"):
        b = core[f"BM_ValLongText/{kind}/1048576"]
        rate = b["bytes_per_second"] / 1e6
        lines.append(f"| {kind} | {ns(b) / 1e6:.2f} ms | {rate:.0f} MB/s | {verdict(rate >= 200)} |")
    lines += ["", "## The two clicks end to end through the scripted runtime", "",
              "Twelve filled boxes gathered, the calculation, every box written.", "",
              "| Click | time | goal < 2 µs |", "|---|---|---|"]
    for kind in ("growth", "prediction"):
        t = ns(core[f"BM_Click/{kind}"])
        lines.append(f"| {kind} | {t:.0f} ns | {verdict(t < 2000)} |")
    lines += ["", "## What a front end that keeps a book pays for being told of each click", "",
              "The window's calculator alone, and telling an observer that does nothing.", "",
              "| Click | alone | observed | ratio | goal ≤ 1.05 |", "|---|---|---|---|---|"]
    for kind, flag in (("growth", 0), ("prediction", 1)):
        alone = ns(core[f"BM_CalculatorClick/observed:0/prediction:{flag}"])
        observed = ns(core[f"BM_CalculatorClick/observed:1/prediction:{flag}"])
        lines.append(f"| {kind} | {alone:.0f} ns | {observed:.0f} ns | {observed / alone:.3f} | "
                     f"{verdict(observed <= 1.05 * alone)} |")
    lines += ["", "## The book, natively", "",
              "Its file and its spreadsheet written and read back into a book, and a prediction kept "
              "on a record it holds.", "",
              "| What | 1,000 records | 10,000 records | 100,000 records | goal at 10,000 | |",
              "|---|---|---|---|---|---|"]
    for what, name, goal in (("the file written", "BM_WriteJson", 25e6),
                             ("the file read", "BM_ReadJson", 25e6),
                             ("the CSV written", "BM_WriteCsv", None),
                             ("the CSV read", "BM_ReadCsv", None),
                             ("a click kept", "BM_KeepRecord", None)):
        times = [ns(book[f"{name}/{count}"]) for count in (1000, 10000, 100000)]
        shown = " | ".join(f"{t / 1e6:.2f} ms" if t >= 1e5 else f"{t / 1e3:.2f} µs" for t in times)
        goal_text = f"≤ {goal / 1e6:.0f} ms" if goal else ""
        lines.append(f"| {what} | {shown} | {goal_text} | "
                     f"{verdict(times[1] <= goal) if goal else ''} |")
    form1, floor = ns(window["BM_Window_Form1"]), ns(window["BM_Window_Floor"])
    paste = ns(window["BM_Window_PasteMegabyte"])
    clicks = ns(window["BM_Window_ClicksWithMegabyteBoxes"])
    repaint = ns(window["BM_Window_ClicksAndRepaintWithMegabyteBoxes"])
    lines += ["", "## Building Form1 and showing it offscreen (with its first paint)", "",
              "| Window | time | floor: 41 bare widgets | ratio | goal ≤ 1.10 |",
              "|---|---|---|---|---|",
              f"| Form1 | {form1 / 1e3:.0f} µs | {floor / 1e3:.0f} µs | {form1 / floor:.2f} | "
              f"{verdict(form1 <= 1.10 * floor)} |",
              "",
              "Form1 does three things the floor does not, each one required of the window: it lifts",
              "QLineEdit's 32,767-character limit on all 26 boxes (a relayout each), fits the six",
              "auto-sized labels to their captions (one text measurement each) and makes 13 boxes",
              "read-only. Under callgrind these account for nearly all of the difference.",
              "", "## A megabyte in a stat box and in the target box, through the real window", "",
              "| Step | time |", "|---|---|",
              f"| putting both texts into their boxes (Qt lays them out) | {paste / 1e6:.1f} ms |",
              f"| both clicks, reading the boxes and computing | {clicks / 1e6:.1f} ms |",
              f"| both clicks and the repaint that follows (Qt draws the long lines) | "
              f"{repaint / 1e6:.0f} ms |",
              "", "## Start-up to a visible window, whole process, under Xvfb", "", startup,
              "", "## petcalc.exe for Windows, under wine on Xvfb", "",
              "The floor is bench/floor_win32.cpp: the same 41 controls by the same API and manifest,",
              "with no fonts, logo, DPI handling or tab order. One wineserver serves every run, and",
              "half a second passes between runs. First paint done: the last drawing into the",
              "window, as the X server reports it, before half a second without any. Three",
              "consecutive runs, each table one of them.", "",
              windows, "",
              "Where petcalc.exe's extra time goes, timed inside both programs (six runs each, this",
              "machine): the time before wWinMain and the top-level window are alike (about 40 and",
              "50 ms); its 41 controls take about 95 ms against the floor's 80, of which about 8 ms",
              "is giving each its font (the Song face is loaded then, where the floor loads its",
              "fallback face only when it paints) and most of the rest the bordered, centred boxes;",
              "showing and first painting take about 130 ms in both. The floor's own medians move",
              "by 10 % from one run to the next, as much as the goal's margin.", "",
              "## Where a named control keeps its procedure, under wine", "",
              "Each box, button and the picture answers a screen reader through a procedure of",
              "its own, which must find the control's own procedure on every message",
              "(bench/named_control_bench.cpp): best of three rounds of 200,000 messages.", "",
              named, "",
              "## The page in headless Chromium", "",
              "The floor is bench/web/floor.html: the same 41 controls as plain HTML and the page's",
              "own logo files, with no stylesheet, no script and no WebAssembly; it takes input at",
              "its DOMContentLoaded. Each visit is a first one, in a fresh Chromium profile; both",
              "sites are served gzip-compressed by tools/web_serve.py.", "",
              web, "",
              "The page's boxes take typing once its HTML is read, its style being written into it;",
              "its buttons wait for the loader, asked for once the logo is painted, and the module.",
              "", "## The page's book in headless Chromium", "",
              "The book's database filled with as many records before the page opens; each figure",
              "timed in the page (bench/book_web_bench.py).", "",
              book_web, "",
              "", "## Lighthouse against the page, the page before the book, and its floor", "",
              "Lighthouse 12.2.3 from npm (tools/npm/bench), its default mobile profile (simulated",
              "slow 4G and a CPU four times slower), against the same two sites. Lighthouse",
              "simulates its timings from the run's trace in steps of a round trip (150 ms), so one",
              "run's figures move by that step.", "",
              lighthouse, ""]
    print("\n".join(lines))


if __name__ == "__main__":
    main()
